// One line of a host script split into words: words are separated by blanks; a word that starts with a
// double quote runs to the closing quote and may hold blanks and "#" (inside it, \" is a quote and \\ a
// backslash; any other backslash stays as written, so Windows paths need no doubling). A line whose first
// word starts with "#" is a comment, and a "#" standing alone as a word comments out the rest of the line;
// "#1002" elsewhere is a word like any other, since control ids are written that way.
#pragma once

#include <string>
#include <vector>

struct HostScriptWord {
    std::string text;
    bool quoted = false;  // a quoted word is never read as a keyword ("in", "shift", a number)
};

class HostScriptLine {
public:
    // The words of `line`, or false with the reason in `error` (a quote left open, a quoted word running
    // into the next one). A trailing carriage return is ignored, so scripts written on Windows read alike.
    static bool Split(const std::string& line, std::vector<HostScriptWord>& words, std::string& error);
};
