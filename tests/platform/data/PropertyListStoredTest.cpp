// The twelve property lists shipped with the application: each equals the encoding of its
// readable source, reads for its class to the last byte, and holds the values the windows are
// built from.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "DataTestSupport.h"
#include "platform/data/PropertyList.h"
#include "platform/data/PropertyListSource.h"

namespace {

using datatest::ReadBytes;
using platform::ColorBytes;
using platform::PropertyEntry;
using platform::PropertyType;
using platform::ReadPropertyList;
using ::testing::ElementsAre;

struct StoredList {
    std::string_view name;
    std::string_view className;
    std::size_t entries;
    std::string_view lastEntryBytes;  // the list's last bytes: its last entry, whole
};

using namespace std::string_view_literals;

constexpr StoredList kStoredLists[] = {
    {"Window1", "Window", 22, "MenuBarVisible \x01"sv},
    {"Window1.Label2", "Label", 32, "InitialParent \0\0\0\0"sv},
    {"Window1.BevelButton1", "BevelButton", 41, "Underline \0"sv},
    {"Window1.TextField1", "TextField", 40, "DataField \0\0\0\0"sv},
    {"Window1.Label1", "Label", 32, "InitialParent \0\0\0\0"sv},
    {"Window1.Rectangle1", "Rectangle", 22, "InitialParent \0\0\0\0"sv},
    {"Window1.Label3", "Label", 32, "InitialParent \0\0\0\0"sv},
    {"Window1.Listbox1", "Listbox", 49, "InitialParent \0\0\0\0"sv},
    {"Window1.Canvas1", "Canvas", 24, "InitialParent \0\0\0\0"sv},
    {"AboutWin", "Window", 22, "MenuBarVisible \x01"sv},
    {"AboutWin.Label1", "Label", 32, "InitialParent \0\0\0\0"sv},
    {"AboutWin.PushButton1", "PushButton", 29, "InitialParent \0\0\0\0"sv},
};

std::string PropertiesPath(std::string_view name, std::string_view extension) {
    return std::string(TAVREL_SOURCE_DIR) + "/resources/properties/" + std::string(name) +
           std::string(extension);
}

std::string StoredBytes(std::string_view name) {
    return ReadBytes(PropertiesPath(name, ".bin"));
}

std::vector<PropertyEntry> Stored(std::string_view name, std::string_view className) {
    return ReadPropertyList(name, StoredBytes(name), className);
}

// The entry of the declared name; fails the test when the list has none or more than one.
const PropertyEntry& Entry(const std::vector<PropertyEntry>& entries, std::string_view name) {
    const auto named = [&](const PropertyEntry& e) { return e.name == name; };
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(), named), 1) << name;
    const auto found = std::find_if(entries.begin(), entries.end(), named);
    if (found == entries.end()) {
        throw std::runtime_error("no entry " + std::string(name));
    }
    return *found;
}

std::int64_t Integer(const std::vector<PropertyEntry>& entries, std::string_view name) {
    return std::get<std::int64_t>(Entry(entries, name).value);
}

std::string Text(const std::vector<PropertyEntry>& entries, std::string_view name) {
    return std::get<std::string>(Entry(entries, name).value);
}

std::size_t Position(const std::vector<PropertyEntry>& entries, std::string_view name) {
    return static_cast<std::size_t>(&Entry(entries, name) - entries.data());
}

TEST(PropertyListStored, EveryBinaryIsTheEncodingOfItsSourceForTheSameClass) {
    for (const StoredList& list : kStoredLists) {
        SCOPED_TRACE(list.name);
        const platform::EncodedPropertyList encoded = platform::EncodePropertyListSource(
            list.name, ReadBytes(PropertiesPath(list.name, ".txt")));
        EXPECT_EQ(encoded.className, list.className);
        EXPECT_TRUE(encoded.bytes == StoredBytes(list.name))
            << "the binary is out of date: run the property_lists target";
    }
}

