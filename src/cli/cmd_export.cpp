
#include "commands.h"
#include "record_json.h"

namespace trailcfg::cli {

int CmdExport(const FilePath& file, bool pretty, Output& out, Output& err) {
    FileKind kind;
    std::vector<std::uint8_t> plain;
    std::string error;
    if (!ReadPlainImage(file, kind, plain, error)) return Fail(err, error);
    out << RecordToJson(kind, plain.data()).dump(pretty ? 2 : -1) << "\n";
    return kExitOk;
}

}  // namespace trailcfg::cli
