#include "settings/core/SettingsStore.h"

#include "common/core/FileIO.h"
#include "settings/core/LegacySettings.h"
#include "settings/core/RecentList.h"
#include "settings/core/SettingsFormat.h"

namespace norvane {

static std::string joined(const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items) {
        if (!text.empty())
            text += ", ";
        text += item;
    }
    return text;
}

std::vector<std::string> SettingsStore::load(const std::string &preferredFolder, const std::string &exeFolder,
                                             const FileProbe &probe)
{
    std::vector<std::string> messages;
    auto report = [&](const Result<void> &saved) {
        if (std::optional<std::string> message = messageToShow(saved))
            messages.push_back(std::move(*message));
    };

    const SettingsLocation location = locateSettingsFile(preferredFolder, exeFolder, probe);
    m_appDataDirExists = location.AppDataDirExists;
    m_iniExists = location.IniExists;
    m_iniPath = location.IniPath();
    m_newFormat = true;
    m_file = {};
    m_menu = {};
    m_savedBytes.reset();
    m_saveRefusal.reset();
    m_failureShown = false;

    if (m_iniExists) {
        const Result<std::string> bytes = readFileBytes(m_iniPath);
        if (!bytes) {
            // Work on in memory with the initial settings, and keep the file as it is.
            messages.push_back("The settings file could not be read (" + bytes.error() +
                               "). The program starts with the default settings and leaves the file as it is.");
            m_saveRefusal = "The settings are not saved, because the settings file " + m_iniPath +
                            " could not be read.";
            m_failureShown = true;
            m_file = SettingsFile::skeleton();
            return messages;
        }
        m_savedBytes = bytes.value();
        m_file = SettingsFile::fromBytes(bytes.value());
        // An empty file holds nothing to keep; it is written anew like a missing one.
        m_iniExists = m_file.lineCount() > 0;
        m_newFormat = m_file.isCurrentFormat();
        if (!m_newFormat && !hasLegacyShape(m_file)) {
            if (!setAsideUnknownFile(bytes.value(), messages))
                return messages;
        }
    }

    if (m_newFormat) {
        if (!m_iniExists)
            report(WriteSettings());
        const std::vector<std::string> unreadable = ReadSettings(m_file, m_settings);
        const std::vector<std::string> strayKeys = clearKeyLinesInRecentList(m_file);
        clearRepeatedRecentLines(m_file, m_file.recentStart());
        std::string message;
        if (!unreadable.empty())
            message = "Some settings in " + m_iniPath + " are missing or could not be read; " +
                      "their default values are used and saved: " + joined(unreadable) + ".";
        if (!strayKeys.empty())
            message += std::string(message.empty() ? "" : " ") + "Settings found among the recent files in " +
                       m_iniPath + " were removed from the list: " + joined(strayKeys) + ".";
        if (!message.empty())
            messages.push_back(std::move(message));
        completeSettingsFile(m_file, m_settings);
        rewriteValues(m_file, m_settings, unreadable);
        rebuildRecentMenu();
        report(save());
        return messages;
    }

    // Older format: read it, then write its values and recent files as a new file.
    const LegacyReadResult legacy = ReadLegacySettings(m_file, m_settings, probe.fileExists);
    if (!legacy.unreadable.empty())
        messages.push_back("Some settings in " + m_iniPath + " could not be read; their default values are used: " +
                           joined(legacy.unreadable) + ".");
    // The old file is brought up to date where it is; whether that works
    // matters only through the new file written next, whose result is reported.
    const bool repeated = clearRepeatedRecentLines(m_file, 1);
    if (legacy.linesRemoved || repeated)
        (void)save();
    rebuildRecentMenu();
    (void)save();

    m_newFormat = true;
    m_iniExists = false;
    if (m_appDataDirExists) {
        m_iniPath = settingsPathIn(preferredFolder);
        m_savedBytes.reset();
    }
    report(WriteSettings());
    WriteRecentList(m_file, m_menu);
    // Old lines naming one file twice ("PAY.CBL" and "PAY.CBL (read only)")
    // give it one entry in the new list.
    if (clearRepeatedRecentLines(m_file, m_file.recentStart()))
        rebuildRecentMenu();
    report(save());
    return messages;
}

bool SettingsStore::setAsideUnknownFile(const std::string &bytes, std::vector<std::string> &messages)
{
    const std::string keptAs = m_iniPath + ".unreadable";
    if (const Result<void> kept = writeFileSafely(keptAs, bytes); !kept) {
        // Without a copy the file is not overwritten: the program works on in
        // memory with the defaults, as with a file it cannot read.
        messages.push_back("The settings file " + m_iniPath + " is in no form Norvane reads, and no copy of it " +
                           "could be kept (" + kept.error() + "). The program starts with the default settings " +
                           "and leaves the file as it is.");
        m_saveRefusal = "The settings are not saved, because the settings file " + m_iniPath +
                        " is in no form Norvane reads.";
        m_failureShown = true;
        m_file = SettingsFile::skeleton();
        m_newFormat = true;
        return false;
    }
    messages.push_back("The settings file " + m_iniPath + " is in no form Norvane reads; the default settings " +
                       "are used and saved in it. Its old contents are kept in " + keptAs + ".");
    m_file = {};
    m_iniExists = false;
    m_newFormat = true;
    return true;
}

Result<void> SettingsStore::WriteSettings()
{
    norvane::WriteSettings(m_file, m_iniExists, m_settings, m_menu);
    // The lines are the settings file from now on, even if saving fails, so
    // that later changes build on them rather than on a fresh skeleton.
    m_iniExists = true;
    return save();
}

Result<void> SettingsStore::AddRecent(std::string_view caption)
{
    if (!norvane::AddRecent(m_file, caption, m_settings.seRecent))
        return {};
    rebuildRecentMenu();
    return save();
}

Result<void> SettingsStore::RemoveRecent(std::string_view path)
{
    if (!norvane::RemoveRecent(m_file, path))
        return {};
    rebuildRecentMenu();
    return save();
}

Result<void> SettingsStore::save()
{
    if (m_saveRefusal)
        return Error{*m_saveRefusal};
    std::string bytes = m_file.toBytes();
    if (m_savedBytes == bytes)
        return {};
    const Result<void> written = writeFileSafely(m_iniPath, bytes);
    if (!written)
        return Error{"The settings could not be saved (" + written.error() +
                     "). They stay in force until the program ends."};
    m_savedBytes = std::move(bytes);
    return {};
}

std::optional<std::string> SettingsStore::messageToShow(const Result<void> &saved)
{
    if (saved.ok()) {
        m_failureShown = false;
        return std::nullopt;
    }
    if (m_failureShown)
        return std::nullopt;
    m_failureShown = true;
    return saved.error();
}

} // namespace norvane
