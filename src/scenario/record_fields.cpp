#include "record_fields.h"

#include "values.h"

namespace trailcfg::scenario {

bool AssignField(std::uint8_t* record, const FieldTable& table, const Token& assignment, std::string& error) {
    std::size_t eq = assignment.word.find('=');
    if (eq == std::string::npos) {
        error = "FIELD=VALUE is needed in place of " + assignment.word;
        return false;
    }
    std::string name = assignment.word.substr(0, eq);
    std::string number = assignment.word.substr(eq + 1);
    const FieldDesc* field = FindField(table, name);
    if (!field) {
        error = std::string(table.recordName) + " has no field " + name;
        return false;
    }
    if (assignment.text) {
        if (!number.empty() || field->kind != FieldKind::Text) {
            error = name + " takes a number";
            return false;
        }
        if (!WriteFieldText(record, *field, *assignment.text)) {
            error = name + " holds at most " + std::to_string(field->width - 1) + " bytes";
            return false;
        }
        return true;
    }
    std::int64_t value = 0;
    if (field->kind == FieldKind::Text || !ParseNumber(number, value)) {
        error = name + (field->kind == FieldKind::Text ? " takes a text" : " takes a number");
        return false;
    }
    if (value < FieldMin(*field) || value > FieldMax(*field)) {
        error = name + " cannot hold " + number;
        return false;
    }
    WriteFieldNumber(record, *field, value);
    return true;
}

bool CheckField(const std::uint8_t* record, const FieldDesc& field, const Token& expected, FieldCheck& check,
                std::string& error) {
    if (field.kind == FieldKind::Text) {
        if (!expected.IsText()) {
            error = std::string(field.name) + " holds a text";
            return false;
        }
        std::string_view got = ReadFieldText(record, field);
        check.equal = got == *expected.text;
        check.got = Quoted(got);
        return true;
    }
    std::int64_t value = 0;
    if (!expected.IsWord() || !ParseNumber(expected.word, value)) {
        error = std::string(field.name) + " holds a number";
        return false;
    }
    std::int64_t got = ReadFieldNumber(record, field);
    check.equal = got == value;
    check.got = std::to_string(got);
    return true;
}

std::string Shown(const Token& value) { return value.IsText() ? Quoted(*value.text) : value.word; }

}  // namespace trailcfg::scenario
