#pragma once

// The message of an exception a test expects, for checks on what it says.

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace testing_support {

// The message of the Exception that act raises; the test fails, and the text is empty, when act
// raises none.
template <class Exception>
std::string MessageOf(const std::function<void()>& act) {
    try {
        act();
    } catch (const Exception& error) {
        return error.what();
    }
    ADD_FAILURE() << "nothing was raised";
    return {};
}

}  // namespace testing_support
