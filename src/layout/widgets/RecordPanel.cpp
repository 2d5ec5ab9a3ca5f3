#include "layout/widgets/RecordPanel.h"

#include "common/widgets/FontChoice.h"
#include "common/widgets/Latin1.h"
#include "layout/core/DataFile.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextBlock>

namespace norvane {

namespace {

constexpr int kBytesPerLine = 16;
// "0001  " before the bytes of a line, "  " before their characters.
constexpr int kOffsetWidth = 6;

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The character a byte is shown as beside its hexadecimal digits.
QChar shownCharacter(char decoded)
{
    const auto c = static_cast<unsigned char>(decoded);
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) ? QChar(QLatin1Char(static_cast<char>(c))) : QLatin1Char('.');
}

} // namespace

RecordPanel::RecordPanel(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_fields = new QTableWidget(0, 6, this);
    m_fields->setObjectName(QStringLiteral("recordFields"));
    m_fields->setHorizontalHeaderLabels({tr("Field"), tr("Pic"), tr("Usage"), tr("Offset"), tr("Length"), tr("Value")});
    m_fields->verticalHeader()->hide();
    m_fields->horizontalHeader()->setStretchLastSection(true);
    m_fields->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_bytes = new QPlainTextEdit(this);
    m_bytes->setObjectName(QStringLiteral("recordBytes"));
    m_bytes->setReadOnly(true);
    m_bytes->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont font = fixedPitchFont(QStringLiteral("Lucida Console"), 0);
    m_fields->setFont(font);
    m_bytes->setFont(font);
    layout->addWidget(m_fields, 1);
    layout->addWidget(m_bytes, 1);
    updateVisibility();
}

void RecordPanel::setFieldsShown(bool shown)
{
    m_fieldsShown = shown;
    updateVisibility();
}

void RecordPanel::setBytesShown(bool shown)
{
    m_bytesShown = shown;
    updateVisibility();
}

bool RecordPanel::fieldsShown() const
{
    return m_fieldsShown;
}

bool RecordPanel::bytesShown() const
{
    return m_bytesShown;
}

void RecordPanel::updateVisibility()
{
    m_fields->setVisible(m_fieldsShown);
    m_bytes->setVisible(m_bytesShown);
    setVisible(m_fieldsShown || m_bytesShown);
}

void RecordPanel::showRecord(const DataFile &file, int record, int column)
{
    if (m_fieldsShown)
        fillFields(file, record, column);
    if (m_bytesShown)
        fillBytes(file, record, column);
}

void RecordPanel::fillFields(const DataFile &file, int record, int column)
{
    const std::vector<DataColumn> &columns = file.columns();
    const bool valid = record >= 0 && static_cast<std::size_t>(record) < file.recordCount();
    m_fields->setRowCount(static_cast<int>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const DataColumn &d = columns[c];
        const int row = static_cast<int>(c);
        m_fields->setItem(row, 0, readOnlyItem(toQString(d.header)));
        m_fields->setItem(row, 1, readOnlyItem(toQString(d.picture)));
        m_fields->setItem(row, 2, readOnlyItem(toQString(d.usageText)));
        m_fields->setItem(row, 3, readOnlyItem(QString::number(d.offset + 1)));
        m_fields->setItem(row, 4, readOnlyItem(QString::number(d.size)));
        QString value;
        if (valid) {
            const auto r = static_cast<std::size_t>(record);
            value = file.isPresent(r, c) ? toQString(file.cell(r, c)) : tr("(not in this record)");
        }
        m_fields->setItem(row, 5, readOnlyItem(value));
    }
    m_fields->resizeColumnsToContents();
    if (column >= 0 && column < m_fields->rowCount()) {
        m_fields->selectRow(column);
        m_fields->scrollToItem(m_fields->item(column, 0));
    }
}

void RecordPanel::fillBytes(const DataFile &file, int record, int column)
{
    if (record < 0 || static_cast<std::size_t>(record) >= file.recordCount()) {
        m_bytes->clear();
        return;
    }
    const std::string bytes = file.recordView(static_cast<std::size_t>(record));
    std::string decoded;
    file.cellFormat().decodeText(bytes, decoded);
    QString text;
    for (std::size_t line = 0; line * kBytesPerLine < bytes.size(); ++line) {
        const std::size_t first = line * kBytesPerLine;
        const std::size_t count = std::min<std::size_t>(kBytesPerLine, bytes.size() - first);
        text += QStringLiteral("%1  ").arg(first + 1, kOffsetWidth - 2, 10, QLatin1Char('0'));
        for (std::size_t i = 0; i < kBytesPerLine; ++i) {
            if (i < count)
                text += QStringLiteral("%1 ").arg(static_cast<unsigned char>(bytes[first + i]), 2, 16, QLatin1Char('0')).toUpper();
            else
                text += QStringLiteral("   ");
        }
        text += QLatin1Char(' ');
        for (std::size_t i = 0; i < count; ++i)
            text += shownCharacter(decoded[first + i]);
        text += QLatin1Char('\n');
    }
    m_bytes->setPlainText(text);

    // Each field's bytes on a background of their own, alternating; the
    // current field's in the selection's colours.
    const QPalette palette = m_bytes->palette();
    const QColor shades[2] = {palette.color(QPalette::AlternateBase), palette.color(QPalette::Midlight)};
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument *document = m_bytes->document();
    const std::vector<DataColumn> &columns = file.columns();
    const int lineLength = kOffsetWidth + 3 * kBytesPerLine + 1;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        QTextCharFormat format;
        if (static_cast<int>(c) == column) {
            format.setBackground(palette.color(QPalette::Highlight));
            format.setForeground(palette.color(QPalette::HighlightedText));
        } else {
            format.setBackground(shades[c % 2]);
        }
        format.setToolTip(toQString(columns[c].header));
        for (std::size_t b = columns[c].offset; b < columns[c].offset + columns[c].size && b < bytes.size(); ++b) {
            const QTextBlock block = document->findBlockByNumber(static_cast<int>(b / kBytesPerLine));
            if (!block.isValid())
                break;
            QTextCursor cursor(block);
            const int at = kOffsetWidth + 3 * static_cast<int>(b % kBytesPerLine);
            cursor.setPosition(block.position() + at);
            cursor.setPosition(block.position() + at + 2, QTextCursor::KeepAnchor);
            marks.append({cursor, format});
            QTextCursor character(block);
            const int charAt = lineLength + static_cast<int>(b % kBytesPerLine);
            character.setPosition(block.position() + charAt);
            character.setPosition(block.position() + charAt + 1, QTextCursor::KeepAnchor);
            marks.append({character, format});
        }
    }
    m_bytes->setExtraSelections(marks);
}

} // namespace norvane
