// A PDF file in memory that holds one page of a document as a page view shows it: the page's content and
// resources (its own or inherited), a MediaBox that is the area the view shows and the rotation the view
// reads. A renderer then shows exactly that area however the file's own boxes are stored, and the edits
// not yet saved count. Annotations are left out: the picture is of the page's own content.
#pragma once

#include <string>

#include "HostTypes.h"

class HostDocument;

class HostPageCopy {
public:
    // Fails with qpdf's exceptions when the page's objects cannot be read.
    static std::string Make(HostDocument& document, int32_t pageNumber, const FixedRect& shown, int rotation);
};
