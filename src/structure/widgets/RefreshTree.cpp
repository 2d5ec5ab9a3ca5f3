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

void buildTree(DocumentWindow &child, DocumentHost &host)
{
    WaitCursor wait;
    host.setStatusPanel(1, QStringLiteral("loading TreeView..."));

    const Settings &settings = host.settings();
    const StructureTree scan =
        scanStructure(child.editor()->byteLines(), {settings.Pic01ShowOption, settings.ShowPerformOption});

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
    if (scan.nodes.empty())
        child.setTreeWidth(0);
    else
        child.fitTreeWidth();
    tree->endUpdate();
    child.showEditMode();
}

void refreshTree(DocumentWindow &child, DocumentHost &host)
{
    child.syncSuspended = true;
    buildTree(child, host);
    child.syncSuspended = false;
    child.editorSelectionChanged();
}

} // namespace norvane
