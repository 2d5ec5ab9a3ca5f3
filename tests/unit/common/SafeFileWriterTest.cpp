#include "common/core/FileIO.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace norvane;
namespace fs = std::filesystem;

namespace {

// Saves as users meet them: through links, onto hard-linked files, in folders
// that take no new file, on a full disk. The failures a user cannot produce at
// will (and the superuser running the tests would not meet) come through a
// replaced open or write call.
class SafeFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("norvane-save-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "work");
        fs::create_directories(m_dir / "temp");
        m_calls = FileSystemCalls::system();
        m_calls.temporaryFolder = (m_dir / "temp").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string &name) const { return (m_dir / "work" / name).string(); }
    static void put(const std::string &file, const std::string &bytes)
    {
        fs::create_directories(fs::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string bytesOf(const std::string &file) { return readFileBytes(file).value(); }
    static std::size_t entriesIn(const fs::path &folder)
    {
        std::size_t count = 0;
        for (const auto &entry : fs::recursive_directory_iterator(folder)) {
            std::error_code ec;
            if (entry.is_symlink() || !entry.is_directory(ec))
                ++count;
        }
        return count;
    }
    static ino_t inodeOf(const std::string &file)
    {
        struct stat status {};
        ::stat(file.c_str(), &status);
        return status.st_ino;
    }
    // Creating a file in the work folder is refused, as in a folder without
    // write permission; the file itself can still be opened for writing.
    void refuseNewFilesInWorkFolder()
    {
        const std::string folder = (m_dir / "work").string() + "/";
        m_calls.open = [folder](const std::string &name, int flags, unsigned mode) {
            if ((flags & O_CREAT) != 0 && name.rfind(folder, 0) == 0) {
                errno = EACCES;
                return -1;
            }
            return ::open(name.c_str(), flags, static_cast<mode_t>(mode));
        };
    }
    // The file at `name` (whatever descriptor writes it) cannot grow beyond
    // `room` bytes: the disk is full. Bytes within it can still be rewritten,
    // as on a real disk.
    void diskFullBeyond(const std::string &name, std::size_t room)
    {
        m_calls.write = [name, room](int fd, const char *bytes, std::size_t size) -> long {
            struct stat file {};
            struct stat target {};
            const bool isTarget = ::fstat(fd, &file) == 0 && ::stat(name.c_str(), &target) == 0 &&
                                  file.st_dev == target.st_dev && file.st_ino == target.st_ino;
            if (!isTarget)
                return ::write(fd, bytes, size);
            const auto at = static_cast<std::size_t>(::lseek(fd, 0, SEEK_CUR));
            if (at >= room) {
                errno = ENOSPC;
                return -1;
            }
            return ::write(fd, bytes, std::min(size, room - at));
        };
    }

    fs::path m_dir;
    FileSystemCalls m_calls;
};

TEST_F(SafeFileWriterTest, SymbolicLinksStayLinksAndTheirTargetsGetTheBytes)
{
    const struct {
        const char *name;
        std::vector<std::pair<std::string, std::string>> links;   // link, what it points to
    } cases[] = {
        {"absolute", {{"link.cbl", "@/data/real.cbl"}}},
        {"relative", {{"link.cbl", "../data/real.cbl"}}},
        {"relative in the same folder", {{"link.cbl", "real-here.cbl"}}},
        {"chain", {{"link.cbl", "middle.cbl"}, {"middle.cbl", "../data/real.cbl"}}},
        {"chain through a folder link", {{"link.cbl", "dir/real.cbl"}, {"dir", "@/data"}}},
    };
    for (const auto &c : cases) {
        fs::remove_all(m_dir / "work");
        fs::remove_all(m_dir / "data");
        fs::create_directories(m_dir / "work");
        put((m_dir / "data" / "real.cbl").string(), "old");
        put(path("real-here.cbl"), "old");
        for (const auto &[link, to] : c.links) {
            const std::string target = to[0] == '@' ? m_dir.string() + to.substr(1) : to;
            fs::create_symlink(target, path(link));
        }
        const std::string real = c.links.back().second == "real-here.cbl" ? path("real-here.cbl")
                                                                           : (m_dir / "data" / "real.cbl").string();
        const ino_t inode = inodeOf(real);

        const Result<void> saved = writeFileSafely(path("link.cbl"), "new contents", m_calls);
        ASSERT_TRUE(saved.ok()) << c.name << ": " << saved.error();
        EXPECT_EQ(bytesOf(real), "new contents") << c.name;
        for (const auto &[link, to] : c.links) {
            EXPECT_TRUE(fs::is_symlink(path(link))) << c.name << ": " << link;
            const std::string target = to[0] == '@' ? m_dir.string() + to.substr(1) : to;
            EXPECT_EQ(fs::read_symlink(path(link)).string(), target) << c.name;
        }
        EXPECT_NE(inodeOf(real), inode) << c.name << ": a file with one name is replaced whole";
        EXPECT_EQ(entriesIn(m_dir / "data"), 1u) << c.name << ": no staging file left";
        EXPECT_EQ(entriesIn(m_dir / "temp"), 0u) << c.name;
    }
}

TEST_F(SafeFileWriterTest, ALinkToAMissingFileCreatesIt)
{
    fs::create_symlink("new.cbl", path("link.cbl"));
    ASSERT_TRUE(writeFileSafely(path("link.cbl"), "x", m_calls).ok());
    EXPECT_TRUE(fs::is_symlink(path("link.cbl")));
    EXPECT_EQ(bytesOf(path("new.cbl")), "x");
}

TEST_F(SafeFileWriterTest, ALinkLoopIsReportedAndNothingIsWritten)
{
    fs::create_symlink("b", path("a"));
    fs::create_symlink("a", path("b"));
    const Result<void> saved = writeFileSafely(path("a"), "x", m_calls);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().find("Too many levels of symbolic links"), std::string::npos) << saved.error();
    EXPECT_EQ(entriesIn(m_dir / "work"), 2u);
}

TEST_F(SafeFileWriterTest, HardLinksKeepSharingTheFile)
{
    put(path("a.cbl"), "old contents, longer than the new");
    fs::create_hard_link(path("a.cbl"), path("b.cbl"));
    const ino_t inode = inodeOf(path("a.cbl"));
    ASSERT_TRUE(writeFileSafely(path("a.cbl"), "new", m_calls).ok());
    EXPECT_EQ(bytesOf(path("a.cbl")), "new");
    EXPECT_EQ(bytesOf(path("b.cbl")), "new");
    EXPECT_EQ(inodeOf(path("a.cbl")), inode);
    EXPECT_EQ(fs::hard_link_count(path("b.cbl")), 2u);
    EXPECT_EQ(entriesIn(m_dir / "work"), 2u);
    EXPECT_EQ(entriesIn(m_dir / "temp"), 0u) << "the copy of the old file is removed";
}

TEST_F(SafeFileWriterTest, OwnerAndPermissionsAreKept)
{
    put(path("p.cbl"), "old");
    ASSERT_EQ(::chmod(path("p.cbl").c_str(), 0640), 0);
    struct stat before {};
    ::stat(path("p.cbl").c_str(), &before);
    const bool superuser = ::geteuid() == 0;
    // The superuser can give the file to someone else first, as an
    // administrator editing a user's file would find it.
    if (superuser) {
        ASSERT_EQ(::chown(path("p.cbl").c_str(), 65534, 65534), 0);
    }

    ASSERT_TRUE(writeFileSafely(path("p.cbl"), "new", m_calls).ok());
    struct stat after {};
    ::stat(path("p.cbl").c_str(), &after);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, superuser ? 65534u : before.st_uid);
    EXPECT_EQ(after.st_gid, superuser ? 65534u : before.st_gid);
    EXPECT_EQ(bytesOf(path("p.cbl")), "new");
}

