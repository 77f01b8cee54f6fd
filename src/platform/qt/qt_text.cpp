#include "qt_text.h"

#include "common/text_edge.h"

namespace trailcfg::qt {

std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.constData()), static_cast<std::size_t>(text.size())};
}

QString FromUtf16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QString FromGbk(std::string_view gbk) { return FromUtf16(GbkToUtf16(gbk)); }

std::string ToGbk(const QString& text) { return Utf16ToGbk(Utf16Of(text)); }

int GbkLength(const QString& text) { return trailcfg::GbkLength(Utf16Of(text)); }

int IndexAtByte(const QString& text, int pos) { return trailcfg::IndexAtByte(Utf16Of(text), pos); }

int ByteAtIndex(const QString& text, int index) { return trailcfg::ByteAtIndex(Utf16Of(text), index); }

QString CutToGbkBytes(const QString& text, int room) { return FromUtf16(trailcfg::CutToGbkBytes(Utf16Of(text), room)); }

QString WithQtLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

}  // namespace trailcfg::qt
