#include "layout/core/CodePage.h"

#include <map>
#include <mutex>
#include <optional>

#ifndef _WIN32
#include <iconv.h>
#endif

namespace norvane {

namespace {

constexpr char32_t kEuro = 0x20AC;
constexpr unsigned char kCurrencySign = 0xA4;

#ifndef _WIN32
// The code point of each byte of the code page, or nothing for a byte the
// converter cannot convert.
Result<std::array<std::optional<char32_t>, 256>> codePoints(const std::string &name)
{
    iconv_t converter = iconv_open("UTF-32BE", name.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return Error{"The system does not know the code page " + name};
    std::array<std::optional<char32_t>, 256> points{};
    for (int byte = 0; byte < 256; ++byte) {
        char in[1] = {static_cast<char>(byte)};
        unsigned char out[8] = {};
        char *inPointer = in;
        auto *outPointer = reinterpret_cast<char *>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<std::size_t>(-1) &&
            inLeft == 0 && sizeof out - outLeft == 4)
            points[static_cast<std::size_t>(byte)] =
                static_cast<char32_t>(out[0]) << 24 | static_cast<char32_t>(out[1]) << 16 |
                static_cast<char32_t>(out[2]) << 8 | static_cast<char32_t>(out[3]);
    }
    iconv_close(converter);
    return points;
}
#else
Result<std::array<std::optional<char32_t>, 256>> codePoints(const std::string &name)
{
    return Error{"EBCDIC code pages need the system's converter, which this system lacks: " + name};
}
#endif

} // namespace

Result<std::shared_ptr<const CodePage>> CodePage::load(const std::string &name)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const CodePage>> loaded;
    const std::lock_guard lock(mutex);
    if (const auto found = loaded.find(name); found != loaded.end())
        return found->second;

    Result<std::array<std::optional<char32_t>, 256>> points = codePoints(name);
    if (!points)
        return Error{points.error()};
    std::shared_ptr<CodePage> page(new CodePage);
    page->m_name = name;
    std::array<bool, 256> mapped{};
    std::array<bool, 256> taken{};
    for (std::size_t byte = 0; byte < 256; ++byte) {
        const std::optional<char32_t> point = points.value()[byte];
        if (!point)
            continue;
        std::optional<unsigned char> latin1;
        if (*point < 256)
            latin1 = static_cast<unsigned char>(*point);
        else if (*point == kEuro)
            latin1 = kCurrencySign;
        if (!latin1 || taken[*latin1])
            continue;
        if (*point == kEuro)
            page->m_euro = true;
        page->m_toLatin1[byte] = *latin1;
        mapped[byte] = true;
        taken[*latin1] = true;
    }
    // Bytes without a Latin-1 character take the characters left over, in
    // order, so that every byte still reads and writes back as itself.
    std::size_t free = 0;
    for (std::size_t byte = 0; byte < 256; ++byte) {
        if (mapped[byte])
            continue;
        while (taken[free])
            ++free;
        page->m_toLatin1[byte] = static_cast<unsigned char>(free);
        taken[free] = true;
    }
    for (std::size_t byte = 0; byte < 256; ++byte)
        page->m_fromLatin1[page->m_toLatin1[byte]] = static_cast<unsigned char>(byte);
    loaded.emplace(name, page);
    return std::shared_ptr<const CodePage>(std::move(page));
}

void CodePage::decode(std::string_view bytes, std::string &out) const
{
    const std::size_t at = out.size();
    out.resize(at + bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[at + i] = toLatin1(bytes[i]);
}

std::string CodePage::encode(std::string_view text) const
{
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[i] = fromLatin1(text[i]);
    return bytes;
}

} // namespace norvane
