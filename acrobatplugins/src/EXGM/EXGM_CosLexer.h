// A tokenizer for PDF object syntax: a state machine that reads one character at a time and returns one
// token at a time. It never looks ahead and never backs up, so input may arrive in chunks of any size and a
// token may span chunks. The page geometry dialogs read their numbers through EXGM_ParseFixed.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "HostTypes.h"

class EXGM_CosLexer {
public:
    // The value is the index into the table of state names.
    enum LexerState : int32_t {
        StateAngleLeft = 0,          // one '<' read: dictionary start or hexadecimal string follows
        StateAngleRight = 1,         // one '>' read outside a hexadecimal string: a second '>' must follow
        StateComment = 2,            // inside a comment that began with '%'
        StateError = 3,              // an error was found; stays until Reset
        StateFileName = 4,           // inside a file reference that began with '@', outside quotes
        StateFileNameQuote = 5,      // inside quotes within a file reference
        StateHexString1 = 6,         // hexadecimal string, expecting the first digit of a pair
        StateHexString2 = 7,         // hexadecimal string, expecting the second digit of a pair
        StateName = 8,               // inside a name that began with '/'
        StateNameEscape1 = 9,        // after '#' in a name, expecting the first hexadecimal digit
        StateNameEscape2 = 10,       // expecting the second hexadecimal digit of a name escape
        StateNumberFixed = 11,       // inside a number after its decimal point
        StateNumberInteger = 12,     // inside a number before any decimal point
        StateStart = 13,             // between tokens
        StateString = 14,            // inside a literal string that began with '('
        StateStringEscape1 = 15,     // after a backslash in a literal string
        StateStringEscape2 = 16,     // after one digit of an octal escape
        StateStringEscape3 = 17,     // after two digits of an octal escape
        StateStringEscapeCRLF = 18,  // after a backslash followed by carriage return
        StateSymbol = 19             // inside a bare word (keyword or symbol)
    };
    static constexpr int kStateCount = 20;

    // The value is the index into the table of token names.
    enum LexerToken : int32_t {
        TokenMoreData = 0,      // the current chunk is used up and no token is complete
        TokenEndOfData = 1,     // end of data was signalled and nothing is pending
        TokenError = 2,         // GetErrorMessage says why
        TokenNull = 3,          // the word "null"
        TokenBoolean = 4,       // "true" or "false": GetBooleanValue
        TokenInteger = 5,       // GetIntegerValue
        TokenFixed = 6,         // GetFixedValue, converted by the host
        TokenName = 7,          // GetTokenValue: the name without '/', escapes decoded
        TokenString = 8,        // GetTokenValue: the bytes of a literal or hexadecimal string
        TokenArrayBegin = 9,    // '['
        TokenArrayEnd = 10,     // ']'
        TokenDictBegin = 11,    // "<<"
        TokenDictEnd = 12,      // ">>"
        TokenStreamBegin = 13,  // the word "stream"
        TokenStreamEnd = 14,    // the word "endstream"
        TokenFileRef = 15,      // GetTokenValue: the file name, quotes removed
        TokenSymbol = 16,       // GetTokenValue: any other bare word
        TokenComment = 17       // GetTokenValue: the comment with its '%', without the line end
    };
    static constexpr int kTokenCount = 18;

    // Characters are bytes read unsigned (0 to 255); this pseudo-character stands for the end of the data.
    static constexpr int EndOfData = -1;

    EXGM_CosLexer();
    EXGM_CosLexer(const EXGM_CosLexer&) = delete;
    EXGM_CosLexer& operator=(const EXGM_CosLexer&) = delete;
    ~EXGM_CosLexer() = default;

    // Back to StateStart with no input, empty token, values 0 and tracing off. The parenthesis depth, escape
    // digits, last token and error message keep what they held.
    void Reset();

    // The next chunk of input, which the lexer does not copy: the caller keeps it alive while drawing
    // tokens from it. No data (null or length 0) signals the end of the data.
    void SetInput(const char* data, uint32_t length);

    // The next token, or TokenMoreData when the chunk is used up before a token is complete.
    LexerToken NextToken();

    void SetTraceStates(bool on) { m_traceStates = on; }
    void SetTraceTokens(bool on) { m_traceTokens = on; }
    bool GetTraceStates() const { return m_traceStates; }
    bool GetTraceTokens() const { return m_traceTokens; }

