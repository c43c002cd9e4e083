// The page boxes of a document as a PDF reader resolves them, for the user to see: each page's MediaBox and
// CropBox, its own or inherited through the page tree, and its BleedBox, TrimBox and ArtBox, which default
// to the CropBox, which defaults to the MediaBox. A box that is not four numbers is shown as malformed and
// stands for its default. Reading changes nothing.
#pragma once

#include <ostream>

class HostDocument;

class HostBoxReport {
public:
    // One block a page:
    //   page 1 (rotated 90)
    //     MediaBox   0 0 612 792 (inherited)
    //     CropBox    18 18 594 774
    //     BleedBox   18 18 594 774 (default: CropBox)
    static void Print(HostDocument& document, std::ostream& out);
};
