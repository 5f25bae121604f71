#include "platform/data/Listbox.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"

namespace {

class CountingObserver : public platform::ListboxObserver {
public:
    void ListboxChanged() override { ++calls; }
    int calls = 0;
};

TEST(ListboxTest, HoldsCellsTagsAndSelectionPerRow) {
    platform::Listbox list;
    list.AddRow("a");
    list.AddRow("b");
    list.Cell(0, 2, "text");
    list.Cell(1, 5, "far");  // beyond the inline cells
    list.Selected(1, true);
    list.RowTag(0, "tag");

    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Cell(0, 0), "a");
    EXPECT_EQ(list.Cell(0, 1), "");
    EXPECT_EQ(list.Cell(0, 2), "text");
    EXPECT_EQ(list.Cell(1, 5), "far");
    EXPECT_EQ(list.Cell(1, 4), "");
    EXPECT_EQ(list.Cell(0, 5), "");
    EXPECT_FALSE(list.Selected(0));
    EXPECT_TRUE(list.Selected(1));
    EXPECT_EQ(list.RowTag(0), "tag");
    EXPECT_EQ(list.RowTag(1), "");

    list.DeleteAllRows();
    EXPECT_EQ(list.ListCount(), 0);
    list.AddRow("c");
    EXPECT_EQ(list.Cell(0, 2), "");
    EXPECT_EQ(list.Cell(0, 5), "");
    EXPECT_EQ(list.RowTag(0), "");
    EXPECT_FALSE(list.Selected(0));
}

TEST(ListboxTest, RowsAndColumnsOutsideRaise) {
    platform::Listbox list;
    EXPECT_THROW(list.Cell(0, 0), platform::OutOfBoundsException);
    list.AddRow("a");
    EXPECT_THROW(list.Cell(1, 0, "x"), platform::OutOfBoundsException);
    EXPECT_THROW(list.Cell(-1, 0), platform::OutOfBoundsException);
    EXPECT_THROW(list.Cell(0, -1), platform::OutOfBoundsException);
    EXPECT_THROW(list.Selected(1, true), platform::OutOfBoundsException);
    EXPECT_THROW(list.RowTag(2), platform::OutOfBoundsException);
}

TEST(ListboxTest, KeepsManyRowsAcrossItsChunks) {
    platform::Listbox list;
    constexpr int rows = 10000;
    for (int i = 0; i < rows; ++i) {
        list.AddRow(std::to_string(i));
        list.Cell(i, 2, "text " + std::to_string(i));
        list.Selected(i, i % 2 == 0);
    }
    ASSERT_EQ(list.ListCount(), rows);
    for (int i = 0; i < rows; i += 997) {
        EXPECT_EQ(list.Cell(i, 0), std::to_string(i));
        EXPECT_EQ(list.Cell(i, 2), "text " + std::to_string(i));
        EXPECT_EQ(list.Selected(i), i % 2 == 0);
    }
}

// Every cell holds a text of its own, so that a text moved to the wrong place on the way is seen.
TEST(ListboxTest, CellsRewrittenManyTimesKeepTheirLatestTextInBoundedRoom) {
    platform::Listbox list;
    const auto text = [](char column, int row, int round) {
        return std::string(90, column) + std::to_string(row) + "/" + std::to_string(round);
    };
    for (int i = 0; i < 100; ++i) {
        list.AddRow(text('a', i, 0));
        list.Cell(i, 2, text('c', i, 0));
    }
    list.Cell(42, 2, "");                       // an empty cell between the others
    list.Cell(7, 2, std::string(400000, 'z'));  // longer than the store's blocks take
    const auto third = [&](int row) {
        return row == 42 ? std::string() : row == 7 ? std::string(400000, 'z') : text('c', row, 0);
    };
    // Enough rewriting that the store must let go of the overwritten texts on the way.
    for (int round = 1; round <= 1000; ++round) {
        for (int i = 0; i < 100; ++i) {
            list.Cell(i, 1, text('b', i, round));
        }
    }
    // About 10 MB written over the rounds, under 0.5 MB of it still shown: the store may keep
    // some of the rest for a while, not all of it.
    EXPECT_LT(list.StoredBytes(), 6u << 20);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(list.Cell(i, 0), text('a', i, 0));
        EXPECT_EQ(list.CellView(i, 1), text('b', i, 1000));
        EXPECT_EQ(list.Cell(i, 2), third(i));
    }
    list.Cell(3, 0, list.CellView(7, 2));  // a cell's own view as another cell's text
    EXPECT_EQ(list.CellView(3, 0), std::string(400000, 'z'));
    for (const std::size_t size : {4095u, 4096u, 1u << 20, (1u << 20) + 1}) {
        list.Cell(5, 2, std::string(size, 'y'));
        list.AddRow("after");
        EXPECT_EQ(list.Cell(5, 2), std::string(size, 'y')) << size;
        EXPECT_EQ(list.Cell(list.ListCount() - 1, 0), "after");
    }
}

TEST(ListboxTest, TellsItsObserverOncePerRunOfChanges) {
    platform::Listbox list;
    CountingObserver observer;
    list.SetObserver(&observer);
    for (int i = 0; i < 1000; ++i) {
        list.AddRow("x");
        list.Cell(i, 1, "y");
    }
    EXPECT_EQ(observer.calls, 1);
    list.AcknowledgeChanges();
    list.DeleteAllRows();
    list.AddRow("z");
    EXPECT_EQ(observer.calls, 2);
}

}  // namespace
