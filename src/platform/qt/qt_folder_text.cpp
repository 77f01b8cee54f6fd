#include "qt_folder_text.h"

#include "common/gbk_codec.h"

namespace trailcfg::qt {

bool FolderAsGbk(const std::string& native, std::string& gbk) {
    std::string converted = Utf8ToGbk(native);
    if (GbkToUtf8(converted) != native) return false;
    gbk = std::move(converted);
    return true;
}

}  // namespace trailcfg::qt
