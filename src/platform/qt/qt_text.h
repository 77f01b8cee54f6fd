// The Qt backend's side of the text edge (common/text_edge.h): QString holds
// UTF-16, so every text and caret position that crosses the port is handed
// to the shared functions as it is.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace trailcfg::qt {

QString FromGbk(std::string_view gbk);
// A character GBK cannot hold, or a broken UTF-16 sequence, becomes "?".
std::string ToGbk(const QString& text);

std::u16string_view Utf16Of(const QString& text);
QString FromUtf16(std::u16string_view text);

int GbkLength(const QString& text);
// The QString index of the last character boundary at or before byte `pos`
// (clamped to the text): a position inside a double-byte character falls back
// to that character's start.
int IndexAtByte(const QString& text, int pos);
int ByteAtIndex(const QString& text, int index);

// The longest start of `text` (whole characters only) whose GBK form fits in
// `room` bytes.
QString CutToGbkBytes(const QString& text, int room);

// The program writes its line breaks as "\r\n" (and sometimes a lone "\r");
// Qt breaks lines at "\n" only.
QString WithQtLineBreaks(const QString& text);

}  // namespace trailcfg::qt
