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

// A settings value that cannot be read is reported at start and its default
// used, but the file keeps the value, so the same complaint comes at every
// start until the settings are written. Reproducer:
// known/fuzz_settings/garbage-values-again.
inline bool settingsComplaintHitsKnownFault(bool complainedAtFirstStart, bool settingsWritten)
{
    return passOverKnownFaults() && complainedAtFirstStart && !settingsWritten;
}

} // namespace norvane::fuzz
