// CFG.BIN reader: any file, of any size, read with and without verification.
// Beyond the sanitizers' checks, what a read leaves behind is checked against
// the file itself.
#include <cstring>
#include <memory>

#include "common/scramble.h"
#include "fuzz_support.h"
#include "send/cfg_file.h"

using namespace trailcfg;
using trailcfg::fuzz::CheckLines;
using trailcfg::fuzz::DiagRecorder;

namespace {

constexpr std::uint8_t kUntouched = 0x5A;

// The longest dump line: a 61-byte text after a 32-byte label.
constexpr std::size_t kMaxDumpLine = 100;

// A record on the heap, sized exactly, so that any write past it is caught.
std::unique_ptr<SendSettings> MarkedRecord() {
    auto s = std::make_unique<SendSettings>();
    std::memset(s.get(), kUntouched, sizeof *s);
    return s;
}

bool IsUntouched(const SendSettings& s) {
    const std::uint8_t* b = RecordBytes(s);
    for (std::size_t i = 0; i < kSendSettingsSize; ++i)
        if (b[i] != kUntouched) return false;
    return true;
}

// The bytes the reader is allowed to change after a good read.
bool IsNormalisedByte(std::size_t offset) {
    return offset == 0 || offset == 1 || offset == 3 || offset == 4 || offset == 8;
}

void CheckNormalised(const SendSettings& s, const std::uint8_t* plain) {
    FUZZ_CHECK((s.bySendBy & IF_SEND_BY_APP_SET_FLG) == 0);
    FUZZ_CHECK(s.bySendBy != kSendByCloud);
    FUZZ_CHECK(s.bySendBy == (plain[0] & 0x7F) || (plain[0] & 0x7F) == kSendByCloud);
    FUZZ_CHECK(s.bySendMode == 0);
    FUZZ_CHECK(s.bySendFileNum <= 4);
    FUZZ_CHECK(s.bySendFileNum == (plain[8] <= 4 ? plain[8] : 0));
    FUZZ_CHECK(s.byRemoteInterval <= kRemoteIntervalOff);
    FUZZ_CHECK(s.byRemoteSwitch == (s.byRemoteInterval < kRemoteIntervalOff ? 1 : 0));
    FUZZ_CHECK(s.byRemoteInterval == (plain[4] <= kRemoteIntervalOff ? plain[4] : 0));
    const std::uint8_t* b = RecordBytes(s);
    for (std::size_t i = 0; i < kSendSettingsSize; ++i)
        if (!IsNormalisedByte(i)) FUZZ_CHECK(b[i] == plain[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = fuzz::ScratchPath("CFG.BIN");
    const std::vector<std::uint8_t> file = fuzz::ShapeFile(data, size, kSendSettingsSize);
    fuzz::WriteScratch(path, file);

    std::vector<std::uint8_t> plain = file;
    UnscrambleBytes(plain.data(), plain.size());
    // The time stamp the verifying read compares with: the file's own, or one
    // that differs from it in one byte.
    GenTime last{};
    bool sameTime = false;
    if (plain.size() >= 20) {
        std::memcpy(&last, plain.data() + 14, sizeof last);
        sameTime = size < 2 || (data[0] & 1) == 0;
        if (!sameTime) reinterpret_cast<std::uint8_t*>(&last)[data[1] % 6] ^= 0x01;
    }

    auto plainRead = MarkedRecord();
    auto verifiedRead = MarkedRecord();
    DiagRecorder out;
    const int r0 = ReadCfgFile(path, "CFG.BIN", *plainRead, 0, last);
    const int r1 = ReadCfgFile(path, "CFG.BIN", *verifiedRead, 1, last);
    CheckLines(out.text(), kMaxDumpLine);

    if (file.size() != kSendSettingsSize) {
        FUZZ_CHECK(r0 == 0 && r1 == 0);
        FUZZ_CHECK(IsUntouched(*plainRead) && IsUntouched(*verifiedRead));
        return 0;
    }
    if (plain[12] != (kSendStructFlag & 0xFF) || plain[13] != (kSendStructFlag >> 8)) {
        FUZZ_CHECK(r0 == 0 && r1 == 0);
        SendSettings cleared{};
        cleared.StructFlag = kSendStructFlag;
        FUZZ_CHECK(std::memcmp(plainRead.get(), &cleared, sizeof cleared) == 0);
        FUZZ_CHECK(std::memcmp(verifiedRead.get(), &cleared, sizeof cleared) == 0);
        return 0;
    }
    FUZZ_CHECK(r0 == 1);
    FUZZ_CHECK(r1 == (sameTime ? 1 : 0));
    CheckNormalised(*plainRead, plain.data());
    FUZZ_CHECK(std::memcmp(plainRead.get(), verifiedRead.get(), kSendSettingsSize) == 0);
    return 0;
}
