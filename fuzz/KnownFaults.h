#pragma once

// Faults the fuzz targets have found that are being mended in other work.
// The targets pass over the inputs that reach them, so that a run still
// explores everything else; their reproducers are kept in fuzz/known/. With
// NORVANE_FUZZ_KNOWN_FAULTS set in the environment nothing is passed over:
// scripts/fuzz.sh runs the reproducers so to tell whether a fault is still
// there, and says when a check below can go.

#include "layout/core/DataColumns.h"
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

// Found by the fuzz targets and not yet filed: a display field's bytes that
// are not a value are shown as they stand, and can then look exactly like the
// value other bytes hold ("00" and ".0" in a PIC V90 field both show as
// ".0"). The grid's text (the CSV of "norvane-cli data") is then written back
// as the other bytes. Reproducer: known/fuzz_codecs/shown-text-ambiguous.
inline bool shownTextHitsKnownFault(const DataColumn &column, std::string_view bytes, ByteOrder order)
{
    if (!passOverKnownFaults() || column.usage != Usage::Display)
        return false;
    const std::string shown = DecodeCell(column, bytes, order);
    return shown.size() == column.size && shown != bytes && DecodeCell(column, shown, order) == shown;
}

// Found by the fuzz targets and not yet filed: a data file saved in the other
// byte order turns its COMP fields round but not its COMP-1 and COMP-2
// fields, which the float codec reads in the file's order, so their values
// change. Reproducer: known/fuzz_data_file/float-other-byte-order.
inline bool floatsInOtherOrderHitKnownFault(const std::vector<DataColumn> &columns, ByteOrder from, ByteOrder to)
{
    return passOverKnownFaults() && from != to && std::any_of(columns.begin(), columns.end(), [](const DataColumn &c) {
               return c.usage == Usage::Float4 || c.usage == Usage::Float8;
           });
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

// Found by the fuzz targets and not yet filed: with the same path on two
// recent lines (a file edited by hand, random bytes), a smaller list size
// empties the first of them for the entry of the second, while the Recent
// menu keeps showing the first; the next start shows another list.
// Reproducer: known/fuzz_settings/duplicate-recent-lines.
inline bool duplicateRecentLinesHitKnownFault(const SettingsFile &file)
{
    if (!passOverKnownFaults() || file.recentStart() < 0)
        return false;
    std::vector<std::string_view> paths;
    for (int i = file.recentStart(); i < file.lineCount(); ++i) {
        if (!file.line(i).empty())
            paths.emplace_back(file.line(i));
    }
    std::sort(paths.begin(), paths.end());
    return std::adjacent_find(paths.begin(), paths.end()) != paths.end();
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
