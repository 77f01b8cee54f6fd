// What trailcfg-cli leaves behind when the card refuses a write, for each
// command that writes (import, set, new, and batch's camera folders): exit
// status 2, a line on standard error that names what could not be written,
// nothing on standard output that reads as success, and on the card the
// previous files byte for byte (or none, as before) and nothing else: no
// temporary file, no half-written camera.
//
// Every command runs in a forked child with the fault in place (see
// card_faults.h), which reports the whole card just before and after it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "card_faults.h"
#include "child_process.h"
#include "cli_run.h"
#include "test_support.h"

namespace trailcfg::cli {
namespace {

namespace fs = std::filesystem;
namespace support = trailcfg::test;
using support::Blob;
using support::Fault;
using support::kChineseFolder;

#define SKIP_UNLESS_ARRANGED(o) \
    if (!(o).arranged) GTEST_SKIP() << (o).whyNot

// The whole card: every name (folders with a slash) and each file's bytes.
struct Card {
    std::vector<std::string> tree;
    std::map<std::string, std::string> files;
};

Card Look(const fs::path& card) {
    Card c;
    c.tree = support::Tree(card);
    for (const std::string& name : c.tree) {
        if (name.back() == '/') continue;
        const std::vector<std::uint8_t> bytes = support::FileBytes(card / name);
        c.files[name] = std::string(bytes.begin(), bytes.end());
    }
    return c;
}

void PutCard(Blob& b, const Card& c) {
    std::vector<std::string> names, contents;
    for (const auto& [name, bytes] : c.files) {
        names.push_back(name);
        contents.push_back(bytes);
    }
    b.Put(c.tree).Put(names).Put(contents);
}

Card TakeCard(Blob& b) {
    Card c;
    c.tree = b.TakeList();
    const std::vector<std::string> names = b.TakeList();
    const std::vector<std::string> contents = b.TakeList();
    for (std::size_t i = 0; i < names.size() && i < contents.size(); ++i) c.files[names[i]] = contents[i];
    return c;
}

std::string BytesOf(const Card& c, const std::string& name) {
    auto it = c.files.find(name);
    return it == c.files.end() ? std::string() : it->second;
}

// The files whose bytes differ between two looks, or that one look lacks.
std::vector<std::string> Changed(const Card& before, const Card& after) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : before.files) {
        auto it = after.files.find(name);
        if (it == after.files.end() || it->second != bytes) names.push_back(name);
    }
    for (const auto& [name, bytes] : after.files)
        if (before.files.count(name) == 0) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

struct Outcome {
    bool arranged = false;
    std::string whyNot;
    CliRun run{};
    Card before, after;
};

// How the command runs in the child; sets `whyNot` when this system cannot
// run it so.
using Runner = std::function<CliRun(const std::vector<std::string>& args, std::string& whyNot)>;

CliRun AsIs(const std::vector<std::string>& args, std::string&) { return Cli(args); }

// A command line for the folder the fault is in.
using CommandLine = std::function<std::vector<std::string>(const fs::path& folder)>;

// In a child: the fault's folder, `prepare`, the previous files (`previous`,
// which must succeed), `inflict`, then `command`, with a look at the whole
// card just before and after it.
Outcome RunWithFault(const fs::path& card, const Fault& fault, const CommandLine& previous, const CommandLine& command,
                     const Runner& runner = AsIs) {
    support::FaultRun child = support::RunUnderFault(
        card, fault,
        [&](const fs::path& folder) -> std::string {
            const CliRun earlier = Cli(previous(folder));
            return earlier.status == kExitOk ? "" : "the earlier run failed: " + earlier.err;
        },
        [&](const fs::path& folder, Blob& b) {
            const Card before = Look(card);
            std::string why;
            const CliRun run = runner(command(folder), why);
            if (!why.empty()) return why;
            b.Put(std::to_string(run.status)).Put(run.out).Put(run.err);
            PutCard(b, before);
            PutCard(b, Look(card));
            return why;
        });
    Outcome o;
    o.arranged = child.arranged;
    o.whyNot = child.whyNot;
    if (!o.arranged) return o;
    Blob& b = child.results;
    const std::string status = b.Take();
    o.run.status = status.empty() ? -1 : std::stoi(status);
    o.run.out = b.Take();
    o.run.err = b.Take();
    o.before = TakeCard(b);
    o.after = TakeCard(b);
    return o;
}

// The failure as the user must meet it: status 2, one line that names what
// could not be written, nothing on standard output, the card as it was.
void ExpectFileErrorAndNothingChanged(const Outcome& o, const std::string& said) {
    EXPECT_EQ(o.run.status, kExitBadInput);
    EXPECT_EQ(o.run.err.rfind("trailcfg-cli: " + said, 0), 0u) << o.run.err;
    EXPECT_EQ(std::count(o.run.err.begin(), o.run.err.end(), '\n'), 1) << o.run.err;
    EXPECT_EQ(o.run.out, "") << "nothing that reads as success";
    EXPECT_EQ(o.after.tree, o.before.tree) << "no temporary or partial file anywhere on the card";
    EXPECT_EQ(Changed(o.before, o.after), std::vector<std::string>{}) << "the previous file is byte-identical";
}

std::string CannotBeWritten(const fs::path& file) {
    return Shown(file) + ": cannot be written (is the folder there and writable, and the file not read-only?)";
}

// A folder where a file should be, holding what a camera would put there.
std::string FolderInPlaceOf(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    if (!fs::create_directories(file / "DCIM", ec)) return "cannot make the folder";
    support::WriteBytes(file / "DCIM" / "IMAG0001.JPG", {0xFF, 0xD8, 0xFF, 0xD9});
    return "";
}

// Makes every open for reading only (a folder's aside) fail, as a card that
// takes a file but does not give it back.
std::string RefuseOpeningForReading() {
#if defined(__x86_64__)
    constexpr std::uint32_t kArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr std::uint32_t kArch = AUDIT_ARCH_AARCH64;
#else
    return "no system call filter written for this processor";
#endif
#ifdef __NR_open
    constexpr std::uint32_t kOpen = __NR_open;
#else
    constexpr std::uint32_t kOpen = __NR_openat;  // openat is the only one
#endif
    // The flags are the low half of a 64-bit argument.
    const auto low = [](int arg) -> std::uint32_t {
        const std::size_t at = offsetof(seccomp_data, args) + 8 * static_cast<std::size_t>(arg);
        return static_cast<std::uint32_t>(__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__ ? at + 4 : at);
    };
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArch, 0, 8),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 2),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, low(2)),
        BPF_STMT(BPF_JMP | BPF_JA, 2),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kOpen, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, low(1)),
        BPF_STMT(BPF_ALU | BPF_AND | BPF_K, O_ACCMODE | O_DIRECTORY),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, O_RDONLY, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EACCES),
    };
    sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return "cannot give up gaining privileges";
    if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        return std::string("no system call filter here: ") + std::strerror(errno);
    return "";
}

