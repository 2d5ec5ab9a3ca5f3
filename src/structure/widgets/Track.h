#pragma once

#include <functional>
#include <string>
#include <vector>

namespace norvane {

class Dialogs;
class DocumentHost;
class SourceEditor;
class StructureTreeView;
class DocumentWindow;

// Track jumps from the name under the caret of the editor in use to its
// paragraph or section (a tree node whose text begins with the name) or, failing
// that, to its definition between the DATA and PROCEDURE DIVISION headers. Each
// editor keeps its own history of the places Track started from; Back track
// returns to the latest. Names and reserved words count in any letter case, as
// COBOL reads them, and a tab takes its columns up to the next multiple of 8.
void track(DocumentWindow *child, DocumentHost &host);
void backTrack(DocumentWindow *child, DocumentHost &host);

// The line of the last node (in tree order) whose first words are the words,
// in any letter case; -1 when none.
[[nodiscard]] int findInTree(const StructureTreeView &tree, const std::vector<std::string> &words);

// The line of the first qualifying occurrence of the name between the DATA and
// PROCEDURE DIVISION headers, left selected; -1 after telling the user why not.
// Before saying so, lookElsewhere (when given) may find it elsewhere: then nothing is said.
int definitionSearch(const DocumentWindow &child, SourceEditor &editor, const std::string &name, Dialogs &dialogs,
                     const std::function<bool()> &lookElsewhere = {});

} // namespace norvane
