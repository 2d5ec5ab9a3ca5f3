#pragma once

#include <QWidget>

namespace norvane {

class SourceEditor;

// The strip left of an editor's text that shows the line numbers, counted
// from 1, the caret's line in the text colour and the others dimmed.
class LineNumberGutter : public QWidget {
    Q_OBJECT

public:
    explicit LineNumberGutter(SourceEditor &editor);

    // Wide enough for the highest line number of the text.
    [[nodiscard]] int neededWidth() const;
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    SourceEditor &m_editor;
};

} // namespace norvane