// Runs the command with `json` as its standard input, one process further
// down: a system call filter cannot be taken off again, and the child still
// has to look at the card afterwards.
Runner FromStandardInput(fs::path json, bool refuseReading) {
    return [json, refuseReading](const std::vector<std::string>& args, std::string& whyNot) -> CliRun {
        support::ChildResult command = support::RunInChild([&]() -> std::string {
            Blob b;
            const int fd = ::open(json.c_str(), O_RDONLY);
            if (fd < 0 || ::dup2(fd, STDIN_FILENO) < 0) return b.Put(false).Put("cannot open the JSON").bytes();
            ::close(fd);
            const std::string why = refuseReading ? RefuseOpeningForReading() : "";
            if (!why.empty()) return b.Put(false).Put(why).bytes();
            const CliRun run = Cli(args);
            return b.Put(true).Put(std::to_string(run.status)).Put(run.out).Put(run.err).bytes();
        });
        if (!command.exitedNormally)
            return CliRun{-1, "", "the command's process ended with status " + std::to_string(command.status)};
        Blob b(command.blob);
        if (!b.TakeFlag()) {
            whyNot = b.Take();
            return CliRun{};
        }
        CliRun run{};
        run.status = std::stoi(b.Take());
        run.out = b.Take();
        run.err = b.Take();
        return run;
    };
}

