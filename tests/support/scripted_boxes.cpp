#include "support/scripted_boxes.h"

namespace testing_support {

void ScriptedBoxes::show(std::string text, std::string title)
{
    m_shown.push_back({std::move(text), std::move(title)});
    WhileOpen action = m_otherwise;
    if (!m_actions.empty()) {
        action = std::move(m_actions.front());
        m_actions.pop_front();
    }
    if (!action)
        return;
    ++m_open;
    action();
    --m_open;
}

} // namespace testing_support
