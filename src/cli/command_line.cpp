#include "command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace trailcfg::cli {

namespace {

constexpr OptionRow kHelpRow{"-h,--help", "Print this help message and exit", ArgKind::Help};
constexpr std::size_t kHelpColumn = 30;

bool IsFlag(ArgKind kind) { return kind == ArgKind::Help || kind == ArgKind::Version || kind == ArgKind::Flag; }
bool IsPositional(ArgKind kind) { return kind == ArgKind::Positional || kind == ArgKind::List; }

// The name errors use: the long form of an option, a positional's own name.
std::string NameOf(const OptionRow& row) { return row.kind == ArgKind::Help ? "--help" : row.name; }

std::string TypeOf(const OptionRow& row) {
    return row.choices ? std::string("TEXT:{") + row.choices + "}" : std::string("TEXT");
}

bool IsChoice(const OptionRow& row, std::string_view value) {
    std::string_view rest = row.choices;
    for (;;) {
        const std::size_t comma = rest.find(',');
        if (rest.substr(0, comma) == value) return true;
        if (comma == std::string_view::npos) return false;
        rest.remove_prefix(comma + 1);
    }
}

// A flag's value: "true"/"yes"/"on"/"1"… set it, "false"/"no"/"0"… clear it,
// a number sets it when positive. False when the text is none of these.
bool FlagValue(std::string text, bool& value) {
    if (text == "true") return value = true;
    if (text == "false") return !(value = false);
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (text.size() == 1) {
        const char c = text[0];
        if (c >= '1' && c <= '9') return value = true;
        if (c && std::strchr("0fn-", c)) return !(value = false);
        if (c && std::strchr("ty+", c)) return value = true;
        return false;
    }
    if (text == "true" || text == "on" || text == "yes" || text == "enable") return value = true;
    if (text == "false" || text == "off" || text == "no" || text == "disable") return !(value = false);
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str()) return false;
    // Beyond 64 bits only the sign counts, as the first character shows it.
    value = errno == ERANGE ? text[0] != '-' : n > 0;
    return true;
}

std::string Joined(const std::vector<std::string>& items, const char* between, bool reversed = false) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += between;
        out += items[reversed ? items.size() - 1 - i : i];
    }
    return out;
}

// "  name" in a column, the text beside it or on the next line when the
// name fills the column.
void HelpLine(std::string& out, const std::string& name, const char* text) {
    const std::string shown = "  " + name;
    out += shown;
    if (shown.size() < kHelpColumn) out.append(kHelpColumn - shown.size(), ' ');
    if (text && *text) {
        if (shown.size() >= kHelpColumn) out += "\n" + std::string(kHelpColumn, ' ');
        out += text;
    }
    out += "\n";
}

std::string OptionLine(const OptionRow& row) {
    std::string name = row.name;
    if (!IsFlag(row.kind)) {
        name += " " + TypeOf(row);
        if (row.shownDefault) name += std::string("=") + row.shownDefault;
        if (row.kind == ArgKind::List) name += " ...";
        if (row.required || IsPositional(row.kind)) name += " REQUIRED";
    }
    return name;
}

struct Stop {
    ParsedLine::Outcome outcome;
    std::string text;
};

Stop Failure(const std::string& message) {
    return {ParsedLine::Error, message + "\nRun with --help for more information.\n"};
}

struct Left {
    bool mark;  // a "--" kept as a leftover: shown in the list, not counted
    std::string text;
};

struct AppState {
    const CommandRow* row = nullptr;
    std::vector<const OptionRow*> options;
    std::vector<std::vector<std::string>> results;
    std::vector<bool> done;
    int parsed = 0;
    std::vector<Left> left;
};

enum class Token { Mark, Command, Long, Short, Slash, CommandEnd, Plain };

// On Windows "/dir:x" is "--dir x" and "/h" is "-h", as the tool has always
// taken them there.
#ifdef _WIN32
constexpr bool kSlashOptions = true;
#else
constexpr bool kSlashOptions = false;
#endif

