#pragma once

// Faults the fuzz targets have found that are being mended in other work.
// The targets pass over the inputs that reach them, so that a run still
// explores everything else; their reproducers are kept in fuzz/known/. With
// NORVANE_FUZZ_KNOWN_FAULTS set in the environment nothing is passed over:
// scripts/fuzz.sh runs the reproducers so to tell whether a fault is still
// there, and says when a check below can go.

#include "layout/core/DataColumns.h"
#include "layout/core/DataCsv.h"
#include "layout/core/DisplayField.h"
#include "layout/core/Picture.h"
#include "settings/core/Settings.h"
#include "settings/core/SettingsFile.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace norvane::fuzz {

inline bool passOverKnownFaults()
{
    static const bool pass = std::getenv("NORVANE_FUZZ_KNOWN_FAULTS") == nullptr;
    return pass;
}

// Numeric editing of a picture with zero suppression and a trailing sign reads
// before the start of its text when the field has room for the sign alone
// (FormatField("", "Z-", 1, ...)). Reproducer: known/fuzz_codecs/format-z-sign.
inline bool formatFieldHitsKnownFault(const DisplayPicture &picture, int length, FieldMode mode)
{
    if (!passOverKnownFaults() || picture.alphanumeric)
        return false;
    const int room = length + (mode == FieldMode::Grid ? (picture.isSigned ? 1 : 0) + (picture.hasV ? 1 : 0) : 0);
    return room == 1 && picture.zIntegerCount > 0 && (picture.endsWithSign || picture.trailingFloatingSign);
}

// An empty cell passes the cell checks, but a binary or packed field whose
// picture the codec refuses cannot store it: EncodeCell fails after CheckCell
// said yes, and "norvane-cli data --write" ends with std::bad_variant_access.
// Reproducers: known/fuzz_codecs/empty-cell-bad-picture,
// known/fuzz_data_csv/empty-cell-bad-picture.
inline bool emptyCellHitsKnownFault(const DataColumn &column)
{
    return passOverKnownFaults() &&
           ((column.usage == Usage::Binary && !column.comp) || (column.usage == Usage::Packed && !column.packed));
}

inline bool dataWriteHitsKnownAbort(const std::vector<DataColumn> &columns, std::string_view csv)
{
    if (std::none_of(columns.begin(), columns.end(), emptyCellHitsKnownFault))
        return false;
    CsvReader reader(csv);
    for (int row = 0; row < 100000; ++row) {
        Result<std::optional<std::vector<std::string>>> cells = reader.next();
        if (!cells || !cells.value())
            return false;
        const std::vector<std::string> &values = *cells.value();
        for (std::size_t i = 1; i < values.size() && i <= columns.size(); ++i) {
            if (values[i].empty() && emptyCellHitsKnownFault(columns[i - 1]))
                return true;
        }
    }
    return true;
}

// Numeric-edited display pictures are edited in ways that do not always read
// back to text that stores the same bytes again (" +000" in S9(2)+-1 reads
// back as "  +00"): the editing of such pictures is being redone. Reproducer:
// known/fuzz_codecs/edited-picture-restore.
inline bool editedPictureRestoreHitsKnownFault(const DataColumn &column)
{
    if (!passOverKnownFaults() || column.usage != Usage::Display)
        return false;
    const Result<PictureClass> kind = ClassifyPicture(column.picture);
    return !kind || kind.value() == PictureClass::NumericEdited;
}

// Pictures a compiler rejects are laid out without a complaint when their
// symbols are known ones in the wrong place ("2S9(2)": a digit symbol outside
// a repeat count, an S that is not first; "S9(2)(0)": a repeat count of 0 or
// one after another; "S(39)9": a repeated S or V, a parenthesis left over);
// their fields then store text in ways that do not read
// back ("-" reads back as " 00"). Such entries are to get a message naming
// them. The value checks apply to other pictures. Reproducers:
// known/fuzz_codecs/sign-not-first, zero-repeat-count, repeated-sign.
inline bool rejectedPictureHitsKnownFault(std::string_view picture)
{
    if (!passOverKnownFaults())
        return false;
    bool inRepeat = false;
    bool zeroCount = true;
    char previous = '\0';
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '(') {
            const char repeated = static_cast<char>(previous & ~0x20); // upper case
            if (previous == ')' || previous == '\0' || repeated == 'S' || repeated == 'V')
                return true;
            inRepeat = true;
            zeroCount = true;
        } else if (c == ')') {
            if (!inRepeat || zeroCount)
                return true;
            inRepeat = false;
        } else if (inRepeat) {
            zeroCount = zeroCount && c == '0';
        } else if ((c >= '1' && c <= '8') || ((c == 'S' || c == 's') && i > 0)) {
            return true;
        }
        previous = c;
    }
    return false;
}

// A settings value that cannot be read is reported at start and its default
// used, but the file keeps the value, so the same complaint comes at every
// start until the settings are written. Reproducer:
// known/fuzz_settings/garbage-values-again.
inline bool settingsComplaintHitsKnownFault(bool complainedAtFirstStart, bool settingsWritten)
{
    return passOverKnownFaults() && complainedAtFirstStart && !settingsWritten;
}

inline bool isKeyLine(std::string_view line)
{
    namespace K = SettingsKeys;
    static constexpr std::string_view keys[] = {K::FormatMarker, K::UnixLineFeed, K::BigEndian, K::TrailSpace,
                                                K::FatCarat,     K::Start,        K::Pic01Show, K::ShowPerform,
                                                K::Indent,       K::RecentSize,   K::FontName,  K::FontSize,
                                                K::FontStyle,    K::RecentList};
    return std::find(std::begin(keys), std::end(keys), line) != std::end(keys);
}

// A key line among the recent lines is read as a setting when its own key
// line is missing above; once the recent list moves it away, the next start
// adds the key again and rewrites the file. Reproducer:
// known/fuzz_settings/key-line-among-recent.
inline bool recentKeyLineHitsKnownFault(const SettingsFile &file)
{
    if (!passOverKnownFaults() || file.recentStart() < 0)
        return false;
    for (int i = file.recentStart(); i < file.lineCount(); ++i) {
        if (isKeyLine(file.line(i)))
            return true;
    }
    return false;
}

// Random bytes taken for the older format can give a font name that is a key
// line ("[Norvane]"); written into the keyed format it reads as a key whose
// value is missing, and every start inserts one more line. Reproducer:
// known/fuzz_settings/font-name-is-a-key.
inline bool fontNameHitsKnownFault(const Settings &settings)
{
    return passOverKnownFaults() && isKeyLine(settings.editorFont.name);
}

} // namespace norvane::fuzz
