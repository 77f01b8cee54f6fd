#include "gbk_codec.h"

#include <cstdint>
#include <utility>

#include "common/utf8.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__EMSCRIPTEN__)
#include "common/gbk_codes.h"
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace trailcfg {

// Both directions mark what they cannot convert with "?", so a text that
// comes back unchanged lost nothing; one that does not held a character GBK
// lacks or bytes that were not UTF-8. One rule for both platforms' codecs.
bool Utf8ToGbkStrict(std::string_view utf8, std::string& gbk) {
    std::string converted = Utf8ToGbk(utf8);
    if (GbkToUtf8(converted) != utf8) return false;
    gbk = std::move(converted);
    return true;
}

#if defined(__EMSCRIPTEN__)

std::string GbkToUtf8(std::string_view gbk) { return GbkToUtf8ByCodeTable(gbk); }

std::string Utf8ToGbk(std::string_view utf8) { return Utf8ToGbkByCodeTable(utf8); }

#elif !defined(_WIN32)

namespace {

// Converts with iconv; on a sequence that cannot be converted emits "?" and
// skips `skip(bytes)` bytes of input.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view in, Skip skip) {
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No codec on this system: keep ASCII, mark everything else.
        for (char c : in) out += (static_cast<unsigned char>(c) < 0x80) ? c : '?';
        return out;
    }
    out.reserve(in.size() * 3 / 2 + 4);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char buf[256];
    while (left > 0) {
        char* dst = buf;
        std::size_t room = sizeof buf;
        std::size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a truncated sequence at the end).
            std::size_t n = skip(reinterpret_cast<const unsigned char*>(src), left);
            if (n > left) n = left;
            src += n;
            left -= n;
            out += '?';
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk, [](const unsigned char*, std::size_t) { return std::size_t{1}; });
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8, [](const unsigned char* p, std::size_t left) {
        return BrokenSequenceLength(std::string_view(reinterpret_cast<const char*>(p), left));
    });
}

#else  // _WIN32

namespace {

constexpr UINT kGbkCodePage = 936;

bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

std::wstring GbkToWide(std::string_view gbk) {
    std::wstring out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        unsigned char c = static_cast<unsigned char>(gbk[i]);
        if (c < 0x80) {
            out += static_cast<wchar_t>(c);
            ++i;
            continue;
        }
        // Code page 936 also has one single-byte character above ASCII: 0x80,
        // the euro sign, as iconv's GBK has.
        const int width = IsGbkLead(c) && i + 1 < gbk.size() ? 2 : 1;
        wchar_t w[2];
        const int n = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data() + i, width, w, 2);
        if (n == 1) {
            out += w[0];
            i += static_cast<std::size_t>(width);
        } else {
            out += L'?';
            ++i;
        }
    }
    return out;
}

std::string WideToGbk(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size() * 2);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        wchar_t w = wide[i];
        if (w < 0x80) {
            out += static_cast<char>(w);
            continue;
        }
        char b[4];
        BOOL lossy = FALSE;
        int n = 0;
        if (w < 0xD800 || w > 0xDFFF)
            n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, &w, 1, b, sizeof b, "?", &lossy);
        else if (w <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF)
            ++i;  // a surrogate pair: GBK holds no character outside the BMP, one "?" for both
        if (n > 0 && !lossy)
            out.append(b, static_cast<std::size_t>(n));
        else
            out += '?';
    }
    return out;
}

std::string GbkToUtf8(std::string_view gbk) {
    std::wstring w = GbkToWide(gbk);
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    // Decode per sequence so that a broken sequence costs one "?", not the text.
    std::wstring w;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = BrokenSequenceLength(utf8.substr(i));
        wchar_t buf[2];
        int m = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data() + i, static_cast<int>(n), buf, 2);
        if (m > 0)
            w.append(buf, static_cast<std::size_t>(m));
        else
            w += L'?';
        i += n;
    }
    return WideToGbk(w);
}

#endif

}  // namespace trailcfg
