#pragma once

#include "document/core/LineColouring.h"

#include <QTextCharFormat>

#include <array>

class QPalette;
class QTextBlock;
class QTextDocument;

namespace norvane {

// Colours the lines of a source text as COBOL, one line at a time and only
// when asked: the editor asks for the lines it is about to show, so a large
// program costs nothing to open, and an edit recolours only the lines it
// changed (and the next code line when what they leave for it changed).
//
// Each line gets its colours from colourLine; they go into the line's layout
// as additional formats, as a syntax highlighter puts them, and never into the
// text. A line's state (QTextBlock::userState) says whether it is coloured,
// what the line above had left for it and what it leaves for the next one; a
// generation number in it lets the whole text be forgotten at once. A line in
// view is coloured again whenever what the line above leaves has changed.
class SourceHighlighter {
public:
    explicit SourceHighlighter(QTextDocument &document);

    // On by default; off takes every colour away.
    void setEnabled(bool enabled);
    [[nodiscard]] bool isEnabled() const { return m_enabled; }

    // The colours of each role, derived from the palette's text and base
    // colours so that dark palettes work; every line is coloured anew.
    void setPalette(const QPalette &palette);
    [[nodiscard]] const QTextCharFormat &format(TextRole role) const
    {
        return m_formats[static_cast<std::size_t>(role)];
    }

    // Colours those of the lines from `first` on (count of them) that are not coloured yet.
    void colourLines(const QTextBlock &first, int count);
    // The text changed there (QTextDocument::contentsChange): the lines it
    // touched are to be coloured again.
    void textChanged(int position, int charsRemoved, int charsAdded);
    // The whole text was replaced: no line is coloured any more.
    void forgetAll();

    [[nodiscard]] bool isColoured(const QTextBlock &block) const;
    // How many lines have been coloured since the text was loaded (for tests and benchmarks).
    [[nodiscard]] int colouredCount() const { return m_colouredCount; }

private:
    void colourBlock(QTextBlock block, LineCarry before);
    // What the nearest code line above leaves for the block.
    [[nodiscard]] LineCarry carryBefore(const QTextBlock &block) const;
    [[nodiscard]] int stateOf(LineCarry before, LineCarry after) const;
    [[nodiscard]] static LineCarry carryInto(const QTextBlock &block);
    [[nodiscard]] static LineCarry carryOutOf(const QTextBlock &block);
    void clearAllFormats();

    QTextDocument &m_document;
    std::array<QTextCharFormat, TextRoleCount> m_formats;
    int m_generation = 0;
    int m_colouredCount = 0;
    bool m_enabled = true;
};

} // namespace norvane
