// The page boxes of a document for the user to see, as the host reads them (HostPageBoxes): each box's
// stored numbers, exactly, where they came from, the malformed values passed over, and the rectangle a PDF
// reader uses where that differs from what is stored. Reading changes nothing.
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
    //     TrimBox    612 0 0 792, a reader uses 0 0 612 792
    //     ArtBox     0 0 700 792 (malformed [0 0 612]), a reader uses 0 0 612 792
    static void Print(HostDocument& document, std::ostream& out);
};
