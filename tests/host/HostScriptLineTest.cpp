// How a line of a host script becomes words: blanks, quotes and their escapes, comments, and control ids
// that look like comments but are not.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/script/HostScriptLine.h"

namespace {

// The words, with quoted ones in brackets; or "error: ..." when the line does not split.
std::string Words(const std::string& line) {
    std::vector<HostScriptWord> words;
    std::string error;
    if (!HostScriptLine::Split(line, words, error)) return "error: " + error;
    std::string text;
    for (const HostScriptWord& word : words) text += (word.quoted ? "[" + word.text + "]" : word.text) + "|";
    return text;
}

TEST(HostScriptLine, BlanksQuotesAndCommentsSplitTheLineAndABadQuoteIsAnError) {
    const std::pair<const char*, const char*> lines[] = {
        {"  type\t#1002   12.5  \r", "type|#1002|12.5|"},
        {"menu \"Page Geometry\" shift", "menu|[Page Geometry]|shift|"},
        {"type #1 \"\"", "type|#1|[]|"},
        {"echo \"say \\\"hi\\\" \\\\ # not a comment\"", "echo|[say \"hi\" \\ # not a comment]|"},
        // Other backslashes stay, so a Windows path needs no doubling; a quote inside a word is a character.
        {"open \"Z:\\home\\a b.pdf\" 5\"x", "open|[Z:\\home\\a b.pdf]|5\"x|"},
        {"", ""},
        // A comment starts a line or stands alone: a control id is no comment.
        {"# press #1", ""},
        {"   #1 at the start of a line is a comment too", ""},
        {"press #1 # the OK button", "press|#1|"},
        {"press #1 #", "press|#1|"},
        {"echo a#b #c", "echo|a#b|#c|"},
        {"echo \"abc", "error: the quote opened at column 6 is not closed"},
        {"echo \"abc\\\"", "error: the quote opened at column 6 is not closed"},
        {"echo \"ab\"c", "error: a blank must follow the quote closed at column 9"},
    };
    for (const auto& [line, words] : lines) EXPECT_EQ(Words(line), words) << line;
}

}  // namespace
