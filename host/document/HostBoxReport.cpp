#include "host/document/HostBoxReport.h"

#include <charconv>
#include <iomanip>
#include <string>

#include "host/document/HostDocument.h"
#include "host/document/HostPageBoxes.h"

namespace {

// The shortest decimal that reads back as exactly `value`, never in exponent form: what a PDF number is.
std::string Number(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

std::string Numbers(const std::array<double, 4>& numbers) {
    return Number(numbers[0]) + " " + Number(numbers[1]) + " " + Number(numbers[2]) + " " + Number(numbers[3]);
}

std::string SourceOf(const HostPageBoxes::Box& box) {
    std::string source;
    if (box.source == HostPageBoxes::Source::Inherited) source = "inherited";
    if (box.source == HostPageBoxes::Source::Default) source = std::string("default: ") + box.defaultName;
    for (const std::string& value : box.malformed) source += (source.empty() ? "" : "; ") + ("malformed " + value);
    return source;
}

void PrintBox(std::ostream& out, const HostPageBoxes& boxes, const HostPageBoxes::Box& box) {
    out << "  " << std::left << std::setw(10) << box.name << " " << Numbers(box.stored);
    const std::string source = SourceOf(box);
    if (!source.empty()) out << " (" << source << ")";
    const std::array<double, 4> reader = boxes.ReaderRectangle(box);
    if (reader[0] > reader[2] || reader[1] > reader[3]) {
        out << ", a reader sees nothing of it: it lies off the MediaBox";
    } else if (reader != box.stored) {
        out << ", a reader uses " << Numbers(reader);
    }
    out << "\n";
}

}  // namespace

void HostBoxReport::Print(HostDocument& document, std::ostream& out) {
    for (int32_t number = 0; number < document.PageCount(); ++number) {
        const HostPageBoxes boxes(document.PageAt(number).dict);
        out << "page " << number + 1 << " (rotated " << boxes.Rotation();
        for (const std::string& note : boxes.RotationNotes()) out << "; Rotate " << note;
        out << ")\n";
        for (const char* name : HostPageBoxes::kNames) PrintBox(out, boxes, *boxes.Find(name));
    }
}
