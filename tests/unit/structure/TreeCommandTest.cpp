#include "common/core/FileIO.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

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

// Every ASCII letter lowered, literals and comments alike.
std::string lowerCased(std::string text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// As `unexpand -a` makes it: each run of two or more spaces that ends on a
// tab stop (every 8 columns) becomes a tab, so every column stays where it was.
std::string tabIndented(std::string_view text)
{
    std::string out;
    std::size_t column = 0;
    std::size_t spaces = 0;
    for (const char c : text) {
        if (c == ' ') {
            ++spaces;
            ++column;
            if (column % 8 == 0) {
                out += spaces > 1 ? std::string("\t") : std::string(spaces, ' ');
                spaces = 0;
            }
            continue;
        }
        out.append(spaces, ' ');
        spaces = 0;
        out += c;
        column = (c == '\n' || c == '\r') ? 0 : column + 1;
    }
    out.append(spaces, ' ');
    return out;
}

// The 1-based line and the depth of each node of a tree listing.
std::string linesAndDepths(const std::string &listing)
{
    std::string out;
    std::size_t start = 0;
    while (start < listing.size()) {
        const std::size_t end = listing.find('\n', start);
        const std::size_t secondTab = listing.find('\t', listing.find('\t', start) + 1);
        out += listing.substr(start, secondTab - start) + '\n';
        start = end == std::string::npos ? listing.size() : end + 1;
    }
    return out;
}

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

// Keywords count in any letter case and a tab advances to the next multiple of
// 8 columns: real programs written in lower case, indented with tabs, or both,
// give the trees of the originals, node for node, each caption in the
// program's own letters.
TEST(TreeCommand, LowerCaseAndTabIndentedProgramsGiveTheSameTrees)
{
#ifdef _WIN32
    GTEST_SKIP() << "runs the program through a POSIX shell";
#else
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "norvane-tree-variants";
    std::filesystem::create_directories(folder);
    const std::string programs[] = {kData + "CBACT04C.cbl", kData + "NC207A.CBL",
                                    NORVANE_TEST_DATA "/search/CBTRN02C.cbl"};
    for (const std::string &program : programs) {
        const norvane::Result<std::string> original = norvane::readFileBytes(program);
        ASSERT_TRUE(original.ok()) << program;
        const std::string expected = runCli("tree --perform --pic01 \"" + program + "\"").output;
        ASSERT_GT(std::count(expected.begin(), expected.end(), '\n'), 40) << program;

        const struct {
            const char *name;
            std::string text;
            std::string listing; // what the tree command should print
        } variants[] = {
            {"lower.cbl", lowerCased(original.value()), lowerCased(expected)},
            {"tabs.cbl", tabIndented(original.value()), expected},
            {"lower-tabs.cbl", tabIndented(lowerCased(original.value())), lowerCased(expected)},
        };
        for (const auto &variant : variants) {
            ASSERT_NE(variant.text, original.value());
            const std::filesystem::path path = folder / variant.name;
            std::ofstream(path, std::ios::binary) << variant.text;
            const Outcome outcome = runCli("tree --perform --pic01 \"" + path.string() + "\"");
            EXPECT_EQ(outcome.exitCode, 0);
            EXPECT_EQ(linesAndDepths(outcome.output), linesAndDepths(expected)) << program << " " << variant.name;
            EXPECT_EQ(outcome.output, variant.listing) << program << " " << variant.name;
        }
    }
    std::filesystem::remove_all(folder);
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
