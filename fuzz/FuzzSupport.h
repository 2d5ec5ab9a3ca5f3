#pragma once

// Helpers shared by the fuzz targets: property checks that stop the run with
// a message, and a scratch folder for the targets that write files.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace norvane::fuzz {

// A property that does not hold is a finding like a crash: libFuzzer takes
// the abort for one and saves the input that led to it.
[[noreturn]] inline void failCheck(const char *file, int line, const char *condition, const std::string &detail)
{
    std::fprintf(stderr, "\n%s:%d: property does not hold: %s\n", file, line, condition);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                  \
    do {                                                                                                       \
        if (!(condition))                                                                                      \
            ::norvane::fuzz::failCheck(__FILE__, __LINE__, #condition, {});                                    \
    } while (false)

#define FUZZ_CHECK_MSG(condition, detail)                                                                      \
    do {                                                                                                       \
        if (!(condition))                                                                                      \
            ::norvane::fuzz::failCheck(__FILE__, __LINE__, #condition, (detail));                              \
    } while (false)

// Text with its unprintable bytes escaped, for the messages of failed checks.
inline std::string printable(std::string_view bytes)
{
    std::string out = "\"";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f && c != '"' && c != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            out += hex;
        }
    }
    return out + "\"";
}

// An empty folder of this process's own under the temporary folder, removed
// when the process ends. Targets that write files clear it for every input.
class ScratchFolder {
public:
    static ScratchFolder &instance()
    {
        static ScratchFolder folder;
        return folder;
    }

    [[nodiscard]] const std::filesystem::path &path() const { return m_path; }
    [[nodiscard]] std::string file(std::string_view name) const { return (m_path / name).string(); }

    // Removes everything in the folder.
    void clear() const
    {
        for (const auto &entry : std::filesystem::directory_iterator(m_path))
            std::filesystem::remove_all(entry.path());
    }

    // The names of the entries in the folder, sorted.
    [[nodiscard]] std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

private:
    // In memory where the system has a folder for it: the saves flush their
    // files to disk, which would otherwise set the pace of the run.
    static std::filesystem::path base()
    {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0)
            return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    ScratchFolder()
    {
        std::string pattern = (base() / "norvane-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("norvane fuzz: cannot make a scratch folder");
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    std::filesystem::path m_path;
};

inline std::string readWholeFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeWholeFile(const std::string &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "norvane fuzz: cannot write %s\n", path.c_str());
        std::abort();
    }
}

// The input before the first NUL byte, and the rest after it: the targets
// that take a copybook and something else take them so, which lets their
// seeds be a copybook, a NUL and a file from the test data.
inline std::pair<std::string_view, std::string_view> splitAtNul(std::string_view input)
{
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos)
        return {input, {}};
    return {input.substr(0, nul), input.substr(nul + 1)};
}

} // namespace norvane::fuzz
