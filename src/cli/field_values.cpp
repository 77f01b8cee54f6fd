#include "field_values.h"

#include <charconv>
#include <cstdio>

#include "common/gbk_codec.h"
#include "common/leading_number.h"
#include "common/suggest.h"
#include "explain.h"
#include "rules/generate_rules.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

namespace {

std::vector<std::string_view> NamesOf(std::initializer_list<FileKind> kinds) {
    std::vector<std::string_view> names;
    for (FileKind kind : kinds)
        for (const FieldDesc& f : FieldsOf(kind)) names.push_back(f.name);
    return names;
}

std::string Unknown(std::string_view name, std::initializer_list<FileKind> kinds) {
    std::string error = "unknown field \"" + std::string(name) + "\"";
    std::vector<std::string_view> names = NamesOf(kinds);
    std::string nearest = NearestName(name, names);
    if (!nearest.empty()) error += "; did you mean \"" + nearest + "\"?";
    return error;
}

std::string CodePointName(char32_t cp) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(cp));
    return text;
}

// Bytes that are not UTF-8, and characters no field can carry.
bool CheckCharacters(std::string_view utf8, std::string& error) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        char32_t cp;
        if (!NextCodePoint(utf8, i, cp)) {
            char text[8];
            std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(utf8[start]));
            error = "is not valid UTF-8 (byte " + std::string(text) + " at byte " + std::to_string(start + 1) + ")";
            return false;
        }
        if (cp < 0x20 || cp == 0x7F) {
            error = "holds the control character " + CodePointName(cp) + ", which no field can carry";
            return false;
        }
    }
    return true;
}

// The first character GBK lacks; only asked once the whole text failed.
std::string MissingCharacter(std::string_view utf8) {
    std::string gbk;
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        if (!NextCodePoint(utf8, i, cp)) break;
        if (cp >= 0x80 && !Utf8ToGbkStrict(utf8.substr(start, i - start), gbk))
            return "holds \"" + std::string(utf8.substr(start, i - start)) + "\" (" + CodePointName(cp) +
                   "), a character GBK cannot hold";
    }
    return "cannot be converted to GBK without losing characters";
}

bool TextValue(const FieldGuide& guide, const FieldDesc& field, std::string_view utf8, FieldValue& out,
               std::string& error) {
    if (!CheckCharacters(utf8, error)) return false;
    std::string gbk;
    if (!Utf8ToGbkStrict(utf8, gbk)) {
        error = MissingCharacter(utf8);
        return false;
    }
    const std::size_t room = field.width - 1u;
    if (gbk.size() > room) {
        error = "is " + std::to_string(gbk.size()) + " bytes in GBK; the field holds at most " + std::to_string(room);
        return false;
    }
    if (guide.rule == TextRule::PhoneNumber &&
        (gbk.size() > kPhoneLength || gbk.find_first_not_of(kPhoneChars) != std::string::npos)) {
        error = "is no phone number: the digits 0-9 and \"+\" only, at most " + std::to_string(kPhoneLength);
        return false;
    }
    if (guide.rule == TextRule::Digits && gbk.find_first_not_of(kDigits) != std::string::npos) {
        error = "takes the digits 0-9 only";
        return false;
    }
    out.text = std::move(gbk);
    return true;
}

bool NumberValue(FileKind kind, const FieldDesc& field, std::int64_t number, FieldValue& out, std::string& error) {
    if (!WithinGuide(kind, field, number, error)) return false;
    out.number = number;
    return true;
}

// Decimal, or hexadecimal after "0x"; blanks around it are allowed, as
// spreadsheets leave them.
bool ParseNumber(std::string_view text, std::int64_t& number) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    if (magnitude > static_cast<std::uint64_t>(INT64_MAX)) magnitude = static_cast<std::uint64_t>(INT64_MAX);
    number = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

