// One scenario file being run. The session plays the user: it is the
// backend's Driver, so while the application runs, the backend asks it to act
// (Act) and it carries out the file's steps until one of them is a user
// action. Steps outside a running application are carried out by Run.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/diag.h"
#include "platform/driver.h"
#include "script.h"
#include "work_folder.h"

namespace trailcfg::scenario {

// Pages number their timers; a page runs at most one, number 1, and that is
// the timer `tick` fires.
inline constexpr int kPageTimer = 1;

enum class Outcome { Done, UserAction, Failed };

struct Message {
    std::string caption;
    std::string text;
    MessageIcon icon;
};

class Session;
using StepHandler = Outcome (*)(Session& session, const Step& step);

struct StepKind {
    const char* name;
    StepHandler run;
};

// The step tables: set-up steps, user steps, and expectations (by the word
// after "expect") about the screen and about what the program did.
std::span<const StepKind> SetupSteps();
std::span<const StepKind> UserSteps();
std::span<const StepKind> ScreenExpectations();
std::span<const StepKind> ResultExpectations();

class Session final : public Driver {
public:
    Session(DrivablePlatform& platform, std::string fileName, WorkFolder& work);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Carries out the steps in order; false when one failed (see Report).
    bool Run(const std::vector<Step>& steps);
    const std::string& Report() const { return report_; }

    // Driver
    bool Act(Dialog& dialog, DialogProbe& probe) override;
    std::uint16_t SystemDefaultLanguage() override { return systemLanguage; }
    LocalTime Now() override { return now; }
    bool AnswerFolder(std::string& folder) override;
    void RecordMessage(const std::string& caption, const std::string& text, MessageIcon icon) override;

    // For the step handlers.
    Outcome Fail(const Step& step, const std::string& message);
    Outcome Mismatch(const Step& step, const std::string& expected, const std::string& got);
    // The page on screen, or nullptr.
    Dialog* PageDialog() const { return dialog_; }
    DialogProbe* PageProbe() const { return probe_; }
    // Runs the application until it ends or the steps run out.
    Outcome StartApplication(const Step& step);
    // The rest of a `tick N`: one tick per later Act.
    void QueueTicks(const Step& step, int count) {
        tickStep_ = &step;
        ticksPending = count;
    }

    DrivablePlatform& platform;
    WorkFolder& work;
    std::string workGbk;
    std::uint16_t systemLanguage = 0x0409;
    LocalTime now{2025, 6, 15, 10, 20, 30};
    std::deque<std::optional<std::string>> folderAnswers;  // nullopt: cancel
    std::vector<Message> messages;
    std::size_t messagesExpected = 0;
    std::string output;  // standard output of the application since `start`
    bool appRunning = false;
    std::optional<int> exitStatus;

private:
    static void CaptureOutput(void* self, const char* bytes, std::size_t n);
    Outcome Execute(const Step& step);

    std::string fileName_;
    std::string report_;
    bool failed_ = false;
    const std::vector<Step>* steps_ = nullptr;
    std::size_t next_ = 0;
    const Step* tickStep_ = nullptr;
    int ticksPending = 0;
    Dialog* dialog_ = nullptr;
    DialogProbe* probe_ = nullptr;
    ScopedDiagSink capture_{&Session::CaptureOutput, this};
};

}  // namespace trailcfg::scenario
