#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A path split into its folder, file name, base name and extension.
//
// The folder ends at the last directory separator; the extension starts at the
// first "." of the file name, so "pay.old.cbl" has the extension ".old.cbl".
class TPathName {
public:
    std::string Dir;
    std::string FileName;
    std::string BaseName;
    std::string Ext;

    void Clear();
    void SetPath(std::string_view path);
    [[nodiscard]] std::string GetFullName() const { return Dir + FileName; }
};

// True for the characters that separate folders on this platform: "/" on POSIX
// systems, "\" and "/" on Windows.
[[nodiscard]] bool isPathSeparator(char c);

// The part of a path after its last separator; the whole path when it has none.
[[nodiscard]] std::string FileNameOf(std::string_view path);

} // namespace norvane
