// The browser edition's folders (web_files.js): the one inside the browser,
// whose written files are offered as downloads, and the ones the user picks
// with the File System Access API, written through to the real folder and
// remembered for the next visit.
#pragma once

extern "C" {

// Mounts the folder inside the browser at `path`, holding what the last
// visits kept there. Waits for the browser's storage (ASYNCIFY).
void trailcfg_web_mount_browser_folder(const char* path);
// 1 with the picked folder's path (UTF-8) in `buffer`, -1 when cancelled, 0
// when the browser has no folder picker. Waits for the user (ASYNCIFY).
int trailcfg_web_pick_folder(char* buffer, int capacity);
// 1 with the path (UTF-8) of the folder picked on an earlier visit, mounted
// again, in `buffer`; 0 when there is none to go back to (ASYNCIFY).
int trailcfg_web_restore_folder(char* buffer, int capacity);
// Before a page opens: asks the browser, within the click that opens it, for
// the remembered folder it has yet to let the page use, and reads its files.
// 0 when it refused, or the folder is gone: the program must leave that
// folder alone; 1 otherwise (ASYNCIFY).
int trailcfg_web_settle_folder();
// The name (UTF-8) of a remembered folder the browser did not let the page
// write, or that is gone, since the last call; "" when none.
void trailcfg_web_take_refused(char* buffer, int capacity);
// The names downloaded since the last call ("CFG.BIN / menu.dat"), UTF-8;
// "" when none.
void trailcfg_web_take_downloads(char* buffer, int capacity);
}
