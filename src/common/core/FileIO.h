#pragma once

#include "common/core/Result.h"

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

} // namespace norvane
