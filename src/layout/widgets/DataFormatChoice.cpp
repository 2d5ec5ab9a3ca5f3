#include "layout/widgets/DataFormatChoice.h"

#include "common/core/FileIO.h"
#include "common/widgets/Dialogs.h"
#include "layout/core/DataFile.h"
#include "layout/core/RememberedFormats.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace norvane {

namespace {

constexpr SignConvention kSigns[] = {SignConvention::MicroFocus, SignConvention::Overpunch, SignConvention::Ebcdic};
constexpr RecordFormat kRecords[] = {RecordFormat::Fixed, RecordFormat::LineSequential, RecordFormat::Rdw};

template <typename T, std::size_t N>
int indexOf(const T (&values)[N], T value)
{
    const auto found = std::find(std::begin(values), std::end(values), value);
    return found == std::end(values) ? 0 : static_cast<int>(found - std::begin(values));
}

QStringList orderItems()
{
    return {QStringLiteral("Big-endian (mainframe, GnuCOBOL COMP)"), QStringLiteral("Little-endian (x86)")};
}

} // namespace

std::optional<DataFormat> chooseDataFormat(Dialogs &dialogs, const QString &fileName, const DataFormat &proposed)
{
    QList<Dialogs::OptionList> lists;
    QStringList encodings{QStringLiteral("ASCII")};
    int encoding = 0;
    const std::vector<std::string_view> &pages = EbcdicCodePages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        encodings.append(QStringLiteral("EBCDIC ") + QString::fromLatin1(pages[i].data(), static_cast<qsizetype>(pages[i].size())));
        if (proposed.encoding == pages[i])
            encoding = static_cast<int>(i) + 1;
    }
    lists.append({QStringLiteral("Encoding of text and zoned fields"), encodings, encoding});
    lists.append({QStringLiteral("Signs of zoned fields"),
                  {QStringLiteral("GnuCOBOL / Micro Focus: p to y negative"),
                   QStringLiteral("Overpunch in ASCII: { A-I positive, } J-R negative"),
                   QStringLiteral("EBCDIC zones: C, F positive, D negative")},
                  indexOf(kSigns, proposed.sign)});
    lists.append({QStringLiteral("Records"),
                  {QStringLiteral("Fixed length"), QStringLiteral("Line sequential (LF or CR LF)"),
                   QStringLiteral("Variable, with record descriptor words (RDW)")},
                  indexOf(kRecords, proposed.records)});
    lists.append({QStringLiteral("COMP byte order"), orderItems(), proposed.order == ByteOrder::BigEndian ? 0 : 1});
    lists.append({QStringLiteral("COMP-5, COMP-1, COMP-2 byte order"), orderItems(),
                  proposed.nativeOrder == ByteOrder::BigEndian ? 0 : 1});
    lists.append({QStringLiteral("Floating point"), {QStringLiteral("IEEE 754"), QStringLiteral("IBM hexadecimal")},
                  proposed.floats == FloatFormat::Ieee ? 0 : 1});

    const std::optional<QList<int>> chosen = dialogs.chooseOptions(
        QStringLiteral("Data file format"), QStringLiteral("How the records of %1 are written:").arg(fileName), lists);
    if (!chosen || chosen->size() != lists.size())
        return std::nullopt;
    const auto at = [&](int list) { return std::clamp(chosen->at(list), 0, static_cast<int>(lists[list].items.size()) - 1); };
    DataFormat format;
    format.encoding = at(0) == 0 ? std::string() : std::string(pages[static_cast<std::size_t>(at(0) - 1)]);
    format.sign = kSigns[at(1)];
    format.records = kRecords[at(2)];
    format.order = at(3) == 0 ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    format.nativeOrder = at(4) == 0 ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    format.floats = at(5) == 0 ? FloatFormat::Ieee : FloatFormat::IbmHex;
    return format;
}

std::optional<DataFormat> rememberedFormat(const QString &memoryPath, const std::string &dataPath)
{
    if (memoryPath.isEmpty())
        return std::nullopt;
    const Result<std::string> text = readFileBytes(QFile::encodeName(memoryPath).toStdString());
    if (!text)
        return std::nullopt;
    return RememberedFormats::parse(text.value()).find(dataPath);
}

void rememberFormat(const QString &memoryPath, const std::string &dataPath, const DataFormat &format)
{
    if (memoryPath.isEmpty() || !QFileInfo(memoryPath).absoluteDir().exists())
        return;
    const std::string path = QFile::encodeName(memoryPath).toStdString();
    const Result<std::string> text = readFileBytes(path);
    RememberedFormats remembered = RememberedFormats::parse(text ? text.value() : std::string());
    remembered.remember(dataPath, format);
    (void)writeFileSafely(path, remembered.text());
}

QString dataStatusText(const DataFile &file)
{
    const std::size_t count = file.recordCount();
    return QString::fromStdString(GroupedNumber(count)) + (count == 1 ? QStringLiteral(" record, ") : QStringLiteral(" records, ")) +
           QString::fromStdString(DescribeFormat(file.format()));
}

} // namespace norvane
