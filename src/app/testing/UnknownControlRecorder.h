#pragma once

// For tests that show a fault being reported: while one exists, unknown control names are recorded
// instead of ending the program.
#include "app/UnknownControl.h"

#include <vector>

namespace app::testing {

class UnknownControlRecorder
{
public:
    UnknownControlRecorder()
        : m_previous(
              setUnknownControlReaction([this](const UnknownControl& fault) { m_faults.push_back(fault); }))
    {
    }
    ~UnknownControlRecorder() { setUnknownControlReaction(std::move(m_previous)); }
    UnknownControlRecorder(const UnknownControlRecorder&) = delete;
    UnknownControlRecorder& operator=(const UnknownControlRecorder&) = delete;

    const std::vector<UnknownControl>& faults() const { return m_faults; }
    // "window/control" of each fault, in order.
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const UnknownControl& fault : m_faults)
            result.push_back(fault.window + "/" + fault.control);
        return result;
    }

private:
    std::vector<UnknownControl> m_faults;
    UnknownControlReaction m_previous;
};

} // namespace app::testing
