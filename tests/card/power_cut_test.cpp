// Every state a power cut (or a pulled card) can leave, at every step of
// every write path, built in a real folder and read as the program reads
// it. The steps are recorded through the file seam from the real writers;
// what survives a cut follows the model in docs/ARCHITECTURE.md ("What a
// power cut can leave"):
// - data written and not flushed may be missing, zero, or torn: each 512-byte
//   sector old, zero or new, or the file cut short at a sector boundary;
// - a file created and not flushed may be empty;
// - changes to names (create, rename, remove) survive in the order they were
//   made, any number of them up to the last flush of the folder; on POSIX a
//   rename is durable once the folder is flushed, on Windows once MoveFileExW
//   (written through) returns; a folder made or removed, once its parent is
//   flushed;
// - leftovers may stay.
// Each path starts over old files and over none, and a path that may make
// the card's folder also where there is none. A path that writes several
// files runs once more on a card that drops the last of them (it does not
// read back), so the writer fails and must put back what it wrote before.
// Checked in each state: the desktop program's first reading of each file
// and `trailcfg-cli check` read the old file or the new one, whole (no file
// only where there was none before); once the writer has said it succeeded,
// the new file, and once it has said it failed, the old one (or none); and
// the next write leaves no leftovers.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <set>

#include "card_writes.h"
#include "cli_run.h"
#include "common/file_seam.h"
#include "test_support.h"

namespace trailcfg::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kSector = 512;

std::string NameOf(const NativePath& path) { return fs::path(path).filename().string(); }

class Recorder : public FileSeam {
public:
    explicit Recorder(std::string dropped) : dropped_(std::move(dropped)) {}
    void Took(const FileStep& step) override { steps.push_back(step); }
    bool ReadMedium(const NativePath& file, Bytes& bytes) override {
        if (dropped_.empty() || NameOf(file) != dropped_) return false;
        bytes.clear();
        return true;
    }
    std::vector<FileStep> steps;

private:
    std::string dropped_;  // a file the card never keeps, or none
};

// The card's folder, or none.
using CardState = std::optional<Files>;

bool SameFolder(const NativePath& a, const fs::path& b) {
    return fs::path(a).lexically_normal() == b.lexically_normal();
}

// What the medium may hold of a file whose data `durable` was followed by
// `pending`, not flushed.
std::vector<Bytes> SurvivingData(const Bytes& durable, const std::optional<Bytes>& pending) {
    if (!pending) return {durable};
    const Bytes& now = *pending;
    const std::size_t sectors = (now.size() + kSector - 1) / kSector;
    std::set<Bytes> out{durable};
    // Each sector old, zero or new.
    std::size_t combinations = 1;
    for (std::size_t i = 0; i < sectors; ++i) combinations *= 3;
    for (std::size_t c = 0; c < combinations; ++c) {
        Bytes b(now.size(), 0);
        std::size_t code = c;
        for (std::size_t s = 0; s < sectors; ++s, code /= 3) {
            const std::size_t from = s * kSector, to = std::min(now.size(), from + kSector);
            for (std::size_t i = from; i < to; ++i)
                b[i] = code % 3 == 0 ? (i < durable.size() ? durable[i] : 0) : code % 3 == 1 ? 0 : now[i];
        }
        out.insert(b);
    }
    // Cut short at a sector boundary.
    for (std::size_t s = 1; s < sectors; ++s) out.insert(Bytes(now.begin(), now.begin() + s * kSector));
    return {out.begin(), out.end()};
}

// The file system as the medium holds it, and as the system shows it.
class Model {
public:
    Model(const CardState& before, fs::path card) : card_(std::move(card)), folderDurable_(before.has_value()) {
        for (const auto& [name, bytes] : before.value_or(Files{})) {
            durableNames_[name] = static_cast<int>(files_.size());
            files_.push_back({bytes, std::nullopt});
        }
        names_ = durableNames_;
    }

