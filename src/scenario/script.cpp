#include "script.h"

#include "common/file_io.h"
#include "common/gbk_codec.h"

namespace trailcfg::scenario {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the text that starts after the opening quote at line[pos]; leaves pos
// after the closing quote. UTF-8 runs are converted as a whole, so that a
// character is never split; raw bytes and {work} are appended as they are.
// A "/" in the path that follows {work} (up to a blank or an escape) is the
// system's separator, so that "{work}/card/CFG.BIN" names what the program
// shows and prints on Windows too.
bool ReadText(std::string_view line, std::size_t& pos, const std::string& workGbk, std::string& out,
              std::string& error) {
    static constexpr std::string_view kWork = "{work}";
    std::string run;  // UTF-8 waiting for conversion
    bool inWorkPath = false;
    auto flush = [&] {
        out += Utf8ToGbk(run);
        run.clear();
    };
    while (pos < line.size()) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            flush();
            return true;
        }
        if (line.substr(pos, kWork.size()) == kWork) {
            flush();
            out += workGbk;
            pos += kWork.size();
            inWorkPath = true;
            continue;
        }
        if (c != '\\') {
            if (IsBlank(c)) inWorkPath = false;
            if (inWorkPath && c == '/') c = kPathSeparator;
            run += c;
            ++pos;
            continue;
        }
        inWorkPath = false;
        if (pos + 1 >= line.size()) break;
        char e = line[pos + 1];
        pos += 2;
        switch (e) {
            case '"':
                run += '"';
                break;
            case '\\':
                run += '\\';
                break;
            case 'r':
                run += '\r';
                break;
            case 'n':
                run += '\n';
                break;
            case 't':
                run += '\t';
                break;
            case 'x': {
                int hi = pos < line.size() ? HexValue(line[pos]) : -1;
                int lo = pos + 1 < line.size() ? HexValue(line[pos + 1]) : -1;
                if (hi < 0 || lo < 0) {
                    error = "\\x needs two hex digits";
                    return false;
                }
                flush();
                out += static_cast<char>(hi * 16 + lo);
                pos += 2;
                break;
            }
            default:
                error = std::string("unknown escape \\") + e;
                return false;
        }
    }
    error = "text without closing quote";
    return false;
}

bool ReadLine(std::string_view line, const std::string& workGbk, std::vector<Token>& tokens, std::string& error) {
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (pos >= line.size()) return true;
        Token token;
        while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '"') token.word += line[pos++];
        if (pos < line.size() && line[pos] == '"') {
            ++pos;
            std::string text;
            if (!ReadText(line, pos, workGbk, text, error)) return false;
            token.text = std::move(text);
            if (pos < line.size() && !IsBlank(line[pos])) {
                error = "a blank must follow a text";
                return false;
            }
        }
        tokens.push_back(std::move(token));
    }
}

}  // namespace

bool ParseScript(std::string_view source, const std::string& workGbk, std::vector<Step>& steps, ScriptError& error) {
    int number = 0;
    while (!source.empty()) {
        std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::size_t first = 0;
        while (first < line.size() && IsBlank(line[first])) ++first;
        if (first == line.size() || line[first] == '#') continue;

        Step step{number, {}};
        std::string message;
        if (!ReadLine(line, workGbk, step.tokens, message)) {
            error = ScriptError{number, message};
            return false;
        }
        steps.push_back(std::move(step));
    }
    return true;
}

}  // namespace trailcfg::scenario