// The inputs lie beside the card, where the other user may read them too.
class CliFaults : public ::testing::Test {
protected:
    void SetUp() override {
        card_ = dir_ / "card";
        inputs_ = dir_ / "inputs";
        fs::create_directory(card_);
        fs::create_directory(inputs_);
    }

    void Input(const std::string& name, const std::string& text) const { test::WriteText(inputs_ / name, text); }

    // A file of the card as `export` reads it, and whether `check` passes it.
    Json Exported(const std::string& name, const std::string& bytes, bool* checked = nullptr) const {
        const fs::path file = scratch_ / name;
        support::WriteBytes(file, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        const CliRun run = Cli({"export", P(file)});
        if (run.status != kExitOk) {
            ADD_FAILURE() << name << " does not export: " << run.err;
            return Json::object();
        }
        if (checked) *checked = Cli({"check", P(file)}).out == "ok\n";
        return Json::parse(run.out);
    }

    // A name on the card as Look gives it.
    std::string OnCard(const fs::path& path) const { return path.lexically_relative(card_).string(); }

    // Lets the other user reach the inputs and the card.
    std::string LetAnotherUserIn() const { return ::chmod(dir_.path().c_str(), 0755) == 0 ? "" : "chmod failed"; }

    TempDir dir_, scratch_;
    fs::path card_, inputs_;
};

// import, set and new: one file, in the folder given.
enum class Command { ImportCfg, ImportMenu, SetCfg, SetMenu, NewCfg, NewMenu };

class CliWriteFaultTest : public CliFaults, public ::testing::WithParamInterface<Command> {
protected:
    void SetUp() override {
        CliFaults::SetUp();
        Input("cfg1.json", R"({"bySendBy": 1, "szRecp[0]": "13800000001"})");
        Input("cfg2.json", R"({"bySendBy": 1, "szRecp[0]": "13800000002"})");
        Input("menu1.json", R"({"CapMode": 1})");
        Input("menu2.json", R"({"CapMode": 2})");
    }

    Command command() const { return GetParam(); }
    FileKind kind() const {
        const Command c = command();
        return c == Command::ImportCfg || c == Command::SetCfg || c == Command::NewCfg ? FileKind::Cfg : FileKind::Menu;
    }
    bool isSet() const { return command() == Command::SetCfg || command() == Command::SetMenu; }
    bool isNew() const { return command() == Command::NewCfg || command() == Command::NewMenu; }
    std::string fileName() const { return FileNameOf(kind()); }
    fs::path JsonInput(int generation) const {
        return inputs_ / ((kind() == FileKind::Cfg ? "cfg" : "menu") + std::to_string(generation) + ".json");
    }

    // The previous file is what an earlier import left.
    CommandLine Previous() const {
        return [this](const fs::path& folder) -> std::vector<std::string> {
            return {"import", P(JsonInput(1)), "--dir", P(folder)};
        };
    }

    CommandLine Line() const {
        return [this](const fs::path& folder) -> std::vector<std::string> {
            const bool cfg = kind() == FileKind::Cfg;
            if (isSet()) return {"set", P(folder / fileName()), cfg ? "szRecp[0]=13800000002" : "CapMode=2"};
            // Each fault meets `new` replacing an earlier file, which it does when told to.
            if (isNew()) return {"new", cfg ? "cfg" : "menu", "--dir", P(folder), "--force"};
            return {"import", P(JsonInput(2)), "--dir", P(folder)};
        };
    }

    Outcome Run(const Fault& fault) const { return RunWithFault(card_, fault, Previous(), Line()); }

    // What the command says when the file in `folder` cannot be written.
    std::string CannotWrite(const fs::path& folder) const {
        const fs::path file = folder / fileName();
        return isNew() ? Shown(file) + ": cannot be written" : CannotBeWritten(file);
    }

