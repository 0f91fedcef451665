// Message boxes for tests: each records its text and title, may act while it is open (advance
// the virtual clock, close the window) and then answers OK.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct ShownBox {
    std::string text;
    std::string title;
};

class ScriptedBoxes {
public:
    using WhileOpen = std::function<void()>;

    // Queues what the next box does while it is open; boxes beyond the queue answer at once.
    void whileOpen(WhileOpen action) { m_actions.push_back(std::move(action)); }
    // What every box beyond the queue does while it is open.
    void whileAnyOpen(WhileOpen action) { m_otherwise = std::move(action); }
    void show(std::string text, std::string title);

    const std::vector<ShownBox>& shown() const { return m_shown; }
    int openNow() const { return m_open; }

private:
    std::deque<WhileOpen> m_actions;
    WhileOpen m_otherwise;
    std::vector<ShownBox> m_shown;
    int m_open = 0;
};

} // namespace testing_support
