// The shipped executable as a user or a session manager starts and stops it: exit statuses and
// what it writes.
#include "blastmap/version.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <sys/types.h>
#include <vector>

namespace {

// An environment without any display, platform or theme of the machine running the tests.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM",
                             "QT_QPA_PLATFORMTHEME", "QT_DEBUG_PLUGINS"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// Qt's offscreen platform, with a runtime folder of its own so that Qt has nothing to warn of.
QProcessEnvironment offscreen()
{
    static const QTemporaryDir runtime;
    QProcessEnvironment environment = withoutDisplay();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    return environment;
}

struct Outcome {
    QProcess::ExitStatus how;
    int status;
    std::string out;
    std::string err;
};

Outcome run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(BLASTMAP_EXECUTABLE, arguments);
    EXPECT_TRUE(program.waitForFinished(30000))
        << "still running: " << arguments.join(' ').toStdString();
    return {program.exitStatus(), program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

// One of the kernel's signal masks of a process ("SigCgt", "SigIgn"); 0 once it has gone.
quint64 signalMask(qint64 pid, const QByteArray& name)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().toULongLong(nullptr, 16);
    return 0;
}

bool inMask(quint64 mask, int number) { return mask & (quint64{1} << (number - 1)); }

// The game on the offscreen platform, started with the three signals at their default action
// but for those given, which it starts with ignored.
class RunningGame {
public:
    explicit RunningGame(std::initializer_list<int> ignored = {})
        : m_ignored(ignored)
    {
        m_program.setProcessEnvironment(offscreen());
        // Whatever the test runner was started with, the game starts as a desktop starts it.
        m_program.setChildProcessModifier([this] {
            for (int number : {SIGTERM, SIGHUP, SIGINT})
                std::signal(number, SIG_DFL);
            for (int number : m_ignored)
                std::signal(number, SIG_IGN);
        });
        m_program.start(BLASTMAP_EXECUTABLE, {});
    }

    QProcess& process() { return m_program; }
    quint64 mask(const char* name) { return signalMask(m_program.processId(), name); }

    // Waits until the game catches every one of the signals: a slow start under a sanitizer
    // takes longer than a second.
    bool catches(std::initializer_list<int> wanted)
    {
        const QDeadlineTimer deadline(30000);
        const auto all = [&] {
            const quint64 caught = mask("SigCgt");
            return std::all_of(wanted.begin(), wanted.end(),
                               [&](int number) { return inMask(caught, number); });
        };
        while (m_program.state() != QProcess::NotRunning && !all() && !deadline.hasExpired())
            m_program.waitForFinished(10);
        return all();
    }

    void send(int number) { ::kill(static_cast<pid_t>(m_program.processId()), number); }

private:
    std::vector<int> m_ignored;
    QProcess m_program;
};

} // namespace

TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    const Outcome help = run({"--help"}, withoutDisplay());
    EXPECT_EQ(help.how, QProcess::NormalExit);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: blastmap ")) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(run({"-h"}, withoutDisplay()).out, help.out);

    for (const char* option : {"--version", "-v"}) {
        const Outcome version = run({option}, withoutDisplay());
        EXPECT_EQ(version.how, QProcess::NormalExit) << option;
        EXPECT_EQ(version.status, 0) << option;
        EXPECT_EQ(version.out, BLASTMAP_NAME " " BLASTMAP_VERSION "\n") << option;
        EXPECT_EQ(version.err, "") << option;
    }
}

TEST(CommandLine, WhatNeitherTheGameNorQtKnowsIsAUsageError)
{
    struct Case {
        QStringList arguments;
        const char* reported;
    };
    const Case cases[] = {
        {{"-x"}, "blastmap: unknown option '-x'\n"},
        // Qt takes its own options, values and all, out of the way first.
        {{"-style", "Fusion", "-qwindowtitle", "Map", "--frobnicate"},
         "blastmap: unknown option '--frobnicate'\n"},
        {{"Iraq"}, "blastmap: unexpected argument 'Iraq'\n"},
    };
    // With a display or without one: the usage error comes first.
    for (const Case& c : cases)
        for (const QProcessEnvironment& environment : {offscreen(), withoutDisplay()}) {
            SCOPED_TRACE(c.arguments.join(' ').toStdString() + " with" +
                         (environment.contains("QT_QPA_PLATFORM") ? "" : "out") + " a display");
            const Outcome outcome = run(c.arguments, environment);
            EXPECT_EQ(outcome.how, QProcess::NormalExit);
            EXPECT_EQ(outcome.status, 2);
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.err,
                      std::string(c.reported) + "Try 'blastmap --help' for more information.\n");
        }
}

TEST(NoDisplay, OneLineSaysSoAndHowToNameOneAndTheStatusIsOne)
{
    const std::string line = "blastmap: no display could be opened; name one in DISPLAY or "
                             "WAYLAND_DISPLAY, or with -display NAME\n";
    QProcessEnvironment refused = withoutDisplay();
    ASSERT_FALSE(QFile::exists("/tmp/.X11-unix/X999")) << "an X server runs on :999";
    refused.insert("DISPLAY", ":999");
    for (const QProcessEnvironment& environment : {withoutDisplay(), refused}) {
        SCOPED_TRACE(environment.value("DISPLAY", "(no DISPLAY)").toStdString());
        const Outcome outcome = run({}, environment);
        EXPECT_EQ(outcome.how, QProcess::NormalExit);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, line);
    }

    // Whoever asks Qt to explain its plugins gets Qt's own messages before the line.
    QProcessEnvironment debugging = refused;
    debugging.insert("QT_DEBUG_PLUGINS", "1");
    const Outcome outcome = run({}, debugging);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find(":999"), std::string::npos) << outcome.err;
    EXPECT_TRUE(outcome.err.ends_with("\n" + line)) << outcome.err;
}

TEST(Signals, EachClosesTheRunningGameWithStatusZero)
{
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        RunningGame game;
        ASSERT_TRUE(game.catches({SIGTERM, SIGHUP, SIGINT}));
        // Idle for about a second, and still running at its end.
        EXPECT_FALSE(game.process().waitForFinished(1000));
        ASSERT_EQ(game.process().state(), QProcess::Running) << "the game ended by itself";

        game.send(number);
        ASSERT_TRUE(game.process().waitForFinished(30000)) << "the signal did not end the game";
        EXPECT_EQ(game.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.process().exitCode(), 0);
    }
}

TEST(Signals, OneIgnoredWhenTheGameStartsStaysIgnored)
{
    RunningGame game({SIGHUP}); // as nohup starts it
    ASSERT_TRUE(game.catches({SIGTERM, SIGINT}));
    EXPECT_TRUE(inMask(game.mask("SigIgn"), SIGHUP));
    EXPECT_FALSE(inMask(game.mask("SigCgt"), SIGHUP));
    game.send(SIGTERM);
    ASSERT_TRUE(game.process().waitForFinished(30000));
    EXPECT_EQ(game.process().exitCode(), 0);
}