class LineParser {
public:
    LineParser(const Grammar& grammar, int argc, const char* const* argv) : grammar_(grammar) {
        name_ = argc > 0 && argv[0] ? argv[0] : "";
        for (int i = argc - 1; i > 0; --i) args_.emplace_back(argv[i]);
        AddApp(grammar.program);
        for (const CommandRow& command : grammar.commands) AddApp(command);
    }

    ParsedLine Run() {
        ParsedLine line;
        try {
            ++apps_[0].parsed;
            bool positionalOnly = false;
            while (!args_.empty()) Single(0, positionalOnly);
            Callbacks(line.given);
            HelpFlags();
            Requirements();
            Leftovers();
        } catch (const Stop& stop) {
            line.outcome = stop.outcome;
            line.text = stop.text;
            return line;
        }
        line.outcome = ParsedLine::Run;
        line.command = chosen_.front() - 1;
        return line;
    }

private:
    void AddApp(const CommandRow& row) {
        AppState app;
        app.row = &row;
        app.options.push_back(&kHelpRow);
        for (const OptionRow& option : row.options) app.options.push_back(&option);
        app.results.resize(app.options.size());
        app.done.resize(app.options.size());
        apps_.push_back(std::move(app));
    }

    // A command by name, skipping those already read when `unusedOnly`.
    int CommandNamed(const std::string& name, bool unusedOnly) const {
        for (std::size_t i = 1; i < apps_.size(); ++i)
            if (name == apps_[i].row->name && (!unusedOnly || apps_[i].parsed == 0)) return static_cast<int>(i);
        return 0;
    }

    bool CommandStartsHere(const std::string& word) const { return chosen_.empty() && CommandNamed(word, true); }

    static bool LongForm(const std::string& word, std::string& name, std::string& value) {
        if (word.size() <= 2 || word.compare(0, 2, "--") != 0 || !ValidFirst(word[2])) return false;
        const std::size_t eq = word.find('=');
        name = word.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        value = eq == std::string::npos ? std::string() : word.substr(eq + 1);
        return true;
    }

    static bool ShortForm(const std::string& word, std::string& name, std::string& rest) {
        if (word.size() <= 1 || word[0] != '-' || !ValidFirst(word[1])) return false;
        name = word.substr(1, 1);
        rest = word.substr(2);
        return true;
    }

    static bool SlashForm(const std::string& word, std::string& name, std::string& value) {
        if (word.size() <= 1 || word[0] != '/' || !ValidFirst(word[1])) return false;
        const std::size_t colon = word.find(':');
        name = word.substr(1, colon == std::string::npos ? std::string::npos : colon - 1);
        value = colon == std::string::npos ? std::string() : word.substr(colon + 1);
        return true;
    }

    static bool ValidFirst(char c) { return c != '-' && c != '!' && c != ' ' && c != '\n'; }

    Token Classify(int app, const std::string& word) const {
        std::string name, value;
        if (word == "--") return Token::Mark;
        if (CommandStartsHere(word)) return Token::Command;
        if (LongForm(word, name, value)) return Token::Long;
        // "-5" is a value: no option has a digit for its letter.
        if (ShortForm(word, name, value)) return name[0] >= '0' && name[0] <= '9' ? Token::Plain : Token::Short;
        if (kSlashOptions && SlashForm(word, name, value)) return Token::Slash;
        if (word == "++" && app != 0) return Token::CommandEnd;
        return Token::Plain;
    }

    std::size_t Count(int app, std::size_t option) const { return apps_[app].results[option].size(); }

    bool PositionalsMissing(int app) const {
        const AppState& a = apps_[app];
        for (std::size_t i = 0; i < a.options.size(); ++i)
            if (IsPositional(a.options[i]->kind) && Count(app, i) < 1) return true;
        return false;
    }

