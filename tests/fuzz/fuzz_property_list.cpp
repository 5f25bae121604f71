// Feeds arbitrary bytes to the property-list reader as a list of each class of the window layer
// (and of a class it does not know). A list either reads or raises PropertyListError; any other
// exception, a crash or a read outside the bytes is a fault.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "platform/data/PropertyList.h"

namespace {

constexpr std::string_view kClasses[] = {"Window",    "Label",      "BevelButton",
                                         "TextField", "Rectangle",  "Listbox",
                                         "Canvas",    "PushButton", "NoSuchClass"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    for (std::string_view className : kClasses) {
        try {
            std::size_t end = 0;
            for (const platform::PropertyEntry& entry :
                 platform::ReadPropertyList("fuzz input", list, className)) {
                // Entries lie inside the list, in stored order.
                if (entry.offset < end || entry.offset >= size) {
                    __builtin_trap();
                }
                end = entry.offset + entry.name.size();
                if (const auto* text = std::get_if<std::string>(&entry.value);
                    text != nullptr && text->size() > size) {
                    __builtin_trap();
                }
            }
        } catch (const platform::PropertyListError&) {
            // An unreadable list is reported, which is all that is asked of the reader.
        }
    }
    return 0;
}
