// Runs the pyatspi client once a command, with Debian's own Python, whose pyatspi it is.
#include "tests/accessibility/screen_reader.h"

#include "harness/child_process.h"

#include <QJsonDocument>
#include <stdexcept>
#include <sys/wait.h>

namespace accessibility {
namespace {

using harness::ChildProcess;
using harness::milliseconds;

constexpr milliseconds kCommandTimeout{20000};
constexpr milliseconds kOnTheBusTimeout{20000};
// What the client exits with while the program has no window on the bus yet.
constexpr int kNotYet = 3;

struct Answer {
    int status;
    std::string output;
};

Answer runClient(const std::vector<std::string>& arguments)
{
    std::vector<std::string> command{"/usr/bin/python3", BLASTMAP_ATSPI_CLIENT};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess::Options options;
    options.output = ChildProcess::Output::Capture;
    options.errors = ChildProcess::Output::Capture;
    ChildProcess client(command, options);
    const std::optional<int> status = client.waitForExit(kCommandTimeout);
    if (!status)
        throw std::runtime_error("the screen reader's client did not answer: " + arguments[0]);
    if (!WIFEXITED(*status) || (WEXITSTATUS(*status) != 0 && WEXITSTATUS(*status) != kNotYet))
        throw std::runtime_error("the screen reader's client " +
                                 harness::describeWaitStatus(*status) + " at " + arguments[0] +
                                 ": " + client.errors());
    return {WEXITSTATUS(*status), client.output()};
}

} // namespace

void ScreenReader::enableAccessibility() { runClient({"enable"}); }

ScreenReader::ScreenReader(pid_t program)
    : m_program(program)
{
}

QJsonArray ScreenReader::windows() const
{
    Answer answer;
    const bool onTheBus = harness::waitUntil(
        kOnTheBusTimeout,
        [&] {
            answer = runClient({"tree", std::to_string(m_program)});
            return answer.status == 0;
        },
        milliseconds(200));
    if (!onTheBus)
        throw std::runtime_error("the program never showed a window on the accessibility bus");
    return QJsonDocument::fromJson(QByteArray::fromStdString(answer.output)).array();
}

QJsonObject ScreenReader::child(const QString& role, const QString& name) const
{
    const std::vector<QJsonObject> found = children(role, name);
    return found.empty() ? QJsonObject() : found.front();
}

std::vector<QJsonObject> ScreenReader::children(const QString& role, const QString& name) const
{
    std::vector<QJsonObject> found;
    for (const QJsonValue window : windows())
        for (const QJsonValue child : window.toObject()["children"].toArray())
            if (child["role"].toString() == role && child["name"].toString() == name)
                found.push_back(child.toObject());
    return found;
}

void ScreenReader::act(const std::string& role, const std::string& name,
                       const std::string& action) const
{
    runClient({"act", std::to_string(m_program), role, name, action});
}

void ScreenReader::setValue(const std::string& role, const std::string& name, double value) const
{
    runClient({"set", std::to_string(m_program), role, name, std::to_string(value)});
}

bool hasState(const QJsonObject& object, const QString& state)
{
    return object["states"].toArray().contains(state);
}

} // namespace accessibility