    // False hands the rest of the arguments back to the program's level.
    bool Single(int app, bool& positionalOnly) {
        const Token token = positionalOnly ? Token::Plain : Classify(app, args_.back());
        switch (token) {
            case Token::Mark:
                args_.pop_back();
                positionalOnly = true;
                if (!PositionalsMissing(app) && app != 0) return false;
                apps_[app].left.push_back({true, "--"});
                return true;
            case Token::CommandEnd:
                args_.pop_back();
                return false;
            case Token::Command:
                if (app != 0) {
                    // Another command's name fills a positional still wanted.
                    if (!PositionalsMissing(app)) return false;
                    Positional(app);
                    return true;
                }
                chosen_.push_back(CommandNamed(args_.back(), true));
                args_.pop_back();
                Command(chosen_.back());
                return true;
            case Token::Long:
            case Token::Short:
            case Token::Slash:
                Option(app, token);
                return true;
            case Token::Plain:
                return Positional(app);
        }
        return true;
    }

    void Command(int app) {
        ++apps_[app].parsed;
        bool positionalOnly = false;
        while (!args_.empty())
            if (!Single(app, positionalOnly)) break;
    }

    static void AddListItem(std::string item, std::vector<std::string>& results) {
        if (item.empty() || item.front() != '[' || item.back() != ']') {
            results.push_back(std::move(item));
            return;
        }
        item.pop_back();
        std::string_view inner = std::string_view(item).substr(1);
        while (!inner.empty()) {
            const std::size_t comma = inner.find(',');
            if (comma != 0) AddListItem(std::string(inner.substr(0, comma)), results);
            if (comma == std::string_view::npos) break;
            inner.remove_prefix(comma + 1);
        }
    }

    bool Positional(int app) {
        AppState& a = apps_[app];
        for (std::size_t i = 0; i < a.options.size(); ++i) {
            const ArgKind kind = a.options[i]->kind;
            if (!IsPositional(kind) || (Count(app, i) >= 1 && kind != ArgKind::List)) continue;
            if (kind == ArgKind::List)
                AddListItem(args_.back(), a.results[i]);
            else
                a.results[i].push_back(args_.back());
            args_.pop_back();
            return true;
        }
        // A command's name after "--" at the program's level still starts it,
        // though it does not count as the command given.
        if (chosen_.empty() && CommandNamed(args_.back(), false)) {
            if (app != 0) return false;
            const int command = CommandNamed(args_.back(), false);
            args_.pop_back();
            Command(command);
            return true;
        }
        a.left.push_back({false, args_.back()});
        args_.pop_back();
        return true;
    }

    void Option(int app, Token token) {
        const std::string word = args_.back();
        std::string name, value, rest;
        if (token == Token::Long)
            LongForm(word, name, value);
        else if (token == Token::Slash)
            SlashForm(word, name, value);
        else
            ShortForm(word, name, rest);
        AppState& a = apps_[app];
        std::size_t found = a.options.size();
        for (std::size_t i = 0; i < a.options.size() && found == a.options.size(); ++i) {
            const OptionRow& row = *a.options[i];
            if (IsPositional(row.kind)) continue;
            const bool help = row.kind == ArgKind::Help;
            const bool longMatch = help ? name == "help" : name == row.name + 2;
            const bool shortMatch = help && name == "h";
            if (token == Token::Long ? longMatch : token == Token::Short ? shortMatch : longMatch || shortMatch)
                found = i;
        }
        args_.pop_back();
        if (found == a.options.size()) {
            a.left.push_back({false, word});
            return;
        }
        std::vector<std::string>& results = a.results[found];
        if (IsFlag(a.options[found]->kind)) {
            results.push_back(value.empty() || value == "{}" ? "true" : value);
        } else if (!value.empty()) {
            results.push_back(value);
        } else if (!args_.empty()) {
            results.push_back(args_.back());
            args_.pop_back();
        } else {
            throw Failure(NameOf(*a.options[found]) + ": 1 required " + TypeOf(*a.options[found]) + " missing");
        }
        if (!rest.empty()) args_.push_back("-" + rest);
    }

