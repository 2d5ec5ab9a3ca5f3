#include "common/core/DocumentKind.h"

namespace norvane {

bool hasPrefix(std::string_view caption, std::string_view prefix)
{
    return caption.size() >= prefix.size() && caption.substr(0, prefix.size()) == prefix;
}

DocumentKind kindOfCaption(std::string_view caption)
{
    if (hasPrefix(caption, DataPrefix))
        return DocumentKind::Data;
    if (hasPrefix(caption, LayoutPrefix))
        return DocumentKind::Layout;
    return DocumentKind::Source;
}

bool isBlankCaption(std::string_view caption)
{
    return hasPrefix(caption, BlankPrefix);
}

std::string sourceCaption(std::string_view path, bool readOnly)
{
    std::string caption(path);
    if (readOnly)
        caption += ReadOnlySuffix;
    return caption;
}

std::string withoutReadOnlySuffix(std::string_view caption)
{
    if (caption.size() >= ReadOnlySuffix.size() && caption.substr(caption.size() - ReadOnlySuffix.size()) == ReadOnlySuffix)
        caption.remove_suffix(ReadOnlySuffix.size());
    return std::string(caption);
}

} // namespace norvane
