#pragma once

namespace norvane {

class DocumentHost;
class DocumentWindow;

// Rebuilds the document's structure tree from a scan of its whole text, records
// the DATA and PROCEDURE DIVISION lines and sizes the tree pane: a third of the
// window when the scan found anything, nothing otherwise.
void buildTree(DocumentWindow &child, DocumentHost &host);
// The Refresh tree command: builds the tree again, the caret's node and the
// commands brought up to date afterwards.
void refreshTree(DocumentWindow &child, DocumentHost &host);

} // namespace norvane
