// The user's steps: what a person does to the page on screen.
#include <initializer_list>
#include <string>

#include "platform/layout.h"
#include "session.h"
#include "step_args.h"

namespace trailcfg::scenario {

namespace {

// The control's kind from the page's layout; nullptr when the backend built
// a page from a template the layouts do not know.
const ControlLayout* LayoutOf(const DialogProbe& probe, int id) {
    const DialogLayout* layout = FindDialogLayout(probe.TemplateId());
    return layout ? FindControl(*layout, id) : nullptr;
}

// A control the user can reach, of one of the kinds the step acts on.
bool Reachable(Session& s, const Step& step, int id, std::initializer_list<ControlKind> kinds) {
    const ControlLayout* control = LayoutOf(*s.PageProbe(), id);
    if (control) {
        bool fits = false;
        for (ControlKind kind : kinds) fits = fits || control->kind == kind;
        if (!fits) {
            s.Fail(step, step.tokens[0].word + ": control " + ControlWord(step, 1, id) + " is not a control for that");
            return false;
        }
    }
    const Dialog& dialog = *s.PageDialog();
    const char* why = !dialog.IsVisible(id) ? " is hidden" : !dialog.IsEnabled(id) ? " is disabled" : nullptr;
    if (!why) return true;
    s.Fail(step, step.tokens[0].word + ": control " + ControlWord(step, 1, id) + why);
    return false;
}

Outcome Click(Session& s, const Step& step) {
    int id = 0;
    if (!HasArgs(s, step, 2, "click ID") || !ControlArg(s, step, 1, id) ||
        !Reachable(s, step, id, {ControlKind::Button, ControlKind::DefaultButton, ControlKind::CheckBox}))
        return Outcome::Failed;
    s.PageProbe()->UserClick(id);
    return Outcome::UserAction;
}

Outcome Type(Session& s, const Step& step) {
    int id = 0;
    std::string text;
    if (!HasArgs(s, step, 3, "type ID \"TEXT\"") || !ControlArg(s, step, 1, id) || !TextArg(s, step, 2, text) ||
        !Reachable(s, step, id, {ControlKind::Edit}))
        return Outcome::Failed;
    s.PageProbe()->UserType(id, text);
    return Outcome::UserAction;
}

Outcome Leave(Session& s, const Step& step) {
    int id = 0;
    if (!HasArgs(s, step, 2, "leave ID") || !ControlArg(s, step, 1, id) || !Reachable(s, step, id, {ControlKind::Edit}))
        return Outcome::Failed;
    s.PageProbe()->UserLeave(id);
    return Outcome::UserAction;
}

Outcome Choose(Session& s, const Step& step) {
    int id = 0;
    std::int64_t index = 0;
    if (!HasArgs(s, step, 3, "choose ID N") || !ControlArg(s, step, 1, id) || !NumberArg(s, step, 2, index) ||
        !Reachable(s, step, id, {ControlKind::DropDownList, ControlKind::DropDownCombo}))
        return Outcome::Failed;
    int count = s.PageDialog()->ListCount(id);
    if (index < 0 || index >= count)
        return s.Fail(step, "choose: list " + ControlWord(step, 1, id) + " has " + std::to_string(count) + " entries");
    s.PageProbe()->UserChoose(id, static_cast<int>(index));
    return Outcome::UserAction;
}

Outcome Key(Session& s, const Step& step) {
    if (!HasArgs(s, step, 2, "key enter|escape") || !PageArg(s, step)) return Outcome::Failed;
    const Token& key = step.tokens[1];
    if (key.IsWord() && key.word == "enter")
        s.PageProbe()->UserPressKey(UserKey::Enter);
    else if (key.IsWord() && key.word == "escape")
        s.PageProbe()->UserPressKey(UserKey::Escape);
    else
        return s.Fail(step, "usage: key enter|escape");
    return Outcome::UserAction;
}

Outcome Close(Session& s, const Step& step) {
    if (!HasArgs(s, step, 1, "close") || !PageArg(s, step)) return Outcome::Failed;
    s.PageProbe()->UserClose();
    return Outcome::UserAction;
}

Outcome Tick(Session& s, const Step& step) {
    std::int64_t n = 1;
    if (step.tokens.size() > 2) return s.Fail(step, "usage: tick [N]");
    if (!PageArg(s, step) || (step.tokens.size() == 2 && !NumberArg(s, step, 1, n))) return Outcome::Failed;
    if (n < 1 || n > 1000000) return s.Fail(step, "tick: N is 1..1000000");
    if (!s.PageProbe()->TimerRunning(kPageTimer))
        return s.Fail(step, "tick: no timer runs on page " + std::to_string(s.PageProbe()->TemplateId()));
    s.PageProbe()->FireTimer(kPageTimer);
    s.QueueTicks(step, static_cast<int>(n - 1));
    return Outcome::UserAction;
}

constexpr StepKind kUserSteps[] = {
    {"click", Click}, {"type", Type},   {"leave", Leave}, {"choose", Choose},
    {"key", Key},     {"close", Close}, {"tick", Tick},
};

}  // namespace

std::span<const StepKind> UserSteps() { return kUserSteps; }

}  // namespace trailcfg::scenario
