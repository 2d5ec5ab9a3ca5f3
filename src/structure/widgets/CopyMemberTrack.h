#pragma once

#include <string>

namespace norvane {

class DocumentHost;
class DocumentWindow;

// Track into the members a program copies.
//
// On the name in a COPY statement, the member's file opens in its own tab (or
// its tab comes to the front); a member not found is explained with every
// folder looked in. True when the caret stood on a member's name, so Track has
// nothing else to do; false, and nothing said, otherwise.
bool trackCopyMember(DocumentWindow &child, DocumentHost &host);

// A name the program itself does not define: the first member it copies whose
// data description entries define the name opens with the name selected.
// False, and nothing said, when no member defines it.
bool trackIntoCopyMembers(DocumentWindow &child, DocumentHost &host, const std::string &name);

} // namespace norvane
