#include "common/core/FileIO.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string output;
};

#ifndef _WIN32
// Runs norvane-cli through the shell, which also does any redirection.
Outcome runCli(const std::string &arguments, bool withErrors = false)
{
    const std::string command =
        std::string("\"") + NORVANE_CLI + "\" " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
    Outcome outcome;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.output.append(buffer, n);
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}
#endif

const std::string kData = NORVANE_TEST_DATA "/layout/data/";

std::string quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

class DataCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "runs the program through a POSIX shell";
#endif
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("norvane-cli-data-" + std::to_string(random()));
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    [[nodiscard]] std::string file(const std::string &name) const { return (m_folder / name).string(); }

    fs::path m_folder;
};

#ifndef _WIN32
TEST_F(DataCommand, CsvWrittenBackGivesTheSameBytes)
{
    const std::string copybook = quoted(kData + "DATAFIX.cpy");
    for (const auto &[name, option] : {std::pair{"datafix-big.dat", ""}, std::pair{"datafix-little.dat", "--little-endian "}}) {
        const Outcome csv = runCli(std::string("data ") + option + copybook + " " + quoted(kData + name));
        ASSERT_EQ(csv.exitCode, 0) << name;
        EXPECT_EQ(csv.output.rfind("\"\",\"D-NAME\",\"D-COUNT\",", 0), 0u) << csv.output;
        EXPECT_NE(csv.output.find("\r\n\"\",\"X(8)\",\"9(5)\",\"S9(5)V99\","), std::string::npos);
        EXPECT_NE(csv.output.find("\r\n\"3\",\"MINUS   \",\"00042\",\"-00123.45\",\"-005\",\"042.00\",\"   123.45-\",\"-0005\","),
                  std::string::npos)
            << csv.output;
        ASSERT_TRUE(norvane::writeFileSafely(file("grid.csv"), csv.output));

        const Outcome written = runCli(std::string("data ") + option + copybook + " --write " + quoted(file(name)) +
                                       " < " + quoted(file("grid.csv")));
        ASSERT_EQ(written.exitCode, 0) << name;
        EXPECT_EQ(written.output, "");
        EXPECT_EQ(norvane::readFileBytes(file(name)).value(), norvane::readFileBytes(kData + name).value()) << name;
    }
}

TEST_F(DataCommand, WritingThroughALinkWritesTheLinkedFile)
{
    const std::string copybook = quoted(kData + "DATAFIX.cpy");
    const Outcome csv = runCli("data " + copybook + " " + quoted(kData + "datafix-big.dat"));
    ASSERT_EQ(csv.exitCode, 0);
    ASSERT_TRUE(norvane::writeFileSafely(file("grid.csv"), csv.output));
    ASSERT_TRUE(norvane::writeFileSafely(file("real.dat"), "before"));
    fs::create_hard_link(file("real.dat"), file("other-name.dat"));
    fs::create_symlink("real.dat", file("link.dat"));

    const Outcome written =
        runCli("data " + copybook + " --write " + quoted(file("link.dat")) + " < " + quoted(file("grid.csv")));
    ASSERT_EQ(written.exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(file("link.dat")));
    const std::string expected = norvane::readFileBytes(kData + "datafix-big.dat").value();
    EXPECT_EQ(norvane::readFileBytes(file("real.dat")).value(), expected);
    EXPECT_EQ(norvane::readFileBytes(file("other-name.dat")).value(), expected);
}

TEST_F(DataCommand, RefusalsExitWith1AndWriteNothing)
{
    const std::string copybook = quoted(kData + "DATAFIX.cpy");
    const std::string target = file("out.dat");
    ASSERT_TRUE(norvane::writeFileSafely(target, "before"));
    ASSERT_TRUE(norvane::writeFileSafely(file("odd.dat"), std::string(79, ' ')));
    const Outcome good = runCli("data " + copybook + " " + quoted(kData + "datafix-big.dat"));
    ASSERT_EQ(good.exitCode, 0);
    const std::string heading = good.output.substr(0, good.output.find("\"1\","));
    std::string badCell = good.output;
    // Not five characters, so not the field's bytes as they stand (which
    // would be written back as they are): a typed value, and a bad one.
    badCell.replace(badCell.find("\"00042\""), 7, "\"0a04\"");

    struct Case {
        std::string arguments;
        std::string input; // the CSV on stdin, for --write
        std::string message;
    };
    const Case cases[] = {
        {"data " + copybook + " " + quoted(file("odd.dat")), "",
         "This file's length is not a multiple of the record length: the file has 79 bytes, a record 78, and 1 byte "
         "is left over after 1 record.\n"},
        {"data " + copybook + " --write " + quoted(target), badCell, "line 3 D-COUNT has non-numeric character\n"},
        {"data " + copybook + " --write " + quoted(target), heading + "\"1\",\"too few\"\r\n",
         "line 1 has 1 cells; the layout has 17 fields\n"},
        {"data " + copybook + " --write " + quoted(target), "\"\",\"NAME\"\r\n",
         "The CSV's header row has 1 cells; the layout has 17 fields\n"},
    };
    for (const Case &c : cases) {
        std::string arguments = c.arguments;
        if (!c.input.empty()) {
            ASSERT_TRUE(norvane::writeFileSafely(file("in.csv"), c.input));
            arguments += " < " + quoted(file("in.csv"));
        }
        const Outcome outcome = runCli(arguments, true);
        EXPECT_EQ(outcome.exitCode, 1) << arguments;
        EXPECT_EQ(outcome.output, c.message) << arguments;
        EXPECT_EQ(norvane::readFileBytes(target).value(), "before");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 3)
        << "out.dat, odd.dat and in.csv only: no temporary file is left behind";
}

