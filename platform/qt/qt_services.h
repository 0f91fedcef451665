// The real surroundings of the forms runtime: Qt's precise timers, Qt message boxes and the
// seeded random generator.
#pragma once

#include "platform/seeded_random.h"
#include "platform/services.h"

class QWidget;

namespace platform {

class QtServices final : public Services {
public:
    std::unique_ptr<TimerBackend> createTimer(std::function<void()> onTick) override;
    void showMessage(std::string_view text, std::string_view title) override;
    RandomSource& random() override { return m_random; }

    // The window that a message box belongs to and whose input it holds back while open.
    void setOwnerWindow(QWidget* window) { m_owner = window; }

private:
    SeededRandom m_random;
    QWidget* m_owner = nullptr;
};

} // namespace platform
