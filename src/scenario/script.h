// Reading a scenario file into steps: one step per line, words separated by
// blanks, texts in double quotes. Texts are converted to the program's GBK
// text on reading; `\xNN` bytes are put in after that conversion, and
// `{work}` becomes the working folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trailcfg::scenario {

// A word, a text, or a word followed directly by a text (`FIELD="text"`).
struct Token {
    std::string word;                 // as written (UTF-8); empty for a bare text
    std::optional<std::string> text;  // GBK, escapes applied

    bool IsWord() const { return !text; }
    bool IsText() const { return text && word.empty(); }
};

struct Step {
    int line;
    std::vector<Token> tokens;  // never empty
};

struct ScriptError {
    int line;
    std::string message;
};

// `workGbk` replaces `{work}` in texts. Returns false and fills `error` at
// the first line that cannot be read.
bool ParseScript(std::string_view source, const std::string& workGbk, std::vector<Step>& steps, ScriptError& error);

}  // namespace trailcfg::scenario