TEST_F(DataCommand, GnuCobolRecordsOfEveryKindGoBackByteForByte)
{
    const std::string folder = NORVANE_TEST_DATA "/layout/roundtrip/";
    const std::string copybook = quoted(folder + "ROUNDFIX.cpy");
    const Outcome csv = runCli("data " + copybook + " " + quoted(folder + "roundfix.dat"));
    ASSERT_EQ(csv.exitCode, 0);
    // The bytes no item shows, a numeric field holding letters and binary
    // values beyond their pictures are shown as they are.
    EXPECT_NE(csv.output.find("\"(bytes 87-91)\""), std::string::npos);
    EXPECT_NE(csv.output.find("\"x1y2\",\"z3w4v\",\"65535\",\"-32768\",\"123-\",\"1A2\",\"END\""), std::string::npos)
        << csv.output;
    ASSERT_TRUE(norvane::writeFileSafely(file("in.csv"), csv.output));
    // Written back over the file it came from: cells that show what the record
    // there shows keep its bytes, whatever their pictures allow.
    fs::copy_file(folder + "roundfix.dat", file("out.dat"));
    const Outcome written = runCli("data " + copybook + " --write " + quoted(file("out.dat")) + " < " + quoted(file("in.csv")), true);
    ASSERT_EQ(written.exitCode, 0) << written.output;
    EXPECT_EQ(norvane::readFileBytes(file("out.dat")).value(), norvane::readFileBytes(folder + "roundfix.dat").value());
}

// A cell is compared with the record it replaces, not with whatever some bytes
// would show: "1A2" typed into a 9(3) field is a value, and a bad one, unless
// the record being replaced holds exactly those characters there.
TEST_F(DataCommand, CellsKeepTheirBytesOnlyWhereTheReplacedRecordShowsThem)
{
    const std::string folder = NORVANE_TEST_DATA "/layout/roundtrip/";
    const std::string copybook = quoted(folder + "ROUNDFIX.cpy");
    const Outcome csv = runCli("data " + copybook + " " + quoted(folder + "roundfix.dat"));
    ASSERT_EQ(csv.exitCode, 0);
    ASSERT_TRUE(norvane::writeFileSafely(file("in.csv"), csv.output));

    // A new file: every cell is a value.
    const Outcome fresh =
        runCli("data " + copybook + " --write " + quoted(file("new.dat")) + " < " + quoted(file("in.csv")), true);
    EXPECT_EQ(fresh.exitCode, 1);
    EXPECT_EQ(fresh.output, "line 4 R-BIN has too many significant digits\n");
    EXPECT_FALSE(fs::exists(file("new.dat")));

    // Over the file, "1A2" moved to another record is a value there.
    const std::string original = norvane::readFileBytes(folder + "roundfix.dat").value();
    fs::copy_file(folder + "roundfix.dat", file("out.dat"));
    std::string moved = csv.output;
    const std::size_t at = moved.find("\"1A2\"");
    ASSERT_NE(at, std::string::npos);
    // The record before the one holding 1A2 gets it in its R-ODD cell.
    const std::size_t rowStart = moved.rfind("\r\n", at);
    const std::size_t previousRow = moved.rfind("\r\n", rowStart - 1);
    const std::size_t previousCell = moved.rfind("\",\"", moved.rfind("\",\"", rowStart - 1) - 1);
    ASSERT_GT(previousCell, previousRow);
    moved.replace(previousCell + 3, moved.find('"', previousCell + 3) - previousCell - 3, "1A2");
    ASSERT_TRUE(norvane::writeFileSafely(file("moved.csv"), moved));
    const Outcome refused =
        runCli("data " + copybook + " --write " + quoted(file("out.dat")) + " < " + quoted(file("moved.csv")), true);
    EXPECT_EQ(refused.exitCode, 1) << refused.output;
    EXPECT_NE(refused.output.find("R-ODD has non-numeric character"), std::string::npos) << refused.output;
    EXPECT_EQ(norvane::readFileBytes(file("out.dat")).value(), original);
}

TEST_F(DataCommand, AnEmptyCellOfAPictureNoCodecTakesIsRefusedByName)
{
    ASSERT_TRUE(norvane::writeFileSafely(file("odd.cpy"), "       01 R.\n           05 F PIC X(4) COMP.\n"));
    ASSERT_TRUE(norvane::writeFileSafely(file("in.csv"), "\"\",\"F\"\r\n\"\",\"X(4)\"\r\n\"1\",\"\"\r\n"));
    const Outcome outcome =
        runCli("data " + quoted(file("odd.cpy")) + " --write " + quoted(file("out.dat")) + " < " + quoted(file("in.csv")), true);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, "line 1 F cannot be stored: Invalid Pic\n");
    EXPECT_FALSE(fs::exists(file("out.dat")));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2)
        << "odd.cpy and in.csv only: no temporary file is left behind";
}

TEST_F(DataCommand, UnreadableFilesExitWith2)
{
    const std::string copybook = quoted(kData + "DATAFIX.cpy");
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"data " + quoted(file("none.cpy")) + " " + quoted(kData + "datafix-big.dat"), "none.cpy"},
        {"data " + copybook + " " + quoted(file("none.dat")), "Cannot open file " + file("none.dat")},
        {"data " + copybook, "usage: norvane-cli data"},
        {"data --big " + copybook + " x.dat", "unknown option \"--big\""},
    };
    for (const Case &c : cases) {
        const Outcome outcome = runCli(c.arguments, true);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments;
        EXPECT_NE(outcome.output.find(c.message), std::string::npos) << c.arguments << "\n" << outcome.output;
    }
}
#endif

} // namespace
