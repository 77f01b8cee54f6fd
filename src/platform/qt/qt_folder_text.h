// Folder paths entering the program's GBK text. A folder whose name GBK
// cannot spell (a name with "ö" or an emoji, or bytes that are not UTF-8)
// would come out with "?" in it and name another folder, or none: the files
// would go somewhere the user never chose. Such a folder is not handed on.
#pragma once

#include <string>

namespace trailcfg::qt {

// `native` is the file system's path (UTF-8 bytes). False, leaving `gbk`
// alone, when the path does not survive the trip to GBK and back.
bool FolderAsGbk(const std::string& native, std::string& gbk);

}  // namespace trailcfg::qt
