#include "record_json.h"

#include "common/gbk_codec.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

Json RecordToJson(FileKind kind, const std::uint8_t* plain) {
    Json out = Json::object();
    for (const FieldDesc& f : FieldsOf(kind)) {
        if (f.kind == FieldKind::Text) {
            out[f.name] = GbkToUtf8(ReadFieldText(plain, f));
        } else if (kind == FileKind::Cfg && f.offset == 0) {
            // Bit 7 of the first byte is the file's flag, not part of the option.
            out[f.name] = ReadFieldNumber(plain, f) & ~IF_SEND_BY_APP_SET_FLG;
        } else {
            out[f.name] = ReadFieldNumber(plain, f);
        }
    }
    if (kind == FileKind::Cfg) out["sendByAppSetFlag"] = (plain[0] & IF_SEND_BY_APP_SET_FLG) != 0;
    return out;
}

}  // namespace trailcfg::cli
