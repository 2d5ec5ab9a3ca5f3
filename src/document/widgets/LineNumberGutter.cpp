#include "document/widgets/LineNumberGutter.h"

#include "common/widgets/PaletteShades.h"
#include "document/widgets/SourceEditor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>

namespace norvane {

namespace {

constexpr int Padding = 4;

} // namespace

LineNumberGutter::LineNumberGutter(SourceEditor &editor) : QWidget(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("lineNumbers"));
    setCursor(Qt::ArrowCursor);
}

int LineNumberGutter::neededWidth() const
{
    int digits = 1;
    for (int highest = std::max(1, m_editor.blockCount()); highest >= 10; highest /= 10)
        ++digits;
    // Never narrower than four digits, so the text does not jump in small programs.
    digits = std::max(digits, 4);
    return 2 * Padding + m_editor.fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

QSize LineNumberGutter::sizeHint() const
{
    return {neededWidth(), 0};
}

void LineNumberGutter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &palette = m_editor.palette();
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    painter.fillRect(event->rect(), mixedColour(base, text, 0.06));
    painter.setFont(m_editor.font());
    const int caretLine = m_editor.caretLine();
    const int right = width() - Padding;
    for (const SourceEditor::ShownLine &shown : m_editor.shownLines()) {
        if (shown.top > event->rect().bottom())
            break;
        if (shown.top + shown.height < event->rect().top())
            continue;
        painter.setPen(shown.line == caretLine ? text : mixedColour(text, base, 0.55));
        painter.drawText(0, shown.top, right, shown.height, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(shown.line + 1));
    }
}

// A click on a number puts the caret at the start of its line.
void LineNumberGutter::mousePressEvent(QMouseEvent *event)
{
    const int y = qRound(event->position().y());
    for (const SourceEditor::ShownLine &shown : m_editor.shownLines()) {
        if (y >= shown.top && y < shown.top + shown.height) {
            m_editor.setSelStart(m_editor.lineIndex(shown.line));
            m_editor.setFocus();
            return;
        }
    }
}

} // namespace norvane
