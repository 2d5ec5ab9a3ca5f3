#include "app/StatusPanel.h"

#include <QPaintEvent>
#include <QPainter>

namespace norvane {

namespace {

// Enough for the words of the texts shown lately (line and column numbers come and go).
constexpr qsizetype MaxWords = 256;

} // namespace

StatusPanel::StatusPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // The panel paints all of itself: the status bar behind it is left alone.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StatusPanel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update(contentsRect());
}

void StatusPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update(contentsRect());
}

QSize StatusPanel::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return {fontMetrics().horizontalAdvance(m_text) + frame, fontMetrics().height() + frame};
}

QSize StatusPanel::minimumSizeHint() const
{
    return {2 * frameWidth(), fontMetrics().height() + 2 * frameWidth()};
}

void StatusPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_words.clear();
    QFrame::changeEvent(event);
}

const QStaticText &StatusPanel::laidOut(const QString &word)
{
    auto it = m_words.find(word);
    if (it == m_words.end()) {
        if (m_words.size() >= MaxWords)
            m_words.clear();
        QStaticText text(word);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font());
        it = m_words.insert(word, text);
    }
    return *it;
}

void StatusPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect contents = contentsRect();
    if (!contents.contains(event->rect()))
        drawFrame(&painter);
    painter.setClipRect(contents);
    painter.fillRect(contents, palette().brush(backgroundRole()));
    painter.setPen(palette().color(foregroundRole()));

    // The words one by one, each laid out once; a blank advances by its width.
    const QFontMetrics metrics = fontMetrics();
    const int blank = metrics.horizontalAdvance(u' ');
    const QStringList words = m_text.split(u' ');
    int width = blank * static_cast<int>(words.size() - 1);
    for (const QString &word : words) {
        if (!word.isEmpty())
            width += qCeil(laidOut(word).size().width());
    }
    // Half an "x" from the frame, as a framed label keeps its text.
    const int indent = metrics.horizontalAdvance(u'x') / 2;
    int x = (m_alignment & Qt::AlignRight) ? contents.right() + 1 - indent - width : contents.left() + indent;
    const int y = contents.top() + (contents.height() - metrics.height()) / 2;
    for (const QString &word : words) {
        if (!word.isEmpty()) {
            const QStaticText &text = laidOut(word);
            painter.drawStaticText(x, y, text);
            x += qCeil(text.size().width());
        }
        x += blank;
    }
}

} // namespace norvane