    // The command's file, whole, holding what the command was to write.
    void ExpectTheNewFile(const std::string& bytes) const {
        ASSERT_EQ(bytes.size(), RecordSizeOf(kind()));
        Json j = Exported(fileName(), bytes);
        if (kind() == FileKind::Cfg)
            EXPECT_EQ(j["szRecp[0]"], isNew() ? "" : "13800000002");
        else
            EXPECT_EQ(j["CapMode"], isNew() ? 0 : 2);
    }
};

// The same harness sees a command that works: otherwise every check below
// could pass for a command that never wrote.
TEST_P(CliWriteFaultTest, WithoutAFaultTheNewFileReplacesTheOldOne) {
    const Outcome o = Run(Fault{});
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_EQ(o.run.status, kExitOk) << o.run.err;
    EXPECT_EQ(o.run.out, "wrote " + Shown(card_ / fileName()) + "\n");
    EXPECT_EQ(o.run.err, "");
    EXPECT_EQ(o.before.tree, std::vector<std::string>{fileName()});
    EXPECT_EQ(o.after.tree, o.before.tree);
    EXPECT_TRUE(BytesOf(o.after, fileName()) != BytesOf(o.before, fileName())) << "the file was replaced";
    ExpectTheNewFile(BytesOf(o.after, fileName()));
}

TEST_P(CliWriteFaultTest, FolderThatDoesNotExist) {
    const fs::path folder = card_ / "no such folder";
    Fault f;
    f.folder = [](const fs::path& card) { return card / "no such folder"; };
    f.previousFile = false;
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_TRUE(o.before.tree.empty());
    ExpectFileErrorAndNothingChanged(
        o, isSet() ? Shown(folder / fileName()) + ": cannot be read" : Shown(folder) + ": no such folder");
}

TEST_P(CliWriteFaultTest, FolderInTheFilesPlace) {
    Fault f;
    f.previousFile = false;
    f.inflict = [this](const fs::path&, const fs::path& folder) { return FolderInPlaceOf(folder / fileName()); };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_EQ(o.before.tree.size(), 3u);
    ExpectFileErrorAndNothingChanged(
        o, isSet() ? Shown(card_ / fileName()) + ": is a folder, not a camera file" : CannotWrite(card_));
}

// Root passes over permissions, so the folder is made immutable.
TEST_P(CliWriteFaultTest, FolderMadeReadOnly) {
    const Outcome o = Run(support::InReadOnlyFolder());
    SKIP_UNLESS_ARRANGED(o);
    EXPECT_EQ(o.before.tree, std::vector<std::string>{fileName()});
    ExpectFileErrorAndNothingChanged(o, CannotWrite(card_));
}

// The file itself may be written (and read), so what stops the command is
// the folder.
TEST_P(CliWriteFaultTest, FolderThatAnotherUserMayNotWrite) {
    Fault f;
    f.inflict = [this](const fs::path& card, const fs::path& folder) -> std::string {
        if (!LetAnotherUserIn().empty() || ::chmod(card.c_str(), 0555) != 0 ||
            ::chmod((folder / fileName()).c_str(), 0666) != 0)
            return "chmod failed";
        return support::DropToNobody() ? "" : "needs root to run as another user";
    };
    const Outcome o = Run(f);
    SKIP_UNLESS_ARRANGED(o);
    EXPECT_EQ(o.before.tree, std::vector<std::string>{fileName()});
    ExpectFileErrorAndNothingChanged(o, CannotWrite(card_));
}

// The card fills up in the middle of the write: the temporary file gets only
// part of the image.
TEST_P(CliWriteFaultTest, FileSizeLimitReachedInTheMiddleOfTheWrite) {
    const std::size_t limit = RecordSizeOf(kind()) / 2;
    Fault f;
    f.inflict = [limit](const fs::path&, const fs::path&) { return support::LimitFileSize(limit); };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_EQ(o.before.tree, std::vector<std::string>{fileName()});
    ExpectFileErrorAndNothingChanged(o, CannotWrite(card_));
}

TEST_P(CliWriteFaultTest, FullCard) {
    const Outcome o = Run(support::OnMountedCard([](const fs::path& card) { return support::FillCard(card); }));
    SKIP_UNLESS_ARRANGED(o);
    ExpectFileErrorAndNothingChanged(o, CannotWrite(card_));
}

TEST_P(CliWriteFaultTest, LockedCard) {
    const Outcome o = Run(support::OnMountedCard([](const fs::path& card) { return support::LockCard(card); }));
    SKIP_UNLESS_ARRANGED(o);
    ExpectFileErrorAndNothingChanged(o, CannotWrite(card_));
}

TEST_P(CliWriteFaultTest, FolderWithBlanksAndChineseCharacters) {
    const fs::path folder = card_ / kChineseFolder;
    Fault f = support::InChineseFolder();
    const Outcome works = Run(f);
    ASSERT_TRUE(works.arranged) << works.whyNot;
    EXPECT_EQ(works.run.status, kExitOk) << works.run.err;
    EXPECT_EQ(works.run.out, "wrote " + Shown(folder / fileName()) + "\n");
    EXPECT_EQ(works.after.tree, works.before.tree);
    ExpectTheNewFile(BytesOf(works.after, OnCard(folder / fileName())));

    const std::size_t limit = RecordSizeOf(kind()) / 2;
    f.inflict = [limit](const fs::path&, const fs::path&) { return support::LimitFileSize(limit); };
    fs::remove_all(folder);
    const Outcome fails = Run(f);
    ASSERT_TRUE(fails.arranged) << fails.whyNot;
    EXPECT_EQ(fails.before.files.count(OnCard(folder / fileName())), 1u);
    ExpectFileErrorAndNothingChanged(fails, CannotWrite(folder));
}

// "Written and verified" rests on the read-back: a card that takes the file
// but does not give it back must not pass for one that did. With the JSON on
// standard input, the read-back is import's only open for reading, so a
// system call filter can refuse exactly that.
class CliReadBackTest : public CliWriteFaultTest {};

TEST_P(CliReadBackTest, AFileThatDoesNotReadBackIsNoSuccess) {
    const CommandLine fromStandardInput = [](const fs::path& folder) -> std::vector<std::string> {
        return {"import", "-", "--dir", P(folder)};
    };
    const Outcome works =
        RunWithFault(card_, Fault{}, Previous(), fromStandardInput, FromStandardInput(JsonInput(2), false));
    ASSERT_TRUE(works.arranged) << works.whyNot;
    EXPECT_EQ(works.run.status, kExitOk) << works.run.err;
    ExpectTheNewFile(BytesOf(works.after, fileName()));

    const Outcome o =
        RunWithFault(card_, Fault{}, Previous(), fromStandardInput, FromStandardInput(JsonInput(2), true));
    SKIP_UNLESS_ARRANGED(o);
    EXPECT_EQ(o.run.status, kExitBadInput);
    EXPECT_EQ(o.run.err, "trailcfg-cli: " + Shown(card_ / fileName()) +
                             ": was written but does not read back as written; do not use this card\n");
    EXPECT_EQ(o.run.out, "");
    EXPECT_EQ(o.after.tree, o.before.tree) << "no temporary file is left";
    EXPECT_EQ(BytesOf(o.after, fileName()).size(), RecordSizeOf(kind())) << "a whole file, the old or the new";
}

std::string CommandName(const ::testing::TestParamInfo<Command>& info) {
    switch (info.param) {
        case Command::ImportCfg:
            return "ImportCfg";
        case Command::ImportMenu:
            return "ImportMenu";
        case Command::SetCfg:
            return "SetCfg";
        case Command::SetMenu:
            return "SetMenu";
        case Command::NewCfg:
            return "NewCfg";
        case Command::NewMenu:
            return "NewMenu";
    }
    return "unknown";
}

INSTANTIATE_TEST_SUITE_P(WritingCommands, CliWriteFaultTest,
                         ::testing::Values(Command::ImportCfg, Command::ImportMenu, Command::SetCfg, Command::SetMenu,
                                           Command::NewCfg, Command::NewMenu),
                         CommandName);
INSTANTIATE_TEST_SUITE_P(Import, CliReadBackTest, ::testing::Values(Command::ImportCfg, Command::ImportMenu),
                         CommandName);

// batch: each camera's folder is a unit of its own. A fault in one row's
// folder fails that row alone; a fault of the card or the process fails
// every row; and a row that fails leaves its folder as it found it.
class CliBatchFaults : public CliFaults {
protected:
    static constexpr int kRows = 3;