TEST_F(SafeFileWriterTest, AFileThatMayNotBeWrittenIsLeftAlone)
{
    // A read-only file in a folder that would take a new one: the save must
    // not slip a new file into its place. (The superuser may write any file,
    // so the refusal comes through the open call.)
    put(path("locked.cbl"), "old");
    ASSERT_EQ(::chmod(path("locked.cbl").c_str(), 0444), 0);
    if (::geteuid() == 0) {
        const std::string locked = path("locked.cbl");
        m_calls.open = [locked](const std::string &name, int flags, unsigned mode) {
            if (name == locked && (flags & O_ACCMODE) != O_RDONLY) {
                errno = EACCES;
                return -1;
            }
            return ::open(name.c_str(), flags, static_cast<mode_t>(mode));
        };
    }
    const Result<void> saved = writeFileSafely(path("locked.cbl"), "new", m_calls);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error(), "Cannot write " + path("locked.cbl") + ": Permission denied");
    EXPECT_EQ(bytesOf(path("locked.cbl")), "old");
    EXPECT_EQ(entriesIn(m_dir / "work"), 1u);
}

TEST_F(SafeFileWriterTest, AFolderThatTakesNoNewFileIsWrittenInPlace)
{
    put(path("keep.cbl"), "old contents");
    const ino_t inode = inodeOf(path("keep.cbl"));
    refuseNewFilesInWorkFolder();
    for (const std::string bytes : {"longer new contents than before", "short"}) {
        const Result<void> saved = writeFileSafely(path("keep.cbl"), bytes, m_calls);
        ASSERT_TRUE(saved.ok()) << saved.error();
        EXPECT_EQ(bytesOf(path("keep.cbl")), bytes);
        EXPECT_EQ(inodeOf(path("keep.cbl")), inode);
        EXPECT_EQ(entriesIn(m_dir / "work"), 1u);
        EXPECT_EQ(entriesIn(m_dir / "temp"), 0u) << "staging and copy are removed";
    }
}