    void Callback(const OptionRow& row, const std::vector<std::string>& results, Given& given) {
        if (row.choices)
            for (const std::string& r : results)
                if (!IsChoice(row, r)) throw Failure(NameOf(row) + ": " + r + " not in {" + row.choices + "}");
        switch (row.kind) {
            case ArgKind::Help:
                return;
            case ArgKind::Text:
            case ArgKind::Positional:
                if (results.size() > 1)
                    throw Failure(NameOf(row) + ": At Most 1 required but received " + std::to_string(results.size()));
                given.*row.text = results.front();
                return;
            case ArgKind::List:
                given.*row.list = results;
                return;
            case ArgKind::Flag:
            case ArgKind::Version: {
                bool on = false;
                if (!FlagValue(results.back(), on))
                    throw Failure("Could not convert: " + NameOf(row) + " = " + Joined(results, ","));
                if (row.kind == ArgKind::Flag) given.*row.flag = on;
                if (row.kind == ArgKind::Version && on) throw Stop{ParsedLine::Version, grammar_.version};
                return;
            }
        }
    }

    void Callbacks(Given& given) {
        for (AppState& a : apps_)
            for (std::size_t i = 0; i < a.options.size(); ++i)
                if (!a.results[i].empty() && !a.done[i]) {
                    a.done[i] = true;
                    Callback(*a.options[i], a.results[i], given);
                }
    }

    void HelpFlags() const {
        bool help = !apps_[0].results[0].empty();
        if (!chosen_.empty()) help = help || !apps_[chosen_.front()].results[0].empty();
        if (help) throw Stop{ParsedLine::Help, HelpText(chosen_.empty() ? 0 : chosen_.front())};
    }

    void Requirements() const {
        if (chosen_.empty()) throw Failure("A subcommand is required");
        for (std::size_t app = 1; app < apps_.size(); ++app) {
            const AppState& a = apps_[app];
            if (a.parsed == 0) continue;
            for (std::size_t i = 0; i < a.options.size(); ++i)
                if ((a.options[i]->required || IsPositional(a.options[i]->kind)) && a.results[i].empty())
                    throw Failure(NameOf(*a.options[i]) + " is required");
        }
    }

    void Leftovers() const {
        for (const AppState& a : apps_) {
            if (a.parsed == 0) continue;
            std::vector<std::string> words;
            bool counted = false;
            for (const Left& l : a.left) {
                words.push_back(l.text);
                counted = counted || !l.mark;
            }
            if (!counted) continue;
            throw Failure(std::string(words.size() > 1 ? "The following arguments were not expected: "
                                                       : "The following argument was not expected: ") +
                          Joined(words, " ", true));
        }
    }

    std::string HelpText(int app) const {
        const AppState& a = apps_[app];
        std::string out = std::string(a.row->help) + "\nUsage: " + name_;
        if (app != 0) out += std::string(" ") + a.row->name;
        std::string positionals, options;
        for (const OptionRow* row : a.options) {
            if (IsPositional(row->kind)) {
                HelpLine(positionals, OptionLine(*row), row->help);
            } else {
                HelpLine(options, OptionLine(*row), row->help);
            }
        }
        out += " [OPTIONS]";
        for (const OptionRow* row : a.options)
            if (IsPositional(row->kind))
                out += std::string(" ") + row->name + (row->kind == ArgKind::List ? "..." : "");
        if (app == 0) out += " SUBCOMMAND";
        out += "\n";
        if (!positionals.empty()) out += "\nPositionals:\n" + positionals;
        out += "\nOptions:\n" + options;
        if (app == 0) {
            out += "\nSubcommands:\n";
            for (const CommandRow& command : grammar_.commands) HelpLine(out, command.name, command.help);
        }
        return out + "\n" + grammar_.footer + "\n";
    }

    const Grammar& grammar_;
    std::string name_;
    std::vector<std::string> args_;  // the rest, the next one last
    std::vector<AppState> apps_;     // the program, then its commands
    std::vector<int> chosen_;        // the command given, as an index into apps_
};

}  // namespace

ParsedLine Parse(const Grammar& grammar, int argc, const char* const* argv) {
    return LineParser(grammar, argc, argv).Run();
}

}  // namespace trailcfg::cli
