// A screen reader's client of one program on the session's accessibility bus: what it reads of
// the program's windows and the actions it performs, through pyatspi as Orca does.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <sys/types.h>
#include <vector>

namespace accessibility {

class ScreenReader {
public:
    // Turns the session's accessibility bus on, as a desktop does when a screen reader starts;
    // a program started afterwards publishes its windows there. Throws std::runtime_error if
    // the bus does not answer.
    static void enableAccessibility();

    explicit ScreenReader(pid_t program);

    // The program's windows, each with its children, once the program is on the bus; throws
    // std::runtime_error if it never shows up.
    QJsonArray windows() const;
    // The first child of that role and name in any of the program's windows; an empty object
    // if there is none.
    QJsonObject child(const QString& role, const QString& name) const;
    // All the children of that role and name.
    std::vector<QJsonObject> children(const QString& role, const QString& name) const;

    // Performs an action of the first child of that role and name, or sets its value; throws
    // std::runtime_error if the child or the action is not there.
    void act(const std::string& role, const std::string& name, const std::string& action) const;
    void setValue(const std::string& role, const std::string& name, double value) const;

private:
    pid_t m_program;
};

// Whether an object's states list `state` ("showing", "checked", ...).
bool hasState(const QJsonObject& object, const QString& state);

} // namespace accessibility
