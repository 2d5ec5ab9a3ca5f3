#include "document/widgets/SourceHighlighter.h"

#include "common/widgets/PaletteShades.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <climits>
#include <string_view>

namespace norvane {

namespace {

constexpr int CarryCount = LineCarryCount;
constexpr int StatesPerGeneration = CarryCount * CarryCount;
constexpr int LastGeneration = INT_MAX / StatesPerGeneration - 1;
// How far above a line the search for the code line that hands it something goes.
constexpr int LookBackLines = 64;

// A colour of the hue that stands out from the base as the text does: dark on
// a light base, light on a dark one.
QColor hued(int hue, int saturation, const QColor &text, const QColor &base)
{
    const int lightness = qRound(text.lightness() * 0.7 + base.lightness() * 0.3);
    return QColor::fromHsl(hue, saturation, lightness);
}

std::string_view bytesOf(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

SourceHighlighter::SourceHighlighter(QTextDocument &document) : m_document(document)
{
    setPalette(QPalette());
}

void SourceHighlighter::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        clearAllFormats();
    forgetAll();
}

void SourceHighlighter::setPalette(const QPalette &palette)
{
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor dimmed = mixedColour(text, base, 0.5);
    const auto foreground = [this](TextRole role, const QColor &colour) {
        m_formats[static_cast<std::size_t>(role)].setForeground(colour);
    };
    for (QTextCharFormat &format : m_formats)
        format = QTextCharFormat();
    foreground(TextRole::Sequence, dimmed);
    foreground(TextRole::Identification, dimmed);
    foreground(TextRole::Indicator, hued(25, 220, text, base));
    m_formats[static_cast<std::size_t>(TextRole::Indicator)].setBackground(mixedColour(base, text, 0.1));
    foreground(TextRole::Comment, hued(120, 70, mixedColour(text, base, 0.25), base));
    foreground(TextRole::Debugging, hued(300, 120, text, base));
    foreground(TextRole::Literal, hued(5, 170, text, base));
    foreground(TextRole::Keyword, hued(220, 200, text, base));
    foreground(TextRole::LevelNumber, hued(180, 200, text, base));
    foreground(TextRole::Picture, hued(40, 200, text, base));
    foreground(TextRole::Header, hued(270, 170, text, base));
    foreground(TextRole::Copy, hued(330, 170, text, base));
    foreground(TextRole::CopyMember, hued(330, 170, text, base));
    m_formats[static_cast<std::size_t>(TextRole::CopyMember)].setFontUnderline(true);
    forgetAll();
}

int SourceHighlighter::stateOf(LineCarry before, LineCarry after) const
{
    return m_generation * StatesPerGeneration + static_cast<int>(before) * CarryCount + static_cast<int>(after);
}

LineCarry SourceHighlighter::carryInto(const QTextBlock &block)
{
    return static_cast<LineCarry>(block.userState() % StatesPerGeneration / CarryCount);
}

LineCarry SourceHighlighter::carryOutOf(const QTextBlock &block)
{
    return static_cast<LineCarry>(block.userState() % CarryCount);
}

bool SourceHighlighter::isColoured(const QTextBlock &block) const
{
    const int state = block.userState();
    return state >= 0 && state / StatesPerGeneration == m_generation;
}

void SourceHighlighter::forgetAll()
{
    m_colouredCount = 0;
    if (m_generation < LastGeneration) {
        ++m_generation;
        return;
    }
    // Start the numbering again, so that no old state can pass for a new one.
    m_generation = 0;
    for (QTextBlock block = m_document.firstBlock(); block.isValid(); block = block.next())
        block.setUserState(-1);
}

void SourceHighlighter::colourLines(const QTextBlock &first, int count)
{
    if (!m_enabled)
        return;
    QTextBlock block = first;
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next()) {
        const LineCarry before = carryBefore(block);
        if (!isColoured(block) || carryInto(block) != before)
            colourBlock(block, before);
    }
}

void SourceHighlighter::textChanged(int position, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    if (!m_enabled)
        return;
    const QTextBlock first = m_document.findBlock(position);
    QTextBlock last = m_document.findBlock(position + charsAdded);
    if (!last.isValid())
        last = m_document.lastBlock();
    // A change of many lines (a paste of a whole program) is cheaper forgotten at once.
    constexpr int ManyLines = 1000;
    if (last.blockNumber() - first.blockNumber() > ManyLines) {
        forgetAll();
        return;
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        block.setUserState(-1);
        if (block == last)
            break;
    }
}

LineCarry SourceHighlighter::carryBefore(const QTextBlock &block) const
{
    QTextBlock previous = block.previous();
    for (int steps = 0; previous.isValid() && steps < LookBackLines; ++steps, previous = previous.previous()) {
        if (isColoured(previous))
            return carryOutOf(previous);
        const QByteArray bytes = previous.text().toLatin1();
        if (!passesCarryOn(bytesOf(bytes)))
            return colourLine(bytesOf(bytes)).carry;
    }
    return LineCarry::None;
}

void SourceHighlighter::colourBlock(QTextBlock block, LineCarry before)
{
    const QByteArray bytes = block.text().toLatin1();
    const ColouredLine coloured = colourLine(bytesOf(bytes), before);
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(static_cast<qsizetype>(coloured.spans.size()));
    for (const RoleSpan &span : coloured.spans)
        ranges.append({span.start, span.length, format(span.role)});
    block.layout()->setFormats(ranges);
    block.setUserState(stateOf(before, coloured.carry));
    // Lays the line out again without counting as a change of the text.
    m_document.markContentsDirty(block.position(), block.length());
    ++m_colouredCount;
}

void SourceHighlighter::clearAllFormats()
{
    for (QTextBlock block = m_document.firstBlock(); block.isValid(); block = block.next()) {
        if (block.layout()->formats().isEmpty())
            continue;
        block.layout()->clearFormats();
        m_document.markContentsDirty(block.position(), block.length());
    }
}

} // namespace norvane
