#include "common/core/FileIO.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

struct Outcome {
    int exitCode = -1;
    std::string output; // stdout, or stdout and stderr together
};

#ifndef _WIN32
Outcome runCli(const std::string &arguments, bool withErrors = false)
{
    const std::string command = std::string("\"") + NORVANE_CLI + "\" " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
    Outcome outcome;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        outcome.output.append(buffer, read);
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}
#endif

const std::string kData = NORVANE_TEST_DATA "/structure/";

TEST(TreeCommand, WorkedExamplePrintsItsTree)
{
#ifdef _WIN32
    GTEST_SKIP() << "runs the program through a POSIX shell";
#else
    const norvane::Result<std::string> expected = norvane::readFileBytes(kData + "worked-example.tree");
    ASSERT_TRUE(expected.ok());
    const Outcome outcome = runCli("tree --perform --pic01 \"" + kData + "worked-example.cbl\"");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, expected.value());

    // Option order does not matter; without options PIC 01 levels and performs are left out.
    EXPECT_EQ(runCli("tree --pic01 --perform \"" + kData + "worked-example.cbl\"").output, expected.value());
    const Outcome plain = runCli("tree \"" + kData + "worked-example.cbl\"");
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.output.find("WS-FLAG"), std::string::npos);
    EXPECT_EQ(plain.output.find(">"), std::string::npos);
    EXPECT_NE(plain.output.find("15\t1\t       OTHER SECTION.\n"), std::string::npos);
#endif
}

TEST(TreeCommand, FailuresExitWithCode2AndAMessage)
{
#ifdef _WIN32
    GTEST_SKIP() << "runs the program through a POSIX shell";
#else
    struct Case {
        std::string arguments;
        std::string message; // part of what is printed on stderr
    };
    const Case cases[] = {
        {"tree \"" + kData + "no-such-file.cbl\"", "no-such-file.cbl"},
        {"tree \"" + kData + "\"", "it is a folder"},
        {"tree", "usage: norvane-cli tree"},
        {"tree --color \"" + kData + "worked-example.cbl\"", "unknown option \"--color\""},
        {"tree \"" + kData + "worked-example.cbl\" \"" + kData + "CBACT04C.cbl\"", "exactly one FILE"},
    };
    for (const Case &c : cases) {
        const Outcome outcome = runCli(c.arguments, true);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments;
        EXPECT_NE(outcome.output.find(c.message), std::string::npos) << c.arguments << "\n" << outcome.output;
        EXPECT_EQ(runCli(c.arguments).output, "") << "nothing on stdout: " << c.arguments;
    }
#endif
}

} // namespace
