#include "platform/ui/ListboxModel.h"

#include <algorithm>
#include <limits>

namespace platform::ui {

namespace {

int Clamped(std::int64_t count) {
    return static_cast<int>(std::clamp<std::int64_t>(count, 0, std::numeric_limits<int>::max()));
}

}  // namespace

ListboxModel::ListboxModel(const ::platform::Listbox& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
    shownRows_ = Clamped(rows_.ListCount());
    shownColumns_ = Clamped(rows_.ColumnCount());
}

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownColumns_;
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    if (index.row() >= rows_.ListCount() || index.column() < 0) {
        return {};
    }
    return QString::fromStdString(rows_.Cell(index.row(), index.column()));
}

void ListboxModel::Reset(bool withRows) {
    beginResetModel();
    shownRows_ = withRows ? Clamped(rows_.ListCount()) : 0;
    shownColumns_ = Clamped(rows_.ColumnCount());
    ++resets_;
    endResetModel();
}

}  // namespace platform::ui
