#include "structure/widgets/RefreshTree.h"

#include "common/widgets/Latin1.h"
#include "common/widgets/WaitCursor.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "settings/core/Settings.h"
#include "structure/core/StructureScan.h"
#include "structure/widgets/StructureTreeView.h"


namespace norvane {

StructureTree scanTree(DocumentHost &host, std::string_view text)
{
    WaitCursor wait;
    host.setStatusPanel(1, QStringLiteral("loading TreeView..."));
    const Settings &settings = host.settings();
    return scanStructure(text, {settings.Pic01ShowOption, settings.ShowPerformOption});
}

void fitTreePane(DocumentWindow &child, const StructureTree &scan)
{
    if (scan.nodes.empty())
        child.setTreeWidth(0);
    else
        child.fitTreeWidth();
}

void showTree(DocumentWindow &child, DocumentHost &host, const StructureTree &scan)
{
    WaitCursor wait;
    host.setStatusPanel(1, QStringLiteral("loading TreeView..."));
    StructureTreeView *tree = child.structureTree();
    tree->clearNodes();
    tree->beginUpdate();
    std::vector<StructureTreeView::Node> created;
    created.reserve(scan.nodes.size());
    for (const StructureNode &node : scan.nodes) {
        const QString text = toQString(node.text);
        created.push_back(node.parent < 0
                              ? tree->addRoot(text, node.line)
                              : tree->addChild(created[static_cast<std::size_t>(node.parent)], text, node.line));
        if (node.expanded)
            tree->expandNode(created.back());
    }
    child.dataDivisionLine = scan.DataDivisionLine;
    child.procedureDivisionLine = scan.ProcedureDivisionLine;
    fitTreePane(child, scan);
    tree->endUpdate();
    child.showEditMode();
}

void buildTree(DocumentWindow &child, DocumentHost &host)
{
    // The whole text in one buffer, scanned in place: no copy per line.
    showTree(child, host, scanTree(host, child.editor()->textBytes()));
}

void refreshTree(DocumentWindow &child, DocumentHost &host)
{
    child.syncSuspended = true;
    buildTree(child, host);
    child.syncSuspended = false;
    child.editorSelectionChanged();
}

} // namespace norvane
