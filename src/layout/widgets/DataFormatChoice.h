#pragma once

#include "layout/core/DataFormat.h"

#include <QString>

#include <optional>

namespace norvane {

class DataFile;
class Dialogs;

// The choice of a data file's format at Open: the small form that proposes
// one, and the per-file memory of what was chosen.

// Asks for the file's encoding, sign convention, record format, byte orders
// and floating-point format, proposing the given format. Nothing when the
// user cancels.
[[nodiscard]] std::optional<DataFormat> chooseDataFormat(Dialogs &dialogs, const QString &fileName,
                                                         const DataFormat &proposed);

// The format remembered for the data file in the memory file, if any. A
// memory file that cannot be read counts as empty.
[[nodiscard]] std::optional<DataFormat> rememberedFormat(const QString &memoryPath, const std::string &dataPath);
// Remembers the format for the data file; a memory file that cannot be
// written is left as it was (the choice is only not remembered).
void rememberFormat(const QString &memoryPath, const std::string &dataPath, const DataFormat &format);

// The status bar's text for a data window: the record count and the format.
[[nodiscard]] QString dataStatusText(const DataFile &file);

} // namespace norvane
