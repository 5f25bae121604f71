#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
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
    std::int64_t ListCount() const { return static_cast<std::int64_t>(rowCount_); }

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
    // Rows are kept compact, so that a million of them stay cheap: the first three cells of
    // each row inline, in fixed-size chunks (no copying of rows as the list grows), the
    // selection marks as bits, and the rarer extras (cells beyond the third, tags) by row.
    static constexpr std::size_t inlineCells = 3;
    static constexpr std::size_t rowsPerChunk = 4096;
    using Row = std::array<std::string, inlineCells>;
    using Chunk = std::array<Row, rowsPerChunk>;

    std::size_t CheckedRow(std::int64_t row) const;
    std::string& CellSlot(std::size_t row, std::size_t column);
    void Changed();

    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::size_t rowCount_ = 0;
    std::vector<bool> selected_;
    std::unordered_map<std::size_t, std::vector<std::string>> moreCells_;  // cells 3 and on
    std::unordered_map<std::size_t, std::string> tags_;
    std::int64_t columnCount_ = 1;
    ListboxObserver* observer_ = nullptr;
    bool changePending_ = false;
};

}  // namespace platform
