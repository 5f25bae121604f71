#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/data/PropertyList.h"

namespace platform {

// An object that property lists configure: a window or a control. Every value set by name is
// kept, so that design-time values without a visible effect stay readable; a class with
// properties that do something overrides ApplyProperty and hands each to its own setter.
class DesignObject {
public:
    DesignObject() = default;
    virtual ~DesignObject() = default;
    DesignObject(const DesignObject&) = delete;
    DesignObject& operator=(const DesignObject&) = delete;

    // The class whose declared properties apply ("Window", "Label", ...).
    virtual std::string_view PropertyClassName() const = 0;

    // A short description for messages (the control's name, the window's title).
    virtual std::string DesignName() const { return std::string(PropertyClassName()); }

    // Sets the property name (matched without regard to letter case) to value: keeps the value,
    // then lets the class act on it. Raises RuntimeException when the class declares no such
    // property or value is not of the declared type.
    void SetPropertyValue(std::string_view name, const PropertyValue& value);

    // The value last set through SetPropertyValue under name (any letter case), or nullptr.
    const PropertyValue* DesignValue(std::string_view name) const;

protected:
    // Acts on a property just set; name is spelled as the class declares it.
    virtual void ApplyProperty(std::string_view name, const PropertyValue& value);

private:
    std::vector<std::pair<std::string_view, PropertyValue>> values_;
};

// Helpers for ApplyProperty: the value as its declared type; raise RuntimeException naming the
// property when the value holds another type.
std::int64_t IntegerValue(std::string_view name, const PropertyValue& value);
bool BooleanValue(std::string_view name, const PropertyValue& value);
ColorBytes ColorValue(std::string_view name, const PropertyValue& value);
float SingleValue(std::string_view name, const PropertyValue& value);
const std::string& StringValue(std::string_view name, const PropertyValue& value);

}  // namespace platform
