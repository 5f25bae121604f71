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
    std::string Cell(std::int64_t row, std::int64_t column) const;
    void Cell(std::int64_t row, std::int64_t column, std::string_view text);

    // The same text without a copy; the view is good until the list is next changed.
    std::string_view CellView(std::int64_t row, std::int64_t column) const;

    bool Selected(std::int64_t row) const;
    void Selected(std::int64_t row, bool selected);

    // Free text that travels with a row and is never shown.
    const std::string& RowTag(std::int64_t row) const;
    void RowTag(std::int64_t row, std::string tag);

    // The number of columns a view shows (cells beyond it are still kept).
    std::int64_t ColumnCount() const { return columnCount_; }
    void ColumnCount(std::int64_t count);

    // The bytes of cell text the list holds in its store, texts since overwritten but not yet
    // let go of included.
    std::size_t StoredBytes() const { return storedBytes_; }

    void SetObserver(ListboxObserver* observer) { observer_ = observer; }
    void AcknowledgeChanges() { changePending_ = false; }

private:
    // Rows are kept compact, so that a million of them stay cheap: the texts of the first
    // three cells of all rows lie one after another in large blocks of a text store, and a
    // row holds only where its three texts lie. Rows sit in chunks of a fixed size, so that a
    // growing list never copies them. Selection marks are bits; the rarer extras (cells beyond
    // the third, tags) are kept by row.
    // Where a text lies: a short one (below 4096 bytes) in a shared block, at an offset below
    // 1 MiB, both packed into place; a longer one alone in a block of its own.
    struct StoredText {
        std::uint32_t block = 0;
        std::uint32_t place = 0;  // offset << 12 | size, or wholeBlock
    };
    static constexpr std::size_t inlineCells = 3;
    using Row = std::array<StoredText, inlineCells>;
    static constexpr std::size_t rowsPerChunk = 4096;

    // row as an index; raises OutOfBoundsException for a row outside the list. Small enough to
    // be inlined into every access; raising is out of line.
    std::size_t CheckedRow(std::int64_t row) const {
        if (row < 0 || row >= ListCount()) [[unlikely]] {
            RaiseNoSuchRow(row);
        }
        return static_cast<std::size_t>(row);
    }
    [[noreturn]] void RaiseNoSuchRow(std::int64_t row) const;
    Row& RowAt(std::size_t row) { return rowChunks_[row / rowsPerChunk][row % rowsPerChunk]; }
    const Row& RowAt(std::size_t row) const {
        return rowChunks_[row / rowsPerChunk][row % rowsPerChunk];
    }
    std::string_view TextOf(const StoredText& text) const;
    StoredText Store(std::string_view text);
    void CompactIfWasteful();
    void Changed();

    std::vector<std::unique_ptr<Row[]>> rowChunks_;
    std::size_t rowCount_ = 0;
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
    };
    std::vector<Block> blocks_;
    std::size_t currentBlock_ = 0;  // the block that takes short texts, while it has room
    std::size_t currentUsed_ = 0;
    std::size_t currentSize_ = 0;
    std::size_t storedBytes_ = 0;  // in blocks_, overwritten texts included
    std::size_t wastedBytes_ = 0;  // of storedBytes_, texts since overwritten
    std::vector<bool> selected_;
    std::unordered_map<std::size_t, std::vector<std::string>> moreCells_;  // cells 3 and on
    std::unordered_map<std::size_t, std::string> tags_;
    std::int64_t columnCount_ = 1;
    ListboxObserver* observer_ = nullptr;
    bool changePending_ = false;
};

}  // namespace platform
