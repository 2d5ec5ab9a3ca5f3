#include "layout/core/Offsets.h"

#include "layout/core/Words.h"

#include <algorithm>
#include <optional>

namespace norvane {

namespace {

// The row a redefinition overlays: the nearest earlier row of its level with
// the redefined name, else (a name we do not find) the nearest earlier row of
// its level; when that is a later occurrence of a repeated item, its first.
std::optional<std::size_t> redefinedRow(const std::vector<LayoutRow> &rows, std::size_t r)
{
    const int level = rows[r].levelNumber;
    std::optional<std::size_t> found;
    std::optional<std::size_t> named;
    for (std::size_t k = r; k-- > 0 && rows[k].levelNumber >= level;) {
        if (rows[k].levelNumber != level)
            continue;
        if (!found)
            found = k;
        if (EqualsKeyword(rows[k].field, ToUpperAscii(rows[r].redefines))) {
            named = k;
            break;
        }
    }
    if (named)
        found = named;
    else if (!found) {
        for (std::size_t k = r; k-- > 0;) {
            if (rows[k].levelNumber == level) {
                found = k;
                break;
            }
        }
    }
    if (!found)
        return found;
    std::size_t k = *found;
    while (rows[k].occurrence > 1) {
        std::optional<std::size_t> previous;
        for (std::size_t j = k; j-- > 0;) {
            if (rows[j].levelNumber <= level) {
                previous = j;
                break;
            }
        }
        if (!previous || rows[*previous].levelNumber != level || rows[*previous].field != rows[k].field
            || rows[*previous].occurrence != rows[k].occurrence - 1)
            break;
        k = *previous;
    }
    return k;
}

bool isAligned(const LayoutRow &row)
{
    return row.synchronized && row.elementary && row.size > 0
        && (row.usage == Usage::Binary || row.usage == Usage::Float4 || row.usage == Usage::Float8);
}

// Group rows span from their offset to the end of their last item.
void measureGroups(std::vector<LayoutRow> &rows)
{
    struct Open {
        std::size_t row;
        std::int64_t end;
    };
    std::vector<Open> open;
    const auto close = [&rows](const Open &group) {
        LayoutRow &row = rows[group.row];
        row.size = std::max<std::int64_t>(0, group.end - row.offset);
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        while (!open.empty() && rows[open.back().row].levelNumber >= rows[r].levelNumber) {
            close(open.back());
            open.pop_back();
        }
        if (rows[r].elementary) {
            for (Open &group : open)
                group.end = std::max(group.end, rows[r].offset + rows[r].size);
        } else {
            open.push_back({r, rows[r].offset});
        }
    }
    for (const Open &group : open)
        close(group);
}

} // namespace

std::string ComputeOffsets(std::vector<LayoutRow> &rows, TRecData &recData)
{
    std::string message;
    std::int64_t next = 1;
    // Redefinitions under way: their level and where the area they overlay ends.
    struct Overlay {
        int level;
        std::int64_t areaEnd;
    };
    std::vector<Overlay> overlays;

    for (std::size_t r = 0; r < rows.size(); ++r) {
        LayoutRow &row = rows[r];
        while (!overlays.empty() && overlays.back().level >= row.levelNumber) {
            next = std::max(next, overlays.back().areaEnd);
            overlays.pop_back();
        }
        if (!row.redefines.empty() || row.recordRedefinition) {
            std::int64_t start = 1;
            if (std::optional<std::size_t> k = redefinedRow(rows, r))
                start = rows[*k].offset;
            else if (!row.recordRedefinition && !row.hidden)
                message = kRedefinesUnselected;
            overlays.push_back({row.levelNumber, next});
            next = start;
        }
        // The slack before a synchronized item belongs to its group, which
        // keeps the unaligned offset (as GnuCOBOL lays it out).
        if (isAligned(row))
            next = 1 + (next - 1 + row.size - 1) / row.size * row.size;
        row.offset = next;
        if (row.elementary)
            next += row.size;
        if (!row.message.empty() && !row.hidden)
            message = row.message;
    }
    for (const Overlay &overlay : overlays)
        next = std::max(next, overlay.areaEnd);

    measureGroups(rows);
    recData.NextOffset = next;
    recData.RecordLength = next - 1;
    return message;
}

} // namespace norvane
