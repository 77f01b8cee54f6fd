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
//   (written through) returns;
// - leftovers may stay.
// Checked in each state: the desktop program's first reading of each file
// and `trailcfg-cli check` read the old file or the new one, whole (no file
// only where there was none before); after the writer said it succeeded,
// the new file; and the next write leaves no leftovers.
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

class Recorder : public FileSeam {
public:
    void Took(const FileStep& step) override { steps.push_back(step); }
    bool ReadMedium(const NativePath&, Bytes&) override { return false; }
    std::vector<FileStep> steps;
};

std::string NameOf(const NativePath& path) { return fs::path(path).filename().string(); }

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
    explicit Model(const Files& before) {
        for (const auto& [name, bytes] : before) {
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
                FlushFolder();
                break;
            case FileStepKind::Remove:
                Rename(Op{Op::Remove, name, {}, 0});
                break;
        }
    }

    // Every folder a cut now can leave, deduplicated.
    std::set<Files> CutStates() const {
        std::set<Files> states;
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

    std::vector<File> files_;
    std::map<std::string, int> names_, durableNames_;
    std::vector<Op> pendingOps_;
};

struct Tally {
    std::size_t cuts = 0, states = 0, distinct = 0, violations = 0;
};

// The checks of one state; each violation is reported and counted.
void CheckState(const CardWritePath& path, const Files& before, const Files& after, const Files& state,
                bool afterSuccess, const std::string& where, Tally& tally) {
    TempDir dir;
    const fs::path card = dir / "card";
    fs::create_directories(card);
    for (const auto& [name, bytes] : state) WriteBytes(card / name, bytes);
    auto violation = [&](const std::string& what) {
        ++tally.violations;
        ADD_FAILURE() << path.name << ", " << where << ": " << what;
    };
    for (const std::string& file : path.writes) {
        Bytes plain;
        const ReadAs read = ReadLikeTheProgram(card / file, plain);
        const auto old = before.find(file);
        const bool isOld = old != before.end() && state.count(file) && state.at(file) == old->second;
        const bool isNew = state.count(file) && state.at(file) == after.at(file);
        if (read == ReadAs::Disagree) violation(file + ": the page and the command line disagree");
        if (read == ReadAs::Read && !isOld && !isNew) violation(file + ": read as neither the old file nor the new");
        if (read == ReadAs::Unreadable && old != before.end()) violation(file + ": the old file is gone");
        if (afterSuccess && !isNew) violation(file + ": the writer said it succeeded, but the new file is not there");
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

Tally Explore(const CardWritePath& path, const Files& before) {
    TempDir dir;
    const fs::path card = dir / "card", scratch = dir / "scratch";
    fs::create_directories(card);
    fs::create_directories(scratch);
    for (const auto& [name, bytes] : before) WriteBytes(card / name, bytes);
    Recorder recorder;
    bool succeeded;
    {
        ScopedFileSeam seam(recorder);
        succeeded = path.run(card, scratch);
    }
    EXPECT_TRUE(succeeded) << path.name;
    const Files after = FilesIn(card);
    Tally tally;
    Model model(before);
    std::set<std::pair<Files, bool>> checked;  // a cut at the next step often leaves the same states
    for (std::size_t cut = 0; cut <= recorder.steps.size(); ++cut) {
        if (cut > 0) model.Take(recorder.steps[cut - 1]);
        ++tally.cuts;
        const bool afterSuccess = succeeded && cut == recorder.steps.size();
        for (const Files& state : model.CutStates()) {
            ++tally.states;
            if (!checked.insert({state, afterSuccess}).second) continue;
            ++tally.distinct;
            CheckState(path, before, after, state, afterSuccess,
                       "cut after step " + std::to_string(cut) + " of " + std::to_string(recorder.steps.size()), tally);
        }
    }
    return tally;
}

TEST(PowerCut, EveryStateOfEveryWriteReadsAsTheOldFileOrTheNew) {
    for (const CardWritePath& path : CardWritePaths()) {
        for (const bool withOld : {true, false}) {
            if (path.needsOldFile && !withOld) continue;
            const Tally t = Explore(path, withOld ? OldCardFiles() : Files{});
            std::cout << "[ power cut ] " << path.name << (withOld ? " over old files" : " on an empty card") << ": "
                      << t.cuts << " crash points, " << t.states << " states (" << t.distinct << " distinct), "
                      << t.violations << " violations\n";
        }
    }
}

}  // namespace
}  // namespace trailcfg::test
