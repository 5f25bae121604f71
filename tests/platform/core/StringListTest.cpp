#include "platform/core/StringList.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(StringList, GrowsAndShrinksWithItsUpperBound) {
    StringList list;
    EXPECT_EQ(list.Ubound(), -1);
    list.Append("a");
    list.Append("b");
    list.Append("c");
    EXPECT_EQ(list.Ubound(), 2);
    list.Set(1, "B");
    list.Remove(0);
    EXPECT_EQ(list, (StringList{"B", "c"}));
    list.RemoveAll();
    EXPECT_EQ(list.Ubound(), -1);
}

TEST(StringList, RaisesOutOfBoundsOutsideItsEntries) {
    StringList list{"only"};
    EXPECT_THROW((void)list(1), OutOfBoundsException);
    EXPECT_THROW((void)list(-1), OutOfBoundsException);
    EXPECT_THROW(list.Set(5, "x"), OutOfBoundsException);
    EXPECT_THROW(list.Remove(1), OutOfBoundsException);
    StringList empty;
    EXPECT_THROW((void)empty(0), OutOfBoundsException);
    // OutOfBoundsException is one of the runtime's exceptions.
    EXPECT_THROW((void)empty(0), RuntimeException);
}

}  // namespace
}  // namespace platform
