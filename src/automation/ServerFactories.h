#pragma once

#include "automation/AutomationError.h"

#include <functional>
#include <memory>

namespace addrell {

namespace word {
class Application;
class Global;
} // namespace word
namespace outlook {
class Application;
} // namespace outlook

// Where the program's automation servers come from, by their registered names. The program and
// each test choose the implementations here, in one place.
struct ServerFactories {
    std::function<std::shared_ptr<word::Application>()> wordApplication; // "Word.Application"
    std::function<std::shared_ptr<word::Global>()> wordGlobal;           // "Word.Global"
    std::function<std::shared_ptr<outlook::Application>()>
        outlookApplication; // "Outlook.Application"
};

// Creates a server; one that is not there or cannot start is error 429.
template <typename T>
[[nodiscard]] std::shared_ptr<T> CreateObject(const std::function<std::shared_ptr<T>()>& factory)
{
    std::shared_ptr<T> server;
    if (factory) {
        try {
            server = factory();
        } catch (const std::exception&) {
            server.reset();
        }
    }
    if (!server) {
        throw AutomationError::runtime(RuntimeError::CannotCreateObject);
    }
    return server;
}

} // namespace addrell
