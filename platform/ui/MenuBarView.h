#pragma once

#include <QString>

#include "platform/data/MenuItem.h"

class QKeySequence;
class QMenuBar;
class QWidget;

namespace platform::ui {

// Turns a menu tree into Qt menus. The bar's children become the menus, theirs the items
// ("-" a separator, an item with children a submenu); "&" marks mnemonics as in Qt, "Cmd+X"
// becomes the platform's command key (Ctrl here) with X, an empty shortcut none.
//
// Choosing an item: a QuitMenuItem quits the application; the items named EditUndo, EditCut,
// EditCopy, EditPaste, EditClear and EditSelectAll do their editing action on the focused text
// field; any item with a menu handler bound by its name on the registered application object
// calls that handler (before any standard action) through the exception-safe dispatch.
// AutoEnable items are enabled as that allows each time their menu opens and when the focus
// moves: the Edit items as the focused text field allows, other items when a handler is bound.
class MenuBarView {
public:
    // A new Qt menu bar for bar, owned by parent.
    static QMenuBar* Build(const MenuItem& bar, QWidget* parent);

    // The Qt key sequence for a stored shortcut text ("Cmd+Q"); empty for "".
    static QKeySequence Shortcut(const std::string& text);
};

}  // namespace platform::ui
