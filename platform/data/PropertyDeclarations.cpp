// The properties that the window layer's classes declare, with the type that fixes the width of
// a stored value. Each table holds the class's own properties and those of its base classes that
// its lists use; a name is spelt as the class spells it (MultiLine, MacProcId,
// ScrollBarHorizontal), and lists may spell it in any letter case.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "platform/data/PropertyList.h"

namespace platform {

namespace {

using enum PropertyType;

constexpr PropertyDeclaration kWindow[] = {
    {"Width", Integer},          {"Height", Integer},         {"MinWidth", Integer},
    {"MinHeight", Integer},      {"MaxWidth", Integer},       {"MaxHeight", Integer},
    {"Frame", Integer},          {"MacProcId", Integer},      {"Placement", Integer},
    {"Visible", Boolean},        {"CloseButton", Boolean},    {"Resizeable", Boolean},
    {"MaximizeButton", Boolean}, {"MinimizeButton", Boolean}, {"FullScreenButton", Boolean},
    {"Composite", Boolean},      {"LiveResize", Boolean},     {"FullScreen", Boolean},
    {"HasBackColor", Boolean},   {"MenuBarVisible", Boolean}, {"BackColor", Color},
    {"Title", String},
};

// Every control declares these: its position, size, anchoring and naming.
constexpr auto kControl = std::to_array<PropertyDeclaration>({
    {"Width", Integer},
    {"Height", Integer},
    {"Index", Integer},
    {"Left", Integer},
    {"Top", Integer},
    {"TabPanelIndex", Integer},
    {"TabIndex", Integer},
    {"Visible", Boolean},
    {"LockLeft", Boolean},
    {"LockTop", Boolean},
    {"LockRight", Boolean},
    {"LockBottom", Boolean},
    {"Enabled", Boolean},
    {"AutoDeactivate", Boolean},
    {"Transparent", Boolean},
    {"Name", String},
    {"HelpTag", String},
});

// The text style of the controls that draw text.
constexpr auto kFont = std::to_array<PropertyDeclaration>({
    {"Bold", Boolean},
    {"Italic", Boolean},
    {"Underline", Boolean},
    {"TextFont", String},
    {"TextSize", Single},
    {"TextUnit", FontUnits},
});

template <std::size_t... N>
constexpr auto Join(const std::array<PropertyDeclaration, N>&... parts) {
    std::array<PropertyDeclaration, (N + ...)> joined{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), joined.begin() + at), at += N), ...);
    return joined;
}

constexpr auto kLabel = Join(kControl, kFont,
                             std::to_array<PropertyDeclaration>({
                                 {"TabStop", Boolean},
                                 {"InitialParent", String},
                                 {"TextAlign", Integer},
                                 {"MultiLine", Boolean},
                                 {"Selectable", Boolean},
                                 {"TextColor", Color},
                                 {"Text", String},
                                 {"DataSource", String},
                                 {"DataField", String},
                             }));

constexpr auto kBevelButton = Join(kControl, kFont,
                                   std::to_array<PropertyDeclaration>({
                                       {"TabStop", Boolean},
                                       {"InitialParent", String},
                                       {"CaptionAlign", Integer},
                                       {"CaptionPlacement", Integer},
                                       {"CaptionDelta", Integer},
                                       {"IconAlign", Integer},
                                       {"IconDX", Integer},
                                       {"IconDY", Integer},
                                       {"Bevel", Integer},
                                       {"HasMenu", Integer},
                                       {"MenuValue", Integer},
                                       {"ButtonType", Integer},
                                       {"HasBackColor", Boolean},
                                       {"Value", Boolean},
                                       {"AcceptFocus", Boolean},
                                       {"BackColor", Color},
                                       {"TextColor", Color},
                                       {"Caption", String},
                                   }));

