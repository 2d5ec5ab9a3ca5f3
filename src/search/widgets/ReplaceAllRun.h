#pragma once

#include <QString>

namespace norvane {

class DocumentWindow;

// One Replace All in a document window's main editor: every match in the whole
// text, or, when the selection spans lines, every match inside the selection
// as it was made (its end moves with the replacements). The replacements are
// one undo step, whose undo brings the caret back where it stood; the window's
// stored lines and positions (tree, division lines, find-all rows, back-track
// history) follow each replacement, and the caret stays on its text.
class ReplaceAllRun {
public:
    ReplaceAllRun(DocumentWindow &child, QString findText, QString replaceText, bool matchCase, bool wholeWord);

    [[nodiscard]] bool inSelection() const { return m_inSelection; }
    // Replaces every match; the number replaced.
    int replace();

private:
    DocumentWindow &m_child;
    QString m_find;
    QString m_replace;
    bool m_matchCase;
    bool m_wholeWord;
    int m_caret = 0;
    int m_selectionEnd = 0;
    bool m_inSelection = false;
};

} // namespace norvane
