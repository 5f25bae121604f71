#include "platform/data/Listbox.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace platform {

namespace {
const std::string emptyText;

std::size_t CheckedColumn(std::int64_t column) {
    if (column < 0) {
        throw OutOfBoundsException("Column " + std::to_string(column) + " does not exist.");
    }
    return static_cast<std::size_t>(column);
}
}  // namespace

Listbox::Listbox() = default;
Listbox::~Listbox() = default;

void Listbox::DeleteAllRows() {
    chunks_.clear();
    rowCount_ = 0;
    selected_.clear();
    selected_.shrink_to_fit();
    moreCells_.clear();
    tags_.clear();
    Changed();
}

void Listbox::AddRow(std::string_view text) {
    if (rowCount_ == chunks_.size() * rowsPerChunk) {
        chunks_.push_back(std::make_unique<Chunk>());
    }
    const std::size_t row = rowCount_++;
    CellSlot(row, 0) = text;
    selected_.push_back(false);
    Changed();
}

const std::string& Listbox::Cell(std::int64_t row, std::int64_t column) const {
    const std::size_t r = CheckedRow(row);
    const std::size_t c = CheckedColumn(column);
    if (c < inlineCells) {
        return (*chunks_[r / rowsPerChunk])[r % rowsPerChunk][c];
    }
    const auto more = moreCells_.find(r);
    if (more == moreCells_.end() || c - inlineCells >= more->second.size()) {
        return emptyText;
    }
    return more->second[c - inlineCells];
}

void Listbox::Cell(std::int64_t row, std::int64_t column, std::string text) {
    const std::size_t r = CheckedRow(row);
    CellSlot(r, CheckedColumn(column)) = std::move(text);
    Changed();
}

std::string& Listbox::CellSlot(std::size_t row, std::size_t column) {
    if (column < inlineCells) {
        return (*chunks_[row / rowsPerChunk])[row % rowsPerChunk][column];
    }
    std::vector<std::string>& more = moreCells_[row];
    if (column - inlineCells >= more.size()) {
        more.resize(column - inlineCells + 1);
    }
    return more[column - inlineCells];
}

bool Listbox::Selected(std::int64_t row) const {
    return selected_[CheckedRow(row)];
}

void Listbox::Selected(std::int64_t row, bool selected) {
    selected_[CheckedRow(row)] = selected;
    Changed();
}

const std::string& Listbox::RowTag(std::int64_t row) const {
    const auto tag = tags_.find(CheckedRow(row));
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

std::size_t Listbox::CheckedRow(std::int64_t row) const {
    if (row < 0 || row >= ListCount()) {
        throw OutOfBoundsException("Row " + std::to_string(row) + " does not exist (the list has " +
                                   std::to_string(ListCount()) + " rows).");
    }
    return static_cast<std::size_t>(row);
}

void Listbox::Changed() {
    if (!changePending_ && observer_ != nullptr) {
        changePending_ = true;
        observer_->ListboxChanged();
    }
}

}  // namespace platform
