#pragma once

#include "automation/AutomationError.h"

#include <exception>

namespace addrell {

// The error a trap reports for what its body threw (`failure` must hold an exception). The
// program's own errors pass unchanged. An allocation failure is error 7, "Out of memory", the
// runtime's own number for it. Any other exception, such as a library's, is error 440,
// "Automation error", the runtime's number for a failure inside an object it drives that brings
// no number of its own; its message, when it has one, is the description.
[[nodiscard]] AutomationError TrappedError(const std::exception_ptr& failure);

} // namespace addrell
