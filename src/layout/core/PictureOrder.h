#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Why the order of a picture's symbols is one a compiler refuses, or empty
// when it takes it. symbols is the picture upper-cased with its repeat counts
// written out, CR as "C" and DB as "D". COBOL fixes which symbol may follow
// which: a floating insertion string stands left of the digits, S first, CR,
// DB and a trailing sign or currency sign last, Z and * not both, a point, V,
// CR, DB and each fixed sign or currency sign at most once. Pictures with E or
// N are left to other checks.
[[nodiscard]] std::string SymbolOrderComplaint(std::string_view symbols);

} // namespace norvane