    void SetUp() override {
        CliFaults::SetUp();
        for (int generation : {1, 2}) Input("template" + std::to_string(generation) + ".json", Template(generation));
        Input("cameras.csv", "name,szRecp[3]\ncam1,c1@x.org\n" + RowName(2) + ",c2@x.org\ncam3,c3@x.org\n");
    }

    std::string Template(int generation) const {
        const std::string g = std::to_string(generation);
        std::string t = R"({"bySendBy": 2, "szRecp[2]": "owner)" + g +
                        R"(@farm.org", "sSmtpSet.szServer": "smtp.farm.org", "sSmtpSet.iPort": 25,
                        "sSmtpSet.szAddr": "cams@farm.org", "sSmtpSet.szPassword": "pw",
                        "byOperatorCountry": 2, "byOperator": 1)";
        if (menu_) t += R"(, "CapMode": )" + g;
        return t + "}";
    }

    static std::string RowName(int row) { return row == 2 ? "南门 相机" : "cam" + std::to_string(row); }
    std::vector<std::string> Files() const {
        return menu_ ? std::vector<std::string>{"CFG.BIN", "menu.dat"} : std::vector<std::string>{"CFG.BIN"};
    }
    std::string Csv() const { return P(inputs_ / "cameras.csv"); }

    // Every camera as an earlier run (generation 1) left it, then this run.
    CommandLine Batch(int generation) const {
        return [this, generation](const fs::path& out) -> std::vector<std::string> {
            return {"batch", P(inputs_ / ("template" + std::to_string(generation) + ".json")), Csv(), "--out", P(out)};
        };
    }

    Outcome Run(const Fault& fault) const { return RunWithFault(card_, fault, Batch(1), Batch(2)); }

    // The run when the rows in `failed` fail, each with its message, and the
    // others are written: each written row's files hold this run's settings
    // and pass `check`; nothing else on the card changed or appeared.
    void ExpectRows(const Outcome& o, const fs::path& out, const std::map<int, std::string>& failed) const {
        const std::size_t n = failed.size();
        EXPECT_EQ(o.run.status, n == 0 ? kExitOk : kExitBadInput) << o.run.err;
        EXPECT_EQ(o.run.out, std::to_string(kRows) + " cameras: " + std::to_string(kRows - n) + " written, " +
                                 std::to_string(n) + " failed\n");
        std::string told;
        for (const auto& [row, message] : failed)
            told += "trailcfg-cli: " + Csv() + ": row " + std::to_string(row) + " (line " + std::to_string(row + 1) +
                    ", \"" + RowName(row) + "\"): " + message + "\n";
        EXPECT_EQ(o.run.err, told);

        std::vector<std::string> tree = o.before.tree;
        std::set<std::string> written;
        for (int row = 1; row <= kRows; ++row) {
            if (failed.count(row)) continue;
            const std::string folder = OnCard(out / RowName(row));
            tree.push_back(folder + "/");
            for (const std::string& name : Files()) {
                tree.push_back(folder + "/" + name);
                written.insert(folder + "/" + name);
                bool checked = false;
                Json j = Exported(name, BytesOf(o.after, folder + "/" + name), &checked);
                EXPECT_TRUE(checked) << folder << "/" << name;
                if (name == "CFG.BIN") {
                    EXPECT_EQ(j["szRecp[2]"], "owner2@farm.org") << folder;
                    EXPECT_EQ(j["szRecp[3]"], "c" + std::to_string(row) + "@x.org") << folder;
                } else {
                    EXPECT_EQ(j["CapMode"], 2) << folder;
                }
            }
        }
        std::sort(tree.begin(), tree.end());
        tree.erase(std::unique(tree.begin(), tree.end()), tree.end());
        EXPECT_EQ(o.after.tree, tree) << "the rows' files and nothing else: no temporary file, no failed row's folder";
        for (const std::string& name : Changed(o.before, o.after))
            EXPECT_EQ(written.count(name), 1u) << name << " changed, but no row that was written has it";
    }

    // Every row fails at its first file.
    std::map<int, std::string> EveryRowFails(const fs::path& out) const {
        std::map<int, std::string> failed;
        for (int row = 1; row <= kRows; ++row) failed[row] = CannotBeWritten(out / RowName(row) / "CFG.BIN");
        return failed;
    }

    bool menu_ = true;
};

