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
    const int span = std::max(charsRemoved, charsAdded);
    const bool sameLines = lineCount == m_lineCount;
    m_lineCount = lineCount;
    if (sameLines && span > 0 && charsRemoved > 0 && charsAdded > 0) {
        const QTextBlock first = text->findBlock(from);
        if (first.isValid() && first.contains(from + span - 1)) {
            QPlainTextDocumentLayout::documentChanged(from, 0, span);
            return;
        }
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

} // namespace norvane
