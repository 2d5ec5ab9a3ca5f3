#include "search/core/SearchMessages.h"

namespace norvane {

namespace {

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    result.append(text);
    result.push_back('"');
    return result;
}

} // namespace

std::string replaceAllStatus(bool inSelection, std::string_view findText, std::string_view replaceText)
{
    std::string text = inSelection ? "replacing SELECTED " : "replacing ALL ";
    text += quoted(findText);
    text += "with ";
    text += quoted(replaceText);
    text += "...";
    return text;
}

std::string replaceAllReport(bool inSelection, int count, std::string_view findText, std::string_view replaceText)
{
    std::string text = inSelection ? "Selected Text" : "All Text";
    text += '\n';
    text += std::to_string(count);
    text += " occurances of ";
    text += quoted(findText);
    text += '\n';
    text += "replaced with ";
    text += quoted(replaceText);
    return text;
}

std::string findingAllStatus(std::string_view findText)
{
    return "finding all " + quoted(findText) + "...";
}

std::string notFoundMessage(std::string_view findText)
{
    return quoted(findText) + " was not found";
}

} // namespace norvane
