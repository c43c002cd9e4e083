// helpgen: writes the plug-in's user guide, a small PDF, from its plain text source, so that the Help menu
// item finds Help/<language>/Geometry.pdf next to Geometry.api.
//
//     helpgen SOURCE.txt OUTPUT.pdf LANGUAGE-TAG
//
// The source is UTF-8. Its first line is the title, shown on top and kept as the document's Title. A line
// that starts with "## " is a heading and one that starts with "- " a list item; a blank line ends a
// paragraph, and any other line continues the paragraph or item before it. The text is set in the standard
// Helvetica fonts with WinAnsiEncoding, so it may hold any character of Windows code page 1252.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

// Advance widths of WinAnsiEncoding codes 32 to 255, in thousandths of the font size, from Adobe's metrics
// of the standard fonts (0 where the encoding has no character). The lines are wrapped by these widths.
constexpr int kHelveticaWidths[224] = {
    278,  278, 355, 556, 556, 889,  667,  191,  333, 333,  389, 584, 278,  333, 278, 278,  // 0x20
    556,  556, 556, 556, 556, 556,  556,  556,  556, 556,  278, 278, 584,  584, 584, 556,  // 0x30
    1015, 667, 667, 722, 722, 667,  611,  778,  722, 278,  500, 667, 556,  833, 722, 778,  // 0x40
    667,  778, 722, 667, 611, 722,  667,  944,  667, 667,  611, 278, 278,  278, 333, 556,  // 0x50
    333,  556, 556, 500, 556, 556,  278,  556,  556, 222,  222, 500, 222,  833, 556, 556,  // 0x60
    556,  556, 333, 500, 278, 556,  500,  722,  500, 500,  500, 334, 260,  334, 333, 0,    // 0x70
    556,  0,   222, 556, 333, 1000, 556,  556,  333, 1000, 667, 333, 1000, 0,   611, 0,    // 0x80
    0,    222, 222, 333, 333, 350,  556,  1000, 333, 1000, 500, 333, 944,  0,   500, 667,  // 0x90
    278,  333, 556, 556, 556, 556,  260,  556,  333, 737,  370, 556, 584,  333, 737, 333,  // 0xA0
    400,  584, 333, 333, 333, 578,  537,  278,  333, 333,  365, 556, 834,  834, 834, 611,  // 0xB0
    667,  667, 667, 667, 667, 667,  1000, 722,  667, 667,  667, 667, 278,  278, 278, 278,  // 0xC0
    722,  722, 778, 778, 778, 778,  778,  584,  778, 722,  722, 722, 722,  667, 667, 611,  // 0xD0
    556,  556, 556, 556, 556, 556,  889,  500,  556, 556,  556, 556, 278,  278, 278, 278,  // 0xE0
    556,  556, 556, 556, 556, 556,  556,  584,  611, 556,  556, 556, 556,  500, 556, 500,  // 0xF0
};

constexpr int kHelveticaBoldWidths[224] = {
    278, 333, 474, 556, 556, 889,  722,  238,  333, 333,  389, 584, 278,  333, 278, 278,  // 0x20
    556, 556, 556, 556, 556, 556,  556,  556,  556, 556,  333, 333, 584,  584, 584, 611,  // 0x30
    975, 722, 722, 722, 722, 667,  611,  778,  722, 278,  556, 722, 611,  833, 722, 778,  // 0x40
    667, 778, 722, 667, 611, 722,  667,  944,  667, 667,  611, 333, 278,  333, 333, 556,  // 0x50
    333, 556, 611, 556, 611, 556,  333,  611,  611, 278,  278, 556, 278,  889, 611, 611,  // 0x60
    611, 611, 389, 556, 333, 611,  556,  778,  556, 556,  500, 389, 280,  389, 333, 0,    // 0x70
    556, 0,   278, 556, 500, 1000, 556,  556,  333, 1000, 667, 333, 1000, 0,   611, 0,    // 0x80
    0,   278, 278, 500, 500, 350,  556,  1000, 333, 1000, 556, 333, 944,  0,   500, 667,  // 0x90
    278, 333, 556, 556, 556, 556,  280,  556,  333, 737,  370, 556, 584,  333, 737, 333,  // 0xA0
    400, 584, 333, 333, 333, 611,  556,  278,  333, 333,  365, 556, 834,  834, 834, 611,  // 0xB0
    722, 722, 722, 722, 722, 722,  1000, 722,  667, 667,  667, 667, 278,  278, 278, 278,  // 0xC0
    722, 722, 778, 778, 778, 778,  778,  584,  778, 722,  722, 722, 722,  667, 667, 611,  // 0xD0
    556, 556, 556, 556, 556, 556,  889,  556,  556, 556,  556, 556, 278,  278, 278, 278,  // 0xE0
    611, 611, 611, 611, 611, 611,  611,  584,  611, 611,  611, 611, 611,  556, 611, 556,  // 0xF0
};

