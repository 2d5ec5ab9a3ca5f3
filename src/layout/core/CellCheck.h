#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The complaints about a cell's text, each following the field's header.
inline constexpr std::string_view kTooLong = " is too long";
inline constexpr std::string_view kNonNumericCharacter = " has non-numeric character";
inline constexpr std::string_view kTooManySigns = " has too many signs";
inline constexpr std::string_view kSignPlacement = " sign must be at beginning or end";
inline constexpr std::string_view kTooManyPoints = " has too many decimal points";
inline constexpr std::string_view kTooManySignificantDigits = " has too many significant digits";
inline constexpr std::string_view kTooManyDecimalDigits = " has too many decimal digits";
inline constexpr std::string_view kShouldBeUnsigned = " should be unsigned";

// Whether a cell's text suits its picture: empty when it does, else one of the
// complaints above or " has invalid PIC clause". An alphanumeric picture limits
// the length (trailing spaces aside); a numeric or edited one allows digits, at
// most one point and one sign (first or last), spaces anywhere, and "$" and ","
// for an edited picture, which also takes "*" and a trailing CR or DB as a
// minus sign, and any text exactly in its own edited form (12/31/99 for
// 99/99/99). Leading zeros are not significant digits, so a field's
// own text (a packed S9(4) reads "00012+") always passes.
[[nodiscard]] std::string ValidateField(std::string_view value, std::string_view picture);

// The first cell that fails, in record order and field order within a record.
struct CellFailure {
    std::size_t record = 0; // 0-based; the grid shows record + 1
    std::size_t column = 0; // 0-based field column
    std::string message;    // "line " + record number + " " + header + the complaint
};

// "line " + record number (1-based) + " " + header + complaint.
[[nodiscard]] std::string CellMessage(std::size_t record, std::string_view header, std::string_view complaint);

// Checks every non-empty cell of the records against the picture of its column
// and returns the first that fails, or nothing when every cell passes.
// cell(record, column) gives a cell's text.
[[nodiscard]] std::optional<CellFailure>
ValidateDataGrid(const std::vector<std::string> &headers, const std::vector<std::string> &pictures,
                 std::size_t recordCount, const std::function<std::string_view(std::size_t, std::size_t)> &cell);

} // namespace norvane
