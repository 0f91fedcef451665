#include "support/scripted_boxes.h"

namespace testing_support {

void ScriptedBoxes::show(std::string text, std::string title)
{
    m_shown.push_back({std::move(text), std::move(title)});
    if (m_actions.empty())
        return;
    WhileOpen action = std::move(m_actions.front());
    m_actions.pop_front();
    ++m_open;
    action();
    --m_open;
}

} // namespace testing_support