// The characters code page 1252 puts at 0x80 to 0x9F (0 for none); from 0xA0 on it matches Latin-1.
constexpr char32_t kWinAnsiHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr char kBullet = '\x95';

// US Letter with one inch margins.
constexpr double kPageWidth = 612;
constexpr double kPageHeight = 792;
constexpr double kMargin = 72;
constexpr double kItemIndent = 14;

struct Style {
    const char* font;  // resource name
    const int* widths;
    double size;
    double leading;
    double spaceBefore;
};

constexpr Style kTitle{"/F2", kHelveticaBoldWidths, 18, 22, 0};
constexpr Style kHeading{"/F2", kHelveticaBoldWidths, 12, 15, 10};
constexpr Style kBody{"/F1", kHelveticaWidths, 10.5, 13.5, 5};

enum class Kind { Title, Heading, Paragraph, Item };

struct Block {
    Kind kind;
    std::string text;  // WinAnsi
};

struct Line {
    const Style* style;
    double x;
    double y;
    std::string text;  // WinAnsi
};

using Page = std::vector<Line>;

struct Guide {
    std::string title;  // UTF-8, for the document information
    std::vector<Block> blocks;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

// The bytes of the UTF-8 sequence a byte starts, 0 when it starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// Decodes UTF-8: a help file with a broken or unprintable character fails the build rather than
// showing a wrong one.
std::string ToWinAnsi(std::string_view utf8, const std::string& where) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || i + length > utf8.size()) Fail(where, "not UTF-8");
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) Fail(where, "not UTF-8");
            c = (c << 6) | (next & 0x3F);
        }
        i += length;
        if (c == '\t') c = ' ';
        if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        bool found = false;
        for (int k = 0; k < 32 && !found; ++k) {
            if (kWinAnsiHigh[k] != 0 && kWinAnsiHigh[k] == c) {
                out += static_cast<char>(0x80 + k);
                found = true;
            }
        }
        if (!found) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            Fail(where, std::string("character ") + code + " is not in WinAnsiEncoding");
        }
    }
    return out;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

Guide ReadGuide(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail(path, "cannot be read");
    Guide guide;
    std::vector<Block>& blocks = guide.blocks;
    bool open = false;  // the last block takes continuation lines
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        const std::string where = path + ":" + std::to_string(number);
        const std::string line = ToWinAnsi(Trimmed(raw), where);
        if (number == 1) {
            if (line.empty()) Fail(where, "the first line is the title and may not be empty");
            guide.title = Trimmed(raw);
            blocks.push_back({Kind::Title, line});
        } else if (line.empty()) {
            open = false;
        } else if (line.starts_with("## ")) {
            blocks.push_back({Kind::Heading, Trimmed(line.substr(3))});
            open = false;
        } else if (line.starts_with("- ")) {
            blocks.push_back({Kind::Item, Trimmed(line.substr(2))});
            open = true;
        } else if (open) {
            blocks.back().text += ' ' + line;
        } else {
            blocks.push_back({Kind::Paragraph, line});
            open = true;
        }
    }
    return guide;
}

double Width(std::string_view text, const Style& style) {
    int units = 0;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 32) units += style.widths[code - 32];
    }
    return units * style.size / 1000;
}

