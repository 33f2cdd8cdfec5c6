#pragma once

#include "servers/address_book/FolderChooser.h"

#include <deque>

namespace addrell::testing {

// A folder picker answered in advance: each call takes the next path; none left is a cancel.
class ScriptedFolderChooser : public FolderChooser {
public:
    void setNextChoice(std::optional<QString> path) { m_choices.push_back(std::move(path)); }
    [[nodiscard]] int timesShown() const noexcept { return m_timesShown; }

    std::optional<QString> choose() override
    {
        ++m_timesShown;
        if (m_choices.empty()) {
            return std::nullopt;
        }
        std::optional<QString> choice = m_choices.front();
        m_choices.pop_front();
        return choice;
    }

private:
    std::deque<std::optional<QString>> m_choices;
    int m_timesShown = 0;
};

} // namespace addrell::testing
