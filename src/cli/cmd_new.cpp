#include <ostream>
#include <system_error>

#include "camera/menu_file.h"
#include "commands.h"
#include "common/file_io.h"
#include "send/cfg_file.h"

namespace trailcfg::cli {

int CmdNew(FileKind kind, const std::filesystem::path& dir, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        err << "trailcfg-cli: " << Shown(dir) << ": no such folder\n";
        return kExitBadInput;
    }
    std::filesystem::path file = dir / FileNameOf(kind);
    std::string shown = GbkFromPath(file);
    bool ok;
    if (kind == FileKind::Cfg) {
        SendSettings record;
        MakeSendDefaults(record);
        ok = WriteCfgFile(file, shown.c_str(), record);
    } else {
        CameraMenu record;
        MakeMenuDefaults(record);
        ok = WriteMenuFileAt(file, shown.c_str(), record);
    }
    if (!ok) {
        err << "trailcfg-cli: " << Shown(file) << ": cannot be written\n";
        return kExitBadInput;
    }
    out << "wrote " << Shown(file) << "\n";
    return kExitOk;
}

}  // namespace trailcfg::cli
