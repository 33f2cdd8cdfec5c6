#include "util/TrappedError.h"

#include <cstdint>
#include <new>

namespace addrell {

namespace {

constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kAutomationError = 440;

} // namespace

AutomationError TrappedError(const std::exception_ptr& failure)
{
    const QString automationError = QStringLiteral("Automation error");
    try {
        std::rethrow_exception(failure);
    } catch (const AutomationError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return {kOutOfMemory, QStringLiteral("Out of memory"), kApplicationTitle};
    } catch (const std::exception& error) {
        const QString message = QString::fromLocal8Bit(error.what()).trimmed();
        return {kAutomationError, message.isEmpty() ? automationError : message, kApplicationTitle};
    } catch (...) {
        return {kAutomationError, automationError, kApplicationTitle};
    }
}

} // namespace addrell
