#include "save_folder.h"

#include <string>

#include "app/process_state.h"
#include "common/diag.h"
#include "common/text_copy.h"

namespace trailcfg {

bool StoreSavePath(std::string_view folder) {
    if (folder.empty() || folder.size() >= sizeof g_szSavePath) return false;
    if (folder.find('\0') != std::string_view::npos) return false;
    CopyText(g_szSavePath, folder);
    return true;
}

void InitSavePath(Platform& platform) {
    std::string folder;
    if (!platform.CurrentDirectory(folder)) return;
    if (!StoreSavePath(folder)) return;
    Diag("CurDir:%s\n", g_szSavePath);
}

}  // namespace trailcfg
