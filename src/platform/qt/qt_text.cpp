#include "qt_text.h"

#include <algorithm>

#include "common/gbk_codec.h"

namespace trailcfg::qt {

QString FromGbk(std::string_view gbk) {
    const std::string utf8 = GbkToUtf8(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToGbk(const QString& text) {
    // toUtf8 turns a lone surrogate into U+FFFD, which GBK lacks: it ends as "?".
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

GbkLayout LayOutGbk(const QString& text) {
    GbkLayout layout;
    layout.gbk = ToGbk(text);
    const auto n = static_cast<std::size_t>(text.size());
    layout.bytesBefore.assign(n + 1, 0);
    layout.boundary.assign(n + 1, true);
    // The converter maps every code point to one GBK character: two bytes
    // with a lead byte from 0x81, or one byte (ASCII or the "?" that stands
    // for anything GBK cannot hold). Walking both texts in step therefore
    // gives each character's width without converting it on its own.
    std::size_t byte = 0;
    for (std::size_t i = 0; i < n;) {
        std::size_t units = 1;
        if (text[static_cast<qsizetype>(i)].isHighSurrogate() && i + 1 < n &&
            text[static_cast<qsizetype>(i + 1)].isLowSurrogate())
            units = 2;
        std::size_t width = 1;
        if (byte < layout.gbk.size() && static_cast<unsigned char>(layout.gbk[byte]) >= 0x81 &&
            byte + 1 < layout.gbk.size())
            width = 2;
        for (std::size_t k = 0; k < units; ++k) {
            layout.bytesBefore[i + k] = static_cast<int>(byte);
            layout.boundary[i + k] = (k == 0);
        }
        byte = std::min(byte + width, layout.gbk.size());
        i += units;
    }
    layout.bytesBefore[n] = static_cast<int>(layout.gbk.size());
    return layout;
}

int GbkLength(const QString& text) { return static_cast<int>(ToGbk(text).size()); }

int IndexAtByte(const QString& text, int pos) {
    const GbkLayout layout = LayOutGbk(text);
    int index = 0;
    for (int i = 0; i <= static_cast<int>(text.size()); ++i) {
        if (layout.bytesBefore[static_cast<std::size_t>(i)] > pos) break;
        if (layout.boundary[static_cast<std::size_t>(i)]) index = i;
    }
    return index;
}

int ByteAtIndex(const QString& text, int index) {
    const GbkLayout layout = LayOutGbk(text);
    index = std::clamp(index, 0, static_cast<int>(text.size()));
    return layout.bytesBefore[static_cast<std::size_t>(index)];
}

QString CutToGbkBytes(const QString& text, int room) {
    if (room <= 0) return {};
    return text.left(IndexAtByte(text, room));
}

QString WithQtLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

}  // namespace trailcfg::qt
