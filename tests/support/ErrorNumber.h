#pragma once

#include "automation/AutomationError.h"

#include <functional>

namespace addrell::testing {

// The number of the AutomationError the call raises; 0 when it raises none.
inline int errorNumber(const std::function<void()>& call)
{
    try {
        call();
    } catch (const AutomationError& error) {
        return error.number();
    }
    return 0;
}

} // namespace addrell::testing
