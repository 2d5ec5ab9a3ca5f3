#pragma once

#include "structure/core/StructureTree.h"

#include <string_view>

namespace norvane {

class DocumentHost;
class DocumentWindow;

// The structure scan of a text with the tree options of the settings, the
// hourglass and "loading TreeView..." showing meanwhile.
[[nodiscard]] StructureTree scanTree(DocumentHost &host, std::string_view text);
// Sizes the tree pane for a scan: a third of the window when it found
// anything, nothing otherwise.
void fitTreePane(DocumentWindow &child, const StructureTree &scan);
// Fills the document's structure tree with a scan, records the DATA and
// PROCEDURE DIVISION lines and sizes the tree pane.
void showTree(DocumentWindow &child, DocumentHost &host, const StructureTree &scan);
// Rebuilds the document's structure tree from a scan of its whole text.
void buildTree(DocumentWindow &child, DocumentHost &host);
// The Refresh tree command: builds the tree again, the caret's node and the
// commands brought up to date afterwards.
void refreshTree(DocumentWindow &child, DocumentHost &host);

} // namespace norvane
