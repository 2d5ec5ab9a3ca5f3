#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The characters that stand for the digits 0 to 9 in the last position of a
// negative signed display field: "p" is 0, "y" is 9.
inline constexpr std::string_view NegativeDigits = "pqrstuvwxy";

// Which way a display field is converted: the grid's text into the bytes of the
// file (File), or the file's bytes into the text the grid shows (Grid).
enum class FieldMode { File = 0, Grid = 1 };

// What the numeric editor needs from a display picture, worked out once so
// that a column of many records is formatted without walking its picture again.
struct DisplayPicture {
    bool alphanumeric = false; // the picture holds X or A: text, padded with spaces
    int integerPositions = 0;
    int decimalPositions = 0;
    bool hasPoint = false; // a written "."
    bool hasV = false;     // an implied point
    bool isSigned = false; // "S"
    int dollarCount = 0;
    int signCount = 0; // "+" and "-" positions
    int zIntegerCount = 0;
    int zDecimalCount = 0;
    std::vector<int> commaPositions; // 1-based, left to right
    bool beginsWithSign = false;     // first character "+" or "-"
    bool beginsWithPlus = false;
    bool beginsWithS = false;
    bool endsWithSign = false; // last character "+" or "-"
    bool endsWithPlus = false;
    bool trailingFloatingSign = false; // "+" or "-" repeated by a count in the decimal part
    bool lastSignIsPlus = false;       // the last character outside a repeat count is "+"
};

// Reads a display picture (in either letter case).
[[nodiscard]] DisplayPicture AnalyzeDisplayPicture(std::string_view picture);

// The text of a display field. An alphanumeric picture gives the value padded
// with spaces to the length (never cut); any other picture is numeric editing
// (FormatNumeric). In File mode the length is the field's size in bytes; in
// Grid mode it is the width the caller wants.
[[nodiscard]] std::string FormatField(std::string_view value, std::string_view picture, int length, FieldMode mode);
[[nodiscard]] std::string FormatField(std::string_view value, const DisplayPicture &picture, int length,
                                      FieldMode mode);

// Numeric editing: the same routine reads a zoned or edited field into grid
// text (Grid: the sign of a negative "S" field shown as "-", the implied point
// shown as ".") and writes grid text into the field (File: the sign carried in
// the last digit as a NegativeDigits character, the implied point left out),
// placing digits by the picture's positions with zero suppression, floating
// "$" and signs and commas. Characters other than digits, "-", "." and (for a
// signed picture) NegativeDigits are ignored.
[[nodiscard]] std::string FormatNumeric(std::string_view value, std::string_view picture, int length, FieldMode mode);
[[nodiscard]] std::string FormatNumeric(std::string_view value, const DisplayPicture &picture, int length,
                                        FieldMode mode);

} // namespace norvane
