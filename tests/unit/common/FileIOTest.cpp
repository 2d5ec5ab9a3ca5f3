#include "common/core/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace norvane;
namespace fs = std::filesystem;

namespace {

class FileIOTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("norvane-fileio-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
    }
    std::string path(const char *name) const { return (m_dir / name).string(); }
    fs::path m_dir;
};

TEST_F(FileIOTest, WritesAndReadsBytesExactly)
{
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes.push_back(static_cast<char>(c));
    ASSERT_TRUE(writeFileSafely(path("a.bin"), bytes).ok());
    const Result<std::string> back = readFileBytes(path("a.bin"));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value(), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator{}), 1) << "no temporary left";
}

TEST_F(FileIOTest, ReplacingKeepsPermissions)
{
    ASSERT_TRUE(writeFileSafely(path("p.cbl"), "old").ok());
    fs::permissions(path("p.cbl"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileSafely(path("p.cbl"), "new").ok());
    EXPECT_EQ(readFileBytes(path("p.cbl")).value(), "new");
    EXPECT_EQ(fs::status(path("p.cbl")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileIOTest, AFailedWriteLeavesTheOldFileWholeAndSaysWhy)
{
    ASSERT_TRUE(writeFileSafely(path("keep.cbl"), "precious").ok());

    // A file size limit makes the write fail part-way, as a full disk would.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = previous;
    tiny.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const Result<void> result = writeFileSafely(path("keep.cbl"), std::string(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("keep.cbl"), std::string::npos) << result.error();
    EXPECT_EQ(readFileBytes(path("keep.cbl")).value(), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator{}), 1) << "no temporary left";
}

TEST_F(FileIOTest, MissingFolderAndMissingFileAreReported)
{
    const Result<void> write = writeFileSafely(path("no/such/dir/x"), "x");
    ASSERT_FALSE(write.ok());
    EXPECT_NE(write.error().find("No such file"), std::string::npos) << write.error();
    const Result<std::string> read = readFileBytes(path("absent"));
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().find("absent"), std::string::npos);
    const Result<std::string> folder = readFileBytes(m_dir.string());
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().find("it is a folder"), std::string::npos) << folder.error();
}

} // namespace
