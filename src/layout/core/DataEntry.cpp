#include "layout/core/DataEntry.h"

#include "layout/core/Words.h"

#include <array>

namespace norvane {

namespace {

// Words that begin a clause; when one stands where the name belongs, the entry
// has no name (an implicit FILLER).
bool isClauseWord(std::string_view word)
{
    static constexpr std::array<std::string_view, 17> kWords = {
        "PIC",  "PICTURE", "USAGE",   "OCCURS", "VALUE", "VALUES",   "SIGN",         "LEADING",  "TRAILING",
        "SYNC", "SYNCHRONIZED", "JUST", "JUSTIFIED", "BLANK", "GLOBAL", "EXTERNAL", "BASED",
    };
    for (std::string_view clause : kWords) {
        if (EqualsKeyword(word, clause))
            return true;
    }
    return UsageFromWord(word).has_value() || IsUnsupportedUsageWord(word);
}

} // namespace

bool DataEntry::isElementary() const
{
    return !picture.empty() || !unsupportedUsage.empty() || usageBytes > 0 || (usage && FixedUsageSize(*usage) > 0);
}

std::optional<int> LevelNumber(std::string_view token)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (token.size() == 1 && token[0] >= '1' && token[0] <= '9')
        return token[0] - '0';
    if (token.size() == 2 && token[0] >= '0' && token[0] <= '4' && digit(token[1]))
        return (token[0] - '0') * 10 + (token[1] - '0');
    return std::nullopt;
}

Result<std::optional<DataEntry>> RecognizeEntry(const Statement &statement)
{
    const std::vector<std::string> &tokens = statement.tokens;
    if (tokens.empty())
        return std::optional<DataEntry>();
    const std::optional<int> level = LevelNumber(tokens[0]);
    if (!level)
        return std::optional<DataEntry>();

    DataEntry entry;
    entry.unclosedLiteral = statement.unclosedLiteral;
    entry.levelText = tokens[0];
    entry.level = *level;
    const auto token = [&tokens](std::size_t i) -> std::string_view {
        return i < tokens.size() ? std::string_view(tokens[i]) : std::string_view();
    };
    const auto is = [&token](std::size_t i, std::string_view keyword) { return EqualsKeyword(token(i), keyword); };

    const auto takeUsage = [&](const UsageSpelling &usage, std::size_t at) {
        entry.usage = usage.usage;
        entry.usageWord = token(at);
        entry.usageBytes = usage.bytes;
        entry.usageNative = usage.native;
        if (usage.bytes > 0 && usage.usage == Usage::Binary && is(at + 1, "UNSIGNED"))
            entry.usageUnsigned = true;
    };

    std::size_t i = 1;
    if (i < tokens.size() && !isClauseWord(tokens[i]))
        entry.name = tokens[i++];
    else
        entry.name = "FILLER";

    while (i < tokens.size()) {
        const std::string_view word = tokens[i];
        if (is(i, "REDEFINES")) {
            entry.redefines = token(i + 1);
            i += 2;
        } else if (is(i, "PIC") || is(i, "PICTURE")) {
            std::size_t j = i + 1;
            if (is(j, "IS"))
                ++j;
            entry.picture = token(j);
            i = j + 1;
        } else if (is(i, "USAGE")) {
            std::size_t j = i + 1;
            if (is(j, "IS"))
                ++j;
            if (std::optional<UsageSpelling> usage = UsageSpellingFromWord(token(j)))
                takeUsage(*usage, j);
            else
                entry.unsupportedUsage = token(j);
            i = j + 1;
        } else if (std::optional<UsageSpelling> usage = UsageSpellingFromWord(word)) {
            takeUsage(*usage, i);
            ++i;
        } else if (IsUnsupportedUsageWord(word)) {
            entry.unsupportedUsage = word;
            ++i;
        } else if (is(i, "OCCURS")) {
            std::size_t j = i + 1;
            Result<std::int64_t> count = ToCount(token(j));
            if (!count)
                return Error{count.error()};
            if (is(j + 1, "TO")) { // OCCURS n TO m DEPENDING ON: storage for the most
                j += 2;
                count = ToCount(token(j));
                if (!count)
                    return Error{count.error()};
            }
            entry.occurs = count.value();
            i = j + 1;
        } else if (is(i, "SIGN") || is(i, "LEADING") || is(i, "TRAILING")) {
            std::size_t j = i + 1;
            if (is(i, "SIGN")) {
                if (is(j, "IS"))
                    ++j;
                if (is(j, "LEADING") || is(j, "TRAILING"))
                    ++j;
            }
            entry.signLeading = is(i, "LEADING") || (is(i, "SIGN") && is(j - 1, "LEADING"));
            entry.signSeparate = is(j, "SEPARATE");
            if (*entry.signSeparate && is(++j, "CHARACTER"))
                ++j;
            i = j;
        } else if (is(i, "DEPENDING")) {
            const std::size_t name = is(i + 1, "ON") ? i + 2 : i + 1;
            entry.dependingOn = ToUpperAscii(token(name));
            i = name + 1;
        } else if (is(i, "BLANK")) {
            entry.blankWhenZero = true;
            i += is(i + 1, "WHEN") ? 3 : 2;
        } else if (is(i, "SYNC") || is(i, "SYNCHRONIZED")) {
            entry.synchronized = true;
            ++i;
        } else {
            ++i; // VALUE and its literal, TIMES, DEPENDING ON, INDEXED BY, KEY IS ...
        }
    }
    return std::optional<DataEntry>(std::move(entry));
}

} // namespace norvane
