#include "session.h"

#include "app/process_state.h"
#include "common/diag.h"
#include "common/file_io.h"
#include "gui/run_application.h"

namespace trailcfg::scenario {

namespace {

const StepKind* FindKind(std::span<const StepKind> kinds, const std::string& name) {
    for (const StepKind& kind : kinds)
        if (name == kind.name) return &kind;
    return nullptr;
}

}  // namespace

Session::Session(DrivablePlatform& platform, std::string fileName, WorkFolder& work)
    : platform(platform), work(work), workGbk(GbkFromPath(work.path())), fileName_(std::move(fileName)) {}

Session::~Session() { platform.SetDriver(nullptr); }

void Session::CaptureOutput(void* self, const char* bytes, std::size_t n) {
    static_cast<Session*>(self)->output.append(bytes, n);
}

bool Session::Run(const std::vector<Step>& steps) {
    steps_ = &steps;
    next_ = 0;
    while (!failed_ && next_ < steps.size()) Execute(steps[next_++]);
    return !failed_;
}

bool Session::Act(Dialog& dialog, DialogProbe& probe) {
    // The page may end once this returns; it is not ours to look at then.
    struct PageScope {
        Session& s;
        ~PageScope() {
            s.dialog_ = nullptr;
            s.probe_ = nullptr;
        }
    } scope{*this};
    dialog_ = &dialog;
    probe_ = &probe;

    if (ticksPending > 0) {
        --ticksPending;
        if (!probe.TimerRunning(kPageTimer)) {
            Fail(*tickStep_, "tick: no timer runs on page " + std::to_string(probe.TemplateId()));
            return false;
        }
        probe.FireTimer(kPageTimer);
        return true;
    }
    while (!failed_ && steps_ && next_ < steps_->size()) {
        const Step& step = (*steps_)[next_++];
        switch (Execute(step)) {
            case Outcome::UserAction:
                return true;
            case Outcome::Failed:
                return false;
            case Outcome::Done:
                break;
        }
    }
    // Out of steps (or failed): leave the application where it is.
    return false;
}

bool Session::AnswerFolder(std::string& folder) {
    if (folderAnswers.empty()) return false;
    std::optional<std::string> answer = std::move(folderAnswers.front());
    folderAnswers.pop_front();
    if (!answer) return false;
    folder = *answer;
    return true;
}

void Session::RecordMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
    messages.push_back(Message{caption, text, icon});
}

Outcome Session::Fail(const Step& step, const std::string& message) {
    if (!failed_) report_ += fileName_ + ":" + std::to_string(step.line) + ": " + message + "\n";
    failed_ = true;
    return Outcome::Failed;
}

Outcome Session::Mismatch(const Step& step, const std::string& expected, const std::string& got) {
    return Fail(step, "expected " + expected + ", got " + got);
}

Outcome Session::StartApplication(const Step& step) {
    std::error_code ec;
    std::filesystem::current_path(work.path(), ec);
    if (ec) return Fail(step, "start: cannot enter the working folder");
    ResetProcessState();
    output.clear();
    exitStatus.reset();
    appRunning = true;
    platform.SetDriver(this);
    int status = RunApplication(platform);
    platform.SetDriver(nullptr);
    appRunning = false;
    if (status != kPageAbandoned) exitStatus = status;
    return failed_ ? Outcome::Failed : Outcome::Done;
}

Outcome Session::Execute(const Step& step) {
    const Token& first = step.tokens[0];
    if (!first.IsWord()) return Fail(step, "a step starts with a word");
    if (first.word == "expect") {
        if (step.tokens.size() < 2 || !step.tokens[1].IsWord()) return Fail(step, "expect what?");
        const StepKind* kind = FindKind(ScreenExpectations(), step.tokens[1].word);
        if (!kind) kind = FindKind(ResultExpectations(), step.tokens[1].word);
        if (!kind) return Fail(step, "unknown expectation \"" + step.tokens[1].word + "\"");
        return kind->run(*this, step);
    }
    const StepKind* kind = FindKind(SetupSteps(), first.word);
    if (!kind) kind = FindKind(UserSteps(), first.word);
    if (!kind) return Fail(step, "unknown step \"" + first.word + "\"");
    return kind->run(*this, step);
}

}  // namespace trailcfg::scenario
