// A page's boxes and rotation as the host reads them: the one reading behind the host's entries, its page
// views and the box report, so that what a plug-in is told, what the view shows and what the user reads
// agree. Reading changes nothing.
//
// MediaBox and CropBox are the page's own or the nearest ancestor's well-formed value; BleedBox, TrimBox and
// ArtBox are the page's own only. A value that is not four numbers is malformed: it is passed over (the
// search goes on up the tree) and remembered for the report. Without a value a box takes its default: the
// MediaBox US Letter, the CropBox the MediaBox, the other three the CropBox. A PDF reader then uses each box
// normalised and cut to the MediaBox (ISO 32000-1, 14.11.2): the reader's rectangle.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

#include "HostTypes.h"

// The page a document without any usable MediaBox gets, as PDF readers commonly do: US Letter.
constexpr FixedRect kHostDefaultMediaBox = {0, 792 * kFixedOne, 612 * kFixedOne, 0};

class HostPageBoxes {
public:
    enum class Source { Own, Inherited, Default };
    struct Box {
        const char* name;  // "MediaBox"
        Source source;
        const char* defaultName;             // what a default stands for: "US Letter", "MediaBox", "CropBox"
        std::array<double, 4> stored;        // the array's numbers in its order (left, bottom, right, top)
        FixedRect rect;                      // the same as Fixed values, cut to the Fixed range
        std::vector<std::string> malformed;  // the values passed over, as PDF text
    };
    // In the report's order.
    static constexpr const char* kNames[] = {"MediaBox", "CropBox", "BleedBox", "TrimBox", "ArtBox"};

    explicit HostPageBoxes(QPDFObjectHandle page);

    // Null for a name that is none of the five boxes.
    const Box* Find(const std::string& name) const;
    const Box& Media() const { return m_boxes[0]; }
    // The box normalised and cut to the normalised MediaBox; left > right (or bottom > top) when nothing of
    // it lies on the MediaBox.
    std::array<double, 4> ReaderRectangle(const Box& box) const;

    // The page's rotation, 0, 90, 180 or 270: the page's own or the nearest ancestor's Rotate that is a whole
    // multiple of 90 (an integer, or a real without a fraction), brought into 0 to 359.
    int16_t Rotation() const { return m_rotation; }
    // The Rotate values passed over or brought into range, as PDF text, for the report.
    const std::vector<std::string>& RotationNotes() const { return m_rotationNotes; }

private:
    void Read(QPDFObjectHandle page, std::size_t index, bool inherited, const Box* fallback);
    void ReadRotation(QPDFObjectHandle page);

    std::array<Box, 5> m_boxes;
    int16_t m_rotation = 0;
    std::vector<std::string> m_rotationNotes;
};

// A box array: exactly four numbers, kept in the array's order (element 0 left, 1 bottom, 2 right, 3 top;
// a reversed array stays reversed), numbers beyond the Fixed range cut to it. None for anything else.
std::optional<FixedRect> HostBoxOf(QPDFObjectHandle value);
// A new direct array of four reals holding `box` in the same order.
QPDFObjectHandle HostBoxArray(const FixedRect& box);
