#include "platform/ui/Listbox.h"

#include <memory>
#include <new>

#include <QHeaderView>
#include <QTableView>

#include "platform/core/Memory.h"

namespace platform::ui {

namespace {

// Qt's row header takes a few bytes for every row, and Qt does not survive failing to get them.
// Whether that room (with a margin for the copy a resize makes) can be had now.
bool RoomForRowHeader(std::int64_t rows) {
    constexpr std::int64_t bytesPerRow = 32;
    const std::unique_ptr<char[]> room(
        new (std::nothrow) char[static_cast<std::size_t>(rows * bytesPerRow)]);
    return room != nullptr;
}

}  // namespace

Listbox::Listbox(Window& window) : Control(window, new QTableView, {}) {
    model_ = new ListboxModel(*this, QtView());
    QTableView* view = QtView();
    view->setModel(model_);
    view->verticalHeader()->hide();
    view->horizontalHeader()->hide();
    view->setShowGrid(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetObserver(this);
}

Listbox::~Listbox() {
    SetObserver(nullptr);
}

QTableView* Listbox::QtView() const {
    return static_cast<QTableView*>(Widget());
}

void Listbox::ListboxChanged() {
    QMetaObject::invokeMethod(
        model_,
        [this] {
            AcknowledgeChanges();
            const bool shrinks = ListCount() < model_->rowCount() / 2;
            // Short of memory, the view shows no rows rather than end the application; the rows
            // stay in the data, and the next change tries again.
            model_->Reset(RoomForRowHeader(ListCount()));
            if (shrinks) {
                RenewRowHeader();
            }
            ApplyColumnWidths();
        },
        Qt::QueuedConnection);
}

// A header keeps the room it took for the most rows it ever had, one entry per row; a fresh one
// for far fewer rows hands that room back.
void Listbox::RenewRowHeader() {
    QTableView* view = QtView();
    const bool visible = view->verticalHeader()->isVisibleTo(view);
    view->setVerticalHeader(new QHeaderView(Qt::Vertical, view));
    view->verticalHeader()->setVisible(visible);
    ReturnFreeMemory();
}

void Listbox::HasHeading(bool value) {
    hasHeading_ = value;
    QtView()->horizontalHeader()->setVisible(value);
}

void Listbox::ColumnWidths(std::string widths) {
    columnWidths_ = std::move(widths);
    ApplyColumnWidths();
}

void Listbox::ApplyColumnWidths() {
    const QStringList parts = QString::fromStdString(columnWidths_).split(QChar(u','));
    for (int column = 0; column < parts.size() && column < model_->columnCount(); ++column) {
        bool ok = false;
        const int width = parts[column].trimmed().toInt(&ok);
        if (ok && width > 0) {
            QtView()->setColumnWidth(column, width);
        }
    }
}

void Listbox::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "ColumnCount") {
        ColumnCount(IntegerValue(name, value));
    } else if (name == "HasHeading") {
        HasHeading(BooleanValue(name, value));
    } else if (name == "ColumnWidths") {
        ColumnWidths(StringValue(name, value));
    } else if (name == "GridLinesHorizontal" || name == "GridLinesVertical") {
        QtView()->setShowGrid(IntegerValue(name, value) > 0);
    } else if (name == "ScrollBarVertical") {
        QtView()->setVerticalScrollBarPolicy(BooleanValue(name, value) ? Qt::ScrollBarAsNeeded
                                                                       : Qt::ScrollBarAlwaysOff);
    } else if (name == "ScrollBarHorizontal") {
        QtView()->setHorizontalScrollBarPolicy(BooleanValue(name, value) ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
    } else if (name == "Border") {
        QtView()->setFrameShape(BooleanValue(name, value) ? QFrame::StyledPanel : QFrame::NoFrame);
    } else if (name == "SelectionType") {
        QtView()->setSelectionMode(IntegerValue(name, value) == 1
                                       ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
    } else if (!ApplyTextStyle(name, value)) {
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
