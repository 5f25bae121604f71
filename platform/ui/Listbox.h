#pragma once

#include <string>

#include "platform/data/Listbox.h"
#include "platform/ui/Control.h"
#include "platform/ui/ListboxModel.h"

class QTableView;

namespace platform::ui {

// A list box over a QTableView. It is the engine's platform::Listbox: the rows live in the
// data, and the view reads them through a ListboxModel. Any run of changes to the rows posts
// one queued model reset, so filling a million rows costs the view one reset.
class Listbox : public ::platform::Listbox, public Control, private ListboxObserver {
public:
    explicit Listbox(Window& window);
    ~Listbox() override;

    std::string_view PropertyClassName() const override { return "Listbox"; }

    bool HasHeading() const { return hasHeading_; }
    void HasHeading(bool value);
    // Column widths in pixels, separated by commas ("100, 50"); other entries are left to the
    // view.
    const std::string& ColumnWidths() const { return columnWidths_; }
    void ColumnWidths(std::string widths);

    QTableView* QtView() const;
    ListboxModel& Model() const { return *model_; }

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    void ListboxChanged() override;
    void ApplyColumnWidths();
    void RenewRowHeader();

    ListboxModel* model_;
    bool hasHeading_ = false;
    std::string columnWidths_;
};

}  // namespace platform::ui