// Greedy filling at spaces; a word longer than a line stands alone on its line.
std::vector<std::string> Wrap(const std::string& text, const Style& style, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && Width(longer, style) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

const Style& StyleOf(Kind kind) {
    if (kind == Kind::Title) return kTitle;
    if (kind == Kind::Heading) return kHeading;
    return kBody;
}

// Lines placed top down on as many pages as they need.
class Layout {
public:
    void Add(const Block& block) {
        const Style& style = StyleOf(block.kind);
        const double indent = block.kind == Kind::Item ? kItemIndent : 0;
        const std::vector<std::string> lines = Wrap(block.text, style, kPageWidth - 2 * kMargin - indent);
        // A heading keeps two lines of what follows it on its page.
        const double keep = block.kind == Kind::Heading ? 2 * kBody.leading : 0;
        if (m_y - style.spaceBefore - style.leading - keep < kMargin) NewPage();
        if (!m_pages.back().empty()) m_y -= style.spaceBefore;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (m_y - style.leading < kMargin) NewPage();
            m_y -= style.leading;
            if (i == 0 && block.kind == Kind::Item) {
                m_pages.back().push_back({&style, kMargin + 3, m_y, std::string(1, kBullet)});
            }
            m_pages.back().push_back({&style, kMargin + indent, m_y, lines[i]});
        }
        if (block.kind == Kind::Title) m_y -= 6;
    }
    const std::vector<Page>& Pages() const { return m_pages; }

private:
    void NewPage() {
        m_pages.emplace_back();
        m_y = kPageHeight - kMargin;
    }

    std::vector<Page> m_pages{Page{}};
    double m_y = kPageHeight - kMargin;
};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string out = text;
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.') out.pop_back();
    return out;
}

std::string PdfString(std::string_view text) {
    std::string out = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    return out + ")";
}

// One line, one show-text operator: the page's text can be found in its content stream as written.
std::string Content(const Page& page) {
    std::string out = "BT\n";
    const Style* current = nullptr;
    for (const Line& line : page) {
        if (line.style != current) {
            out += std::string(line.style->font) + " " + Number(line.style->size) + " Tf\n";
            current = line.style;
        }
        out += "1 0 0 1 " + Number(line.x) + " " + Number(line.y) + " Tm " + PdfString(line.text) + " Tj\n";
    }
    return out + "ET\n";
}

QPDFObjectHandle Font(QPDF& pdf, const std::string& base) {
    return pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /" + base +
                                                          " /Encoding /WinAnsiEncoding >>"));
}

void WritePdf(const Guide& guide, const std::string& language, const std::string& path) {
    Layout layout;
    for (const Block& block : guide.blocks) layout.Add(block);

    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/F1", Font(pdf, "Helvetica"));
    fonts.replaceKey("/F2", Font(pdf, "Helvetica-Bold"));
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", fonts);
    resources = pdf.makeIndirectObject(resources);
    for (const Page& lines : layout.Pages()) {
        QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 " + Number(kPageWidth) + " " +
                                                        Number(kPageHeight) + "] >>");
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, Content(lines)));
        pdf.addPage(pdf.makeIndirectObject(page), false);
    }
    QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
    info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(guide.title));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));
    QPDFObjectHandle root = pdf.getRoot();
    root.replaceKey("/Lang", QPDFObjectHandle::newUnicodeString(language));
    // The viewer's title bar shows the guide's title, not the file name every language shares.
    root.replaceKey("/ViewerPreferences", QPDFObjectHandle::parse("<< /DisplayDocTitle true >>"));

    // Written beside the target and renamed over it, so that a failed run never leaves a file the build
    // would take as up to date.
    const std::string temporary = path + ".tmp";
    QPDFWriter writer(pdf, temporary.c_str());
    writer.setDeterministicID(true);  // the same text gives the same file
    writer.write();
    std::filesystem::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: helpgen SOURCE.txt OUTPUT.pdf LANGUAGE-TAG\n";
        return 2;
    }
    try {
        WritePdf(ReadGuide(argv[1]), argv[3], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "helpgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
