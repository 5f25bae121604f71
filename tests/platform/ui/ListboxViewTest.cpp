// The list box and text field controls: the engine's data objects, shown through Qt.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "UiTestSupport.h"
#include "platform/ui/Listbox.h"
#include "platform/ui/TextField.h"

namespace {

// What the engine sees: the platform's data classes.
void FillRows(platform::Listbox& rows, int count) {
    rows.DeleteAllRows();
    for (int i = 0; i < count; ++i) {
        rows.AddRow(std::to_string(i) + ".500");
        rows.Cell(rows.ListCount() - 1, 1, std::to_string(i + 1) + ".250");
        rows.Cell(rows.ListCount() - 1, 2, "line " + std::to_string(i));
    }
}

TEST(ListboxViewTest, ManyChangesCostTheViewOneReset) {
    auto window = uitest::BuiltWindow();
    auto& listbox = uitest::Added<platform::ui::Listbox>(*window, "Listbox1");
    listbox.ColumnCount(3);
    listbox.Width(445);
    listbox.Height(200);
    ASSERT_TRUE(uitest::Shown(*window));
    uitest::Settle();
    QSignalSpy resets(&listbox.Model(), &QAbstractItemModel::modelReset);

    FillRows(listbox, 20000);
    EXPECT_EQ(listbox.Model().rowCount(), 0) << "the view sees the rows at the reset";
    uitest::Settle();
    EXPECT_EQ(resets.count(), 1);
    QTableView* view = listbox.QtView();
    ASSERT_EQ(view->model()->rowCount(), 20000);
    ASSERT_EQ(view->model()->columnCount(), 3);
    EXPECT_EQ(view->model()->index(19999, 2).data().toString(), "line 19999");
    EXPECT_EQ(view->model()->index(5, 1).data().toString(), "6.250");

    // Emptying the rows before the reset: the view still asks only for rows it knows.
    listbox.DeleteAllRows();
    EXPECT_FALSE(view->model()->index(5, 1).data().isValid());
    view->repaint();
    uitest::Settle();
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(view->model()->rowCount(), 0);

    // The row header made afresh for far fewer rows is hidden as before and follows the rows.
    EXPECT_EQ(view->verticalHeader()->count(), 0);
    EXPECT_TRUE(view->verticalHeader()->isHidden());
    FillRows(listbox, 3);
    uitest::Settle();
    EXPECT_EQ(view->verticalHeader()->count(), 3);
    EXPECT_EQ(view->rowAt(view->rowViewportPosition(2)), 2);
}

TEST(ListboxViewTest, ControlFoundByNameIsTheEnginesListbox) {
    auto window = uitest::BuiltWindow();
    window->AddControl("Listbox1", window->NewControl<platform::ui::Listbox>());
    platform::Listbox& rows = window->ControlByName<platform::ui::Listbox>("Listbox1");
    rows.ColumnCount(3);
    FillRows(rows, 3);
    uitest::Settle();
    auto& control = window->ControlByName<platform::ui::Listbox>("Listbox1");
    EXPECT_EQ(control.QtView()->model()->rowCount(), 3);
    EXPECT_EQ(control.QtView()->model()->index(2, 0).data().toString(), "2.500");
}

TEST(TextFieldViewTest, TextGoesBothWays) {
    auto window = uitest::BuiltWindow();
    auto& field = uitest::Added<platform::ui::TextField>(*window, "TextField1");
    platform::TextField& data = field;
    data.Text("3");
    EXPECT_EQ(field.QtLineEdit()->text(), "3");

    field.Width(60);
    field.Height(22);
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Frame()));
    field.QtLineEdit()->setFocus();
    field.QtLineEdit()->selectAll();
    QTest::keyClicks(field.QtLineEdit(), "12.5");
    EXPECT_EQ(data.Text(), "12.5");
    QTest::keyClick(field.QtLineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(data.Text(), "12.");
    data.Text("ä7");
    EXPECT_EQ(field.QtLineEdit()->text(), QString::fromUtf8("ä7"));
}

}  // namespace
