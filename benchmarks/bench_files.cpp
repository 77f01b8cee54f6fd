// How long the camera files take to scramble and to write and read back.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "common/diag.h"
#include "common/scramble.h"
#include "send/cfg_file.h"

namespace trailcfg {
namespace {

template <std::size_t N>
void ScrambleRoundTrip(benchmark::State& state) {
    std::uint8_t image[N];
    for (std::size_t i = 0; i < N; ++i) image[i] = static_cast<std::uint8_t>(i);
    for (auto _ : state) {
        ScrambleBytes(image, N);
        UnscrambleBytes(image, N);
        benchmark::DoNotOptimize(image);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * N * 2);
}
BENCHMARK(ScrambleRoundTrip<kSendSettingsSize>)->Name("scramble+unscramble CFG.BIN image");
BENCHMARK(ScrambleRoundTrip<kCameraMenuSize>)->Name("scramble+unscramble menu.dat image");

void CfgWriteAndVerify(benchmark::State& state) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "trailcfg-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    ResetProcessState();
    std::strcpy(g_szSavePath, tmpl.c_str());
    SetDiagSink(DiscardDiag, nullptr);
    LoadSendDefaults();
    sLastGenTime = {25, 6, 15, 10, 20, 30};
    g_sSendSet.sTime = {25, 6, 15, 10, 20, 30, 0};
    for (auto _ : state) {
        WriteSendSettings();
        if (ReadSendSettings(1) != 1) state.SkipWithError("read-back failed");
    }
    SetDiagSink(nullptr, nullptr);
    std::filesystem::remove_all(tmpl);
}
BENCHMARK(CfgWriteAndVerify)->Name("CFG.BIN write + verified read-back")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace trailcfg

BENCHMARK_MAIN();
