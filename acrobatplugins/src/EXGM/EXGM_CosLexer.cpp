#include "EXGM/EXGM_CosLexer.h"

#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ASCalls5.h"

namespace {

// The trace's log entries carry fixed numbers in their line field rather than __LINE__, so that filters
// written for them keep working whatever happens to this file.
constexpr int32_t kTokenTraceLogLine = 269;
constexpr int32_t kStateTraceLogLine = 1091;
constexpr std::size_t kTraceCapacity = 100;

// Largest magnitude an integer text is read to before it is clamped: anything beyond 32 bits.
constexpr int64_t kIntegerSaturation = int64_t{1} << 31;

// C-locale classes by hand: a byte above 127 is never a digit or a letter, whatever the locale says.
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(int c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsRegularPrintable(int c) { return c >= 33 && c <= 126; }
bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }

// The byte a backslash and `c` stand for in a literal string: "\(", "\)", "\\" and unknown escapes stand for
// the character itself.
int EscapedChar(int c) {
    switch (c) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        default:
            return c;
    }
}

int HexDigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

}  // namespace

EXGM_CosLexer::EXGM_CosLexer() { Reset(); }

void EXGM_CosLexer::Reset() {
    m_traceStates = false;
    m_traceTokens = false;
    m_state = StateStart;
    m_tokenText.clear();
    m_tokenValue.clear();
    m_booleanValue = false;
    m_fixedValue = 0;
    m_integerValue = 0;
    m_chunkStart = nullptr;
    m_cursor = nullptr;
    m_chunkLength = 0;
    m_remaining = 0;
}

