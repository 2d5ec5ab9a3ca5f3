#pragma once

#include <span>
#include <string>
#include <string_view>

namespace norvane {

// Whether the file's name says it is a copybook: .cpy in either letter case.
[[nodiscard]] bool hasCopybookExtension(std::string_view extension);

// Whether a fixed-format text is a copybook's by its content: no division
// header, and at least one data description entry at level 01. Such a text
// gets its records in the tree as a program's data part does.
[[nodiscard]] bool holdsRecordsOnly(std::span<const std::string> lines);

} // namespace norvane
