#pragma once

#include "common/core/Result.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace norvane {

// The few calls through which a save reaches the file system. Tests replace
// them to make a folder refuse new files or a disk run full, which the
// superuser could not otherwise see.
struct FileSystemCalls {
    // open(2): returns a descriptor, or -1 with errno set.
    std::function<int(const std::string &path, int flags, unsigned mode)> open;
    // write(2): returns the bytes written, or -1 with errno set.
    std::function<long(int fd, const char *bytes, std::size_t size)> write;
    // Where the old contents of a file written in place are kept meanwhile.
    std::string temporaryFolder;

    [[nodiscard]] static FileSystemCalls system();
};

// The file a save writes to: the path with its symbolic links followed, a
// relative link read from the link's own folder. A path that does not exist
// (or a link to one) names the file the save creates.
[[nodiscard]] Result<std::string> resolveSymbolicLinks(const std::string &path);

// Saves a file so that nothing is lost and the file stays what it was: the
// save changes the file's contents, never what the path is. Links are
// followed and the file they lead to is written, so a symbolic link stays a
// link; owner and permissions are kept, and a file the user may not write is
// not written.
//
// The new contents are written to a staging file first, and the target is
// touched only once they are complete:
// - a plain file with one name (or a new file) is replaced by renaming the
//   staging file, made beside it with the old file's owner and permissions,
//   over it: a failure at any point leaves the old file whole;
// - a file with several names (hard links), one whose owner cannot be given
//   to a new file, or one in a folder that takes no new file, is written in
//   place: its old contents are first copied aside whole into the temporary
//   folder, and put back if writing fails;
// - anything else (a device) is written straight through.
// No staging file or copy is left behind, unless the old contents could not
// be put back: then the copy is kept and the message names it.
class SafeFileWriter {
public:
    [[nodiscard]] static Result<SafeFileWriter> begin(const std::string &path,
                                                      FileSystemCalls calls = FileSystemCalls::system());
    SafeFileWriter(SafeFileWriter &&other) noexcept;
    SafeFileWriter &operator=(SafeFileWriter &&) = delete;
    SafeFileWriter(const SafeFileWriter &) = delete;
    SafeFileWriter &operator=(const SafeFileWriter &) = delete;
    // A writer dropped before commit() removes its staging file; the target is untouched.
    ~SafeFileWriter();

    // Appends bytes to the new contents. After a failure the writer is spent.
    [[nodiscard]] Result<void> write(std::string_view bytes);
    // Makes the new contents the file's.
    [[nodiscard]] Result<void> commit();

private:
    SafeFileWriter(std::string path, std::string target, std::string staging, bool stagingBeside, int fd,
                   FileSystemCalls calls);
    void discard();
#ifndef _WIN32
    [[nodiscard]] Result<void> replaceByRename(bool &fallBackInPlace);
    [[nodiscard]] Result<void> writeInPlace();
#endif
    [[nodiscard]] Error failure(int code) const;

    std::string m_path;      // as the caller named it, for messages
    std::string m_target;    // the file the bytes go to
    std::string m_staging;   // the new contents until commit()
    bool m_stagingBeside = false;
    int m_fd = -1;           // open on the staging file
    std::size_t m_size = 0;  // bytes staged
    FileSystemCalls m_calls;
};

// Saves the bytes as the file at path, by SafeFileWriter's rules.
[[nodiscard]] Result<void> writeFileSafely(const std::string &path, std::string_view bytes,
                                           FileSystemCalls calls = FileSystemCalls::system());

} // namespace norvane
