#include "layout/core/RecordIndex.h"

#include <algorithm>
#include <cstring>

namespace norvane {

namespace {

constexpr std::uint64_t kLineEndShift = 62;
constexpr std::uint64_t kStartMask = (std::uint64_t{1} << kLineEndShift) - 1;
// GuessFile looks at no more than this many bytes for the encoding.
constexpr std::size_t kSample = 1 << 16;
// Descriptor words read at most this many records deep to judge a file.
constexpr std::size_t kRdwProbe = 1'000'000'000;

std::size_t rdwLength(std::string_view bytes, std::size_t at)
{
    return static_cast<std::size_t>(static_cast<unsigned char>(bytes[at])) << 8 |
           static_cast<unsigned char>(bytes[at + 1]);
}

bool plausibleRdw(std::string_view bytes, std::size_t at, std::size_t recordLength)
{
    if (at + 4 > bytes.size() || bytes[at + 2] != '\0' || bytes[at + 3] != '\0')
        return false;
    const std::size_t length = rdwLength(bytes, at);
    return length > 4 && length - 4 <= recordLength && at + length <= bytes.size();
}

} // namespace

std::string GroupedNumber(std::uint64_t n)
{
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

Result<RecordIndex> RecordIndex::scan(std::string_view bytes, RecordFormat format, std::size_t recordLength)
{
    RecordIndex index;
    index.m_format = format;
    index.m_recordLength = recordLength;
    if (recordLength == 0)
        return Error{"The record definition has no bytes"};
    switch (format) {
    case RecordFormat::Fixed:
        if (bytes.size() % recordLength != 0)
            return Error{DescribeMisfit(bytes, recordLength)};
        index.m_count = bytes.size() / recordLength;
        return index;
    case RecordFormat::LineSequential: {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const void *found = std::memchr(bytes.data() + at, '\n', bytes.size() - at);
            const std::size_t newline =
                found != nullptr ? static_cast<std::size_t>(static_cast<const char *>(found) - bytes.data()) : bytes.size();
            std::size_t end = newline;
            LineEnd lineEnd = found != nullptr ? LineEnd::Lf : LineEnd::None;
            if (found != nullptr && end > at && bytes[end - 1] == '\r') {
                --end;
                lineEnd = LineEnd::CrLf;
            }
            if (end - at > recordLength)
                return Error{"Line " + GroupedNumber(index.m_starts.size() + 1) + " has " + GroupedNumber(end - at) +
                             " bytes, more than the record length of " + GroupedNumber(recordLength) +
                             ": this is not a line-sequential file of these records"};
            index.m_starts.push_back(static_cast<std::uint64_t>(at) |
                                     static_cast<std::uint64_t>(lineEnd) << kLineEndShift);
            index.m_lengths.push_back(static_cast<std::uint32_t>(end - at));
            at = found != nullptr ? newline + 1 : bytes.size();
        }
        break;
    }
    case RecordFormat::Rdw: {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const std::string record = GroupedNumber(index.m_starts.size() + 1);
            if (at + 4 > bytes.size() || bytes[at + 2] != '\0' || bytes[at + 3] != '\0' || rdwLength(bytes, at) < 4)
                return Error{"Record " + record + " at byte " + GroupedNumber(at + 1) +
                             " has no record descriptor word: this is not a file of variable records with descriptor words"};
            const std::size_t length = rdwLength(bytes, at) - 4;
            if (length > recordLength)
                return Error{"Record " + record + " has " + GroupedNumber(length) + " bytes, more than the record length of " +
                             GroupedNumber(recordLength)};
            if (at + 4 + length > bytes.size())
                return Error{"Record " + record + " is cut off: the file ends " + GroupedNumber(at + 4 + length - bytes.size()) +
                             " bytes before the record does"};
            index.m_starts.push_back(at + 4);
            index.m_lengths.push_back(static_cast<std::uint32_t>(length));
            at += 4 + length;
        }
        break;
    }
    }
    index.m_count = index.m_starts.size();
    index.m_starts.shrink_to_fit();
    index.m_lengths.shrink_to_fit();
    return index;
}

std::string_view RecordIndex::record(std::string_view bytes, std::size_t index) const
{
    if (m_format == RecordFormat::Fixed)
        return bytes.substr(index * m_recordLength, m_recordLength);
    return bytes.substr(static_cast<std::size_t>(m_starts[index] & kStartMask), m_lengths[index]);
}

LineEnd RecordIndex::lineEnd(std::size_t index) const
{
    if (m_format != RecordFormat::LineSequential)
        return LineEnd::None;
    return static_cast<LineEnd>(m_starts[index] >> kLineEndShift);
}

