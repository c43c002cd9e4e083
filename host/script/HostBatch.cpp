#include "host/script/HostBatch.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "host/core/Host.h"
#include "host/document/HostBoxReport.h"
#include "host/document/HostDocument.h"
#include "host/document/HostDocuments.h"
#include "host/document/HostPageBoxes.h"
#include "host/script/HostQuietOutput.h"
#include "host/script/HostScript.h"

namespace {

// The command line's words for the entries of the dialog's lists, in the lists' order: an entry is chosen by
// its place, which is what it means (box kind, region, unit, page set), so a host in any language finds it.
constexpr const char* kBoxes[] = {"MediaBox", "CropBox", "TrimBox", "ArtBox", "BleedBox"};
constexpr const char* kRegions[] = {"offsets", "coordinates"};
constexpr const char* kUnits[] = {"pt", "in", "cm", "mm"};
constexpr const char* kPageSets[] = {"this", "all", "even", "odd"};
// The dialog's fields for A B C D: left (X offset), bottom (Y offset), right (width), top (height).
constexpr const char* kFields[] = {"#1004", "#1005", "#1002", "#1003"};

// The entry's place in its list, counted from 1 as the script's choose takes it; 0 when the word is none.
template <std::size_t N>
int PlaceOf(const char* const (&words)[N], const std::string& word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (word == words[i]) return static_cast<int>(i) + 1;
    }
    return 0;
}

// A word of the script language, quoted so that blanks and # in it stay.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += std::string("\\") + c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// The shortest decimal that reads back as exactly `value`; JSON has no infinity, so one is null.
std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string JsonNumbers(const std::array<double, 4>& numbers) {
    return "[" + JsonNumber(numbers[0]) + ", " + JsonNumber(numbers[1]) + ", " + JsonNumber(numbers[2]) + ", " +
           JsonNumber(numbers[3]) + "]";
}

std::string JsonBox(const HostPageBoxes& boxes, const HostPageBoxes::Box& box) {
    static constexpr const char* kSources[] = {"own", "inherited", "default"};
    std::string malformed;
    for (const std::string& value : box.malformed) malformed += (malformed.empty() ? "" : ", ") + JsonString(value);
    std::string json =
        "{\"stored\": " + JsonNumbers(box.stored) + ", \"source\": \"" + kSources[static_cast<int>(box.source)] + "\"";
    if (box.source == HostPageBoxes::Source::Default) json += ", \"default\": " + JsonString(box.defaultName);
    return json + ", \"malformed\": [" + malformed + "], \"reader\": " + JsonNumbers(boxes.ReaderRectangle(box)) + "}";
}

int32_t PagesOf(const std::string& pageSet, int32_t count) {
    if (pageSet == "all") return count;
    if (pageSet == "even") return count / 2;
    if (pageSet == "odd") return (count + 1) / 2;
    return 1;
}

}  // namespace

const char* HostBatch::Usage() {
    return "       geomhost apply [--box B] [--region R] [--unit U] --values \"A B C D\" [--pages P] [--page N]\n"
           "                      [--lang XXX] [--plugins DIR] [--quiet | --progress]\n"
           "                      IN.pdf... (-o OUT.pdf | --suffix TEXT | --in-place)\n"
           "                       set box B (MediaBox, CropBox, TrimBox (default), ArtBox, BleedBox) of\n"
           "                       each file through the Page Geometry dialog. R: offsets (default) or\n"
           "                       coordinates; U: pt (default), in, cm, mm; P: this (page N, default 1),\n"
           "                       all (default), even, odd. A B C D are typed, in this order, as the dialog's\n"
           "                       X Offset, Y Offset, Width, Height (offsets) or Left, Bottom, Right, Top\n"
           "                       (coordinates). Values the dialog refuses write no file; exit status 1\n"
           "                       when any file failed. -o takes one input; --suffix saves IN-TEXT.pdf.\n"
           "                       --lang: the host's language (DEU: the German dialog and messages);\n"
           "                       --quiet: only the failures; --progress: the bar on standard error even\n"
           "                       when it is not a terminal\n"
           "       geomhost boxes [--json] FILE...\n"
           "                       print the page boxes of each file, as the boxes script command does\n";
}

HostBatch::HostBatch(std::string pluginFolder, std::ostream& out, std::ostream& err)
    : m_pluginFolder(std::move(pluginFolder)), m_out(out), m_err(err) {}

int HostBatch::Run(const std::vector<std::string>& arguments) {
    if (arguments.size() == 2 && arguments[1] == "--help") {
        m_out << "usage: " << (Usage() + 7);
        return 0;
    }
    if (arguments.at(0) == "boxes") return RunBoxes(arguments);
    Apply apply;
    std::string error;
    if (!ParseApply(arguments, apply, error)) return BadUse(error);
    return RunApply(apply);
}

