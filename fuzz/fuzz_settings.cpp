// The settings file, keyed or of the older format: read at start, recent
// files added and removed, settings changed and written; a second start reads
// back exactly those settings and recent files, without a complaint and
// without writing the file again.
// Input: the settings file, a NUL, then the changes.

#include "FuzzSupport.h"
#include "KnownFaults.h"

#include "settings/core/SettingsFile.h"
#include "settings/core/SettingsStore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace norvane;

namespace {

void checkLines(std::string_view bytes)
{
    const SettingsFile file = SettingsFile::fromBytes(bytes);
    FUZZ_CHECK(SettingsFile::fromBytes(file.toBytes()) == file);
    if (file.isCurrentFormat())
        FUZZ_CHECK(file.lineCount() == 0 || file.line(0) == SettingsKeys::FormatMarker);
}

std::string textFrom(FuzzedDataProvider &input, std::size_t most)
{
    std::string text = input.ConsumeRandomLengthString(most);
    return text.empty() ? std::string("x") : text;
}

void changeSettings(FuzzedDataProvider &input, Settings &settings)
{
    settings.UnixLineFeedOption = input.ConsumeBool();
    settings.Pic01ShowOption = input.ConsumeBool();
    settings.ShowPerformOption = input.ConsumeBool();
    settings.BigEndianOption = input.ConsumeBool();
    settings.TrailSpaceOption = input.ConsumeBool();
    settings.optFatCarat = input.ConsumeBool();
    settings.StartOption = input.ConsumeBool();
    settings.IndentOption = input.ConsumeIntegralInRange(Settings::MinIndent, Settings::MaxIndent);
    settings.seRecent = input.ConsumeIntegralInRange(Settings::MinRecent, Settings::MaxRecent);
    settings.editorFont.size = input.ConsumeIntegralInRange(FontSpec::MinSize, FontSpec::MaxSize);
    settings.editorFont.bold = input.ConsumeBool();
    settings.editorFont.italic = input.ConsumeBool();
    // The font dialog gives a family name of printable characters.
    std::string name = textFrom(input, 24);
    for (char &c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '_';
    }
    // No family is named like a key line of the file.
    if (name.front() == '[')
        name.front() = '_';
    settings.editorFont.name = name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [ini, changes] = fuzz::splitAtNul({reinterpret_cast<const char *>(data), size});
    checkLines(ini);

    const auto &scratch = fuzz::ScratchFolder::instance();
    scratch.clear();
    const std::filesystem::path preferred = scratch.path() / "preferred";
    const std::filesystem::path beside = scratch.path() / "beside";
    std::filesystem::create_directories(preferred);
    std::filesystem::create_directories(beside);
    const std::string iniPath = settingsPathIn(preferred.string() + "/");
    fuzz::writeWholeFile(iniPath, ini);

    Settings first;
    SettingsStore store(first);
    (void)store.load(preferred.string() + "/", beside.string() + "/");
    FUZZ_CHECK(store.IniPath() == iniPath);

    // The user's session: files closed and found gone, options changed.
    FuzzedDataProvider input(reinterpret_cast<const std::uint8_t *>(changes.data()), changes.size());
    for (int step = 0; step < 8 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
        case 1:
            FUZZ_CHECK(store.AddRecent("/src/" + textFrom(input, 32)).ok());
            break;
        case 2: {
            const int visible = store.recentMenu().visibleCount();
            if (visible > 0)
                FUZZ_CHECK(store.RemoveRecent(store.recentPathAt(input.ConsumeIntegralInRange(0, visible - 1)).path).ok());
            break;
        }
        default:
            changeSettings(input, first);
            FUZZ_CHECK(store.WriteSettings().ok());
            break;
        }
        FUZZ_CHECK(store.recentMenu().visibleCount() <= RecentMenu::Count);
    }
    FUZZ_CHECK(store.save().ok());
    const std::string saved = fuzz::readWholeFile(iniPath);
    FUZZ_CHECK(saved == store.file().toBytes());

    // The next start finds everything as it was left.
    Settings second;
    SettingsStore again(second);
    // A complaint at the first start was answered by putting the file right.
    const std::vector<std::string> messages = again.load(preferred.string() + "/", beside.string() + "/");
    FUZZ_CHECK_MSG(messages.empty() || fuzz::keyInsideLineHitsKnownFault(ini), messages.front());
    FUZZ_CHECK(second == first);
    for (int i = 0; i < RecentMenu::Count; ++i) {
        FUZZ_CHECK_MSG(again.recentMenu().at(i) == store.recentMenu().at(i) || fuzz::keyInsideLineHitsKnownFault(ini),
                       "recent entry " + std::to_string(i) + " was " + fuzz::printable(store.recentMenu().at(i).caption) +
                           ", reads back as " + fuzz::printable(again.recentMenu().at(i).caption));
    }
    const std::string reread = fuzz::readWholeFile(iniPath);
    FUZZ_CHECK_MSG(reread == saved || fuzz::keyInsideLineHitsKnownFault(ini), "a second start rewrote the settings file: " + fuzz::printable(saved) + " became " +
                                        fuzz::printable(reread));
    FUZZ_CHECK(scratch.entries() == (std::vector<std::string>{"beside", "preferred"}));
    return 0;
}
