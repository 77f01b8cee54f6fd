#include "diag.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace trailcfg {

namespace {

void StdoutSink(void*, const char* bytes, std::size_t n) {
    std::fwrite(bytes, 1, n, stdout);
    std::fflush(stdout);
}

DiagSink g_sink = StdoutSink;
void* g_context = nullptr;

}  // namespace

void Diag(const char* fmt, ...) {
    char small[512];
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(small, sizeof small, fmt, ap);
    va_end(ap);
    if (n < 0) {
        va_end(ap2);
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        g_sink(g_context, small, static_cast<std::size_t>(n));
    } else {
        std::vector<char> big(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), fmt, ap2);
        g_sink(g_context, big.data(), static_cast<std::size_t>(n));
    }
    va_end(ap2);
}

void SetDiagSink(DiagSink sink, void* context) {
    g_sink = sink ? sink : StdoutSink;
    g_context = sink ? context : nullptr;
}

ScopedDiagSink::ScopedDiagSink(DiagSink sink, void* context) : previousSink_(g_sink), previousContext_(g_context) {
    SetDiagSink(sink, context);
}

ScopedDiagSink::~ScopedDiagSink() {
    g_sink = previousSink_;
    g_context = previousContext_;
}

void DiscardDiag(void*, const char*, std::size_t) {}

}  // namespace trailcfg