TEST_F(SafeFileWriterTest, ANewFileInAFolderThatTakesNoNewFileIsRefused)
{
    refuseNewFilesInWorkFolder();
    const Result<void> saved = writeFileSafely(path("new.cbl"), "x", m_calls);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error(), "Cannot write " + path("new.cbl") + ": Permission denied");
    EXPECT_EQ(entriesIn(m_dir / "work"), 0u);
    EXPECT_EQ(entriesIn(m_dir / "temp"), 0u);
}

TEST_F(SafeFileWriterTest, WithoutRoomForTheOldCopyNothingIsTouched)
{
    put(path("keep.cbl"), "old contents");
    refuseNewFilesInWorkFolder();
    m_calls.temporaryFolder = (m_dir / "no-such-folder").string();
    const Result<void> saved = writeFileSafely(path("keep.cbl"), "new", m_calls);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().find("No such file or directory"), std::string::npos) << saved.error();
    EXPECT_EQ(bytesOf(path("keep.cbl")), "old contents");
}

TEST_F(SafeFileWriterTest, AFullDiskLeavesTheOldFileWhole)
{
    // Each way a save can go, with the disk full part-way through the new contents.
    const struct {
        const char *name;
        bool hardLinked;
        bool folderTakesNoNewFile;
    } cases[] = {
        {"replaced through a staging file", false, false},
        {"hard link written in place", true, false},
        {"folder without room for a new file", false, true},
    };
    const std::string old(5000, 'o');
    const std::string bigger(9000, 'n');
    for (const auto &c : cases) {
        fs::remove_all(m_dir / "work");
        fs::create_directories(m_dir / "work");
        m_calls = FileSystemCalls::system();
        m_calls.temporaryFolder = (m_dir / "temp").string();
        put(path("keep.cbl"), old);
        if (c.hardLinked)
            fs::create_hard_link(path("keep.cbl"), path("other.cbl"));
        if (c.folderTakesNoNewFile)
            refuseNewFilesInWorkFolder();
        // The replaced file fails while the staging file is written; the
        // others while the staged contents go into the file itself.
        const bool inPlace = c.hardLinked || c.folderTakesNoNewFile;
        if (inPlace) {
            diskFullBeyond(path("keep.cbl"), 6000);
        } else {
            auto open = m_calls.open;
            auto staging = std::make_shared<int>(-1);
            m_calls.open = [open, staging](const std::string &file, int flags, unsigned mode) {
                const int fd = open(file, flags, mode);
                if ((flags & O_CREAT) != 0)
                    *staging = fd;
                return fd;
            };
            m_calls.write = [staging](int fd, const char *bytes, std::size_t size) -> long {
                if (fd == *staging && size > 100) {
                    errno = ENOSPC;
                    return -1;
                }
                return ::write(fd, bytes, size);
            };
        }
        const Result<void> saved = writeFileSafely(path("keep.cbl"), bigger, m_calls);
        ASSERT_FALSE(saved.ok()) << c.name;
        EXPECT_EQ(saved.error(), "Cannot write " + path("keep.cbl") + ": No space left on device") << c.name;
        EXPECT_EQ(bytesOf(path("keep.cbl")), old) << c.name;
        if (c.hardLinked) {
            EXPECT_EQ(bytesOf(path("other.cbl")), old) << c.name;
        }
        EXPECT_EQ(entriesIn(m_dir / "work"), c.hardLinked ? 2u : 1u) << c.name << ": no staging file left";
        EXPECT_EQ(entriesIn(m_dir / "temp"), 0u) << c.name << ": no copy left";
    }
}

