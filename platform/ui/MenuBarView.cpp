#include "platform/ui/MenuBarView.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "platform/core/Runtime.h"
#include "platform/data/Application.h"
#include "platform/data/ApplicationMenuItem.h"
#include "platform/data/EventDispatch.h"
#include "platform/data/QuitMenuItem.h"

namespace platform::ui {

namespace {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditCommand EditCommandOf(const std::string& name) {
    if (name == "EditUndo") {
        return EditCommand::Undo;
    }
    if (name == "EditCut") {
        return EditCommand::Cut;
    }
    if (name == "EditCopy") {
        return EditCommand::Copy;
    }
    if (name == "EditPaste") {
        return EditCommand::Paste;
    }
    if (name == "EditClear") {
        return EditCommand::Clear;
    }
    if (name == "EditSelectAll") {
        return EditCommand::SelectAll;
    }
    return EditCommand::None;
}

QLineEdit* FocusedTextField() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

const Application::MenuHandler* BoundHandler(const std::string& name) {
    const Application* app = GetAppObject();
    return app == nullptr ? nullptr : app->MenuHandlerFor(name);
}

bool EditAllowed(EditCommand command) {
    QLineEdit* field = FocusedTextField();
    if (field == nullptr || !field->isEnabled()) {
        return false;
    }
    const bool secret = field->echoMode() != QLineEdit::Normal;
    switch (command) {
        case EditCommand::Undo:
            return !field->isReadOnly() && field->isUndoAvailable();
        case EditCommand::Cut:
            return !field->isReadOnly() && !secret && field->hasSelectedText();
        case EditCommand::Copy:
            return !secret && field->hasSelectedText();
        case EditCommand::Paste: {
            const QClipboard* clipboard = QGuiApplication::clipboard();
            return !field->isReadOnly() && clipboard != nullptr && !clipboard->text().isEmpty();
        }
        case EditCommand::Clear:
            return !field->isReadOnly() && field->hasSelectedText();
        case EditCommand::SelectAll:
            return !field->text().isEmpty();
        case EditCommand::None:
            break;
    }
    return false;
}

void DoEdit(EditCommand command) {
    if (!EditAllowed(command)) {
        return;
    }
    QLineEdit* field = FocusedTextField();
    switch (command) {
        case EditCommand::Undo:
            field->undo();
            break;
        case EditCommand::Cut:
            field->cut();
            break;
        case EditCommand::Copy:
            field->copy();
            break;
        case EditCommand::Paste:
            field->paste();
            break;
        case EditCommand::Clear:
            field->del();
            break;
        case EditCommand::SelectAll:
            field->selectAll();
            break;
        case EditCommand::None:
            break;
    }
}

void Choose(const std::shared_ptr<MenuItem>& item) {
    if (const Application::MenuHandler* handler = BoundHandler(item->Name())) {
        const Application::MenuHandler call = *handler;
        CallHandler([&] { call(); });
        return;
    }
    if (dynamic_cast<const QuitMenuItem*>(item.get()) != nullptr) {
        QCoreApplication::quit();
        return;
    }
    const EditCommand command = EditCommandOf(item->Name());
    if (command != EditCommand::None) {
        CallHandler([&] { DoEdit(command); });
    }
}

bool AllowedNow(const MenuItem& item) {
    if (!item.AutoEnable()) {
        return true;
    }
    if (BoundHandler(item.Name()) != nullptr) {
        return true;
    }
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        return true;
    }
    const EditCommand command = EditCommandOf(item.Name());
    if (command != EditCommand::None) {
        return EditAllowed(command);
    }
    return item.Count() > 0;
}

struct ItemAction {
    QAction* action;
    std::shared_ptr<MenuItem> item;
};

void UpdateEnabled(const std::vector<ItemAction>& actions) {
    for (const ItemAction& entry : actions) {
        entry.action->setEnabled(AllowedNow(*entry.item));
    }
}

void AddItems(QMenu* menu, const MenuItem& parent,
              const std::shared_ptr<std::vector<ItemAction>>& actions) {
    for (std::int64_t i = 0; i < parent.Count(); ++i) {
        const std::shared_ptr<MenuItem> item = parent.Item(i);
        if (item->IsSeparator()) {
            QAction* separator = menu->addSeparator();
            separator->setObjectName(QString::fromStdString(item->Name()));
            separator->setVisible(item->Visible());
            continue;
        }
        if (item->Count() > 0) {
            QMenu* submenu = menu->addMenu(QString::fromStdString(item->Text()));
            submenu->setObjectName(QString::fromStdString(item->Name()));
            submenu->menuAction()->setVisible(item->Visible());
            AddItems(submenu, *item, actions);
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(item->Text()));
        action->setObjectName(QString::fromStdString(item->Name()));
        action->setShortcut(MenuBarView::Shortcut(item->KeyboardShortcut()));
        action->setVisible(item->Visible());
        if (dynamic_cast<const QuitMenuItem*>(item.get()) != nullptr) {
            action->setMenuRole(QAction::QuitRole);
        } else if (dynamic_cast<const ApplicationMenuItem*>(item.get()) != nullptr) {
            action->setMenuRole(QAction::ApplicationSpecificRole);
        } else {
            action->setMenuRole(QAction::NoRole);
        }
        QObject::connect(action, &QAction::triggered, action, [item] { Choose(item); });
        actions->push_back(ItemAction{action, item});
    }
}

}  // namespace

QKeySequence MenuBarView::Shortcut(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    QString portable = QString::fromStdString(text);
    portable.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"), Qt::CaseInsensitive);
    portable.replace(QStringLiteral("Option+"), QStringLiteral("Alt+"), Qt::CaseInsensitive);
    return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

QMenuBar* MenuBarView::Build(const MenuItem& bar, QWidget* parent) {
    auto* qtBar = new QMenuBar(parent);
    qtBar->setObjectName(QString::fromStdString(bar.Name()));
    auto actions = std::make_shared<std::vector<ItemAction>>();
    for (std::int64_t i = 0; i < bar.Count(); ++i) {
        const std::shared_ptr<MenuItem> item = bar.Item(i);
        if (item->IsSeparator()) {
            qtBar->addSeparator()->setObjectName(QString::fromStdString(item->Name()));
            continue;
        }
        QMenu* menu = qtBar->addMenu(QString::fromStdString(item->Text()));
        menu->setObjectName(QString::fromStdString(item->Name()));
        menu->menuAction()->setVisible(item->Visible());
        AddItems(menu, *item, actions);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [actions] { UpdateEnabled(*actions); });
    }
    UpdateEnabled(*actions);
    QObject::connect(qApp, &QApplication::focusChanged, qtBar,
                     [actions] { UpdateEnabled(*actions); });
    return qtBar;
}

}  // namespace platform::ui
