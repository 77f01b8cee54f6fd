#include "step_args.h"

#include "common/file_io.h"
#include "common/gbk_codec.h"
#include "control_names.h"
#include "values.h"

namespace trailcfg::scenario {

bool HasArgs(Session& session, const Step& step, std::size_t count, const char* usage) {
    if (step.tokens.size() == count) return true;
    session.Fail(step, std::string("usage: ") + usage);
    return false;
}

bool HasArgsAtLeast(Session& session, const Step& step, std::size_t count, const char* usage) {
    if (step.tokens.size() >= count) return true;
    session.Fail(step, std::string("usage: ") + usage);
    return false;
}

bool NumberArg(Session& session, const Step& step, std::size_t index, std::int64_t& value) {
    const Token& token = step.tokens[index];
    if (token.IsWord() && ParseNumber(token.word, value)) return true;
    session.Fail(step, "a number is needed in place of " + (token.IsWord() ? token.word : Quoted(*token.text)));
    return false;
}

bool TextArg(Session& session, const Step& step, std::size_t index, std::string& gbk) {
    const Token& token = step.tokens[index];
    if (token.IsText()) {
        gbk = *token.text;
        return true;
    }
    session.Fail(step, "a text in double quotes is needed in place of " + token.word);
    return false;
}

bool YesNoArg(Session& session, const Step& step, std::size_t index, bool& yes) {
    const Token& token = step.tokens[index];
    if (token.IsWord() && (token.word == "yes" || token.word == "no")) {
        yes = token.word == "yes";
        return true;
    }
    session.Fail(step, "yes or no is needed");
    return false;
}

std::filesystem::path PathArg(Session& session, const Token& token) {
    std::filesystem::path path = PathFromGbk(Utf8ToGbk(token.word) + token.text.value_or(""));
    return path.is_absolute() ? path : session.work.path() / path;
}

bool PageArg(Session& session, const Step& step) {
    if (session.PageProbe()) return true;
    session.Fail(step, "no page on screen");
    return false;
}

bool ControlArg(Session& session, const Step& step, std::size_t index, int& id) {
    if (!PageArg(session, step)) return false;
    const Token& token = step.tokens[index];
    DialogProbe& probe = *session.PageProbe();
    const std::string page = "page " + std::to_string(probe.TemplateId());
    std::int64_t value = 0;
    if (token.IsWord() && !ParseNumber(token.word, value)) {
        std::optional<int> named = ControlIdByName(probe.TemplateId(), token.word);
        if (named && probe.HasControl(*named)) {
            id = *named;
            return true;
        }
        std::string nearest = NearestControlNames(probe.TemplateId(), token.word);
        session.Fail(step, page + " has no control " + token.word + (nearest.empty() ? "" : "; nearest: " + nearest));
        return false;
    }
    if (!NumberArg(session, step, index, value)) return false;
    if (value < INT32_MIN || value > INT32_MAX || !probe.HasControl(static_cast<int>(value))) {
        session.Fail(step, page + " has no control " + token.word);
        return false;
    }
    id = static_cast<int>(value);
    return true;
}

std::string ControlWord(const Step& step, std::size_t index, int id) {
    std::int64_t value = 0;
    const std::string& word = step.tokens[index].word;
    return ParseNumber(word, value) ? std::to_string(id) : word;
}

}  // namespace trailcfg::scenario