TEST_F(SafeFileWriterTest, OldContentsThatCannotBePutBackAreKeptAndNamed)
{
    put(path("keep.cbl"), "old contents");
    fs::create_hard_link(path("keep.cbl"), path("other.cbl"));
    diskFullBeyond(path("keep.cbl"), 3);
    const Result<void> saved = writeFileSafely(path("keep.cbl"), "new contents", m_calls);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().find("No space left on device"), std::string::npos) << saved.error();
    ASSERT_EQ(entriesIn(m_dir / "temp"), 1u);
    const std::string copy = fs::directory_iterator(m_dir / "temp")->path().string();
    EXPECT_NE(saved.error().find("they are kept in " + copy), std::string::npos) << saved.error();
    EXPECT_EQ(bytesOf(copy), "old contents");
}

TEST_F(SafeFileWriterTest, ADeviceIsWrittenStraightThrough)
{
    if (!fs::is_character_file("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const Result<void> saved = writeFileSafely("/dev/full", "x", m_calls);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error(), "Cannot write /dev/full: No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/full")) << "a device is never replaced by a file";
    EXPECT_EQ(entriesIn(m_dir / "temp"), 0u);
}

TEST_F(SafeFileWriterTest, AWriterDroppedBeforeCommitLeavesNothing)
{
    put(path("keep.cbl"), "old");
    {
        Result<SafeFileWriter> writer = SafeFileWriter::begin(path("keep.cbl"), m_calls);
        ASSERT_TRUE(writer.ok());
        ASSERT_TRUE(writer.value().write("half of the new").ok());
    }
    EXPECT_EQ(bytesOf(path("keep.cbl")), "old");
    EXPECT_EQ(entriesIn(m_dir / "work"), 1u);
}

TEST_F(SafeFileWriterTest, PiecesWrittenInPlaceArriveWhole)
{
    put(path("big.dat"), std::string(3u << 20, 'o'));
    fs::create_hard_link(path("big.dat"), path("same.dat"));
    Result<SafeFileWriter> writer = SafeFileWriter::begin(path("big.dat"), m_calls);
    ASSERT_TRUE(writer.ok());
    std::string expected;
    for (char c : {'a', 'b', 'c'}) {
        const std::string piece((1u << 20) + 7, c);
        ASSERT_TRUE(writer.value().write(piece).ok());
        expected += piece;
    }
    ASSERT_TRUE(writer.value().commit().ok());
    EXPECT_EQ(bytesOf(path("same.dat")), expected);
}

} // namespace
