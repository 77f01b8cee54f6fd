#include "json_input.h"

#include <set>
#include <vector>

namespace trailcfg::cli {

namespace {

constexpr std::string_view kFlagKey = "sendByAppSetFlag";

// "line 3, column 7" for a byte offset; columns count characters.
std::string Position(std::string_view text, std::size_t offset) {
    if (offset > text.size()) offset = text.size();
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// nlohmann's message without its own prefix and position.
std::string Detail(const std::string& what) {
    std::size_t at = what.find("column ");
    if (at != std::string::npos) at = what.find(": ", at);
    return at == std::string::npos ? what : what.substr(at + 2);
}

}  // namespace

bool ParseJsonFields(std::string_view text, JsonFields& out, std::string& error) {
    out = JsonFields{};
    // nlohmann keeps the last of two equal keys; a user who wrote a field
    // twice meant one of them, and guessing which would lose the other.
    std::vector<std::set<std::string>> keys;
    std::string twice;
    Json::parser_callback_t noteKeys = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == Json::parse_event_t::key && !keys.empty() && twice.empty() &&
            !keys.back().insert(parsed.get<std::string>()).second)
            twice = parsed.get<std::string>();
        return true;
    };
    Json json;
    try {
        json = Json::parse(text.begin(), text.end(), noteKeys);
    } catch (const Json::parse_error& e) {
        error = Position(text, e.byte > 0 ? e.byte - 1 : 0) + ": " + Detail(e.what());
        return false;
    } catch (const Json::exception& e) {
        // A number beyond a double (1e400) is no syntax error to nlohmann,
        // but it is no value any field holds either.
        error = Detail(e.what());
        return false;
    }
    if (!json.is_object()) {
        error = "a JSON object {\"field\": value, ...} is needed, not " + std::string(json.type_name());
        return false;
    }
    if (!twice.empty()) {
        error = twice + ": given twice";
        return false;
    }
    for (const auto& [name, value] : json.items()) {
        if (name == kFlagKey) {
            if (!value.is_boolean()) {
                error = name + ": true or false is needed, not " + std::string(value.type_name());
                return false;
            }
            out.hasCfg = true;
            continue;
        }
        FileKind kind;
        const FieldDesc* field;
        if (!FindAnyField(name, kind, field, error)) return false;
        FieldValue v;
        std::string why;
        if (!ValueFromJson(kind, *field, value, v, why)) {
            error = name + ": " + why;
            return false;
        }
        (kind == FileKind::Cfg ? out.hasCfg : out.hasMenu) = true;
        out.values.push_back(std::move(v));
    }
    return true;
}

}  // namespace trailcfg::cli
