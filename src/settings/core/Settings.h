#pragma once

#include <string>
#include <vector>

namespace norvane {

// The editor font as the settings keep it: a family name, a size in points and a style.
struct FontSpec {
    std::string name = "MS Sans Serif";
    int size = 8;
    bool bold = false;
    bool italic = false;
    // Kept so that a style the file cannot express is known to be one ("[]").
    bool underline = false;
    bool strikeOut = false;

    static constexpr int MinSize = 1;
    static constexpr int MaxSize = 1638;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

// The live settings of the program. There is one object for the whole run,
// owned by the main window and passed to whoever needs a setting; nobody keeps
// a copy of a value, every reader asks this object when it needs it.
struct Settings {
    bool UnixLineFeedOption = true;   // save new files in Unix format
    bool Pic01ShowOption = false;     // show 01 levels with PIC clause in tree view
    bool ShowPerformOption = false;   // show performed paragraphs/sections in tree view
    bool BigEndianOption = true;      // target system for data files is big endian
    bool TrailSpaceOption = false;    // strip trailing spaces on save
    bool optFatCarat = false;         // block caret
    bool StartOption = false;         // open dialog at start
    int IndentOption = 4;             // tab and indent length, 0 to 9
    int seRecent = 30;                // recent menu entries: 10, 20 or 30
    FontSpec editorFont;              // the font dialog's font
    bool colourSource = true;         // colour COBOL source
    bool columnGuides = true;         // column guides
    std::vector<int> guideColumns{7, 8, 12, 72}; // the columns that have a guide
    bool lineNumbers = true;          // line numbers
    std::vector<std::string> copybookFolders; // where COPY members are looked for after the program's folder

    static constexpr int MinIndent = 0;
    static constexpr int MaxIndent = 9;
    static constexpr int MinRecent = 10;
    static constexpr int MaxRecent = 30;
    static constexpr int MaxGuideColumn = 999;

    friend bool operator==(const Settings &, const Settings &) = default;
};

} // namespace norvane
