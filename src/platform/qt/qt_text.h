// The Qt backend's text edge: the program speaks GBK and counts bytes, Qt
// speaks UTF-16 and counts QChars. Every text and every caret position that
// crosses the port goes through here.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace trailcfg::qt {

QString FromGbk(std::string_view gbk);
// A character GBK cannot hold, or a broken UTF-16 sequence, becomes "?".
std::string ToGbk(const QString& text);

// A text's GBK form with, for every QString index 0..size(), the number of
// GBK bytes before it. Inside a surrogate pair the index is not a character
// boundary and carries the offset of the pair's start.
struct GbkLayout {
    std::string gbk;
    std::vector<int> bytesBefore;
    std::vector<bool> boundary;
};

GbkLayout LayOutGbk(const QString& text);

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