    void Take(const FileStep& step) {
        const std::string name = NameOf(step.path);
        switch (step.kind) {
            case FileStepKind::Create:
                files_.push_back({{}, std::nullopt});
                Rename(Op{Op::Create, name, {}, static_cast<int>(files_.size() - 1)});
                break;
            case FileStepKind::Write:
                files_[names_.at(name)].pending = step.bytes;
                break;
            case FileStepKind::FlushFile: {
                File& f = files_[names_.at(name)];
                if (f.pending) f.durable = *f.pending;
                f.pending.reset();
                break;
            }
            case FileStepKind::Close:
                break;
            case FileStepKind::Rename:
                Rename(Op{Op::Move, name, NameOf(step.to), 0});
                if (step.durable) FlushFolder();
                break;
            case FileStepKind::FlushFolder:
                if (SameFolder(step.path, card_)) {
                    FlushFolder();
                } else if (SameFolder(step.path, card_.parent_path())) {
                    if (!folderOps_.empty()) folderDurable_ = folderOps_.back();
                    folderOps_.clear();
                } else {
                    ADD_FAILURE() << "a flush of " << NameOf(step.path) << ", neither the card's folder nor its parent";
                }
                break;
            case FileStepKind::Remove:
                Rename(Op{Op::Remove, name, {}, 0});
                break;
            case FileStepKind::MakeFolder:
            case FileStepKind::RemoveFolder:
                EXPECT_TRUE(SameFolder(step.path, card_)) << NameOf(step.path) << " is not the card's folder";
                folderOps_.push_back(step.kind == FileStepKind::MakeFolder);
                break;
        }
    }

    // Every folder a cut now can leave, deduplicated.
    std::set<CardState> CutStates() const {
        std::set<CardState> states;
        // The folder as its parent last had it flushed, or after any of the
        // changes since.
        std::set<bool> there{folderDurable_};
        there.insert(folderOps_.begin(), folderOps_.end());
        if (there.count(false)) states.insert(std::nullopt);
        if (!there.count(true)) return states;
        for (std::size_t done = 0; done <= pendingOps_.size(); ++done) {
            std::map<std::string, int> names = durableNames_;
            for (std::size_t i = 0; i < done; ++i) Apply(pendingOps_[i], names);
            std::vector<Files> partial{Files{}};
            for (const auto& [name, id] : names) {
                std::vector<Files> next;
                for (const Bytes& data : SurvivingData(files_[id].durable, files_[id].pending))
                    for (Files f : partial) {
                        f[name] = data;
                        next.push_back(std::move(f));
                    }
                partial = std::move(next);
            }
            states.insert(partial.begin(), partial.end());
        }
        return states;
    }

private:
    struct File {
        Bytes durable;
        std::optional<Bytes> pending;
    };
    struct Op {
        enum Kind { Create, Move, Remove } kind;
        std::string name, to;
        int file;
    };

    static void Apply(const Op& op, std::map<std::string, int>& names) {
        if (op.kind == Op::Create) {
            names[op.name] = op.file;
        } else if (op.kind == Op::Move) {
            const auto it = names.find(op.name);
            if (it == names.end()) return;
            const int file = it->second;
            names.erase(it);
            names[op.to] = file;
        } else {
            names.erase(op.name);
        }
    }
    void Rename(const Op& op) {
        Apply(op, names_);
        pendingOps_.push_back(op);
    }
    void FlushFolder() {
        for (const Op& op : pendingOps_) Apply(op, durableNames_);
        pendingOps_.clear();
    }

    fs::path card_;
    std::vector<File> files_;
    std::map<std::string, int> names_, durableNames_;
    std::vector<Op> pendingOps_;
    bool folderDurable_;
    std::vector<bool> folderOps_;  // made (true) or removed since the parent's flush
};

struct Tally {
    std::size_t cuts = 0, states = 0, distinct = 0, violations = 0;
};

// The files the writer wrote: what it first renamed to each name. A writer
// that fails puts back the old files in the same way, later.
Files Written(const std::vector<FileStep>& steps) {
    std::map<std::string, Bytes> data;
    Files written;
    for (const FileStep& step : steps) {
        if (step.kind == FileStepKind::Write) data[NameOf(step.path)] = step.bytes;
        if (step.kind == FileStepKind::Rename) written.emplace(NameOf(step.to), data[NameOf(step.path)]);
    }
    return written;
}

// What the writer said, once it has said it.
enum class Said { Nothing, Succeeded, Failed };

