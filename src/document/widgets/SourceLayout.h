#pragma once

#include <QPlainTextDocumentLayout>

namespace norvane {

// The plain-text layout of an editor's text, lines repainted one by one.
//
// The plain-text layout takes a change as confined to one line only when the
// characters removed and added, counted together, fit in it. Colours given to
// a line while a key's change is reported widen the change to the whole line,
// removed and added, which never fits: every key press with colouring on then
// repainted the whole view. A change whose added text lies in one line, the
// number of lines unchanged, is a change of that line alone.
class SourceLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    explicit SourceLayout(QTextDocument *document);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    int m_lineCount = 0;
};

} // namespace norvane
