#include "common/core/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace norvane {

namespace fs = std::filesystem;

static Error systemError(const std::string &what, const std::string &path, int code)
{
    return Error{what + " " + path + ": " + std::generic_category().message(code)};
}

Result<std::string> readFileBytes(const std::string &path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return Error{"Cannot read " + path + ": it is a folder"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return systemError("Cannot read", path, errno);
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), size);
    }
    if (in.bad() || (size > 0 && in.gcount() != size))
        return systemError("Cannot read", path, errno ? errno : EIO);
    return bytes;
}

static std::string temporaryNameBeside(const std::string &path)
{
    static std::mt19937 generator{std::random_device{}()};
    return path + ".tmp" + std::to_string(generator() % 1000000);
}

#ifdef _WIN32
Result<void> writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string temporary = temporaryNameBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return systemError("Cannot write", path, errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return systemError("Cannot write", path, errno ? errno : EIO);
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Error{"Cannot write " + path + ": " + ec.message()};
    }
    return {};
}
#else
Result<void> writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string temporary = temporaryNameBeside(path);
    mode_t mode = 0666;
    bool keepMode = false;
    if (struct stat existing; ::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
        keepMode = true;
    }
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return systemError("Cannot write", path, errno);

    auto fail = [&](int code) -> Result<void> {
        ::close(fd);
        ::unlink(temporary.c_str());
        return systemError("Cannot write", path, code);
    };

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (keepMode && ::fchmod(fd, mode) != 0)
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return systemError("Cannot write", path, code);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return systemError("Cannot write", path, code);
    }
    return {};
}
#endif

AtomicFileWriter::AtomicFileWriter(std::string path, std::string temporary, std::FILE *file)
    : m_path(std::move(path)), m_temporary(std::move(temporary)), m_file(file)
{
}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter &&other) noexcept
    : m_path(std::move(other.m_path)), m_temporary(std::move(other.m_temporary)), m_file(other.m_file)
{
    other.m_file = nullptr;
}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

void AtomicFileWriter::discard()
{
    if (m_file == nullptr)
        return;
    std::fclose(m_file);
    m_file = nullptr;
    std::error_code ignored;
    fs::remove(m_temporary, ignored);
}

Result<AtomicFileWriter> AtomicFileWriter::begin(const std::string &path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return systemError("Cannot write", path, EISDIR);
    const std::string temporary = temporaryNameBeside(path);
    // "x": never take over a file that happens to have the temporary's name.
    std::FILE *file = std::fopen(temporary.c_str(), "wbx");
    if (file == nullptr)
        return systemError("Cannot write", path, errno);
    return AtomicFileWriter(path, temporary, file);
}

Result<void> AtomicFileWriter::write(std::string_view bytes)
{
    if (m_file == nullptr)
        return systemError("Cannot write", m_path, EBADF);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        const int code = errno ? errno : EIO;
        discard();
        return systemError("Cannot write", m_path, code);
    }
    return {};
}

Result<void> AtomicFileWriter::commit()
{
    if (m_file == nullptr)
        return systemError("Cannot write", m_path, EBADF);
    bool flushed = std::fflush(m_file) == 0;
#ifndef _WIN32
    // Keep the permissions of the file being replaced, and reach the disk
    // before the rename makes the new contents the file.
    if (flushed) {
        if (struct stat existing; ::stat(m_path.c_str(), &existing) == 0)
            flushed = ::fchmod(::fileno(m_file), existing.st_mode & 07777) == 0;
    }
    flushed = flushed && ::fsync(::fileno(m_file)) == 0;
#endif
    const int flushError = errno ? errno : EIO;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    std::error_code ignored;
    if (!flushed || !closed) {
        fs::remove(m_temporary, ignored);
        return systemError("Cannot write", m_path, flushed ? (errno ? errno : EIO) : flushError);
    }
    std::error_code ec;
    fs::rename(m_temporary, m_path, ec);
    if (ec) {
        fs::remove(m_temporary, ignored);
        return Error{"Cannot write " + m_path + ": " + ec.message()};
    }
    return {};
}

} // namespace norvane