// At most 40 bytes of a value for a message, never half a character.
std::string Excerpt(std::string_view text) {
    if (text.size() <= 40) return std::string(text);
    std::size_t n = 40;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return std::string(text.substr(0, n)) + "...";
}

}  // namespace

bool FindAnyField(std::string_view name, FileKind& kind, const FieldDesc*& field, std::string& error) {
    for (FileKind k : {FileKind::Cfg, FileKind::Menu}) {
        if (const FieldDesc* f = FindField(FieldsOf(k), name)) {
            kind = k;
            field = f;
            return true;
        }
    }
    error = Unknown(name, {FileKind::Cfg, FileKind::Menu});
    return false;
}

bool FindFieldOf(FileKind kind, std::string_view name, const FieldDesc*& field, std::string& error) {
    field = FindField(FieldsOf(kind), name);
    if (field) return true;
    error = Unknown(name, {kind});
    FileKind other = kind == FileKind::Cfg ? FileKind::Menu : FileKind::Cfg;
    if (FindField(FieldsOf(other), name))
        error = "\"" + std::string(name) + "\" is a field of " + FileNameOf(other) + ", not of " + FileNameOf(kind);
    return false;
}

bool WithinGuide(FileKind kind, const FieldDesc& field, std::int64_t value, std::string& error) {
    const FieldGuide& guide = GuideOf(kind, field);
    if (value >= guide.min && value <= guide.max) return true;
    error = std::to_string(value) + " is outside " + std::to_string(guide.min) + ".." + std::to_string(guide.max);
    std::string items = ItemsInWords(guide, kLangEn);
    if (!items.empty()) error += " (" + items + ")";
    return false;
}

bool ValueFromJson(FileKind kind, const FieldDesc& field, const Json& json, FieldValue& out, std::string& error) {
    out = FieldValue{kind, &field, 0, {}};
    if (field.kind == FieldKind::Text) {
        if (!json.is_string()) {
            error = "a text in quotes is needed, not " + std::string(json.type_name()) + " " + Excerpt(json.dump());
            return false;
        }
        return TextValue(GuideOf(kind, field), field, json.get_ref<const std::string&>(), out, error);
    }
    if (json.is_number_unsigned()) {
        const std::uint64_t u = json.get<std::uint64_t>();
        return NumberValue(kind, field, u > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(u), out, error);
    }
    if (json.is_number_integer()) return NumberValue(kind, field, json.get<std::int64_t>(), out, error);
    if (json.is_number_float()) {
        error = "a whole number is needed, not " + json.dump();
        return false;
    }
    error = "a number is needed, not " + std::string(json.type_name()) + " " + Excerpt(json.dump());
    return false;
}

bool ValueFromText(FileKind kind, const FieldDesc& field, std::string_view utf8, FieldValue& out, std::string& error) {
    out = FieldValue{kind, &field, 0, {}};
    if (field.kind == FieldKind::Text) return TextValue(GuideOf(kind, field), field, utf8, out, error);
    std::int64_t number = 0;
    if (!ParseNumber(utf8, number)) {
        error = utf8.empty() ? "is empty; a number is needed" : "\"" + Excerpt(utf8) + "\" is not a whole number";
        return false;
    }
    return NumberValue(kind, field, number, out, error);
}

void ApplyValues(std::uint8_t* plain, const FieldValues& values) {
    for (const FieldValue& v : values) {
        if (v.field->kind == FieldKind::Text)
            WriteFieldText(plain, *v.field, v.text);
        else
            WriteFieldNumber(plain, *v.field, v.number);
    }
}

bool SameAsRecord(const FieldValue& value, const std::uint8_t* plain) {
    if (value.field->kind == FieldKind::Text) return ReadFieldText(plain, *value.field) == value.text;
    std::int64_t stored = ReadFieldNumber(plain, *value.field);
    if (value.kind == FileKind::Cfg && value.field->offset == 0) stored &= ~IF_SEND_BY_APP_SET_FLG;
    return stored == value.number;
}

}  // namespace trailcfg::cli
