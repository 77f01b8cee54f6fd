// What only the browser edition has to tell its user, in both interface
// languages. "%s" stands for the file names, as "CFG.BIN / menu.dat".
#pragma once

#include <string>

#include "common/gbk_literal.h"
#include "common/text_pair.h"

namespace trailcfg::web {

// Browse where the browser has no folder picker (Firefox, Safari).
inline constexpr TextPair kNoFolderPicker{
    {GBK("此浏览器不能选择文件夹：文件保存在浏览器内的文件夹 /in-browser 中，点击生成时将下载文件。"
         "请把下载的文件复制到SD卡的根目录，文件名必须正好是 CFG.BIN 或 menu.dat。"),
     "This browser cannot pick a folder: the files stay in the folder /in-browser inside the browser, and "
     "Generate downloads them. Copy each downloaded file to the top folder of the SD card, named exactly "
     "CFG.BIN or menu.dat."}};

// The first message after a remembered folder could not be written: "%s" is
// the folder's name. The save path has just changed under the user's eyes,
// so it says plainly where the page works now.
inline constexpr TextPair kFolderRefusedNote{
    {GBK("上次选择的文件夹“%s”现在无法写入（浏览器没有允许，或它已不存在）。本页现在使用浏览器内的文件夹 "
         "/in-browser：点击生成时将下载文件。点击浏览可重新选择文件夹。"),
     "The folder \"%s\" picked on an earlier visit cannot be written now (the browser did not allow it, or it is "
     "gone). This page now works in the folder /in-browser inside the browser: Generate downloads the files. "
     "Browse picks a folder again."}};

// After a Generate whose file was downloaded: the browser names a repeated
// download "CFG(1).BIN", and the camera reads only its own names.
inline constexpr TextPair kDownloadedNote{
    {GBK("浏览器已下载 %s。请把它复制到SD卡的根目录，文件名必须正好是 %s："
         "浏览器可能给重复下载的文件名加上编号（如 CFG(1).BIN），相机不会读取这样的文件。"),
     "Your browser has downloaded %s. Copy it to the top folder of the SD card, named exactly %s: a browser may "
     "number a repeated download (CFG(1).BIN), and the camera ignores such a file."}};

// `text` with each "%s" replaced by `names`.
inline std::string WithNames(const char* text, const std::string& names) {
    std::string out = text;
    for (std::size_t at = out.find("%s"); at != std::string::npos; at = out.find("%s", at + names.size()))
        out.replace(at, 2, names);
    return out;
}

}  // namespace trailcfg::web
