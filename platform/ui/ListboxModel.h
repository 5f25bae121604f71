#pragma once

#include <QAbstractTableModel>

#include "platform/data/Listbox.h"

namespace platform::ui {

// Shows the rows of a list box's data to a Qt view, cell by cell on demand: no item object per
// cell. The counts the view sees change only at a reset, so a view never asks for a row that
// the data no longer holds; a cell that went away meanwhile shows empty until the reset.
class ListboxModel : public QAbstractTableModel {
public:
    explicit ListboxModel(const ::platform::Listbox& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Takes the data's current counts and tells the views to read everything again; without
    // withRows, the views are shown the columns alone.
    void Reset(bool withRows = true);

    // How many resets have happened (for tests and measurement).
    std::int64_t ResetCount() const { return resets_; }

private:
    const ::platform::Listbox& rows_;
    int shownRows_ = 0;
    int shownColumns_ = 0;
    std::int64_t resets_ = 0;
};

}  // namespace platform::ui