int HostBatch::BadUse(const std::string& message) {
    m_err << "geomhost: " << message << "\nusage: " << (Usage() + 7);
    return 2;
}

bool HostBatch::ParseApply(const std::vector<std::string>& arguments, Apply& apply, std::string& error) {
    int targets = 0;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--in-place") {
            apply.inPlace = true;
            ++targets;
            continue;
        }
        if (option == "--quiet" || option == "--progress") {
            (option == "--quiet" ? apply.quiet : apply.progress) = true;
            continue;
        }
        if (!option.starts_with("-") || option == "-") {
            apply.files.push_back(option);
            continue;
        }
        if (i + 1 == arguments.size()) {
            error = "option '" + option + "' needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        if (option == "--box") {
            apply.box = value;
        } else if (option == "--region") {
            apply.region = value;
        } else if (option == "--unit") {
            apply.unit = value;
        } else if (option == "--pages") {
            apply.pages = value;
        } else if (option == "--plugins") {
            m_pluginFolder = value;
        } else if (option == "--lang") {
            apply.language = value;
        } else if (option == "--page") {
            unsigned page = 0;
            char end = 0;
            if (std::sscanf(value.c_str(), "%u%c", &page, &end) != 1 || page == 0 || page > 1000000) {
                error = "not a page number: '" + value + "'";
                return false;
            }
            apply.page = static_cast<int>(page);
        } else if (option == "--values") {
            std::istringstream words(value);
            apply.values.clear();
            for (std::string word; words >> word;) apply.values.push_back(word);
        } else if (option == "-o" || option == "--suffix") {
            (option == "-o" ? apply.output : apply.suffix) = value;
            ++targets;
        } else {
            error = "unknown option '" + option + "'";
            return false;
        }
    }
    // Only the four words' count is checked here: what a number may be is the dialog's to say.
    if (apply.values.size() != 4) error = "--values takes four numbers, \"A B C D\"";
    if (!PlaceOf(kBoxes, apply.box)) error = "not a box: '" + apply.box + "'";
    if (!PlaceOf(kRegions, apply.region)) error = "not a region: '" + apply.region + "' (offsets, coordinates)";
    if (!PlaceOf(kUnits, apply.unit)) error = "not a unit: '" + apply.unit + "' (pt, in, cm, mm)";
    if (!PlaceOf(kPageSets, apply.pages)) error = "not a page set: '" + apply.pages + "' (this, all, even, odd)";
    if (apply.language.size() != 3) error = "a language code has three letters: '" + apply.language + "'";
    if (apply.quiet && apply.progress) error = "--quiet and --progress contradict each other";
    if (apply.files.empty()) error = "no file to apply to";
    if (targets != 1) error = "give exactly one of -o, --suffix and --in-place";
    if (!apply.output.empty() && apply.files.size() != 1) error = "-o takes exactly one input file";
    if (targets == 1 && apply.output.empty() && apply.suffix.empty() && !apply.inPlace) error = "an empty target";
    return error.empty();
}

int HostBatch::RunApply(const Apply& apply) {
    if (!std::filesystem::is_directory(m_pluginFolder)) {
        return BadUse("plug-in folder '" + m_pluginFolder + "' does not exist");
    }
    bool ok = true;
    for (const std::string& file : apply.files) ok = ApplyTo(apply, file) && ok;
    return ok ? 0 : 1;
}

// The user's steps in the Page Geometry dialog, as a script.
std::string HostBatch::EditScript(const Apply& apply) {
    std::ostringstream edit;
    edit << "button ORBA:EXGM_GeomToolButton\n";
    if (apply.page != 0) edit << "page " << apply.page << "\n";
    edit << "choose #1006 " << PlaceOf(kBoxes, apply.box) << "\nchoose #1009 " << PlaceOf(kRegions, apply.region)
         << "\nchoose #1008 " << PlaceOf(kUnits, apply.unit) << "\nchoose #1007 " << PlaceOf(kPageSets, apply.pages)
         << "\n";
    for (std::size_t i = 0; i < 4; ++i) edit << "type " << kFields[i] << " " << Quoted(apply.values[i]) << "\n";
    edit << "press #1001\n";
    return edit.str();
}

// What the user was told went wrong, on one line: the alerts' texts (their line breaks become blanks), then
// the complaints of the host's output without their tags.
std::string HostBatch::Complaints(Host& host, const std::string& transcript) {
    std::string said;
    for (const HostShownAlert& alert : host.Alerts().Shown()) {
        for (const char c : " " + alert.text) {
            const bool blank = c == '\r' || c == '\n' || c == ' ';
            if (!blank || said.empty() || said.back() != ' ') said += blank ? ' ' : c;
        }
    }
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t text = line.find_first_not_of(' ', line.find(']') + 1);
        const bool complaint = HostQuietOutput::IsComplaint(line) && !HostQuietOutput::IsAlert(line);
        if (complaint && text != std::string::npos) said += " " + line.substr(text);
    }
    while (!said.empty() && said.back() == ' ') said.pop_back();
    return said;
}

