// trailcfg-cli's JSON input (import, batch templates): any bytes are either
// refused with a reason or become values that fit their fields exactly, and
// the records built from them export as JSON again. Never a crash, never a
// text cut or changed on its way into GBK.
#include <cstring>
#include <string_view>

#include "cli/cli_common.h"
#include "cli/json_input.h"
#include "cli/record_build.h"
#include "cli/record_json.h"
#include "common/diag.h"
#include "common/gbk_codec.h"
#include "fuzz_support.h"

using namespace trailcfg;
using namespace trailcfg::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (SetDiagSink(DiscardDiag, nullptr), true);
    (void)quiet;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    JsonFields fields;
    std::string error;
    if (!ParseJsonFields(text, fields, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (const FieldValue& v : fields.values) {
        if (v.field->kind != FieldKind::Text) continue;
        FUZZ_CHECK(v.text.size() < v.field->width);
        FUZZ_CHECK(std::memchr(v.text.data(), '\0', v.text.size()) == nullptr);
        FUZZ_CHECK(IsValidUtf8(GbkToUtf8(v.text)));
    }
    for (FileKind kind : {FileKind::Cfg, FileKind::Menu}) {
        FieldValues mine;
        for (const FieldValue& v : fields.values)
            if (v.kind == kind) mine.push_back(v);
        BuildOptions options;
        options.stamp = size > 0 && (data[0] & 1);
        options.noCmd22 = size > 1 && (data[1] & 1);
        options.now = StampTime{2026, 2, 28, 23, 59, 59};
        BuildResult built;
        if (!BuildRecord(kind, DefaultRecord(kind), mine, options, built, error)) {
            FUZZ_CHECK(!error.empty());
            continue;
        }
        FUZZ_CHECK(built.plain.size() == RecordSizeOf(kind));
        const Json exported = RecordToJson(kind, built.plain.data());
        FUZZ_CHECK(exported.size() >= FieldsOf(kind).count);
        FUZZ_CHECK(IsValidUtf8(exported.dump()));
    }
    return 0;
}
