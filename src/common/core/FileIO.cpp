#include "common/core/FileIO.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

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

} // namespace norvane
