#include "qt_folder_text.h"

#include "common/gbk_codec.h"

namespace trailcfg::qt {

bool FolderAsGbk(const std::string& native, std::string& gbk) { return Utf8ToGbkStrict(native, gbk); }

}  // namespace trailcfg::qt