constexpr auto kTextField = Join(kControl, kFont,
                                 std::to_array<PropertyDeclaration>({
                                     {"TabStop", Boolean},
                                     {"LimitText", Integer},
                                     {"Alignment", Integer},
                                     {"Border", Boolean},
                                     {"Password", Boolean},
                                     {"UseFocusRing", Boolean},
                                     {"ReadOnly", Boolean},
                                     {"AcceptTabs", Boolean},
                                     {"AutomaticallyCheckSpelling", Boolean},
                                     {"BackColor", Color},
                                     {"TextColor", Color},
                                     {"Text", String},
                                     {"DataSource", String},
                                     {"DataField", String},
                                     {"Format", String},
                                     {"CueText", String},
                                     {"Mask", String},
                                 }));

constexpr auto kRectangle = Join(kControl, std::to_array<PropertyDeclaration>({
                                               {"InitialParent", String},
                                               {"BorderWidth", Integer},
                                               {"FillColor", Color},
                                               {"TopLeftColor", Color},
                                               {"BottomRightColor", Color},
                                           }));

constexpr auto kListbox = Join(kControl, kFont,
                               std::to_array<PropertyDeclaration>({
                                   {"TabStop", Boolean},
                                   {"InitialParent", String},
                                   {"ColumnCount", Integer},
                                   {"HeadingIndex", Integer},
                                   {"GridLinesHorizontal", Integer},
                                   {"GridLinesVertical", Integer},
                                   {"DefaultRowHeight", Integer},
                                   {"_ScrollWidth", Integer},
                                   {"_ScrollOffset", Integer},
                                   {"SelectionType", Integer},
                                   {"Border", Boolean},
                                   {"HasHeading", Boolean},
                                   {"UseFocusRing", Boolean},
                                   {"ScrollBarHorizontal", Boolean},
                                   {"ScrollBarVertical", Boolean},
                                   {"ShowDropIndicator", Boolean},
                                   {"Hierarchical", Boolean},
                                   {"EnableDrag", Boolean},
                                   {"EnableDragReorder", Boolean},
                                   {"RequiresSelection", Boolean},
                                   {"ColumnsResizable", Boolean},
                                   {"AutoHideScrollbars", Boolean},
                                   {"DataSource", String},
                                   {"DataField", String},
                                   {"ColumnWidths", String},
                                   {"InitialValue", String},
                               }));

constexpr auto kCanvas = Join(kControl, std::to_array<PropertyDeclaration>({
                                            {"TabStop", Boolean},
                                            {"InitialParent", String},
                                            {"UseFocusRing", Boolean},
                                            {"AcceptFocus", Boolean},
                                            {"AcceptTabs", Boolean},
                                            {"DoubleBuffer", Boolean},
                                            {"EraseBackground", Boolean},
                                        }));

constexpr auto kPushButton = Join(kControl, kFont,
                                  std::to_array<PropertyDeclaration>({
                                      {"TabStop", Boolean},
                                      {"InitialParent", String},
                                      {"ButtonStyle", ButtonFrameStyle},
                                      {"Default", Boolean},
                                      {"Cancel", Boolean},
                                      {"Caption", String},
                                  }));

struct ClassDeclarations {
    std::string_view className;
    std::span<const PropertyDeclaration> properties;
};

constexpr std::array kClasses{
    ClassDeclarations{"Window", kWindow},           ClassDeclarations{"Label", kLabel},
    ClassDeclarations{"BevelButton", kBevelButton}, ClassDeclarations{"TextField", kTextField},
    ClassDeclarations{"Rectangle", kRectangle},     ClassDeclarations{"Listbox", kListbox},
    ClassDeclarations{"Canvas", kCanvas},           ClassDeclarations{"PushButton", kPushButton},
};

}  // namespace

std::span<const PropertyDeclaration> DeclaredProperties(std::string_view className) {
    for (const ClassDeclarations& declarations : kClasses) {
        if (declarations.className == className) {
            return declarations.properties;
        }
    }
    return {};
}

}  // namespace platform