class CliBatchFaultTest : public CliBatchFaults, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        menu_ = GetParam();
        CliBatchFaults::SetUp();
    }
};

TEST_P(CliBatchFaultTest, WithoutAFaultEveryCameraIsWrittenAgain) {
    const Outcome o = Run(Fault{});
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_EQ(o.before.tree.size(), kRows * (1 + Files().size()));
    ExpectRows(o, card_, {});
}

// The output folder is made when its parent exists (see batch_test); not
// when that is missing too.
TEST_P(CliBatchFaultTest, OutputFolderThatDoesNotExist) {
    const fs::path out = card_ / "no such folder" / "cards";
    Fault f;
    f.folder = [](const fs::path& card) { return card / "no such folder" / "cards"; };
    f.previousFile = false;
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_TRUE(o.before.tree.empty());
    ExpectFileErrorAndNothingChanged(
        o, Shown(out) + ": no such folder, and no folder " + Shown(card_ / "no such folder") + " to make it in");
}

// Root passes over permissions, so the row's folder is made immutable.
TEST_P(CliBatchFaultTest, RowFolderMadeReadOnly) {
    Fault f;
    f.inflict = [](const fs::path&, const fs::path& out) -> std::string {
        return support::MakeReadOnly(out / RowName(2)) ? "" : "this system cannot make a folder read-only";
    };
    const Outcome o = Run(f);
    SKIP_UNLESS_ARRANGED(o);
    ExpectRows(o, card_, {{2, CannotBeWritten(card_ / RowName(2) / "CFG.BIN")}});
}

