// Expectations about the page on screen.
#include "session.h"
#include "step_args.h"
#include "values.h"

namespace trailcfg::scenario {

namespace {

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

std::string Of(const Step& step) { return " of " + step.tokens[2].word; }

Outcome Page(Session& s, const Step& step) {
    if (!HasArgs(s, step, 3, "expect page ID|none")) return Outcome::Failed;
    DialogProbe* probe = s.PageProbe();
    std::string got = probe ? "page " + std::to_string(probe->TemplateId()) : "no page";
    if (step.tokens[2].IsWord() && step.tokens[2].word == "none")
        return probe ? s.Mismatch(step, "no page", got) : Outcome::Done;
    std::int64_t id = 0;
    if (!NumberArg(s, step, 2, id)) return Outcome::Failed;
    if (probe && probe->TemplateId() == id) return Outcome::Done;
    return s.Mismatch(step, "page " + step.tokens[2].word, got);
}

Outcome Title(Session& s, const Step& step) {
    std::string text;
    if (!HasArgs(s, step, 3, "expect title \"TEXT\"") || !PageArg(s, step) || !TextArg(s, step, 2, text))
        return Outcome::Failed;
    std::string got = s.PageProbe()->Title();
    return got == text ? Outcome::Done : s.Mismatch(step, "title " + Quoted(text), Quoted(got));
}

Outcome Text(Session& s, const Step& step) {
    int id = 0;
    std::string text;
    if (!HasArgs(s, step, 4, "expect text ID \"TEXT\"") || !ControlArg(s, step, 2, id) || !TextArg(s, step, 3, text))
        return Outcome::Failed;
    std::string got = s.PageDialog()->GetText(id);
    return got == text ? Outcome::Done : s.Mismatch(step, "text" + Of(step) + " " + Quoted(text), Quoted(got));
}

// expect enabled|visible|masked|checked ID yes|no
Outcome ControlState(Session& s, const Step& step, bool (*read)(Session&, int)) {
    int id = 0;
    bool yes = false;
    if (!HasArgs(s, step, 4, "expect enabled|visible|masked|checked ID yes|no") || !ControlArg(s, step, 2, id) ||
        !YesNoArg(s, step, 3, yes))
        return Outcome::Failed;
    bool got = read(s, id);
    if (got == yes) return Outcome::Done;
    return s.Mismatch(step, step.tokens[2].word + " " + step.tokens[1].word + " " + YesNo(yes), YesNo(got));
}

Outcome Enabled(Session& s, const Step& step) {
    return ControlState(s, step, [](Session& s, int id) { return s.PageDialog()->IsEnabled(id); });
}

Outcome Visible(Session& s, const Step& step) {
    return ControlState(s, step, [](Session& s, int id) { return s.PageDialog()->IsVisible(id); });
}

Outcome Masked(Session& s, const Step& step) {
    return ControlState(s, step, [](Session& s, int id) { return s.PageProbe()->IsMasked(id); });
}

Outcome Checked(Session& s, const Step& step) {
    return ControlState(s, step, [](Session& s, int id) { return s.PageDialog()->IsChecked(id); });
}

// expect selection|count|caret|limit ID N
Outcome ControlNumber(Session& s, const Step& step, int (*read)(Session&, int)) {
    int id = 0;
    std::int64_t n = 0;
    if (!HasArgs(s, step, 4, "expect selection|count|caret|limit ID N") || !ControlArg(s, step, 2, id) ||
        !NumberArg(s, step, 3, n))
        return Outcome::Failed;
    int got = read(s, id);
    return got == n ? Outcome::Done
                    : s.Mismatch(step, step.tokens[1].word + Of(step) + " " + step.tokens[3].word, std::to_string(got));
}

Outcome Selection(Session& s, const Step& step) {
    return ControlNumber(s, step, [](Session& s, int id) { return s.PageDialog()->ListSelection(id); });
}

Outcome Count(Session& s, const Step& step) {
    return ControlNumber(s, step, [](Session& s, int id) { return s.PageDialog()->ListCount(id); });
}

Outcome Caret(Session& s, const Step& step) {
    return ControlNumber(s, step, [](Session& s, int id) { return s.PageProbe()->Caret(id); });
}

Outcome Limit(Session& s, const Step& step) {
    return ControlNumber(s, step, [](Session& s, int id) { return s.PageProbe()->Limit(id); });
}

Outcome Items(Session& s, const Step& step) {
    int id = 0;
    if (!HasArgsAtLeast(s, step, 3, "expect items ID \"A\" \"B\" ...") || !ControlArg(s, step, 2, id))
        return Outcome::Failed;
    std::string expected, got;
    bool equal = s.PageDialog()->ListCount(id) == static_cast<int>(step.tokens.size() - 3);
    for (std::size_t i = 3; i < step.tokens.size(); ++i) {
        std::string text;
        if (!TextArg(s, step, i, text)) return Outcome::Failed;
        expected += " " + Quoted(text);
        if (equal) equal = s.PageDialog()->ListItem(id, static_cast<int>(i - 3)) == text;
    }
    if (equal) return Outcome::Done;
    for (int i = 0; i < s.PageDialog()->ListCount(id); ++i)
        got += (i ? " " : "") + Quoted(s.PageDialog()->ListItem(id, i));
    return s.Mismatch(step, "items" + Of(step) + expected, got.empty() ? "no items" : got);
}

Outcome Item(Session& s, const Step& step) {
    int id = 0;
    std::int64_t n = 0;
    std::string text;
    if (!HasArgs(s, step, 5, "expect item ID N \"TEXT\"") || !ControlArg(s, step, 2, id) || !NumberArg(s, step, 3, n) ||
        !TextArg(s, step, 4, text))
        return Outcome::Failed;
    int count = s.PageDialog()->ListCount(id);
    std::string expected = "item " + step.tokens[3].word + Of(step) + " " + Quoted(text);
    if (n < 0 || n >= count) return s.Mismatch(step, expected, std::to_string(count) + " entries");
    std::string got = s.PageDialog()->ListItem(id, static_cast<int>(n));
    return got == text ? Outcome::Done : s.Mismatch(step, expected, Quoted(got));
}

constexpr StepKind kScreenExpectations[] = {
    {"page", Page},     {"title", Title},     {"text", Text},           {"enabled", Enabled}, {"visible", Visible},
    {"masked", Masked}, {"checked", Checked}, {"selection", Selection}, {"items", Items},     {"count", Count},
    {"item", Item},     {"caret", Caret},     {"limit", Limit},
};

}  // namespace

std::span<const StepKind> ScreenExpectations() { return kScreenExpectations; }

}  // namespace trailcfg::scenario
