#pragma once

#include <QString>

namespace norvane {

class Dialogs;

// Save dialogs are told not to ask before overwriting, so the program asks
// itself, through Dialogs: a save onto a file that exists goes ahead only
// when the user agrees. True when there is no such file or the user said OK.
[[nodiscard]] bool mayReplaceFile(Dialogs &dialogs, const QString &path);

} // namespace norvane
