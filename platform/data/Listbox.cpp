#include "platform/data/Listbox.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace platform {

namespace {
const std::string emptyText;
}

Listbox::Listbox() = default;
Listbox::~Listbox() = default;

void Listbox::DeleteAllRows() {
    rows_.clear();
    Changed();
}

void Listbox::AddRow(std::string_view text) {
    Row& row = rows_.emplace_back();
    row.cells.reserve(static_cast<std::size_t>(std::max<std::int64_t>(columnCount_, 1)));
    row.cells.emplace_back(text);
    Changed();
}

const std::string& Listbox::Cell(std::int64_t row, std::int64_t column) const {
    const Row& r = rows_[CheckedRow(row)];
    if (column < 0) {
        throw OutOfBoundsException("Column " + std::to_string(column) + " does not exist.");
    }
    const auto index = static_cast<std::size_t>(column);
    return index < r.cells.size() ? r.cells[index] : emptyText;
}

void Listbox::Cell(std::int64_t row, std::int64_t column, std::string text) {
    Row& r = rows_[CheckedRow(row)];
    if (column < 0) {
        throw OutOfBoundsException("Column " + std::to_string(column) + " does not exist.");
    }
    const auto index = static_cast<std::size_t>(column);
    if (index >= r.cells.size()) {
        r.cells.resize(index + 1);
    }
    r.cells[index] = std::move(text);
    Changed();
}

bool Listbox::Selected(std::int64_t row) const { return rows_[CheckedRow(row)].selected; }

void Listbox::Selected(std::int64_t row, bool selected) {
    rows_[CheckedRow(row)].selected = selected;
    Changed();
}

const std::string& Listbox::RowTag(std::int64_t row) const { return rows_[CheckedRow(row)].tag; }

void Listbox::RowTag(std::int64_t row, std::string tag) {
    rows_[CheckedRow(row)].tag = std::move(tag);
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