// The checks of one state; each violation is reported and counted.
void CheckState(const CardWritePath& path, const Files& before, const Files& written, const CardState& cut, Said said,
                const std::string& where, Tally& tally) {
    TempDir dir;
    const fs::path card = dir / "card";
    const Files state = cut.value_or(Files{});
    if (cut) fs::create_directories(card);
    for (const auto& [name, bytes] : state) WriteBytes(card / name, bytes);
    auto violation = [&](const std::string& what) {
        ++tally.violations;
        ADD_FAILURE() << path.name << ", " << where << ": " << what;
    };
    auto holds = [&](const Files& files, const std::string& file) {
        const auto it = files.find(file);
        return it == files.end() ? !state.count(file) : state.count(file) && state.at(file) == it->second;
    };
    for (const std::string& file : path.writes) {
        Bytes plain;
        const ReadAs read = ReadLikeTheProgram(card / file, plain);
        const auto old = before.find(file);
        const bool isOld = old != before.end() && holds(before, file);
        const bool isNew = written.count(file) && holds(written, file);
        if (read == ReadAs::Disagree) violation(file + ": the page and the command line disagree");
        if (read == ReadAs::Read && !isOld && !isNew) violation(file + ": read as neither the old file nor the new");
        if (read == ReadAs::Unreadable && old != before.end()) violation(file + ": the old file is gone");
        if (said == Said::Succeeded && !isNew)
            violation(file + ": the writer said it succeeded, but the new file is not there");
        if (said == Said::Failed && !holds(before, file))
            violation(file + ": the writer said it failed, but the file is not as it was");
    }
    // What the cut left, if anything, the next write takes away.
    auto isLeftover = [](const auto& entry) { return entry.first != "CFG.BIN" && entry.first != "menu.dat"; };
    if (std::none_of(state.begin(), state.end(), isLeftover)) return;
    for (const std::string& file : path.writes) {
        const std::string kind = file == "CFG.BIN" ? "cfg" : "menu";
        if (cli::Cli({"new", kind, "--dir", cli::P(card), "--force"}).status != 0)
            violation("the next write of " + file + " failed");
    }
    for (const auto& entry : FilesIn(card))
        if (isLeftover(entry)) violation("the next write left " + entry.first);
}

// `dropped`: a file the card does not keep, so that the writer fails at it.
Tally Explore(const CardWritePath& path, const CardState& start, const std::string& dropped) {
    TempDir dir;
    const fs::path card = dir / "card", scratch = dir / "scratch";
    fs::create_directories(scratch);
    if (start) fs::create_directories(card);
    const Files before = start.value_or(Files{});
    for (const auto& [name, bytes] : before) WriteBytes(card / name, bytes);
    Recorder recorder(dropped);
    bool succeeded;
    {
        ScopedFileSeam seam(recorder);
        succeeded = path.run(card, scratch);
    }
    EXPECT_EQ(succeeded, dropped.empty()) << path.name;
    const Files written = Written(recorder.steps);
    const Files after = FilesIn(card);
    for (const std::string& file : path.writes) {
        if (!succeeded) break;
        EXPECT_TRUE(written.count(file) && after.count(file) && after.at(file) == written.at(file))
            << path.name << ": " << file;
    }
    Tally tally;
    Model model(start, card);
    std::set<std::pair<CardState, Said>> checked;  // a cut at the next step often leaves the same states
    for (std::size_t cut = 0; cut <= recorder.steps.size(); ++cut) {
        if (cut > 0) model.Take(recorder.steps[cut - 1]);
        ++tally.cuts;
        const Said said = cut < recorder.steps.size() ? Said::Nothing : succeeded ? Said::Succeeded : Said::Failed;
        for (const CardState& state : model.CutStates()) {
            ++tally.states;
            if (!checked.insert({state, said}).second) continue;
            ++tally.distinct;
            CheckState(path, before, written, state, said,
                       "cut after step " + std::to_string(cut) + " of " + std::to_string(recorder.steps.size()), tally);
        }
    }
    return tally;
}

TEST(PowerCut, EveryStateOfEveryWriteReadsAsTheOldFileOrTheNew) {
    struct Start {
        const char* name;
        CardState files;
    };
    const Start starts[] = {{"over old files", OldCardFiles()}, {"on an empty card", Files{}}, {"with no folder", {}}};
    for (const CardWritePath& path : CardWritePaths()) {
        for (const Start& start : starts) {
            if (path.needsOldFile && !(start.files && !start.files->empty())) continue;
            if (!start.files && !path.makesFolder) continue;
            std::vector<std::string> dropped{""};
            if (path.writes.size() > 1) dropped.push_back(path.writes.back());
            for (const std::string& drop : dropped) {
                const Tally t = Explore(path, start.files, drop);
                std::cout << "[ power cut ] " << path.name << " " << start.name
                          << (drop.empty() ? "" : ", the card dropping " + drop) << ": " << t.cuts << " crash points, "
                          << t.states << " states (" << t.distinct << " distinct), " << t.violations << " violations\n";
            }
        }
    }
}

}  // namespace
}  // namespace trailcfg::test
