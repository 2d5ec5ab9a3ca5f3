#include "common/core/PathName.h"

namespace norvane {

bool isPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

static std::size_t afterLastSeparator(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1]))
            return i;
    }
    return 0;
}

void TPathName::Clear()
{
    Dir.clear();
    FileName.clear();
    BaseName.clear();
    Ext.clear();
}

void TPathName::SetPath(std::string_view path)
{
    Clear();
    const std::size_t k = afterLastSeparator(path);
    Dir = path.substr(0, k);
    FileName = path.substr(k);
    const std::size_t dot = FileName.find('.');
    BaseName = FileName.substr(0, dot);
    if (dot != std::string::npos)
        Ext = FileName.substr(dot);
}

std::string FileNameOf(std::string_view path)
{
    return std::string(path.substr(afterLastSeparator(path)));
}

} // namespace norvane
