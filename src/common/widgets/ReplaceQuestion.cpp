#include "common/widgets/ReplaceQuestion.h"

#include "common/widgets/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace norvane {

bool mayReplaceFile(Dialogs &dialogs, const QString &path)
{
    // A link to nothing is no file to lose.
    if (!QFileInfo::exists(path))
        return true;
    const QString question = QDir::toNativeSeparators(path) + QStringLiteral("\nalready exists. Replace it?");
    return dialogs.message(Dialogs::Icon::Confirmation, question, Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok;
}

} // namespace norvane
