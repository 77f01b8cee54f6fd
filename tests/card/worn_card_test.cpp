// A card at the end of its life takes every write and keeps its old bytes.
// The system's cache holds the new ones, so a read-back from the cache says
// all is well; only the read-back from the card itself can tell. The worn
// card here is the file seam standing for the medium beneath the cache.
#include <gtest/gtest.h>

#include "card_writes.h"
#include "cli_run.h"
#include "common/file_seam.h"
#include "test_support.h"

namespace trailcfg::test {
namespace {

namespace fs = std::filesystem;

class WornCard : public FileSeam {
public:
    explicit WornCard(Files kept) : kept_(std::move(kept)) {}
    void Took(const FileStep&) override {}
    bool ReadMedium(const NativePath& file, std::vector<std::uint8_t>& bytes) override {
        const auto it = kept_.find(fs::path(file).filename().string());
        bytes = it == kept_.end() ? std::vector<std::uint8_t>() : it->second;
        return true;
    }

private:
    Files kept_;  // what the card held before; a new file it never kept at all
};

struct Card {
    TempDir dir;
    fs::path card = dir / "card", scratch = dir / "scratch";
    explicit Card(const Files& files) {
        fs::create_directories(card);
        fs::create_directories(scratch);
        for (const auto& [name, bytes] : files) WriteBytes(card / name, bytes);
    }
};

// Every writer, on a healthy card and on a worn one, over an earlier file and
// over none: success on the healthy card only.
TEST(WornCard, NoWriterReportsSuccessOnACardThatKeptItsOldBytes) {
    for (const CardWritePath& path : CardWritePaths()) {
        for (const bool withOld : {true, false}) {
            if (path.needsOldFile && !withOld) continue;
            const Files before = withOld ? OldCardFiles() : Files{};
            {
                Card healthy(before);
                EXPECT_TRUE(path.run(healthy.card, healthy.scratch)) << path.name << ", healthy card";
            }
            Card worn(before);
            WornCard medium(before);
            ScopedFileSeam seam(medium);
            EXPECT_FALSE(path.run(worn.card, worn.scratch)) << path.name << (withOld ? ", over an old file" : "");
        }
    }
}

// The command line says what the card did, not that the folder is missing.
TEST(WornCard, TheCommandLineSaysNotToUseTheCard) {
    Card worn(OldCardFiles());
    WornCard medium(OldCardFiles());
    ScopedFileSeam seam(medium);
    const cli::CliRun r = cli::Cli({"set", cli::P(worn.card / "CFG.BIN"), "szRecp[0]=999"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("was written but does not read back as written; do not use this card"), std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace trailcfg::test