void EXGM_CosLexer::SetInput(const char* data, uint32_t length) {
    if (data == nullptr || length == 0) {
        m_chunkStart = nullptr;
        m_cursor = nullptr;
        m_chunkLength = 0;
        m_remaining = 0;
        return;
    }
    m_chunkStart = data;
    m_cursor = data;
    m_chunkLength = length;
    m_remaining = length;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::NextToken() {
    LexerToken result = TokenMoreData;
    while (m_remaining > 0 && result == TokenMoreData) {
        result = ProcessChar(static_cast<unsigned char>(*m_cursor));
    }
    if (m_remaining == 0 && result == TokenMoreData && m_chunkStart == nullptr) {
        result = ProcessChar(EndOfData);
        if (m_state != StateStart) {
            // The data ended inside a token; states without a message of their own keep the old one.
            ChangeState(StateError);
            result = TokenError;
        }
    }
    if (m_traceTokens && result != TokenMoreData) TraceToken(result);
    m_lastToken = result;
    return result;
}

void EXGM_CosLexer::TraceToken(LexerToken token) {
    char line[kTraceCapacity];
    if (token == TokenEndOfData) {
        GLIB_Format(line, sizeof line, "EXGM_CosLexer: Returning token %s", ::TokenName(token));
    } else if (GLIB_Format(line, sizeof line, "EXGM_CosLexer: Returning token %s: %s", ::TokenName(token),
                           m_tokenText.c_str()) < 0) {
        // A long token text is cut to what fits, and "..." shows that it was.
        GLIB_Format(line, sizeof line - 3, "EXGM_CosLexer: Returning token %s: %s", ::TokenName(token),
                    m_tokenText.c_str());
        GLIB_StrAppend(line, "...", sizeof line);
    }
    GLIB_Log(GLIB_LOG_INFO, line, __FILE__, kTokenTraceLogLine);
}

void EXGM_CosLexer::ChangeState(LexerState newState) {
    if (m_traceStates) {
        char line[kTraceCapacity];
        GLIB_Format(line, sizeof line, "EXGM_CosLexer: Changing state from %s to %s", ::StateName(m_state),
                    ::StateName(newState));
        GLIB_Log(GLIB_LOG_INFO, line, __FILE__, kStateTraceLogLine);
    }
    m_state = newState;
}

void EXGM_CosLexer::Consume() {
    // The end of the data has no cursor: consuming it moves nothing.
    if (m_cursor != nullptr && m_remaining > 0) {
        ++m_cursor;
        --m_remaining;
    }
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::Fail(const char* message) {
    m_errorMessage.str("");
    m_errorMessage << message;
    ChangeState(StateError);
    return TokenError;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::FailAt(const char* message, int c) {
    m_errorMessage.str("");
    m_errorMessage << message << DescribeChar(c) << "'";
    ChangeState(StateError);
    return TokenError;
}

// The step of each state, in LexerState order.
const EXGM_CosLexer::Step EXGM_CosLexer::kSteps[kStateCount] = {
    &EXGM_CosLexer::ProcessAngle,      // StateAngleLeft
    &EXGM_CosLexer::ProcessAngle,      // StateAngleRight
    &EXGM_CosLexer::ProcessComment,    // StateComment
    &EXGM_CosLexer::ProcessError,      // StateError
    &EXGM_CosLexer::ProcessFileName,   // StateFileName
    &EXGM_CosLexer::ProcessFileName,   // StateFileNameQuote
    &EXGM_CosLexer::ProcessHexString,  // StateHexString1
    &EXGM_CosLexer::ProcessHexString,  // StateHexString2
    &EXGM_CosLexer::ProcessName,       // StateName
    &EXGM_CosLexer::ProcessName,       // StateNameEscape1
    &EXGM_CosLexer::ProcessName,       // StateNameEscape2
    &EXGM_CosLexer::ProcessNumber,     // StateNumberFixed
    &EXGM_CosLexer::ProcessNumber,     // StateNumberInteger
    &EXGM_CosLexer::ProcessStart,      // StateStart
    &EXGM_CosLexer::ProcessString,     // StateString
    &EXGM_CosLexer::ProcessString,     // StateStringEscape1
    &EXGM_CosLexer::ProcessString,     // StateStringEscape2
    &EXGM_CosLexer::ProcessString,     // StateStringEscape3
    &EXGM_CosLexer::ProcessString,     // StateStringEscapeCRLF
    &EXGM_CosLexer::ProcessSymbol,     // StateSymbol
};

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessChar(int c) {
    if (m_state >= 0 && m_state < kStateCount) return (this->*kSteps[m_state])(c);
    // Only a corrupted state gets here; leave it as it is for whoever looks at the lexer.
    m_errorMessage.str("");
    m_errorMessage << "Internal Error: Invalid state";
    return TokenError;
}

// An error stays until Reset.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessError(int) { return TokenError; }

// After "<": a second one begins a dictionary, anything else a hexadecimal string. After ">": only ">".
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessAngle(int c) {
    if (m_state == StateAngleLeft) {
        if (c == '<') return Finish(c, TokenDictBegin);
        m_tokenValue.clear();
        ChangeState(StateHexString1);
        return TokenMoreData;
    }
    if (c == '>') return Finish(c, TokenDictEnd);
    return Fail("Unexpected '>'");
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessComment(int c) {
    if (c == EndOfData || IsLineEnd(c)) {
        Consume();
        ChangeState(StateStart);
        return TokenComment;
    }
    return Keep(c);
}

// A file name runs to whitespace; double quotes keep what lies between them, blanks included.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessFileName(int c) {
    if (m_state == StateFileNameQuote) {
        if (c == EndOfData) return Fail("Filename is missing closing quote");
        if (c == '"') return KeepText(c, StateFileName);
        if (c >= 32 && c <= 126) return Keep(c);
        return FailAt("Unexpected character encountered in filename: '", c);
    }
    if (c == EndOfData) {
        ChangeState(StateStart);
        return TokenFileRef;
    }
    if (c == '"') return KeepText(c, StateFileNameQuote);
    if (IsWhitespace(c)) {
        ChangeState(StateStart);
        return TokenFileRef;
    }
    if (IsRegularPrintable(c)) return Keep(c);
    return FailAt("Unexpected character encountered in filename: '", c);
}

// A name, with "#" and two hexadecimal digits for any byte.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessName(int c) {
    switch (m_state) {
        case StateNameEscape1:
            if (!IsHexDigit(c)) break;
            PutEscapeDigit(0, c);
            return KeepText(c, StateNameEscape2);
        case StateNameEscape2:
            if (!IsHexDigit(c)) break;
            PutEscapeDigit(1, c);
            AppendHexEscape();
            return KeepText(c, StateName);
        default:
            return ProcessNameChar(c);
    }
    return FailAt("Unexpected character encountered in name: '", c);
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessNameChar(int c) {
    if (c == '#') return KeepText(c, StateNameEscape1);
    if (IsDelimiter(c)) {
        ChangeState(StateStart);
        return TokenName;
    }
    if (IsRegularPrintable(c) && m_tokenValue.size() < 127) return Keep(c);
    return FailAt("Unexpected character encountered in name: '", c);
}

// Digits, and once a point came, the digits of a fixed-point number.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessNumber(int c) {
    if (m_state == StateNumberFixed) {
        if (IsDelimiter(c)) {
            // Decimal text to 16.16 is the host's business, so that a typed number reads as the host
            // itself would read it.
            m_fixedValue = Support_TextToFixed(m_tokenText.c_str());
            ChangeState(StateStart);
            return TokenFixed;
        }
        if (IsDigit(c)) return KeepText(c, m_state);
        return FailAt("Unexpected character encountered in fixed number: '", c);
    }
    if (IsDelimiter(c)) {
        ReadInteger();
        ChangeState(StateStart);
        return TokenInteger;
    }
    if (IsDigit(c)) return KeepText(c, m_state);
    if (c == '.') return KeepText(c, StateNumberFixed);
    return FailAt("Unexpected character encountered in integer number: '", c);
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessSymbol(int c) {
    if (IsDelimiter(c)) return FinishSymbol();
    if (IsRegularPrintable(c)) return Keep(c);
    return FailAt("Unexpected character encountered: '", c);
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessStart(int c) {
    if (c == EndOfData) return TokenEndOfData;
    if (IsWhitespace(c)) {
        Consume();
        return TokenMoreData;
    }
    m_tokenText.assign(1, static_cast<char>(c));
    switch (c) {
        case '%':
            m_tokenValue = "%";
            return Begin(StateComment);
        case '(':
            m_tokenValue.clear();
            m_parenthesisDepth = 1;
            return Begin(StateString);
        case '/':
            m_tokenValue.clear();
            return Begin(StateName);
        case '<':
            return Begin(StateAngleLeft);
        case '>':
            return Begin(StateAngleRight);
        case '@':
            m_tokenValue.clear();
            return Begin(StateFileName);
        case '[':
            Consume();
            return TokenArrayBegin;
        case ']':
            Consume();
            return TokenArrayEnd;
        default:
            break;
    }
    if (c == '-' || IsDigit(c)) {
        m_integerValue = 0;
        return Begin(StateNumberInteger);
    }
    if (IsRegularPrintable(c)) {
        m_tokenValue.assign(1, static_cast<char>(c));
        return Begin(StateSymbol);
    }
    return FailAt("Unexpected character encountered: '", c);
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessHexString(int c) {
    const bool secondDigit = m_state == StateHexString2;
    if (c == EndOfData) return Fail("Hexadecimal string is missing trailing '>'");
    if (IsHexDigit(c)) {
        PutEscapeDigit(secondDigit ? 1 : 0, c);
        if (secondDigit) AppendHexEscape();
        return KeepText(c, secondDigit ? StateHexString1 : StateHexString2);
    }
    if (IsWhitespace(c)) return KeepText(c, m_state);
    if (c == '>') {
        if (secondDigit) {
            // An odd last digit stands for its pair with a zero: "<4>" is the byte 0x40.
            PutEscapeDigit(1, '0');
            AppendHexEscape();
        }
        return Finish(c, TokenString);
    }
    return FailAt("Unexpected character encountered in hexadecimal string: '", c);
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessString(int c) {
    if (c == EndOfData) return Fail("String is missing trailing ')'");
    switch (m_state) {
        case StateString:
            return ProcessStringChar(c);
        case StateStringEscape1:
            return ProcessStringEscape(c);
        case StateStringEscape2:
        case StateStringEscape3:
            return ProcessOctalEscape(c);
        default:  // StateStringEscapeCRLF: a CR LF pair after a backslash is one line continuation
            if (c == '\n') return KeepText(c, StateString);
            ChangeState(StateString);
            return TokenMoreData;
    }
}

// Balanced parentheses belong to the string; the one that closes the first ends it.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessStringChar(int c) {
    Consume();
    AppendText(c);
    if (c == '(') {
        ++m_parenthesisDepth;
    } else if (c == ')') {
        if (--m_parenthesisDepth <= 0) {
            ChangeState(StateStart);
            return TokenString;
        }
    } else if (c == '\\') {
        ChangeState(StateStringEscape1);
        return TokenMoreData;
    }
    AppendValue(c);
    return TokenMoreData;
}

// The character after a backslash: the first digit of an octal escape, a line continuation or an escaped
// character.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessStringEscape(int c) {
    if (IsDigit(c)) {
        PutEscapeDigit(0, c);
        return KeepText(c, StateStringEscape2);
    }
    if (c == '\r') return KeepText(c, StateStringEscapeCRLF);
    if (c != '\n') AppendValue(EscapedChar(c));  // a line continuation adds nothing
    return KeepText(c, StateString);
}

// The second and third digit of an octal escape; any other character ends the escape and is read again
// within the string.
EXGM_CosLexer::LexerToken EXGM_CosLexer::ProcessOctalEscape(int c) {
    const int index = m_state == StateStringEscape2 ? 1 : 2;
    if (IsDigit(c)) {
        AppendText(c);
        Consume();
        PutEscapeDigit(index, c);
        if (index == 1) {
            ChangeState(StateStringEscape3);
            return TokenMoreData;
        }
    } else {
        m_escapeDigits[index] = '\0';
    }
    AppendOctalEscape();
    ChangeState(StateString);
    return TokenMoreData;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::FinishSymbol() {
    ChangeState(StateStart);
    if (m_tokenText == "null") return TokenNull;
    if (m_tokenText == "true" || m_tokenText == "false") {
        m_booleanValue = m_tokenText == "true";
        return TokenBoolean;
    }
    if (m_tokenText == "stream") return TokenStreamBegin;
    if (m_tokenText == "endstream") return TokenStreamEnd;
    return TokenSymbol;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::Begin(LexerState next) {
    Consume();
    ChangeState(next);
    return TokenMoreData;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::Finish(int c, LexerToken token) {
    AppendText(c);
    Consume();
    ChangeState(StateStart);
    return token;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::Keep(int c) {
    AppendText(c);
    AppendValue(c);
    Consume();
    return TokenMoreData;
}

EXGM_CosLexer::LexerToken EXGM_CosLexer::KeepText(int c, LexerState next) {
    AppendText(c);
    Consume();
    if (next != m_state) ChangeState(next);
    return TokenMoreData;
}

void EXGM_CosLexer::PutEscapeDigit(int index, int c) {
    m_escapeDigits[index] = static_cast<char>(c);
    m_escapeDigits[index + 1] = '\0';
}

void EXGM_CosLexer::AppendHexEscape() {
    AppendValue(HexDigitValue(m_escapeDigits[0]) * 16 + HexDigitValue(m_escapeDigits[1]));
}

void EXGM_CosLexer::AppendOctalEscape() {
    // Read in base 8 up to the first digit that is not octal, so "\8" is 0 and "\18" is 1; one byte holds
    // the low 8 bits ("\777" is 255).
    int value = 0;
    for (const char* digit = m_escapeDigits; *digit >= '0' && *digit <= '7'; ++digit) {
        value = value * 8 + (*digit - '0');
    }
    AppendValue(value & 0xFF);
}

void EXGM_CosLexer::ReadInteger() {
    // Held in 32 bits: a longer number is clamped to the nearest 32-bit value rather than wrapped, so a huge
    // number never reads as a small one. A lone "-" reads as 0.
    const char* digit = m_tokenText.c_str();
    const bool negative = *digit == '-';
    if (negative) ++digit;
    int64_t magnitude = 0;
    for (; IsDigit(*digit); ++digit) {
        magnitude = magnitude * 10 + (*digit - '0');
        if (magnitude > kIntegerSaturation) magnitude = kIntegerSaturation;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    m_integerValue = static_cast<int32_t>(value > INT32_MAX ? INT32_MAX : value);
}

bool EXGM_CosLexer::IsWhitespace(int c) {
    return c == EndOfData || c == 0 || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

bool EXGM_CosLexer::IsDelimiter(int c) {
    if (IsWhitespace(c)) return true;
    switch (c) {
        case '%':
        case '(':
        case ')':
        case '/':
        case '<':
        case '>':
        case '[':
        case ']':
        case '{':
        case '}':
            return true;
        default:
            return false;
    }
}
