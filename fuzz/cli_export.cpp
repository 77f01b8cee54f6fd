// trailcfg-cli export: any file becomes either one JSON object with every
// field of its record, or a refusal; never an exception or a crash.
#include <nlohmann/json.hpp>

#include "camera/camera_menu.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "fuzz_support.h"
#include "send/send_settings.h"

using namespace trailcfg;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = fuzz::ScratchPath("export.bin");
    // Real files are taken as they are; the first byte picks which of the two
    // records the other inputs are mostly shaped to.
    std::size_t recordSize = (size > 0 && (data[0] & 1)) ? kCameraMenuSize : kSendSettingsSize;
    if (size == kCameraMenuSize || size == kSendSettingsSize) recordSize = size;
    const std::vector<std::uint8_t> file = fuzz::ShapeFile(data, size, recordSize);
    fuzz::WriteScratch(path, file);

    cli::StringOutput out, err;
    const int status = cli::CmdExport(path, size > 1 && (data[1] & 1), out, err);
    const std::optional<cli::FileKind> kind = cli::KindBySize(file.size());
    if (!kind) {
        FUZZ_CHECK(status == cli::kExitBadInput);
        FUZZ_CHECK(out.str().empty() && !err.str().empty());
        return 0;
    }
    FUZZ_CHECK(status == cli::kExitOk);
    FUZZ_CHECK(err.str().empty());
    const nlohmann::json json = nlohmann::json::parse(out.str(), nullptr, false);
    FUZZ_CHECK(json.is_object());
    for (const FieldDesc& f : cli::FieldsOf(*kind)) FUZZ_CHECK(json.contains(f.name));
    return 0;
}