// A host of its own for each file, as a user would start afresh: what one file left behind (a dialog, a
// failure) cannot reach the next. What the host prints is kept, and only its complaints are shown.
bool HostBatch::ApplyTo(const Apply& apply, const std::string& file) {
    std::ostringstream transcript;
    HostConfig config;
    config.debuggerWindow = false;
    config.language = apply.language;
    config.progress = apply.quiet                               ? HostProgressStyle::None
                      : apply.progress || isatty(STDERR_FILENO) ? HostProgressStyle::Bar
                                                                : HostProgressStyle::None;
    Host host(config, transcript);
    host.Progress().SetLabel(file);
    host.LoadPlugins(m_pluginFolder);
    host.FinishStartup();
    HostScript script(host);
    std::string target = file;
    if (!apply.output.empty()) target = apply.output;
    if (!apply.suffix.empty()) {
        const std::filesystem::path path = file;
        target = (path.parent_path() / (path.stem().string() + apply.suffix + path.extension().string())).string();
    }
    std::istringstream editScript(EditScript(apply));
    bool ok = script.Open(file);
    // The save runs only when the dialog took the values without a word: an alert means it refused them.
    const std::size_t alerts = host.Alerts().Shown().size();
    ok = ok && script.Run(editScript) && host.Alerts().Shown().size() == alerts;
    const HostDoc doc = script.FrontDocument();
    std::string why;
    if (ok) {
        // The host saves as its own File menu would; the bar says so while the file is written.
        host.Progress().BeginTask("saving");
        ok = apply.inPlace ? host.Documents().Save(doc, &why)
                           : host.Documents().SaveAs(doc, std::filesystem::absolute(target).string(), &why);
        host.Progress().EndTask();
    }
    const std::string said = Complaints(host, transcript.str()) + (why.empty() ? "" : " " + why);
    if (!ok) {
        host.Quit();
        m_err << file << ": not changed:" << said << "\n";
        return false;
    }
    const int32_t count = host.Documents().Get(doc).PageCount();
    const int32_t pages = PagesOf(apply.pages, count);
    const std::string note = host.Documents().Get(doc).LastSaveNote();
    host.Quit();
    if (apply.quiet) return true;
    m_out << file << ": " << apply.box << " set on " << pages << (pages == 1 ? " page" : " pages") << ", saved "
          << (apply.inPlace ? "in place" : "as " + target) << (note.empty() ? "" : " (" + note + ")") << "\n";
    return true;
}

int HostBatch::RunBoxes(const std::vector<std::string>& arguments) {
    const bool json = arguments.size() > 1 && arguments[1] == "--json";
    const std::vector<std::string> files(arguments.begin() + (json ? 2 : 1), arguments.end());
    if (files.empty()) return BadUse("no file to read");
    HostDocuments documents;
    bool ok = true;
    if (json) m_out << "[";
    for (std::size_t f = 0; f < files.size(); ++f) {
        std::string why;
        const HostDoc doc = documents.Open(files[f], &why);
        if (json) m_out << (f == 0 ? "\n" : ",\n") << "  {\"file\": " << JsonString(files[f]);
        if (doc == HostDoc::None) {
            ok = false;
            if (json) m_out << ", \"error\": " << JsonString(why) << "}";
            if (!json) m_err << files[f] << ": " << why << "\n";
            continue;
        }
        HostDocument& document = documents.Get(doc);
        if (!json) {
            m_out << files[f] << ":\n";
            HostBoxReport::Print(document, m_out);
        }
        for (int32_t number = 0; json && number < document.PageCount(); ++number) {
            const HostPageBoxes boxes(document.PageAt(number).dict);
            m_out << (number == 0 ? ", \"pages\": [\n" : ",\n") << "    {\"page\": " << number + 1
                  << ", \"rotation\": " << boxes.Rotation() << ", \"boxes\": {";
            for (const char* name : HostPageBoxes::kNames) {
                m_out << (name == HostPageBoxes::kNames[0] ? "\n" : ",\n") << "      \"" << name
                      << "\": " << JsonBox(boxes, *boxes.Find(name));
            }
            m_out << "}}" << (number + 1 == document.PageCount() ? "]" : "");
        }
        if (json) m_out << (document.PageCount() == 0 ? ", \"pages\": []}" : "}");
        documents.Close(doc);
    }
    if (json) m_out << "\n]\n";
    return ok ? 0 : 1;
}
