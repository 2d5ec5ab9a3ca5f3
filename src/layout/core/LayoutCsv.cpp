#include "layout/core/LayoutCsv.h"

#include "common/core/DocumentKind.h"

namespace norvane {

std::string ExportLayoutCsv(const LayoutTable &table)
{
    std::string csv;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < kLayoutColumnCount; ++column) {
            csv += '"';
            csv += table.cell(row, column);
            csv += '"';
            csv += column + 1 < kLayoutColumnCount ? "," : "\r\n";
        }
    }
    return csv;
}

std::string ProposedCsvName(std::string_view caption)
{
    std::string_view name = caption;
    if (hasPrefix(name, LayoutPrefix))
        name.remove_prefix(LayoutPrefix.size());
    const std::size_t length = name.rfind(" length ");
    if (length != std::string_view::npos)
        name = name.substr(0, length);
    return std::string(name) + ".csv";
}

std::string WithCsvExtension(std::string_view chosen)
{
    std::string name(chosen);
    if (!name.ends_with(".csv"))
        name += ".csv";
    return name;
}

} // namespace norvane