// The other cameras are the other user's; this one's folder is not, though
// its files may be written.
TEST_P(CliBatchFaultTest, RowFolderThatAnotherUserMayNotWrite) {
    Fault f;
    f.inflict = [this](const fs::path&, const fs::path& out) -> std::string {
        if (!LetAnotherUserIn().empty()) return "chmod failed";
        for (int row = 1; row <= kRows; ++row) {
            const fs::path folder = out / RowName(row);
            const bool theirs = row != 2;
            if (theirs ? ::chown(folder.c_str(), support::kNobody, support::kNobody) != 0
                       : ::chmod(folder.c_str(), 0555) != 0)
                return "needs root to hand the cameras to another user";
            for (const std::string& name : Files()) {
                const fs::path file = folder / name;
                if (theirs ? ::chown(file.c_str(), support::kNobody, support::kNobody) != 0
                           : ::chmod(file.c_str(), 0666) != 0)
                    return "needs root to hand the cameras to another user";
            }
        }
        return support::DropToNobody() ? "" : "needs root to run as another user";
    };
    const Outcome o = Run(f);
    SKIP_UNLESS_ARRANGED(o);
    ExpectRows(o, card_, {{2, CannotBeWritten(card_ / RowName(2) / "CFG.BIN")}});
}

TEST_P(CliBatchFaultTest, RowsFileNameTakenByAFolder) {
    Fault f;
    f.inflict = [](const fs::path&, const fs::path& out) { return FolderInPlaceOf(out / RowName(2) / "CFG.BIN"); };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    ExpectRows(o, card_, {{2, CannotBeWritten(card_ / RowName(2) / "CFG.BIN")}});
}