void AppendFramedRecord(std::string &out, std::string_view record, RecordFormat format, LineEnd lineEnd)
{
    switch (format) {
    case RecordFormat::Fixed:
        out += record;
        break;
    case RecordFormat::LineSequential:
        out += record;
        if (lineEnd == LineEnd::CrLf)
            out += "\r\n";
        else if (lineEnd == LineEnd::Lf)
            out += '\n';
        break;
    case RecordFormat::Rdw: {
        const std::size_t length = record.size() + 4;
        out += static_cast<char>(length >> 8 & 0xFF);
        out += static_cast<char>(length & 0xFF);
        out += '\0';
        out += '\0';
        out += record;
        break;
    }
    }
}

FileGuess GuessFile(std::string_view bytes, std::size_t recordLength)
{
    FileGuess guess;
    if (recordLength == 0 || bytes.empty())
        return guess;

    // Lines: every line, its line end aside, no longer than a record.
    if (std::memchr(bytes.data(), '\n', bytes.size()) != nullptr) {
        bool fits = true;
        std::size_t common = 0;
        bool allSame = true;
        std::size_t at = 0;
        while (at < bytes.size() && fits) {
            const void *found = std::memchr(bytes.data() + at, '\n', bytes.size() - at);
            const std::size_t next =
                found != nullptr ? static_cast<std::size_t>(static_cast<const char *>(found) - bytes.data()) + 1 : bytes.size();
            std::size_t content = next - at - (found != nullptr ? 1 : 0);
            if (found != nullptr && content > 0 && bytes[next - 2] == '\r')
                --content;
            fits = content <= recordLength;
            if (found != nullptr) {
                if (common == 0)
                    common = next - at;
                else if (common != next - at)
                    allSame = false;
            }
            at = next;
        }
        guess.lineSequential = fits;
        if (fits && allSame)
            guess.lineEvery = common;
    }

    // Descriptor words: a chain of them that ends exactly at the file's end.
    {
        std::size_t at = 0;
        std::size_t records = 0;
        while (at < bytes.size() && records < kRdwProbe && plausibleRdw(bytes, at, recordLength)) {
            at += rdwLength(bytes, at);
            ++records;
        }
        guess.rdw = at == bytes.size() && records > 0;
        guess.rdwRecords = guess.rdw ? records : 0;
    }

    // EBCDIC: spaces, digits and letters of EBCDIC (0x40 to 0xF9) make up
    // most of the bytes, and many lie above 0x7F, where ASCII text has none.
    const std::string_view sample = bytes.substr(0, kSample);
    std::size_t inRange = 0;
    std::size_t high = 0;
    for (const char c : sample) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x40 && byte <= 0xF9)
            ++inRange;
        if (byte >= 0x80 && byte <= 0xF9)
            ++high;
    }
    guess.ebcdic = inRange * 10 >= sample.size() * 8 && high * 5 >= sample.size();
    return guess;
}

DataFormat DetectFormat(std::string_view bytes, std::size_t recordLength, DataFormat start)
{
    const FileGuess guess = GuessFile(bytes, recordLength);
    if (guess.rdw && (guess.rdwRecords > 1 || recordLength == 0 || bytes.size() % recordLength != 0))
        start.records = RecordFormat::Rdw;
    else if (recordLength != 0 && bytes.size() % recordLength == 0)
        start.records = RecordFormat::Fixed;
    else if (guess.lineSequential)
        start.records = RecordFormat::LineSequential;
    if (guess.ebcdic) {
        if (!start.ebcdic())
            start.encoding = "IBM037";
        start.sign = SignConvention::Ebcdic;
    }
    return start;
}

std::optional<RecordFormat> SuggestedRecordFormat(const FileGuess &guess)
{
    if (guess.rdw)
        return RecordFormat::Rdw;
    if (guess.lineSequential)
        return RecordFormat::LineSequential;
    return std::nullopt;
}

std::string DescribeMisfit(std::string_view bytes, std::size_t recordLength)
{
    std::string text(kLengthNotMultiple);
    if (recordLength == 0)
        return text;
    const std::size_t records = bytes.size() / recordLength;
    const std::size_t left = bytes.size() % recordLength;
    text += ": the file has " + GroupedNumber(bytes.size()) + " bytes, a record " + GroupedNumber(recordLength) +
            ", and " + GroupedNumber(left) + (left == 1 ? " byte is" : " bytes are") + " left over after " +
            GroupedNumber(records) + (records == 1 ? " record." : " records.");
    const FileGuess guess = GuessFile(bytes, recordLength);
    if (guess.rdw)
        text += " It starts with record descriptor words that chain through the whole file (" +
                GroupedNumber(guess.rdwRecords) + " records): it looks like a file of variable records with descriptor words.";
    else if (guess.lineSequential && guess.lineEvery > 0)
        text += " A line ends every " + GroupedNumber(guess.lineEvery) + " bytes: it looks like a line-sequential file.";
    else if (guess.lineSequential)
        text += " Its lines are no longer than a record: it looks like a line-sequential file.";
    if (guess.ebcdic)
        text += " Most of its bytes are EBCDIC letters and digits: it looks like an EBCDIC file.";
    return text;
}

} // namespace norvane
