// Small real PDF files for the document tests, written object by object with an exact cross-reference
// table, so that a malformed page tree reaches the host exactly as written; and the command-line tools (qpdf,
// pdfinfo) that judge the files the host writes.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include "HostTypes.h"
#include "PluginFolder.h"

// A PDF file whose objects are numbered from 1 in the order given; object 1 is the catalog.
inline std::string PdfText(const std::vector<std::string>& objects) {
    std::string text = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(text.size());
        text += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = text.size();
    text += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        text += line;
    }
    text += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
    return text;
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WritePdf(const std::string& path, const std::vector<std::string>& objects) {
    WriteFile(path, PdfText(objects));
}

// Writes `objects` into `folder` as `name` and opens the file in `host`; a file that does not open fails the
// test with the reason.
template <class AnyHost>
HostDoc OpenPdf(AnyHost& host, const TestFolder& folder, const std::vector<std::string>& objects,
                const std::string& name) {
    WritePdf(folder.Path(name), objects);
    std::string why;
    const HostDoc doc = host.Documents().Open(folder.Path(name), &why);
    EXPECT_NE(doc, HostDoc::None) << why;
    return doc;
}

struct CommandResult {
    int status;
    std::string output;
};

// Runs a shell command, with standard error in the output.
inline CommandResult RunCommand(const std::string& command) {
    CommandResult result{-1, ""};
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t length;
    while ((length = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, length);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Every object reachable from the trailer, as text: equal snapshots mean an unchanged document.
inline std::string Snapshot(QPDF& pdf) {
    std::string text;
    std::set<QPDFObjGen> seen;
    std::function<void(QPDFObjectHandle)> visit = [&](QPDFObjectHandle object) {
        if (object.isIndirect()) {
            if (!seen.insert(object.getObjGen()).second) return;
            text += object.getObjGen().unparse() + " = " +
                    (object.isStream() ? object.getDict().unparseResolved() : object.unparseResolved()) + "\n";
        }
        if (object.isStream()) {
            visit(object.getDict());
        } else if (object.isArray()) {
            for (QPDFObjectHandle& item : object.getArrayAsVector()) visit(item);
        } else if (object.isDictionary()) {
            for (auto& [key, value] : object.getDictAsMap()) visit(value);
        }
    };
    visit(pdf.getTrailer());
    return text;
}

// A document of three pages under one Pages node that holds MediaBox, CropBox and Rotate for them: page 1
// inherits everything, page 2 has its own MediaBox and Rotate, page 3 a malformed MediaBox (three numbers)
// and a private ORBA_TrimBox.
inline std::vector<std::string> InheritedBoxesPdf() {
    return {"<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 /MediaBox [0 0 612 792] /CropBox [10 10 600 780]"
            " /Rotate 90 >>",
            "<< /Type /Page /Parent 2 0 R >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595.5 842.25] /Rotate -90 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612] /ORBA_TrimBox [1 2 3 4] >>"};
}

inline void PrintTo(const FixedRect& r, std::ostream* out) {
    *out << "{left " << r.left << ", bottom " << r.bottom << ", right " << r.right << ", top " << r.top << "}";
}

// A rectangle from PDF array order, in points (exact for multiples of 1/65536).
inline FixedRect BoxOf(double left, double bottom, double right, double top) {
    const auto fixed = [](double points) { return static_cast<Fixed>(points * 65536); };
    return {fixed(left), fixed(top), fixed(right), fixed(bottom)};
}