TEST(PropertyListStored, EveryListReadsToItsLastByteWithTheKnownEntryCount) {
    for (const StoredList& list : kStoredLists) {
        SCOPED_TRACE(list.name);
        const std::string bytes = StoredBytes(list.name);
        const auto entries = ReadPropertyList(list.name, bytes, list.className);
        EXPECT_EQ(entries.size(), list.entries);
        // The last entry is the list's tail, so nothing follows it.
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.back().offset, bytes.size() - list.lastEntryBytes.size());
        EXPECT_TRUE(std::string_view(bytes).ends_with(list.lastEntryBytes));
        // Offsets grow: the entries are reported in stored order.
        EXPECT_TRUE(std::is_sorted(
            entries.begin(), entries.end(),
            [](const PropertyEntry& a, const PropertyEntry& b) { return a.offset < b.offset; }));
    }
}

TEST(PropertyListStored, EachControlListNamesItsControlAndSitsAtItsTabIndex) {
    struct Control {
        std::string_view list;
        std::string_view className;
        std::string_view name;
        std::int64_t tabIndex, left, top, width, height;
    };
    const Control controls[] = {
        {"Window1.Label2", "Label", "Label2", 0, 25, 19, 366, 76},
        {"Window1.BevelButton1", "BevelButton", "BevelButton1", 1, 197, 100, 174, 22},
        {"Window1.TextField1", "TextField", "TextField1", 2, 134, 101, 43, 22},
        {"Window1.Label1", "Label", "Label1", 3, 27, 102, 108, 20},
        {"Window1.Rectangle1", "Rectangle", "Rectangle1", 4, 20, 281, 356, 56},
        {"Window1.Label3", "Label", "Label3", 5, 27, 287, 344, 52},
        {"Window1.Listbox1", "Listbox", "Listbox1", 6, -12, 480, 445, 200},
        {"Window1.Canvas1", "Canvas", "Canvas1", 7, 117, 126, 152, 152},
        {"AboutWin.Label1", "Label", "Label1", 0, 20, 20, 283, 32},
        {"AboutWin.PushButton1", "PushButton", "PushButton1", 1, 107, 64, 80, 20},
    };
    for (const Control& control : controls) {
        SCOPED_TRACE(control.list);
        const auto entries = Stored(control.list, control.className);
        EXPECT_EQ(Text(entries, "Name"), control.name);
        EXPECT_EQ(Integer(entries, "Index"), -2147483648LL);
        EXPECT_EQ(Integer(entries, "TabIndex"), control.tabIndex);
        EXPECT_EQ(Integer(entries, "TabPanelIndex"), 0);
        EXPECT_EQ(Integer(entries, "Left"), control.left);
        EXPECT_EQ(Integer(entries, "Top"), control.top);
        EXPECT_EQ(Integer(entries, "Width"), control.width);
        EXPECT_EQ(Integer(entries, "Height"), control.height);
        EXPECT_EQ(Entry(entries, "Visible").value, platform::PropertyValue(true));
        EXPECT_EQ(Entry(entries, "Enabled").value, platform::PropertyValue(true));
    }
}

