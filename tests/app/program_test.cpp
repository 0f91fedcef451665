// The shipped executable as a user or a session manager starts and stops it: exit statuses and
// what it writes.
#include "blastmap/version.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = run(c.arguments, offscreen());
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
