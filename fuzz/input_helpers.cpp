// The edit helpers run on whatever a user types or pastes: any bytes, valid
// GBK or not. Whatever comes in, a filtered edit must end up holding exactly
// the allowed bytes in their order with the caret where the first removed byte
// stood, and a range-checked edit must end up a number within its bounds.
//
// Input: byte 0 picks the helper and its set, bytes 1..4 the bounds, byte 5
// the warning; the rest is the text the user types into the edit at once.
#include <cstring>
#include <memory>
#include <string>

#include "app/process_state.h"
#include "fuzz_support.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_platform.h"
#include "platform/layout.h"
#include "rules/generate_rules.h"
#include "ui/input_helpers.h"

using namespace trailcfg;

namespace {

constexpr int kEdit = ids::send::kPhone1Edit;  // an edit of the send page with no limit of its own
constexpr std::size_t kHeader = 6;
// Each removed byte nests one more text change; keep the nesting well inside
// the stack, as the pages' edit limits do.
constexpr std::size_t kMaxText = 512;

struct Setup {
    enum Mode { FilterDigits, FilterPhone, FilterNothing, Range } mode;
    std::uint16_t min, max;
    bool warn;
};

class HelperPage final : public Page {
public:
    HelperPage(Platform& platform, const Setup& setup) : platform_(platform), setup_(setup) {}
    int TemplateId() const override { return kTemplateSendPage; }
    void OnOpen(Dialog&) override {}
    void OnEvent(Dialog& dialog, const Event& event) override {
        if (event.type != EventType::TextChanged || event.id != kEdit) return;
        switch (setup_.mode) {
            case Setup::FilterDigits:
                FilterEditChars(dialog, kEdit, kDigits);
                break;
            case Setup::FilterPhone:
                FilterEditChars(dialog, kEdit, kPhoneChars);
                break;
            case Setup::FilterNothing:
                FilterEditChars(dialog, kEdit, "");
                break;
            case Setup::Range:
                CheckEditRange(platform_, dialog, kEdit, setup_.min, setup_.max, setup_.warn);
                break;
        }
    }

private:
    Platform& platform_;
    Setup setup_;
};

class TypeOnce final : public Driver {
public:
    explicit TypeOnce(std::string text) : text_(std::move(text)) {}
    bool Act(Dialog& dialog, DialogProbe& probe) override {
        if (done_) return false;
        done_ = true;
        probe.UserType(kEdit, text_);
        finalText = dialog.GetText(kEdit);
        caret = probe.Caret(kEdit);
        return false;
    }
    std::uint16_t SystemDefaultLanguage() override { return 0x0409; }
    LocalTime Now() override { return {2025, 6, 15, 10, 20, 30}; }
    bool AnswerFolder(std::string&) override { return false; }
    void RecordMessage(const std::string&, const std::string&, MessageIcon) override { ++messages; }

    std::string finalText;
    int caret = -1;
    int messages = 0;

private:
    std::string text_;
    bool done_ = false;
};

std::string Expected(const std::string& typed, const char* allowed, int& firstRemoved) {
    std::string kept;
    firstRemoved = -1;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (*allowed == '\0' || std::strchr(allowed, typed[i]) != nullptr)
            kept += typed[i];
        else if (firstRemoved < 0)
            firstRemoved = static_cast<int>(i);
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) return 0;
    Setup setup;
    setup.mode = static_cast<Setup::Mode>(data[0] % 4);
    std::uint16_t a = static_cast<std::uint16_t>(data[1] | (data[2] << 8));
    std::uint16_t b = static_cast<std::uint16_t>(data[3] | (data[4] << 8));
    setup.min = a < b ? a : b;
    setup.max = a < b ? b : a;
    setup.warn = data[5] & 1;
    std::string typed(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    if (typed.size() > kMaxText) typed.resize(kMaxText);
    // An edit holds a zero-terminated text; a NUL ends what was typed.
    typed = typed.substr(0, typed.find('\0'));

    ResetProcessState();
    fuzz::DiagRecorder quiet;
    std::unique_ptr<DrivablePlatform> platform = MakeHeadlessPlatform();
    TypeOnce driver(typed);
    platform->SetDriver(&driver);
    HelperPage page(*platform, setup);
    FUZZ_CHECK(platform->RunModal(page) == kPageAbandoned);

    const std::string& text = driver.finalText;
    if (setup.mode == Setup::Range) {
        FUZZ_CHECK(!text.empty());
        std::uint64_t value = 0;
        for (char c : text) {
            FUZZ_CHECK(c >= '0' && c <= '9');
            if (value <= 0xFFFFFFFFull) value = value * 10 + static_cast<unsigned>(c - '0');
        }
        FUZZ_CHECK(value >= setup.min && value <= setup.max);
        if (!setup.warn) FUZZ_CHECK(driver.messages == 0);
    } else {
        const char* allowed = setup.mode == Setup::FilterDigits  ? kDigits
                              : setup.mode == Setup::FilterPhone ? kPhoneChars
                                                                 : "";
        int firstRemoved = -1;
        FUZZ_CHECK(text == Expected(typed, allowed, firstRemoved));
        FUZZ_CHECK(driver.caret == (firstRemoved >= 0 ? firstRemoved : static_cast<int>(typed.size())));
        FUZZ_CHECK(driver.messages == 0);
    }
    return 0;
}
