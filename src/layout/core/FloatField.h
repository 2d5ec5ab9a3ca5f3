#pragma once

#include "common/core/Result.h"
#include "layout/core/DataFormat.h"

#include <string>
#include <string_view>

namespace norvane {

// Converts floating-point items (COMP-1, 4 bytes; COMP-2, 8 bytes) between
// their bytes and the grid's text: IEEE 754 or IBM hexadecimal floating point,
// in either byte order. The text is the shortest decimal number that reads
// back to the same bytes ("1.5", "-2.5e+20"), so a cell shown and stored again
// changes nothing; infinities and NaNs read "inf", "-inf" and "nan".

// The text of the field's bytes (4 or 8 of them; any other size is refused by
// the caller's layout).
[[nodiscard]] std::string FloatToText(std::string_view bytes, FloatFormat format, ByteOrder order);

// The field's bytes (size 4 or 8) for the text: a decimal number, optionally
// with an exponent. Fails with "Invalid value" for other text and "Value too
// large for field" for a value beyond the format's range; a value too small
// for it becomes zero, as a COBOL MOVE makes it.
[[nodiscard]] Result<std::string> TextToFloat(std::string_view text, std::size_t size, FloatFormat format,
                                              ByteOrder order);

// Whether the bytes are a value the editor writes back as they are: not a NaN
// or infinity, and for IBM floats normalized.
[[nodiscard]] bool IsPlainFloat(std::string_view bytes, FloatFormat format, ByteOrder order);

} // namespace norvane
