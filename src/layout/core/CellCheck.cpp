#include "layout/core/CellCheck.h"

#include "layout/core/DisplayField.h"
#include "layout/core/Picture.h"

namespace norvane {

std::string ValidateField(std::string_view value, std::string_view picture)
{
    const Result<PictureClass> pictureClass = ClassifyPicture(picture);
    if (!pictureClass)
        return std::string(kInvalidPicClause);

    if (pictureClass.value() == PictureClass::Alphanumeric) {
        const std::size_t end = value.find_last_not_of(' ');
        const std::size_t length = end == std::string_view::npos ? 0 : end + 1;
        if (length > static_cast<std::size_t>(AlphanumericCapacity(picture)))
            return std::string(kTooLong);
        return {};
    }

    const bool edited = pictureClass.value() == PictureClass::NumericEdited;
    if (edited) {
        // The field's own characters, as a MOVE writes them, are always right.
        const DisplayPicture display = AnalyzeDisplayPicture(picture);
        if (display.numeric && display.numeric->deEdit(value))
            return {};
        // A trailing CR or DB is a minus sign.
        const std::size_t end = value.find_last_not_of(' ');
        if (end != std::string_view::npos && end >= 1) {
            const std::string_view last2 = value.substr(end - 1, 2);
            if (last2 == "CR" || last2 == "DB" || last2 == "cr" || last2 == "db") {
                std::string signedValue(value.substr(0, end - 1));
                signedValue += '-';
                return ValidateField(signedValue, picture);
            }
        }
    }
    int digits = 0;
    int significantIntegers = 0;
    int decimals = 0;
    int signs = 0;
    int points = 0;
    std::size_t signAt = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (points > 0)
                ++decimals;
            else if (significantIntegers > 0 || c != '0')
                ++significantIntegers; // leading zeros carry nothing
        } else if (c == '+' || c == '-') {
            ++signs;
            signAt = i;
        } else if (c == '.') {
            ++points;
        } else if (c == ' ' || (edited && (c == '$' || c == ',' || c == '*'))) {
            // allowed anywhere
        } else {
            return std::string(kNonNumericCharacter);
        }
    }
    // Signs, points and fill characters alone are no number (a field's own
    // shown text of zero, such as "*****", was accepted above).
    if (digits == 0 && value.find_first_not_of(' ') != std::string_view::npos)
        return std::string(kNonNumericCharacter);
    if (signs > 1)
        return std::string(kTooManySigns);
    if (signs == 1) {
        const std::string_view before = value.substr(0, signAt);
        const std::string_view after = value.substr(signAt + 1);
        if (before.find_first_not_of(' ') != std::string_view::npos &&
            after.find_first_not_of(' ') != std::string_view::npos)
            return std::string(kSignPlacement);
    }
    if (points > 1)
        return std::string(kTooManyPoints);
    const NumericLimits limits = NumericCapacity(picture);
    if (significantIntegers > limits.integerDigits)
        return std::string(kTooManySignificantDigits);
    if (decimals > limits.decimalDigits)
        return std::string(kTooManyDecimalDigits);
    if (signs > 0 && !limits.isSigned)
        return std::string(kShouldBeUnsigned);
    return {};
}

std::string CellMessage(std::size_t record, std::string_view header, std::string_view complaint)
{
    std::string message = "line ";
    message.append(std::to_string(record + 1)).append(" ").append(header).append(complaint);
    return message;
}

std::optional<CellFailure>
ValidateDataGrid(const std::vector<std::string> &headers, const std::vector<std::string> &pictures,
                 std::size_t recordCount, const std::function<std::string_view(std::size_t, std::size_t)> &cell)
{
    for (std::size_t record = 0; record < recordCount; ++record) {
        for (std::size_t column = 0; column < pictures.size(); ++column) {
            const std::string_view text = cell(record, column);
            if (text.empty())
                continue;
            const std::string complaint = ValidateField(text, pictures[column]);
            if (!complaint.empty()) {
                const std::string_view header = column < headers.size() ? headers[column] : std::string_view{};
                return CellFailure{record, column, CellMessage(record, header, complaint)};
            }
        }
    }
    return std::nullopt;
}

} // namespace norvane
