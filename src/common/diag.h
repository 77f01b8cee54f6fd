// The program's diagnostic lines. They are fixed texts on standard output;
// everything goes through Diag so that tests and the scenario runner can take
// the lines instead, and the command-line tool can keep them off its output.
#pragma once

#include <cstddef>

namespace trailcfg {

#if defined(__GNUC__) || defined(__clang__)
#define TRAILCFG_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define TRAILCFG_PRINTF(f, a)
#endif

void Diag(const char* fmt, ...) TRAILCFG_PRINTF(1, 2);

// Receives every formatted piece of diagnostic output, as bytes.
using DiagSink = void (*)(void* context, const char* bytes, std::size_t n);

// Routes diagnostics to `sink` (nullptr: back to standard output) for the
// rest of the run.
void SetDiagSink(DiagSink sink, void* context);

// Routes diagnostics to `sink` while alive, and then back to wherever they
// went before, so redirections nest. Declared after what `sink` writes into,
// it stops before that goes.
class ScopedDiagSink {
public:
    ScopedDiagSink(DiagSink sink, void* context);
    ~ScopedDiagSink();
    ScopedDiagSink(const ScopedDiagSink&) = delete;
    ScopedDiagSink& operator=(const ScopedDiagSink&) = delete;

private:
    DiagSink previousSink_;
    void* previousContext_;
};

// A sink that discards everything.
void DiscardDiag(void* context, const char* bytes, std::size_t n);

}  // namespace trailcfg
