// The text edge every backend shares: the program speaks GBK and counts
// bytes, toolkits speak UTF-16 and count code units. The conversions, the
// caret positions and the edit limit's cut are here once, as pure functions;
// a backend only moves its toolkit's strings in and out (QString's units and
// Windows' wchar_t are both UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace trailcfg {

// Invalid GBK bytes, characters GBK cannot hold and broken UTF-16 (a lone
// surrogate) become "?"; a surrogate pair is one character and one "?".
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view text);

// True, with the GBK form in `gbk`, when `text` survives the trip to GBK and
// back: a name GBK cannot spell must not be handed on as another.
bool SpellableInGbk(std::u16string_view text, std::string& gbk);

// GBK bytes of `text`: each character is one or two bytes; one GBK cannot
// hold is the single byte of its "?".
int GbkLength(std::u16string_view text);
// The GBK byte offset of UTF-16 index `index` (clamped to the text). Inside a
// surrogate pair the index is no character boundary and gives the pair's
// start.
int ByteAtIndex(std::u16string_view text, int index);
// The UTF-16 index of the last character boundary at or before byte `pos`
// (clamped): a position inside a double-byte character falls back to its
// start, and never lands between the halves of a pair.
int IndexAtByte(std::u16string_view text, int pos);
// The longest start of `text` (whole characters only) whose GBK form fits in
// `room` bytes.
std::u16string_view CutToGbkBytes(std::u16string_view text, int room);

// The edit limit as the pages mean it: GBK bytes, the unit of the records'
// text fields, where an edit control would count UTF-16 units (and let a
// user type 62 bytes of Chinese into "31 characters"). After each user edit
// the backend cuts what was inserted to the room the limit leaves, as
// Windows cuts a paste at its own limit.
struct FittedEdit {
    std::u16string text;
    int caret = 0;         // UTF-16 index after the part that was kept
    bool refused = false;  // nothing of the edit fits: the text stays as it was
};

// `committed` is the text before the user's edit, `edited` the text after
// it with the caret at `caret` (the end of what was inserted). The inserted
// part, edited[start, caret) where `start` is where the two texts begin to
// differ, is cut to whole characters that fit in `limit` bytes together with
// the rest; the rest is never cut, even where it alone exceeds the limit
// (text the program set).
FittedEdit FitUserEdit(std::u16string_view committed, std::u16string_view edited, int caret, int limit);

}  // namespace trailcfg