    // The characters of the current token as read, delimiters and escapes included.
    const std::string& GetTokenText() const { return m_tokenText; }
    // The decoded content of names, strings, file references, symbols and comments.
    const std::string& GetTokenValue() const { return m_tokenValue; }
    bool GetBooleanValue() const { return m_booleanValue; }
    int32_t GetIntegerValue() const { return m_integerValue; }
    Fixed GetFixedValue() const { return m_fixedValue; }
    std::string GetErrorMessage() const { return m_errorMessage.str(); }
    LexerState GetState() const { return m_state; }
    LexerToken GetLastToken() const { return m_lastToken; }
    // Characters of the current chunk not read yet.
    uint32_t GetRemaining() const { return m_remaining; }

    static bool IsWhitespace(int c);
    static bool IsDelimiter(int c);

    // The character as a message shows it: "EndOfData", "\t" "\n" "\f" "\r", a printable character as
    // itself, anything else as a backslash and three octal digits. Valid until the next call.
    const char* DescribeChar(int c);

protected:
    // Every state change goes through here, so the state trace sees each one.
    void ChangeState(LexerState newState);

private:
    using Step = LexerToken (EXGM_CosLexer::*)(int c);
    static const Step kSteps[kStateCount];

    LexerToken ProcessChar(int c);
    LexerToken ProcessError(int c);
    LexerToken ProcessStart(int c);
    LexerToken ProcessAngle(int c);
    LexerToken ProcessComment(int c);
    LexerToken ProcessFileName(int c);
    LexerToken ProcessName(int c);
    LexerToken ProcessNameChar(int c);
    LexerToken ProcessNumber(int c);
    LexerToken ProcessSymbol(int c);
    LexerToken ProcessHexString(int c);
    LexerToken ProcessString(int c);
    LexerToken ProcessStringChar(int c);
    LexerToken ProcessStringEscape(int c);
    LexerToken ProcessOctalEscape(int c);
    LexerToken FinishSymbol();
    // Replaces the error message and enters StateError; FailAt completes the message with the character
    // and a closing quote.
    LexerToken Fail(const char* message);
    LexerToken FailAt(const char* message, int c);
    void Consume();
    // The first character of a token read (it is the token's text already): reads on in `next`.
    LexerToken Begin(LexerState next);
    // Takes `c` as the last character of the token's text and ends the token.
    LexerToken Finish(int c, LexerToken token);
    // Takes `c` into the token's text and value and reads on.
    LexerToken Keep(int c);
    // Takes `c` into the token's text only and reads on in `next`.
    LexerToken KeepText(int c, LexerState next);
    // An escape's digit at `index`, the digits ending after it.
    void PutEscapeDigit(int index, int c);
    void AppendText(int c) { m_tokenText.push_back(static_cast<char>(c)); }
    void AppendValue(int c) { m_tokenValue.push_back(static_cast<char>(c)); }
    void AppendOctalEscape();
    void AppendHexEscape();
    void ReadInteger();
    void TraceToken(LexerToken token);

    bool m_traceStates = false;
    bool m_traceTokens = false;
    const char* m_chunkStart = nullptr;  // null: end of data was signalled
    const char* m_cursor = nullptr;
    uint32_t m_chunkLength = 0;
    uint32_t m_remaining = 0;
    LexerToken m_lastToken = TokenMoreData;
    LexerState m_state = StateStart;
    std::string m_tokenText;
    bool m_booleanValue = false;
    Fixed m_fixedValue = 0;
    int32_t m_integerValue = 0;
    std::string m_tokenValue;
    char m_escapeDigits[4] = {};
    int32_t m_parenthesisDepth = 0;
    std::ostringstream m_errorMessage;
    char m_description[16] = {};  // an octal form of any int fits
};

// The names of the lexer's states and tokens, as the trace writes them; a value outside the enumeration
// gives "InvalidState" or "InvalidToken". Not members: inside the class, StateName and TokenName are the
// state and the token of those names.
const char* StateName(EXGM_CosLexer::LexerState state);
const char* TokenName(EXGM_CosLexer::LexerToken token);

// Reads the text of an edit field as a number of points: true, with the value stored, when the whole text
// is one integer or one fixed-point number with nothing but whitespace around it and the value fits a
// Fixed; false, with the result untouched, otherwise. Shares one lexer between calls: one thread only.
bool EXGM_ParseFixed(const char* text, Fixed* result);
