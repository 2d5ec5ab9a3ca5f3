#include "common/core/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace norvane {

namespace fs = std::filesystem;

namespace {

std::string reason(int code)
{
    return std::generic_category().message(code);
}

std::string folderOf(const std::string &path)
{
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\:");
#else
    const std::size_t slash = path.rfind('/');
#endif
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\:");
#else
    const std::size_t slash = path.rfind('/');
#endif
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string randomSuffix()
{
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string suffix(6, ' ');
    for (char &c : suffix)
        c = Letters[pick(generator)];
    return suffix;
}

#ifdef _WIN32
constexpr int NewFileFlags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY;
#else
constexpr int NewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
#endif

// A new file under a fresh name made of the prefix and random letters; the
// descriptor, or -1 with errno set.
int createUnique(const FileSystemCalls &calls, const std::string &prefix, unsigned mode, std::string &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + randomSuffix();
        const int fd = calls.open(name, NewFileFlags, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// 0, or the errno of the failure.
int writeAll(const FileSystemCalls &calls, int fd, const char *bytes, std::size_t size)
{
    while (size > 0) {
        const long n = calls.write(fd, bytes, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

void closeQuietly(int fd)
{
    if (fd >= 0) {
#ifdef _WIN32
        ::_close(fd);
#else
        ::close(fd);
#endif
    }
}

void removeQuietly(const std::string &path)
{
    if (!path.empty()) {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
}

#ifndef _WIN32
// Copies the whole of one file to the start of another; `seekTarget` is false
// for a device or pipe, which is written where it stands. 0 or an errno.
int copyContents(const FileSystemCalls &calls, int from, int to, bool seekTarget, std::size_t &copied)
{
    copied = 0;
    if (::lseek(from, 0, SEEK_SET) < 0 || (seekTarget && ::lseek(to, 0, SEEK_SET) < 0))
        return errno;
    std::vector<char> buffer(std::size_t{1} << 20);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        if (const int code = writeAll(calls, to, buffer.data(), static_cast<std::size_t>(n)))
            return code;
        copied += static_cast<std::size_t>(n);
    }
}

// Brings a file's contents and size to the disk. 0 or an errno.
int finish(int fd, std::size_t size)
{
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

// A rename is on the disk only once its folder is.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

FileSystemCalls FileSystemCalls::system()
{
    FileSystemCalls calls;
#ifdef _WIN32
    calls.open = [](const std::string &path, int flags, unsigned mode) {
        return ::_open(path.c_str(), flags, static_cast<int>(mode & (_S_IREAD | _S_IWRITE)));
    };
    calls.write = [](int fd, const char *bytes, std::size_t size) -> long {
        return ::_write(fd, bytes, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
    };
#else
    calls.open = [](const std::string &path, int flags, unsigned mode) {
        return ::open(path.c_str(), flags, static_cast<mode_t>(mode));
    };
    calls.write = [](int fd, const char *bytes, std::size_t size) -> long { return ::write(fd, bytes, size); };
#endif
    std::error_code ec;
    calls.temporaryFolder = fs::temp_directory_path(ec).string();
    if (ec || calls.temporaryFolder.empty())
        calls.temporaryFolder = ".";
    return calls;
}

Result<std::string> resolveSymbolicLinks(const std::string &path)
{
#ifdef _WIN32
    return path;
#else
    // As many links as the system itself follows before it gives up.
    constexpr int MaxLinks = 40;
    std::string current = path;
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        std::string target(256, '\0');
        for (;;) {
            const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
            if (n < 0)
                return Error{"Cannot write " + path + ": " + reason(errno)};
            if (static_cast<std::size_t>(n) < target.size()) {
                target.resize(static_cast<std::size_t>(n));
                break;
            }
            target.resize(target.size() * 2);
        }
        if (target.empty())
            return Error{"Cannot write " + path + ": " + reason(ENOENT)};
        current = target.front() == '/' ? target : folderOf(current) + "/" + target;
    }
    return Error{"Cannot write " + path + ": " + reason(ELOOP)};
#endif
}

SafeFileWriter::SafeFileWriter(std::string path, std::string target, std::string staging, bool stagingBeside, int fd,
                               FileSystemCalls calls)
    : m_path(std::move(path)), m_target(std::move(target)), m_staging(std::move(staging)),
      m_stagingBeside(stagingBeside), m_fd(fd), m_calls(std::move(calls))
{
}

SafeFileWriter::SafeFileWriter(SafeFileWriter &&other) noexcept
    : m_path(std::move(other.m_path)), m_target(std::move(other.m_target)), m_staging(std::exchange(other.m_staging, {})),
      m_stagingBeside(other.m_stagingBeside), m_fd(std::exchange(other.m_fd, -1)), m_size(other.m_size),
      m_calls(std::move(other.m_calls))
{
}

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

void SafeFileWriter::discard()
{
    closeQuietly(std::exchange(m_fd, -1));
    removeQuietly(std::exchange(m_staging, {}));
}

Error SafeFileWriter::failure(int code) const
{
    return Error{"Cannot write " + m_path + ": " + reason(code)};
}

Result<SafeFileWriter> SafeFileWriter::begin(const std::string &path, FileSystemCalls calls)
{
    if (path.empty())
        return Error{"Cannot write a file without a name"};
    Result<std::string> resolved = resolveSymbolicLinks(path);
    if (!resolved)
        return Error{resolved.error()};
    const std::string &target = resolved.value();

    struct stat status {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (exists && (status.st_mode & S_IFMT) == S_IFDIR)
        return Error{"Cannot write " + path + ": " + reason(EISDIR)};
#ifndef _WIN32
    // A file the user may not write is not changed, even where its folder
    // would let a new file take its place.
    if (exists && S_ISREG(status.st_mode)) {
        const int probe = calls.open(target, O_WRONLY | O_CLOEXEC, 0);
        if (probe < 0)
            return Error{"Cannot write " + path + ": " + reason(errno)};
        ::close(probe);
    }
#endif

    // The new contents are staged beside the target where its folder allows,
    // so that they can be renamed over it; a new file gets the usual
    // permissions, a staging file for an existing one takes its permissions
    // only when it is complete.
    std::string staging;
    int fd = -1;
    bool beside = false;
    if (!exists || (status.st_mode & S_IFMT) == S_IFREG) {
        fd = createUnique(calls, folderOf(target) + "/." + nameOf(target) + ".norvane-", exists ? 0600 : 0666, staging);
        beside = fd >= 0;
        if (!beside && !exists)
            return Error{"Cannot write " + path + ": " + reason(errno)};
    }
    if (!beside) {
        fd = createUnique(calls, calls.temporaryFolder + "/norvane-new-", 0600, staging);
        if (fd < 0)
            return Error{"Cannot write " + path + ": no room for the new contents in " + calls.temporaryFolder + " (" +
                         reason(errno) + ")"};
    }
    return SafeFileWriter(path, target, std::move(staging), beside, fd, std::move(calls));
}

Result<void> SafeFileWriter::write(std::string_view bytes)
{
    if (m_fd < 0)
        return failure(EBADF);
    if (const int code = writeAll(m_calls, m_fd, bytes.data(), bytes.size())) {
        discard();
        return failure(code);
    }
    m_size += bytes.size();
    return {};
}

#ifdef _WIN32
Result<void> SafeFileWriter::commit()
{
    if (m_fd < 0)
        return failure(EBADF);
    const int code = ::_close(std::exchange(m_fd, -1)) == 0 ? 0 : errno;
    if (code != 0) {
        discard();
        return failure(code);
    }
    std::error_code ec;
    fs::rename(m_staging, m_target, ec);
    if (ec) {
        discard();
        return Error{"Cannot write " + m_path + ": " + ec.message()};
    }
    m_staging.clear();
    return {};
}
#else
Result<void> SafeFileWriter::commit()
{
    if (m_fd < 0)
        return failure(EBADF);
    if (::fsync(m_fd) != 0 && errno != EINVAL) {
        const int code = errno;
        discard();
        return failure(code);
    }
    // Looked at again now: the file may have changed since the save began.
    struct stat status {};
    const bool exists = ::stat(m_target.c_str(), &status) == 0;
    const bool single = exists && S_ISREG(status.st_mode) && status.st_nlink == 1;
    if (m_stagingBeside && (!exists || single)) {
        bool fallBackInPlace = false;
        Result<void> replaced = replaceByRename(fallBackInPlace);
        if (!fallBackInPlace) {
            discard();
            return replaced;
        }
    }
    if (!exists) {
        discard();
        return failure(ENOENT);
    }
    Result<void> written = writeInPlace();
    discard();
    return written;
}

Result<void> SafeFileWriter::replaceByRename(bool &fallBackInPlace)
{
    struct stat old {};
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    if (exists) {
        // The new file must be the old one's in everything but its contents;
        // where it cannot be (another user's file), the old one is written in place.
        struct stat mine {};
        if (::fstat(m_fd, &mine) != 0) {
            fallBackInPlace = true;
            return {};
        }
        if ((mine.st_uid != old.st_uid || mine.st_gid != old.st_gid) && ::fchown(m_fd, old.st_uid, old.st_gid) != 0) {
            fallBackInPlace = true;
            return {};
        }
        if (::fchmod(m_fd, old.st_mode & 07777) != 0) {
            fallBackInPlace = true;
            return {};
        }
    }
    if (::close(std::exchange(m_fd, -1)) != 0)
        return failure(errno);
    if (::rename(m_staging.c_str(), m_target.c_str()) != 0) {
        const int code = errno;
        // A sticky folder or a busy name can still take new contents in place.
        if (exists && (code == EACCES || code == EPERM || code == EBUSY || code == EXDEV)) {
            fallBackInPlace = true;
            return {};
        }
        return failure(code);
    }
    m_staging.clear();
    syncFolder(folderOf(m_target));
    return {};
}

Result<void> SafeFileWriter::writeInPlace()
{
    closeQuietly(std::exchange(m_fd, -1));
    const int target = m_calls.open(m_target, O_WRONLY | O_CLOEXEC, 0);
    if (target < 0)
        return failure(errno);
    const int staged = ::open(m_staging.c_str(), O_RDONLY | O_CLOEXEC);
    if (staged < 0) {
        const int code = errno;
        closeQuietly(target);
        return failure(code);
    }
    struct stat status {};
    if (::fstat(target, &status) != 0) {
        const int code = errno;
        closeQuietly(staged);
        closeQuietly(target);
        return failure(code);
    }
    std::size_t copied = 0;

    // A device or a pipe has no contents to keep: it takes the bytes as they come.
    if (!S_ISREG(status.st_mode)) {
        const int code = copyContents(m_calls, staged, target, false, copied);
        closeQuietly(staged);
        const int closed = ::close(target) == 0 ? 0 : errno;
        if (code != 0 || closed != 0)
            return failure(code != 0 ? code : closed);
        return {};
    }

    // The old contents, whole, in the temporary folder before the file is touched.
    std::string aside;
    const int keep = createUnique(m_calls, m_calls.temporaryFolder + "/norvane-old-", 0600, aside);
    int code = keep < 0 ? errno : 0;
    const int old = code == 0 ? ::open(m_target.c_str(), O_RDONLY | O_CLOEXEC) : -1;
    if (code == 0 && old < 0)
        code = errno;
    std::size_t oldSize = 0;
    if (code == 0)
        code = copyContents(m_calls, old, keep, true, oldSize);
    if (code == 0 && oldSize != static_cast<std::size_t>(status.st_size))
        code = EAGAIN; // the file changed while it was copied
    if (code == 0 && ::fsync(keep) != 0)
        code = errno;
    closeQuietly(keep);
    if (code != 0) {
        closeQuietly(old);
        closeQuietly(staged);
        closeQuietly(target);
        removeQuietly(aside);
        return Error{"Cannot write " + m_path + ": no copy of the old file can be kept in " + m_calls.temporaryFolder +
                     " while it is written (" + reason(code) + ")"};
    }

    closeQuietly(old);
    code = copyContents(m_calls, staged, target, true, copied);
    if (code == 0 && copied != m_size)
        code = EIO;
    if (code == 0)
        code = finish(target, copied);
    closeQuietly(staged);
    if (code == 0) {
        removeQuietly(aside);
        if (::close(target) != 0)
            return failure(errno);
        return {};
    }

    // Put the old contents back.
    const int restore = ::open(aside.c_str(), O_RDONLY | O_CLOEXEC);
    int restored = restore < 0 ? errno : copyContents(m_calls, restore, target, true, copied);
    if (restored == 0)
        restored = finish(target, copied);
    closeQuietly(restore);
    closeQuietly(target);
    if (restored != 0) {
        return Error{"Cannot write " + m_path + ": " + reason(code) +
                     ". Its old contents could not be put back (" + reason(restored) + "); they are kept in " + aside};
    }
    removeQuietly(aside);
    return failure(code);
}
#endif

Result<void> writeFileSafely(const std::string &path, std::string_view bytes, FileSystemCalls calls)
{
    Result<SafeFileWriter> writer = SafeFileWriter::begin(path, std::move(calls));
    if (!writer)
        return Error{writer.error()};
    if (Result<void> written = writer.value().write(bytes); !written)
        return written;
    return writer.value().commit();
}

} // namespace norvane
