#pragma once

#include "common/core/Result.h"

#include <string>
#include <string_view>
#include <utility>

namespace norvane {

// The facts the packed and binary codecs need from a picture. Their pictures
// are plain numbers: an optional leading "S", "9"s with repeat counts and at
// most one "V"; editing symbols have no place in a packed or binary field.
struct CodecPicture {
    bool isSigned = false;
    int digits = 0;   // all digit positions, integer and decimal
    bool hasV = false;
    int decimals = 0; // digit positions after the "V"
};

// Parses a codec picture, "S" and "V" in either letter case as the compiler
// takes them. Fails with "Invalid Pic" for any other symbol, a second "V", a
// picture without digits or with more than maxDigits, and with the conversion
// message for a repeat count that is not a positive whole number.
[[nodiscard]] inline Result<CodecPicture> parseCodecPicture(std::string_view picture, int maxDigits)
{
    const Error invalidPic{"Invalid Pic"};
    CodecPicture pic;
    std::size_t i = 0;
    if (!picture.empty() && (picture[0] == 'S' || picture[0] == 's')) {
        pic.isSigned = true;
        i = 1;
    }
    char previous = '\0';
    for (; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '9') {
            ++pic.digits;
            if (pic.hasV)
                ++pic.decimals;
        } else if (c == 'V' || c == 'v') {
            if (pic.hasV)
                return invalidPic;
            pic.hasV = true;
        } else if (c == '(') {
            const std::size_t close = picture.find(')', i + 1);
            if (close == std::string_view::npos || previous != '9')
                return invalidPic;
            const std::string_view count = picture.substr(i + 1, close - i - 1);
            // Counts are kept well inside int; anything longer is not a count a
            // picture can have, and is reported as the runtime reports it.
            long long k = 0;
            bool number = !count.empty() && count.size() <= 9;
            for (const char d : count) {
                if (!number || d < '0' || d > '9') {
                    number = false;
                    break;
                }
                k = k * 10 + (d - '0');
            }
            if (!number) {
                std::string message = "'";
                message.append(count).append("' is not a valid integer value");
                return Error{std::move(message)};
            }
            if (k < 1 || pic.digits + (k - 1) > maxDigits)
                return invalidPic;
            pic.digits += static_cast<int>(k - 1);
            if (pic.hasV)
                pic.decimals += static_cast<int>(k - 1);
            i = close;
            previous = ')';
            continue;
        } else {
            return invalidPic;
        }
        if (pic.digits > maxDigits)
            return invalidPic;
        previous = c;
    }
    if (pic.digits == 0)
        return invalidPic;
    return pic;
}

} // namespace norvane
