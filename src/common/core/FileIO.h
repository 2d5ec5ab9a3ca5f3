#pragma once

#include "common/core/Result.h"
#include "common/core/SafeFileWriter.h"

#include <string>

namespace norvane {

// Reads a whole file as bytes. Files are saved through SafeFileWriter.
[[nodiscard]] Result<std::string> readFileBytes(const std::string &path);

} // namespace norvane
