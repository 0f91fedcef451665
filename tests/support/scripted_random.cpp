#include "support/scripted_random.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace testing_support {

void ScriptedRandom::push(std::initializer_list<float> values)
{
    m_values.insert(m_values.end(), values.begin(), values.end());
}

float ScriptedRandom::next()
{
    ++m_drawn;
    if (m_values.empty()) {
        if (m_fallback)
            return m_fallback->next();
        ADD_FAILURE() << "the scripted random generator ran out after " << m_drawn - 1 << " values";
        throw std::logic_error("scripted random generator ran out");
    }
    const float value = m_values.front();
    m_values.pop_front();
    return value;
}

} // namespace testing_support
