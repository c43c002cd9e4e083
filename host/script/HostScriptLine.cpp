#include "host/script/HostScriptLine.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool HostScriptLine::Split(const std::string& line, std::vector<HostScriptWord>& words, std::string& error) {
    words.clear();
    std::size_t at = 0;
    const std::size_t end = line.size();
    for (;;) {
        while (at < end && IsBlank(line[at])) ++at;
        if (at == end) return true;
        if (line[at] == '#' && (words.empty() || at + 1 == end || IsBlank(line[at + 1]))) return true;
        HostScriptWord word;
        if (line[at] == '"') {
            const std::size_t opened = at++;
            word.quoted = true;
            for (;;) {
                if (at == end) {
                    error = "the quote opened at column " + std::to_string(opened + 1) + " is not closed";
                    return false;
                }
                const char c = line[at++];
                if (c == '"') break;
                if (c == '\\' && at < end && (line[at] == '"' || line[at] == '\\')) {
                    word.text += line[at++];
                } else {
                    word.text += c;
                }
            }
            if (at < end && !IsBlank(line[at])) {
                error = "a blank must follow the quote closed at column " + std::to_string(at);
                return false;
            }
        } else {
            while (at < end && !IsBlank(line[at])) word.text += line[at++];
        }
        words.push_back(std::move(word));
    }
}
