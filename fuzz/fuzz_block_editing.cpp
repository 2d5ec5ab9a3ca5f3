// The block commands on a selection: the selection's text transformed whole
// agrees with the line-by-line plan an editor applies, the length change is
// the text's, and Uncomment undoes Comment.
// Input: a command byte, an indent byte, then the selected text.

#include "FuzzSupport.h"

#include "editing/core/LineRule.h"
#include "editing/core/TransformSelectedLines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace norvane;
using fuzz::printable;

namespace {

// The lines of a text at line feeds; the text after the last one is a line.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto edit = static_cast<BlockEdit>(data[0] % 4);
    const int indent = static_cast<int>(static_cast<signed char>(data[1])) % 12; // out-of-range lengths too
    const std::string_view text(reinterpret_cast<const char *>(data) + 2, size - 2);

    const TransformedText whole = TransformSelectedLines(text, edit, indent);
    FUZZ_CHECK(static_cast<std::ptrdiff_t>(whole.text.size()) - static_cast<std::ptrdiff_t>(text.size()) == whole.lengthChange);

    for (const std::string_view line : {text.substr(0, text.find_first_of("\r\n"))}) {
        const std::optional<LineSplice> splice = lineRule(edit, line, indent);
        std::string changed(line);
        if (splice) {
            FUZZ_CHECK(splice->offset + splice->removed <= line.size());
            changed.replace(splice->offset, splice->removed, splice->inserted);
        }
        FUZZ_CHECK(changed == applyLineRule(edit, line, indent));
    }

    // With line feeds only, the editor's plan over whole lines does the same.
    if (text.find('\r') == std::string_view::npos) {
        const std::vector<std::string> lines = linesOf(text);
        const BlockEditPlan plan = planSelectedLines(lines, 0, lines.back().size(), edit, indent);
        FUZZ_CHECK(plan.lengthChange == whole.lengthChange);
        std::size_t previous = 0;
        for (const BlockLineEdit &lineEdit : plan.edits) {
            FUZZ_CHECK(lineEdit.line < lines.size() && (lineEdit.line > previous || previous == 0));
            previous = lineEdit.line;
        }
        FUZZ_CHECK_MSG(joined(applyBlockEditPlan(lines, plan)) == whole.text, printable(text));
    }

    // Uncomment takes back exactly what Comment put in.
    if (edit == BlockEdit::Comment) {
        const TransformedText back = TransformSelectedLines(whole.text, BlockEdit::Uncomment, indent);
        FUZZ_CHECK_MSG(back.text == text, printable(text) + " came back as " + printable(back.text));
    }
    return 0;
}