TEST(PropertyListStored, WindowsHaveTheirSizeTitleAndFrameButtons) {
    const auto main = Stored("Window1", "Window");
    EXPECT_EQ(Integer(main, "Width"), 400);
    EXPECT_EQ(Integer(main, "Height"), 359);
    EXPECT_EQ(Text(main, "Title"), "Tavrel");
    EXPECT_EQ(Entry(main, "Resizeable").value, platform::PropertyValue(false));
    EXPECT_EQ(Entry(main, "BackColor").value,
              platform::PropertyValue(ColorBytes{{0xFF, 0xFF, 0xFF, 0x00}}));

    const auto about = Stored("AboutWin", "Window");
    EXPECT_EQ(Integer(about, "Width"), 298);
    EXPECT_EQ(Integer(about, "Height"), 96);
    EXPECT_EQ(Text(about, "Title"), "About Tavrel");
    EXPECT_EQ(Entry(about, "Resizeable").value, platform::PropertyValue(true));
    EXPECT_EQ(Entry(about, "MaximizeButton").value, platform::PropertyValue(true));
    EXPECT_EQ(Integer(about, "MaxWidth"), 32000);

    // "MacProcID" is stored; the window's property is MacProcId.
    for (const auto* entries : {&main, &about}) {
        EXPECT_EQ(Entry(*entries, "MacProcId").type, PropertyType::Integer);
        EXPECT_EQ(Integer(*entries, "MacProcId"), 0);
        // Visible comes before the entries that follow it in every window list.
        EXPECT_LT(Position(*entries, "Visible"), Position(*entries, "LiveResize"));
        EXPECT_LT(Position(*entries, "Visible"), Position(*entries, "MenuBarVisible"));
    }
    const std::string stored = StoredBytes("Window1");
    EXPECT_NE(stored.find("MacProcID "), std::string::npos);
}

TEST(PropertyListStored, TextsKeepTheirExactBytes) {
    const auto label1 = Stored("Window1.Label1", "Label");
    EXPECT_EQ(Text(label1, "Text"), "Seconds to add:\r");
    EXPECT_EQ(Text(label1, "Text").size(), 16u);
    EXPECT_EQ(Entry(label1, "MultiLine").value, platform::PropertyValue(false));

    const auto label2 = Stored("Window1.Label2", "Label");
    EXPECT_EQ(Text(label2, "Text"),
              "Tavrel simply adds as many seconds as you set in the form field to each timecode "
              "and saves it as a new SRT file. Handy if you need to add a commercial or something "
              "to the beginning of an SRT file, for example.");
    EXPECT_EQ(std::get<float>(Entry(label2, "TextSize").value), 12.0f);

    // The link text: two lines joined by one carriage return, nothing else between them.
    const auto label3 = Stored("Window1.Label3", "Label");
    const std::string link = Text(label3, "Text");
    EXPECT_EQ(std::count(link.begin(), link.end(), '\r'), 1);
    EXPECT_EQ(link.find('\n'), std::string::npos);
    EXPECT_NE(link.front(), '\r');
    EXPECT_NE(link.back(), '\r');
    EXPECT_EQ(Entry(label3, "TextColor").value,
              platform::PropertyValue(ColorBytes{{0x00, 0x00, 0x80, 0x00}}));
    EXPECT_EQ(Integer(label3, "TextAlign"), 1);

    // The version line: "Version 1.0", two blanks, the notice with its sign in UTF-8.
    const auto about = Stored("AboutWin.Label1", "Label");
    const std::string version = Text(about, "Text");
    EXPECT_TRUE(version.starts_with("Version 1.0  ")) << version;
    EXPECT_NE(version[13], ' ');
    EXPECT_NE(version.find("\xC2\xA9"), std::string::npos);
    EXPECT_EQ(version.find_first_of("\r\n"), std::string::npos);

    EXPECT_EQ(Text(Stored("Window1.BevelButton1", "BevelButton"), "Caption"),
              "Open SRT and Retime It!");
    EXPECT_EQ(Text(Stored("Window1.TextField1", "TextField"), "Text"), "3");
    EXPECT_EQ(Text(Stored("AboutWin.PushButton1", "PushButton"), "Caption"), "Close");
}

TEST(PropertyListStored, AValueByteThatIsABlankIsReadAsValue) {
    // About Label1: "Height", the separator blank, then 20 00 00 00 00 00 00 00 (32).
    const std::string bytes = StoredBytes("AboutWin.Label1");
    EXPECT_NE(bytes.find("Height  \0\0\0\0\0\0\0"sv), std::string::npos);
    const auto entries = ReadPropertyList("AboutWin.Label1", bytes, "Label");
    EXPECT_EQ(Integer(entries, "Height"), 32);
    EXPECT_EQ(Entry(entries, "LockLeft").offset, Entry(entries, "Height").offset + 15);
}

