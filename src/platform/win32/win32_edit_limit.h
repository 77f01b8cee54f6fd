// The edit limit as the pages mean it: GBK bytes, the unit of the records'
// text fields. A Unicode edit control counts UTF-16 units, so that "31
// characters" would let a user type 62 bytes of Chinese into a 32-byte
// field. After each user edit the backend cuts what was inserted to the room
// the limit leaves, as Windows cuts a paste at its own limit.
#pragma once

#include <string>

namespace trailcfg::win32 {

struct FittedEdit {
    std::wstring text;
    int caret = 0;        // UTF-16 index after the part that was kept
    bool refused = false; // nothing of the edit fits: the text stays as it was
};

// `committed` is the text before the user's edit, `edited` the text after
// it with the caret at `caret` (the end of what was inserted). The inserted
// part, edited[start, caret) where `start` is where the two texts begin to
// differ, is cut to whole characters that fit in `limit` bytes together with
// the rest; the rest is never cut, even where it alone exceeds the limit
// (text the program set).
FittedEdit FitUserEdit(const std::wstring& committed, const std::wstring& edited, int caret, int limit);

}  // namespace trailcfg::win32
