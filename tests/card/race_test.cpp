// Writers at the same time on one card, as separate trailcfg-cli processes:
// two changing different fields of one file must both land, or the one
// that did not write must say so; many changing one field must leave the
// file whole with the value of a writer that said it succeeded; and none
// may call a healthy card bad.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "card_writes.h"
#include "cli_run.h"
#include "common/card_lock.h"
#include "test_support.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace trailcfg::test {
namespace {

namespace fs = std::filesystem;

#if defined(_WIN32)
// Each process start under Wine takes a good part of a second.
constexpr int kPairRounds = 12;
constexpr int kCrowdRounds = 4;
#elif defined(__SANITIZE_ADDRESS__)
// A sanitized process starts several times slower.
constexpr int kPairRounds = 20;
constexpr int kCrowdRounds = 5;
#else
constexpr int kPairRounds = 60;
constexpr int kCrowdRounds = 15;
#endif
constexpr int kCrowd = 6;

// trailcfg-cli started with `args`, its standard error going to a file.
class Writer {
public:
    Writer(const std::vector<std::string>& args, const fs::path& errFile) : errFile_(errFile) {
#ifdef _WIN32
        std::wstring program = fs::path(TRAILCFG_CLI_PROGRAM).wstring();
        if (!program.empty() && program[0] == L'/') program = L"Z:" + program;  // the build's Linux path, under Wine
        std::wstring line = L"\"" + program + L"\"";
        for (const std::string& a : args) line += L" \"" + fs::path(a).wstring() + L"\"";
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE err = CreateFileW(errFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOW si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdError = err;
        si.hStdOutput = err;
        PROCESS_INFORMATION pi{};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            process_ = pi.hProcess;
        }
        CloseHandle(err);
#else
        std::vector<std::string> all{TRAILCFG_CLI_PROGRAM};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
#endif
    }

