#include <vector>

#include "commands.h"
#include "record_build.h"
#include "verified_write.h"

namespace trailcfg::cli {

int CmdNew(FileKind kind, const FilePath& dir, bool force, Output& out, Output& err) {
    if (!IsFolder(dir)) {
        err << "trailcfg-cli: " << Shown(dir) << ": no such folder\n";
        return kExitBadInput;
    }
    const FilePath file = dir / FileNameOf(kind);
    std::string error;
    const CardLock lock(file.native());
    if (!CardFree(lock, file, kLangEn, error)) return Fail(err, error);
    // A card's configured file is somebody's work; the defaults replace it
    // only when asked to.
    if (!force && Exists(file)) {
        err << "trailcfg-cli: " << Shown(file) << ": already exists; --force replaces it with the defaults\n";
        return kExitBadInput;
    }
    // Read back like every other command that writes, so that 0 always means
    // a file the camera will take.
    if (!WriteVerified(lock, file, kind, DefaultRecord(kind), error)) return Fail(err, error);
    out << "wrote " << Shown(file) << "\n";
    return kExitOk;
}

}  // namespace trailcfg::cli
