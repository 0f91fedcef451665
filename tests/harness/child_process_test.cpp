// Children: their output and errors, environment, descriptors, exit status, signals, CPU time, a
// program that cannot start, and a child that outlives the process that started it.
#include "harness/child_process.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace harness {
namespace {

ChildProcess::Options capturing()
{
    ChildProcess::Options options;
    options.output = ChildProcess::Output::Capture;
    options.errors = ChildProcess::Output::Capture;
    options.environment = {"HARNESS_GREETING=hello", "HOME=/overridden", "HARNESS_LEFT_OUT"};
    return options;
}

TEST(ChildProcess, CapturesTheOutputAndErrorsOfAChildWithTheEnvironmentItWasGivenAndItsStatus)
{
    setenv("HARNESS_LEFT_OUT", "inherited", 1);
    ChildProcess child(
        {"/bin/sh", "-c",
         "echo \"$HARNESS_GREETING $HOME ${HARNESS_LEFT_OUT-unset}\"; echo oops >&2; "
         "exit 3"},
        capturing());
    unsetenv("HARNESS_LEFT_OUT");
    EXPECT_EQ(describeWaitStatus(child.wait()), describeWaitStatus(3 << 8));
    EXPECT_EQ(child.output(), "hello /overridden unset\n");
    EXPECT_EQ(child.errors(), "oops\n");
}

TEST(ChildProcess, CapturesMoreThanAPipeHoldsWithoutBeingRead)
{
    // 200,000 bytes: a child writing into a pipe would block until the parent read.
    ChildProcess child({"/bin/sh", "-c", "head -c 200000 /dev/zero"}, capturing());
    const std::optional<int> status = child.waitForExit(milliseconds(20000));
    ASSERT_TRUE(status.has_value()) << "the child never ended";
    EXPECT_EQ(describeWaitStatus(*status), describeWaitStatus(0));
    EXPECT_EQ(child.output().size(), 200000u);
}

TEST(ChildProcess, KeepsTheDescriptorsItIsToldToAndNoOther)
{
    int kept[2];
    int other[2];
    ASSERT_EQ(pipe2(kept, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(other, O_CLOEXEC), 0);
    ChildProcess::Options options = capturing();
    options.keptDescriptors = {kept[1]};
    const std::string write =
        "echo kept >&" + std::to_string(kept[1]) + " && echo other >&" + std::to_string(other[1]);
    ChildProcess child({"/bin/sh", "-c", write}, options);
    close(kept[1]);
    close(other[1]);
    EXPECT_NE(describeWaitStatus(child.wait()), describeWaitStatus(0))
        << "the child could write on a descriptor it was not given";
    char text[16] = {};
    EXPECT_EQ(read(kept[0], text, sizeof text), 5);
    EXPECT_STREQ(text, "kept\n");
    EXPECT_EQ(read(other[0], text, sizeof text), 0);
    close(kept[0]);
    close(other[0]);
}

TEST(ChildProcess, TellsTheSignalThatEndedAChildAndItsCpuTimeHoweverItWasReaped)
{
    // Busy for a while, then waiting for the signal.
    ChildProcess child(
        {"/bin/sh", "-c", "i=0; while [ $i -lt 100000 ]; do i=$((i+1)); done; exec sleep 30"});
    ASSERT_TRUE(waitUntil(milliseconds(30000), [&] {
        std::ifstream command("/proc/" + std::to_string(child.pid()) + "/comm");
        std::string name;
        command >> name;
        return name == "sleep";
    })) << "the child never got to its sleep";
    EXPECT_TRUE(child.sendSignal(SIGHUP));
    // Reaped by polling, as the tests do, not by a blocking wait.
    const std::optional<int> status = child.waitForExit(milliseconds(10000));
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(describeWaitStatus(*status), "killed by signal " + std::to_string(SIGHUP));
    EXPECT_GT(child.cpuSeconds(), 0.01) << "the busy loop's CPU time was lost";
    EXPECT_FALSE(child.sendSignal(SIGHUP)) << "a signal to a reaped child";
}

TEST(ChildProcess, StartsWithNoSignalIgnoredOrBlockedWhateverTheStarterDoes)
{
    sigset_t hup;
    sigemptyset(&hup);
    sigaddset(&hup, SIGHUP);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &hup, &previousMask);
    const sighandler_t previousHandler = signal(SIGINT, SIG_IGN);
    ChildProcess child({"/bin/sh", "-c", "grep -E '^Sig(Blk|Ign)' /proc/self/status"}, capturing());
    signal(SIGINT, previousHandler);
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    child.wait();
    // grep's own: no signal blocked or ignored but what grep sets itself, and it sets none.
    EXPECT_EQ(child.output(), "SigBlk:\t0000000000000000\nSigIgn:\t0000000000000000\n");
}

TEST(ChildProcess, ThrowsForAProgramThatCannotBeStarted)
{
    EXPECT_THROW(ChildProcess({"/nonexistent/program"}), std::runtime_error);
}

// A process that has gone, or is only left for its new parent to reap.
bool gone(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    return close == std::string::npos || text.substr(close + 2, 1) == "Z";
}

TEST(ChildProcess, DiesWithTheProcessThatStartedIt)
{
    int pidPipe[2];
    ASSERT_EQ(pipe(pidPipe), 0);
    const pid_t starter = fork();
    ASSERT_GE(starter, 0);
    if (starter == 0) {
        // Starts a child and dies at once, without the destructors that would end it.
        ChildProcess::Options options;
        options.deathSignal = SIGTERM;
        ChildProcess child({"/bin/sleep", "30"}, options);
        const pid_t pid = child.pid();
        [[maybe_unused]] const ssize_t written = write(pidPipe[1], &pid, sizeof pid);
        _exit(0);
    }
    close(pidPipe[1]);
    pid_t orphan = -1;
    const ssize_t got = read(pidPipe[0], &orphan, sizeof orphan);
    close(pidPipe[0]);
    int status = 0;
    waitpid(starter, &status, 0);
    ASSERT_EQ(got, static_cast<ssize_t>(sizeof orphan));
    const bool died = waitUntil(milliseconds(10000), [&] { return gone(orphan); });
    if (!died)
        kill(orphan, SIGKILL);
    EXPECT_TRUE(died) << "the child outlived the process that started it";
}

} // namespace
} // namespace harness
