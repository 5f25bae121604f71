#include "platform/data/Listbox.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/core/Exceptions.h"

namespace platform {

namespace {

const std::string emptyText;

constexpr std::size_t blockSize = std::size_t{1} << 20;  // offsets fit in 20 bits
constexpr unsigned sizeBits = 12;
constexpr std::size_t longestShortText = (std::size_t{1} << sizeBits) - 1;
constexpr std::uint32_t wholeBlock = 0xFFFFFFFF;  // no short text can have this place

[[noreturn]] void RaiseNoSuchColumn(std::int64_t column) {
    throw OutOfBoundsException("Column " + std::to_string(column) + " does not exist.");
}

std::size_t CheckedColumn(std::int64_t column) {
    if (column < 0) [[unlikely]] {
        RaiseNoSuchColumn(column);
    }
    return static_cast<std::size_t>(column);
}

}  // namespace

Listbox::Listbox() = default;
Listbox::~Listbox() = default;

// Every container is swapped for a fresh one: clearing would keep the room the rows took.
void Listbox::DeleteAllRows() {
    decltype(rowChunks_)().swap(rowChunks_);
    rowCount_ = 0;
    decltype(blocks_)().swap(blocks_);
    currentBlock_ = currentUsed_ = currentSize_ = 0;
    storedBytes_ = wastedBytes_ = 0;
    decltype(selected_)().swap(selected_);
    decltype(moreCells_)().swap(moreCells_);
    decltype(tags_)().swap(tags_);
    Changed();
}

void Listbox::AddRow(std::string_view text) {
    const StoredText stored = Store(text);
    if (rowCount_ == rowChunks_.size() * rowsPerChunk) {
        rowChunks_.push_back(std::make_unique<Row[]>(rowsPerChunk));
    }
    selected_.push_back(false);
    RowAt(rowCount_) = Row{stored};
    ++rowCount_;
    Changed();
}

std::string Listbox::Cell(std::int64_t row, std::int64_t column) const {
    return std::string(CellView(row, column));
}

std::string_view Listbox::CellView(std::int64_t row, std::int64_t column) const {
    const std::size_t r = CheckedRow(row);
    const std::size_t c = CheckedColumn(column);
    if (c < inlineCells) {
        return TextOf(RowAt(r)[c]);
    }
    const auto more = moreCells_.find(r);
    if (more == moreCells_.end() || c - inlineCells >= more->second.size()) {
        return emptyText;
    }
    return more->second[c - inlineCells];
}

void Listbox::Cell(std::int64_t row, std::int64_t column, std::string_view text) {
    const std::size_t r = CheckedRow(row);
    const std::size_t c = CheckedColumn(column);
    if (c < inlineCells) {
        StoredText& stored = RowAt(r)[c];
        wastedBytes_ += TextOf(stored).size();
        stored = Store(text);
        CompactIfWasteful();
    } else {
        std::vector<std::string>& more = moreCells_[r];
        if (c - inlineCells >= more.size()) {
            more.resize(c - inlineCells + 1);
        }
        more[c - inlineCells] = text;
    }
    Changed();
}

bool Listbox::Selected(std::int64_t row) const {
    return selected_[CheckedRow(row)];
}

void Listbox::Selected(std::int64_t row, bool selected) {
    selected_[CheckedRow(row)] = selected;
    Changed();
}

const std::string& Listbox::RowTag(std::int64_t row) const {
    const std::size_t r = CheckedRow(row);
    if (tags_.empty()) {
        return emptyText;  // most lists carry no tags: no lookup for them
    }
    const auto tag = tags_.find(r);
    return tag == tags_.end() ? emptyText : tag->second;
}

void Listbox::RowTag(std::int64_t row, std::string tag) {
    const std::size_t r = CheckedRow(row);
    if (tag.empty()) {
        tags_.erase(r);
    } else {
        tags_[r] = std::move(tag);
    }
}

void Listbox::ColumnCount(std::int64_t count) {
    columnCount_ = std::max<std::int64_t>(count, 0);
    Changed();
}

void Listbox::RaiseNoSuchRow(std::int64_t row) const {
    throw OutOfBoundsException("Row " + std::to_string(row) + " does not exist (the list has " +
                               std::to_string(ListCount()) + " rows).");
}

std::string_view Listbox::TextOf(const StoredText& text) const {
    if (text.place == 0) {
        return {};  // the empty text, which names no block
    }
    const Block& block = blocks_[text.block];
    if (text.place == wholeBlock) {
        return std::string_view(block.bytes.get(), block.size);
    }
    return std::string_view(block.bytes.get() + (text.place >> sizeBits),
                            text.place & longestShortText);
}

Listbox::StoredText Listbox::Store(std::string_view text) {
    if (text.empty()) {
        return StoredText{};
    }
    if (blocks_.size() >= std::numeric_limits<std::uint32_t>::max()) {
        throw OutOfBoundsException("The list box cannot hold more text.");
    }
    StoredText stored{};
    char* destination = nullptr;
    if (text.size() > longestShortText) {
        blocks_.push_back(Block{std::make_unique_for_overwrite<char[]>(text.size()), text.size()});
        stored = StoredText{static_cast<std::uint32_t>(blocks_.size() - 1), wholeBlock};
        destination = blocks_.back().bytes.get();
    } else {
        if (blocks_.empty() || currentUsed_ + text.size() > currentSize_) {
            blocks_.push_back(Block{std::make_unique_for_overwrite<char[]>(blockSize), blockSize});
            currentBlock_ = blocks_.size() - 1;
            currentUsed_ = 0;
            currentSize_ = blockSize;
        }
        stored = StoredText{static_cast<std::uint32_t>(currentBlock_),
                            static_cast<std::uint32_t>(currentUsed_ << sizeBits | text.size())};
        destination = blocks_[currentBlock_].bytes.get() + currentUsed_;
        currentUsed_ += text.size();
    }
    std::memcpy(destination, text.data(), text.size());
    storedBytes_ += text.size();
    return stored;
}

// Texts that were overwritten stay in the store until they make up most of it; then every
// row's texts are copied into fresh blocks behind the old ones, and the old ones go once all
// are copied. A copy that runs out of memory on the way leaves every row naming a text that
// is still there.
void Listbox::CompactIfWasteful() {
    if (wastedBytes_ < 4 * blockSize || wastedBytes_ < storedBytes_ / 2) {
        return;
    }
    const std::size_t oldBlocks = blocks_.size();
    const std::size_t oldBytes = storedBytes_;
    currentUsed_ = currentSize_ = 0;  // no short text goes into an old block
    for (std::size_t r = 0; r < rowCount_; ++r) {
        for (StoredText& text : RowAt(r)) {
            const std::string_view old = TextOf(text);
            text = Store(old);
            wastedBytes_ += old.size();
        }
    }
    blocks_.erase(blocks_.begin(), blocks_.begin() + static_cast<std::ptrdiff_t>(oldBlocks));
    for (std::size_t r = 0; r < rowCount_; ++r) {
        for (StoredText& text : RowAt(r)) {
            if (text.place != 0) {  // the empty text names no block
                text.block -= static_cast<std::uint32_t>(oldBlocks);
            }
        }
    }
    currentBlock_ = currentSize_ == 0 ? 0 : currentBlock_ - oldBlocks;
    storedBytes_ -= oldBytes;
    wastedBytes_ = 0;
}

void Listbox::Changed() {
    if (!changePending_ && observer_ != nullptr) {
        changePending_ = true;
        observer_->ListboxChanged();
    }
}

}  // namespace platform
