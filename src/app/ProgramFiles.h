#pragma once

#include <QString>

namespace norvane {

// Where the program's own files are. In a build folder, or a program folder
// copied as a whole, readme.txt and the manual (help/manual.html) lie beside
// the executable, and so does the settings file. An installed program finds
// them in its data folder (../share/norvane from bin/) and keeps its settings
// in the per-user folder, since the program's folder is not the user's.
class ProgramFiles {
public:
    // Looks beside the program first, then in the installed data folder. When
    // neither holds the files the folder beside the program is named, so that
    // a message about a missing file names the place it was looked for.
    [[nodiscard]] static ProgramFiles locate(const QString &programFolder);

    [[nodiscard]] const QString &programFolder() const { return m_programFolder; }
    // The folder that holds readme.txt and help/.
    [[nodiscard]] const QString &documentFolder() const { return m_documentFolder; }
    [[nodiscard]] QString readmePath() const;
    [[nodiscard]] QString manualPath() const;
    // True when the files were found in the installed data folder.
    [[nodiscard]] bool isInstalled() const { return m_installed; }

    // The folder where a new settings file goes when the per-user folder holds
    // none: beside the program, unless the program is installed or its folder
    // cannot be written; then the per-user folder, which is made for it. With
    // APPDATA set the per-user folder is never made (and the program's folder
    // is kept), as the settings of that platform expect.
    [[nodiscard]] QString settingsFallbackFolder(const QString &userSettingsFolder) const;

private:
    QString m_programFolder;
    QString m_documentFolder;
    bool m_installed = false;
};

} // namespace norvane
