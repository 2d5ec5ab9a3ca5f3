#include "document/widgets/SourceLayout.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace norvane {

SourceLayout::SourceLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document), m_lineCount(document->blockCount())
{
}

void SourceLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    QTextDocument *text = document();
    const int lineCount = text->blockCount();
    const bool sameLines = lineCount == m_lineCount;
    m_lineCount = lineCount;
    // With as many lines as before, added text within one line means that no
    // line break went or came: the removed text lay in that line too.
    const int added = std::max(charsAdded, 1);
    if (sameLines && charsRemoved + charsAdded > 0) {
        const QTextBlock first = text->findBlock(from);
        if (first.isValid() && first.contains(from + added - 1)) {
            QPlainTextDocumentLayout::documentChanged(from, 0, added);
            return;
        }
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

} // namespace norvane