    // The exit status, -1 when it did not run.
    int Wait() {
#ifdef _WIN32
        if (!process_) return -1;
        WaitForSingleObject(process_, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        CloseHandle(process_);
        return static_cast<int>(code);
#else
        int status = 0;
        if (pid_ < 0 || waitpid(pid_, &status, 0) != pid_ || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
#endif
    }

    std::string Err() const {
        std::ifstream in(errFile_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    fs::path errFile_;
#ifdef _WIN32
    HANDLE process_ = nullptr;
#else
    pid_t pid_ = -1;
#endif
};

struct Outcome {
    int status;
    std::string err;
    bool Wrote() const { return status == 0; }
    bool Busy() const { return status == 2 && err.find("another program is writing this card") != std::string::npos; }
    bool FalseAlarm() const { return err.find("do not use this card") != std::string::npos; }
};

std::vector<Outcome> RunTogether(const std::vector<std::vector<std::string>>& commands, const fs::path& scratch) {
    std::vector<Writer> writers;
    writers.reserve(commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i)
        writers.emplace_back(commands[i], scratch / ("err" + std::to_string(i) + ".txt"));
    std::vector<Outcome> outcomes;
    for (Writer& w : writers) {
        const int status = w.Wait();
        outcomes.push_back({status, w.Err()});
    }
    return outcomes;
}

nlohmann::json Exported(const fs::path& file) {
    const cli::CliRun r = cli::Cli({"export", cli::P(file)});
    return r.status == 0 ? nlohmann::json::parse(r.out) : nlohmann::json();
}

// What the writers said over the rounds. A writer that neither wrote nor
// found the card busy fails the test at once.
struct Tally {
    int falseAlarms = 0, busy = 0, other = 0;

    void Add(const Outcome& o, int round) {
        falseAlarms += o.FalseAlarm();
        busy += o.Busy();
        if (!o.Wrote() && !o.Busy()) {
            ++other;
            ADD_FAILURE() << "round " << round << ": " << o.err;
        }
    }
};

// A card folder whose CFG.BIN the writers change; the scratch folder above it
// takes their error output.
class CardRace : public ::testing::Test {
protected:
    CardRace() { fs::create_directories(card); }
    void PutOldFile() const { WriteBytes(file, OldCardFiles().at("CFG.BIN")); }

    TempDir dir;
    const fs::path card = dir / "card", file = card / "CFG.BIN";
};

TEST_F(CardRace, TwoWritersOfDifferentFieldsLoseNeitherChange) {
    int lost = 0;
    Tally said;
    for (int round = 0; round < kPairRounds; ++round) {
        PutOldFile();
        const std::string recipient = std::to_string(1000 + round);
        const int limit = 10 + round % 80;
        const std::vector<Outcome> o = RunTogether({{"set", cli::P(file), "szRecp[0]=" + recipient},
                                                    {"set", cli::P(file), "uwMaxSendImgNum=" + std::to_string(limit)}},
                                                   dir.path());
        const nlohmann::json after = Exported(file);
        ASSERT_FALSE(after.is_null()) << "round " << round << ": the file is not whole";
        const bool landed[2] = {after["szRecp[0]"] == recipient, after["uwMaxSendImgNum"] == limit};
        for (int w = 0; w < 2; ++w) {
            said.Add(o[w], round);
            if (o[w].Wrote() != landed[w]) ++lost;  // said written and is not, or the other way round
        }
    }
    std::cout << "[ race ] two writers of different fields: " << kPairRounds << " rounds, " << lost << " lost changes, "
              << said.falseAlarms << " false alarms, " << said.busy << " told the card was busy\n";
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(said.falseAlarms, 0);
    EXPECT_EQ(said.other, 0);
}

TEST_F(CardRace, ManyWritersOfOneFieldLeaveOneOfTheirValues) {
    int notOurs = 0;
    Tally said;
    for (int round = 0; round < kCrowdRounds; ++round) {
        PutOldFile();
        std::vector<std::vector<std::string>> commands;
        for (int w = 0; w < kCrowd; ++w)
            commands.push_back({"set", cli::P(file), "uwMaxSendImgNum=" + std::to_string(20 + w)});
        const std::vector<Outcome> o = RunTogether(commands, dir.path());
        const nlohmann::json after = Exported(file);
        ASSERT_FALSE(after.is_null()) << "round " << round << ": the file is not whole";
        // The writers ran one after another; the last to write says what the
        // file holds, and it said it succeeded.
        bool someWriterHasIt = false;
        for (int w = 0; w < kCrowd; ++w) {
            said.Add(o[w], round);
            if (o[w].Wrote() && after["uwMaxSendImgNum"] == 20 + w) someWriterHasIt = true;
        }
        notOurs += !someWriterHasIt;
    }
    std::cout << "[ race ] " << kCrowd << " writers of one field: " << kCrowdRounds << " rounds, " << notOurs
              << " files with no successful writer's value, " << said.falseAlarms << " false alarms\n";
    EXPECT_EQ(notOurs, 0);
    EXPECT_EQ(said.falseAlarms, 0);
    EXPECT_EQ(said.other, 0);
}

// A card kept by another writer for longer than the wait: the writer says so,
// exits 2 and changes nothing.
TEST_F(CardRace, AWriterThatFindsTheCardKeptChangesNothing) {
    PutOldFile();
    const CardLock kept(file.native());
    ASSERT_FALSE(kept.Busy());
    Writer w({"set", cli::P(file), "szRecp[0]=999", "--lang", "en"}, dir / "err.txt");
    const Outcome o{w.Wait(), w.Err()};
    EXPECT_TRUE(o.Busy()) << o.status << " " << o.err;
    EXPECT_EQ(ReadBytes(file), OldCardFiles().at("CFG.BIN"));
    EXPECT_EQ(ListFolder(card), std::vector<std::string>{"CFG.BIN"});
}

}  // namespace
}  // namespace trailcfg::test
