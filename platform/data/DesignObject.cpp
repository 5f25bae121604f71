#include "platform/data/DesignObject.h"

#include "platform/core/Exceptions.h"

namespace platform {

namespace {

PropertyType TypeOf(const PropertyValue& value) {
    switch (value.index()) {
        case 0:
            return PropertyType::Integer;
        case 1:
            return PropertyType::Boolean;
        case 2:
            return PropertyType::Color;
        case 3:
            return PropertyType::Single;
        default:
            return PropertyType::String;
    }
}

bool Holds(PropertyType declared, const PropertyValue& value) {
    const PropertyType held = TypeOf(value);
    if (declared == PropertyType::ButtonFrameStyle || declared == PropertyType::FontUnits) {
        return held == PropertyType::Integer;
    }
    return held == declared;
}

template <typename T>
const T& Get(std::string_view name, const PropertyValue& value, std::string_view typeName) {
    if (const T* held = std::get_if<T>(&value)) {
        return *held;
    }
    throw RuntimeException("The property " + std::string(name) + " takes a value of type " +
                           std::string(typeName) + ".");
}

}  // namespace

void DesignObject::SetPropertyValue(std::string_view name, const PropertyValue& value) {
    const PropertyDeclaration* declaration = FindDeclaredProperty(PropertyClassName(), name);
    if (declaration == nullptr) {
        throw RuntimeException(DesignName() + ": class " + std::string(PropertyClassName()) +
                               " has no property named " + std::string(name) + ".");
    }
    if (!Holds(declaration->type, value)) {
        throw RuntimeException(DesignName() + ": the property " + std::string(declaration->name) +
                               " takes a value of type " +
                               std::string(PropertyTypeName(declaration->type)) + ".");
    }
    bool kept = false;
    for (auto& [storedName, storedValue] : values_) {
        if (storedName == declaration->name) {
            storedValue = value;
            kept = true;
            break;
        }
    }
    if (!kept) {
        values_.emplace_back(declaration->name, value);
    }
    ApplyProperty(declaration->name, value);
}

const PropertyValue* DesignObject::DesignValue(std::string_view name) const {
    const PropertyDeclaration* declaration = FindDeclaredProperty(PropertyClassName(), name);
    if (declaration == nullptr) {
        return nullptr;
    }
    for (const auto& [storedName, storedValue] : values_) {
        if (storedName == declaration->name) {
            return &storedValue;
        }
    }
    return nullptr;
}

void DesignObject::ApplyProperty(std::string_view, const PropertyValue&) {}

std::int64_t IntegerValue(std::string_view name, const PropertyValue& value) {
    return Get<std::int64_t>(name, value, "Integer");
}

bool BooleanValue(std::string_view name, const PropertyValue& value) {
    return Get<bool>(name, value, "Boolean");
}

ColorBytes ColorValue(std::string_view name, const PropertyValue& value) {
    return Get<ColorBytes>(name, value, "Color");
}

float SingleValue(std::string_view name, const PropertyValue& value) {
    return Get<float>(name, value, "Single");
}

const std::string& StringValue(std::string_view name, const PropertyValue& value) {
    return Get<std::string>(name, value, "String");
}

}  // namespace platform
