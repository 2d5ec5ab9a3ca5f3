#include "structure/widgets/CopyMemberTrack.h"

#include "common/core/FileIO.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/Latin1.h"
#include "document/core/CopyMembers.h"
#include "document/core/SourceText.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "settings/core/Settings.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace norvane {

namespace {

// How many lines above the caret's one a COPY statement is looked for.
constexpr int CopyStatementLines = 64;

std::vector<CopyFolder> foldersFor(const DocumentWindow &child, DocumentHost &host)
{
    const std::string programFolder = child.filePath ? child.filePath->Dir : std::string();
    return copyFolders(programFolder, host.settings().copybookFolders,
                       std::getenv("COB_COPY_DIR"));
}

QString fromPath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

bool trackCopyMember(DocumentWindow &child, DocumentHost &host)
{
    SourceEditor &editor = *child.editorInUse();
    const int line = editor.lineFromChar(editor.selStart());
    const int byte = editor.selStart() - editor.lineIndex(line);
    // The statement may have begun on the lines above; those far above cannot matter.
    const int first = std::max(0, line - CopyStatementLines);
    std::vector<std::string> lines;
    for (int i = first; i <= line; ++i)
        lines.push_back(toBytes(editor.lineText(i)));
    const std::optional<CopyReference> reference = copyReferenceAt(lines, line - first, byte);
    if (!reference)
        return false;
    const Result<std::string> file = findCopyMember(reference->member, reference->literal, foldersFor(child, host));
    if (!file) {
        host.dialogs().message(Dialogs::Icon::Warning, QString::fromLocal8Bit(file.error()), Dialogs::Buttons::Ok);
        return true;
    }
    if (DocumentWindow *member = host.showSourceFile(fromPath(file.value())))
        member->editor()->setFocus();
    return true;
}

bool trackIntoCopyMembers(DocumentWindow &child, DocumentHost &host, const std::string &name)
{
    const std::vector<CopyFolder> folders = foldersFor(child, host);
    std::set<std::string> seen;
    for (const CopyReference &reference : copyReferences(child.editor()->byteLines())) {
        const Result<std::string> file = findCopyMember(reference.member, reference.literal, folders);
        if (!file || !seen.insert(file.value()).second)
            continue;
        const Result<std::string> bytes = readFileBytes(file.value());
        if (!bytes)
            continue;
        const std::optional<DefinitionPlace> place = findLevelEntry(splitSourceLines(bytes.value()), name);
        if (!place)
            continue;
        DocumentWindow *member = host.showSourceFile(fromPath(file.value()));
        if (member == nullptr)
            return true;
        SourceEditor &editor = *member->editor();
        editor.setSelection(editor.lineIndex(place->line) + place->start, static_cast<int>(name.size()));
        editor.scrollToContext(place->line);
        editor.setFocus();
        return true;
    }
    return false;
}

} // namespace norvane