TEST(PropertyListStored, NegativeIntegersAndEnumerationsDecodeWithTheirSign) {
    const auto listbox = Stored("Window1.Listbox1", "Listbox");
    EXPECT_EQ(Integer(listbox, "Left"), -12);
    EXPECT_EQ(Integer(listbox, "HeadingIndex"), -1);
    EXPECT_EQ(Integer(listbox, "DefaultRowHeight"), -1);
    EXPECT_EQ(Integer(listbox, "_ScrollWidth"), -1);
    EXPECT_EQ(Integer(listbox, "ColumnCount"), 3);
    EXPECT_EQ(Text(listbox, "ColumnWidths"), "100");
    // "ScrollbarHorizontal" is stored; the list box's property is ScrollBarHorizontal.
    EXPECT_EQ(Entry(listbox, "ScrollBarHorizontal").value, platform::PropertyValue(false));
    EXPECT_EQ(Entry(listbox, "ScrollBarVertical").value, platform::PropertyValue(true));
    EXPECT_NE(StoredBytes("Window1.Listbox1").find("ScrollbarHorizontal "), std::string::npos);

    const auto button = Stored("AboutWin.PushButton1", "PushButton");
    EXPECT_EQ(Entry(button, "ButtonStyle").type, PropertyType::ButtonFrameStyle);
    EXPECT_EQ(Integer(button, "ButtonStyle"), 5);
    EXPECT_EQ(Entry(button, "TextUnit").type, PropertyType::FontUnits);
    EXPECT_EQ(Integer(button, "TextUnit"), 0);
    EXPECT_EQ(Entry(button, "Default").value, platform::PropertyValue(true));
}

TEST(PropertyListStored, EntriesKeepTheirStoredOrder) {
    const auto bevel = Stored("Window1.BevelButton1", "BevelButton");
    ASSERT_GE(bevel.size(), 2u);
    EXPECT_EQ(bevel[0].name, "Transparent");
    EXPECT_EQ(bevel[1].name, "Name");
    EXPECT_EQ(bevel.back().name, "Underline");

    const auto rectangle = Stored("Window1.Rectangle1", "Rectangle");
    EXPECT_EQ(Position(rectangle, "TabIndex") + 1, Position(rectangle, "TabPanelIndex"));
    const auto label2 = Stored("Window1.Label2", "Label");
    EXPECT_EQ(Position(label2, "TabPanelIndex") + 1, Position(label2, "TabIndex"));

    std::vector<std::string_view> windowNames;
    for (const PropertyEntry& entry : Stored("Window1", "Window")) {
        windowNames.push_back(entry.name);
    }
    EXPECT_THAT(
        windowNames,
        ElementsAre("Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
                    "Title", "CloseButton", "Resizeable", "MaximizeButton", "MinimizeButton",
                    "FullScreenButton", "Composite", "MacProcId", "Placement", "Visible",
                    "LiveResize", "FullScreen", "HasBackColor", "BackColor", "MenuBarVisible"));
}

TEST(PropertyListStored, ControlsWithoutTabStopOrInitialParentLeaveThemOut) {
    const auto rectangle = Stored("Window1.Rectangle1", "Rectangle");
    EXPECT_TRUE(std::none_of(rectangle.begin(), rectangle.end(),
                             [](const PropertyEntry& e) { return e.name == "TabStop"; }));
    EXPECT_EQ(Integer(rectangle, "BorderWidth"), 1);
    const auto field = Stored("Window1.TextField1", "TextField");
    EXPECT_TRUE(std::none_of(field.begin(), field.end(),
                             [](const PropertyEntry& e) { return e.name == "InitialParent"; }));
    const auto canvas = Stored("Window1.Canvas1", "Canvas");
    EXPECT_EQ(Entry(canvas, "Transparent").value, platform::PropertyValue(true));
    EXPECT_EQ(Entry(canvas, "EraseBackground").value, platform::PropertyValue(true));
}

}  // namespace