TEST_P(CliBatchFaultTest, RowsFolderNameTakenByAFile) {
    Fault f;
    f.inflict = [](const fs::path&, const fs::path& out) -> std::string {
        fs::remove_all(out / RowName(2));
        support::WriteBytes(out / RowName(2), {0xFF, 0xD8, 0xFF, 0xD9});
        return "";
    };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    ExpectRows(o, card_, {{2, Shown(card_ / RowName(2)) + ": cannot be made"}});
}

TEST_P(CliBatchFaultTest, FileSizeLimitReachedInTheMiddleOfEveryWrite) {
    Fault f;
    f.inflict = [](const fs::path&, const fs::path&) {
        return support::LimitFileSize(RecordSizeOf(FileKind::Cfg) / 2);
    };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    ExpectRows(o, card_, EveryRowFails(card_));
}

TEST_P(CliBatchFaultTest, FullCard) {
    const Outcome o = Run(support::OnMountedCard([](const fs::path& card) { return support::FillCard(card); }));
    SKIP_UNLESS_ARRANGED(o);
    ExpectRows(o, card_, EveryRowFails(card_));
}

// A new card with room for one camera and one more file: the first camera is
// written, the others fail on their last file and leave no folder behind.
TEST_P(CliBatchFaultTest, CardWithRoomForOneCamera) {
    Fault f;
    f.previousFile = false;
    f.prepare = [](const fs::path& card, const fs::path&) { return support::MountCard(card); };
    f.inflict = [this](const fs::path& card, const fs::path&) {
        return support::FillCard(card, 2 * Files().size() - 1);
    };
    const Outcome o = Run(f);
    SKIP_UNLESS_ARRANGED(o);
    EXPECT_EQ(o.before.tree, std::vector<std::string>{"IMAG0001.JPG"});
    const std::string last = Files().back();
    ExpectRows(o, card_,
               {{2, CannotBeWritten(card_ / RowName(2) / last)}, {3, CannotBeWritten(card_ / RowName(3) / last)}});
}

TEST_P(CliBatchFaultTest, LockedCard) {
    const Outcome o = Run(support::OnMountedCard([](const fs::path& card) { return support::LockCard(card); }));
    SKIP_UNLESS_ARRANGED(o);
    ExpectRows(o, card_, EveryRowFails(card_));
}

TEST_P(CliBatchFaultTest, OutputFolderWithBlanksAndChineseCharacters) {
    const fs::path out = card_ / kChineseFolder;
    Fault f = support::InChineseFolder();
    const Outcome works = Run(f);
    ASSERT_TRUE(works.arranged) << works.whyNot;
    ExpectRows(works, out, {});

    f.inflict = [](const fs::path&, const fs::path&) {
        return support::LimitFileSize(RecordSizeOf(FileKind::Cfg) / 2);
    };
    fs::remove_all(out);
    const Outcome fails = Run(f);
    ASSERT_TRUE(fails.arranged) << fails.whyNot;
    ExpectRows(fails, out, EveryRowFails(out));
}

INSTANTIATE_TEST_SUITE_P(Batch, CliBatchFaultTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "CfgAndMenu" : "CfgOnly");
                         });

// The row's CFG.BIN is written before its menu.dat; when the menu.dat then
// cannot be, the CFG.BIN must not stay the new one beside the old menu.dat.
TEST_F(CliBatchFaults, ARowWhoseMenuDatCannotBeWrittenKeepsItsPreviousCfgBin) {
    Fault f;
    f.inflict = [](const fs::path&, const fs::path& out) { return FolderInPlaceOf(out / RowName(2) / "menu.dat"); };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    const std::string cfg = OnCard(card_ / RowName(2) / "CFG.BIN");
    ASSERT_EQ(o.before.files.count(cfg), 1u);
    EXPECT_TRUE(BytesOf(o.after, cfg) == BytesOf(o.before, cfg)) << "the previous CFG.BIN, byte for byte";
    ExpectRows(o, card_, {{2, CannotBeWritten(card_ / RowName(2) / "menu.dat")}});
}

}  // namespace
}  // namespace trailcfg::cli
