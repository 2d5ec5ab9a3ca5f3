#pragma once

#include <QFrame>
#include <QHash>
#include <QStaticText>
#include <QString>

namespace norvane {

// One panel of the status bar: a line of text in a sunken frame of a width
// the main window sets. It is cheap to change on every key (the caret's line
// and column): unlike a QLabel, a new text repaints the text alone and never
// lays out the status bar and the main window again, the same text repaints
// nothing, and the words are drawn from laid-out text kept for reuse.
class StatusPanel : public QFrame {
    Q_OBJECT

public:
    explicit StatusPanel(QWidget *parent = nullptr);

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);
    void setAlignment(Qt::Alignment alignment);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    [[nodiscard]] const QStaticText &laidOut(const QString &word);

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QHash<QString, QStaticText> m_words;   // the words drawn lately, laid out
};

} // namespace norvane
