#include "layout/core/LayoutRow.h"

namespace norvane {

std::string LayoutRow::cell(int column) const
{
    switch (column) {
    case LevelColumn:
        return level;
    case FieldColumn:
        return field;
    case PicColumn:
        return pic;
    case UsageColumn:
        return usageName.empty() ? std::string(UsageText(usage)) : usageName;
    case OccurenceColumn:
        return occurrence > 0 ? std::to_string(occurrence) : std::string();
    case OffsetColumn:
        return std::to_string(offset);
    case RedefinesColumn:
        return redefines;
    default:
        return {};
    }
}

} // namespace norvane
