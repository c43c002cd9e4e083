// The pages of a document, read from its page tree as it is: nothing is pushed down to the pages or
// repaired on the way, so reading never changes the document. A loop in the page tree is cut where a node
// comes round again, so a malformed tree cannot hang the host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

// Every page in page order, walking the tree from the catalog's Pages node. A node met a second time (a
// loop, or the same page listed twice) is skipped; kids that are not dictionaries are skipped, and so are
// those of another type than a page, with a line in `notes`. A HostError when the catalog has no page tree.
std::vector<QPDFObjectHandle> HostCollectPages(QPDF& pdf, std::vector<std::string>& notes);
