#pragma once

#include "automation/AutomationError.h"

#include <memory>

namespace addrell {

// Calling a member through a reference that holds nothing is error 91.
template <typename T> [[nodiscard]] T& RequireObject(const std::shared_ptr<T>& reference)
{
    if (!reference) {
        throw AutomationError::runtime(RuntimeError::ObjectNotSet);
    }
    return *reference;
}

} // namespace addrell
