#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace norvane::test {

// A fresh folder under the system's temporary folder, named after the running
// test and removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder()
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("norvane-settings-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    [[nodiscard]] const std::filesystem::path &path() const { return m_path; }
    // The path of an entry in the folder, as the code under test takes it.
    [[nodiscard]] std::string operator/(const std::string &name) const { return (m_path / name).string(); }

    std::string makeFolder(const std::string &name) const
    {
        std::filesystem::create_directories(m_path / name);
        return (m_path / name).string() + "/";
    }
    std::string write(const std::string &name, const std::string &bytes) const
    {
        std::filesystem::create_directories((m_path / name).parent_path());
        std::ofstream out(m_path / name, std::ios::binary);
        out << bytes;
        return (m_path / name).string();
    }

private:
    std::filesystem::path m_path;
};

inline std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string fixture(const std::string &name)
{
    return readBytes(std::string(NORVANE_TEST_DATA) + "/settings/" + name);
}

} // namespace norvane::test
