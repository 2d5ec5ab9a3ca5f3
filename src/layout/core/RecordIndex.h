#pragma once

#include "common/core/Result.h"
#include "layout/core/DataFormat.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

inline constexpr std::string_view kLengthNotMultiple = "This file's length is not a multiple of the record length";

// How a line-sequential record ends in the file.
enum class LineEnd : std::uint8_t { None, Lf, CrLf };

// Where each record of a data file lies, for its record format: computed for
// fixed-length records, found by one pass over the file for line-sequential
// records and records with descriptor words. Twelve bytes a record, so that
// the index of a million records costs little beside the file.
class RecordIndex {
public:
    // The records of the bytes. Fails when the bytes are not records of the
    // format and length: for fixed records the message explains the misfit
    // (see DescribeMisfit); a line or a described record longer than the
    // record length, or a descriptor word that is no descriptor, is named.
    [[nodiscard]] static Result<RecordIndex> scan(std::string_view bytes, RecordFormat format,
                                                  std::size_t recordLength);

    [[nodiscard]] RecordFormat format() const { return m_format; }
    [[nodiscard]] std::size_t count() const { return m_count; }
    // The record's own bytes, without descriptor word or line end; they may
    // be fewer than the record length for variable formats.
    [[nodiscard]] std::string_view record(std::string_view bytes, std::size_t index) const;
    [[nodiscard]] LineEnd lineEnd(std::size_t index) const;

private:
    RecordFormat m_format = RecordFormat::Fixed;
    std::size_t m_recordLength = 0;
    std::size_t m_count = 0;
    // Variable formats: where each record's bytes start (line end kind in
    // the top two bits), and how many there are.
    std::vector<std::uint64_t> m_starts;
    std::vector<std::uint32_t> m_lengths;
};

// The bytes of a record in its format: the descriptor word first, or the line
// end after it. Appended to out.
void AppendFramedRecord(std::string &out, std::string_view record, RecordFormat format, LineEnd lineEnd);

// The most bytes a record with a descriptor word can hold.
inline constexpr std::size_t kMaxRdwRecord = 0xFFFF - 4;

// What the bytes look like, as far as they tell.
struct FileGuess {
    bool lineSequential = false;    // every line fits the record length
    std::size_t lineEvery = 0;      // the lines' common length with the line end, when they all have one
    bool rdw = false;               // descriptor words chain through the whole file
    std::size_t rdwRecords = 0;
    bool ebcdic = false;            // most bytes are EBCDIC text and digits
};
[[nodiscard]] FileGuess GuessFile(std::string_view bytes, std::size_t recordLength);

// The format the bytes most likely have, starting from the given one: the
// record format the bytes show (descriptor words, then fixed when the length
// fits, then lines) and, for bytes that look like EBCDIC, code page 037 with
// EBCDIC signs. The byte orders are kept.
[[nodiscard]] DataFormat DetectFormat(std::string_view bytes, std::size_t recordLength, DataFormat start);

// Why a file of fixed records does not fit: "This file's length is not a
// multiple of the record length: the file has 10,005 bytes, a record 100, and
// 5 bytes are left over after 100 records." and what the bytes look like
// ("A line ends every 101 bytes: it looks like a line-sequential file.").
[[nodiscard]] std::string DescribeMisfit(std::string_view bytes, std::size_t recordLength);

// The record format the misfit suggests, when the bytes suggest one.
[[nodiscard]] std::optional<RecordFormat> SuggestedRecordFormat(const FileGuess &guess);

// A count with thousands separators: 1,000,000.
[[nodiscard]] std::string GroupedNumber(std::uint64_t n);

} // namespace norvane
