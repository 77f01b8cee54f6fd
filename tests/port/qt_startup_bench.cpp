// Measures the desktop program's start on Qt: the time from starting a fresh
// process until the start page is on screen and painted, and that process's
// peak memory. Each run is a new process (a child of this one) that runs the
// real application through the Qt backend; a driver attached for the
// measurement only notes the moment the start page first waits for its user,
// forces the page's paint, reports, and gives up the run.
//
//     qt_startup_bench [RUNS]     (default 10; offscreen unless QT_QPA_PLATFORM says otherwise)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gui/run_application.h"
#include "qt_platform.h"

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--child";

// Stands in for the user just long enough to see the first page.
class FirstPageWatch final : public trailcfg::Driver {
public:
    explicit FirstPageWatch(int reportFd) : reportFd_(reportFd) {}

    bool Act(trailcfg::Dialog&, trailcfg::DialogProbe&) override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) (void)window->grab();  // paint it, banner included
        const char line[] = "shown\n";
        if (write(reportFd_, line, sizeof line - 1) < 0) return false;
        return false;
    }
    std::uint16_t SystemDefaultLanguage() override { return 0x0804; }
    trailcfg::LocalTime Now() override { return {2025, 6, 15, 10, 20, 30}; }
    bool AnswerFolder(std::string&) override { return false; }
    void RecordMessage(const std::string&, const std::string&, trailcfg::MessageIcon) override {}

private:
    int reportFd_;
};

int RunChild(int reportFd) {
    std::unique_ptr<trailcfg::DrivablePlatform> platform = trailcfg::MakeQtPlatform();
    if (!platform) return 2;
    FirstPageWatch watch(reportFd);
    platform->SetDriver(&watch);
    trailcfg::RunApplication(*platform);
    platform->SetDriver(nullptr);
    return 0;
}

struct Sample {
    double ms;
    long peakKb;
};

bool RunOnce(const char* self, Sample& sample) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    std::string fdText = std::to_string(fds[1]);
    char* argv[] = {const_cast<char*>(self), const_cast<char*>(kChildFlag), fdText.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    // The child keeps the pipe's write end (it is inherited), this process
    // reads until the report line arrives. The program's own output (its
    // diagnostic lines, Qt's notes) would only clutter the table.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    close(fds[1]);
    char buffer[16];
    const ssize_t got = read(fds[0], buffer, sizeof buffer);
    const auto shown = std::chrono::steady_clock::now();
    close(fds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    sample.ms = std::chrono::duration<double, std::milli>(shown - start).count();
    sample.peakKb = usage.ru_maxrss;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) return RunChild(std::atoi(argv[2]));

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<Sample> samples;
    for (int i = 0; i < runs; ++i) {
        Sample sample{};
        if (!RunOnce("/proc/self/exe", sample)) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        std::printf("run %2d: %7.1f ms to the start page, peak %6ld KiB\n", i + 1, sample.ms, sample.peakKb);
        samples.push_back(sample);
    }
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
    std::vector<long> peaks;
    for (const Sample& s : samples) peaks.push_back(s.peakKb);
    std::sort(peaks.begin(), peaks.end());
    std::printf(
        "\nplatform %s, %d runs: start page after %.1f ms median (min %.1f, max %.1f); peak memory %ld KiB median (max "
        "%ld)\n",
        std::getenv("QT_QPA_PLATFORM"), runs, samples[samples.size() / 2].ms, samples.front().ms, samples.back().ms,
        peaks[peaks.size() / 2], peaks.back());
    return 0;
}
