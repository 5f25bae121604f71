#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Told when a list box's rows change. A list box calls ListboxChanged once for a whole run of
// changes: after that call it stays quiet until the observer calls AcknowledgeChanges(), so
// that filling a million rows costs the observer one notification, not a million.
class ListboxObserver {
public:
    virtual ~ListboxObserver() = default;
    virtual void ListboxChanged() = 0;
};

// The rows of a list box: text cells addressed by row and column (both from 0), a selection
// mark and a tag per row. Holds no toolkit object; a view shows it through an observer.
class Listbox {
public:
    Listbox();
    virtual ~Listbox();
    Listbox(const Listbox&) = delete;
    Listbox& operator=(const Listbox&) = delete;

    void DeleteAllRows();
    std::int64_t ListCount() const { return static_cast<std::int64_t>(rows_.size()); }

    // Appends a row whose cell 0 is text and whose other cells are empty.
    void AddRow(std::string_view text);

    // A cell's text; a cell never set is empty. Rows outside the list raise
    // OutOfBoundsException, as do negative columns.
    const std::string& Cell(std::int64_t row, std::int64_t column) const;
    void Cell(std::int64_t row, std::int64_t column, std::string text);

    bool Selected(std::int64_t row) const;
    void Selected(std::int64_t row, bool selected);

    // Free text that travels with a row and is never shown.
    const std::string& RowTag(std::int64_t row) const;
    void RowTag(std::int64_t row, std::string tag);

    // The number of columns a view shows (cells beyond it are still kept).
    std::int64_t ColumnCount() const { return columnCount_; }
    void ColumnCount(std::int64_t count);

    void SetObserver(ListboxObserver* observer) { observer_ = observer; }
    void AcknowledgeChanges() { changePending_ = false; }

private:
    struct Row {
        std::vector<std::string> cells;
        std::string tag;
        bool selected = false;
    };

    std::size_t CheckedRow(std::int64_t row) const;
    void Changed();

    std::vector<Row> rows_;
    std::int64_t columnCount_ = 1;
    ListboxObserver* observer_ = nullptr;
    bool changePending_ = false;
};

}  // namespace platform
