#pragma once

#include "common/core/Result.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace norvane {

// Reads a whole file as bytes.
[[nodiscard]] Result<std::string> readFileBytes(const std::string &path);

// Replaces the file at path with the bytes: they go to a temporary file in the
// same folder, which is flushed to disk and then renamed over the target, so a
// failure at any point leaves the previous file whole. An existing file's
// permissions are kept.
[[nodiscard]] Result<void> writeFileAtomically(const std::string &path, std::string_view bytes);

// The same for a file written in pieces, too large to gather in memory first:
// the pieces go to a temporary file beside the target, and commit() renames it
// over the target. A writer dropped before commit() removes its temporary file
// and leaves the target as it was.
class AtomicFileWriter {
public:
    [[nodiscard]] static Result<AtomicFileWriter> begin(const std::string &path);
    AtomicFileWriter(AtomicFileWriter &&other) noexcept;
    AtomicFileWriter &operator=(AtomicFileWriter &&) = delete;
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;
    ~AtomicFileWriter();

    [[nodiscard]] Result<void> write(std::string_view bytes);
    [[nodiscard]] Result<void> commit();

private:
    AtomicFileWriter(std::string path, std::string temporary, std::FILE *file);
    void discard();

    std::string m_path;
    std::string m_temporary;
    std::FILE *m_file = nullptr;
};

} // namespace norvane
