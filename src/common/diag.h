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

// Routes diagnostics to `sink` (nullptr: back to standard output). Returns
// nothing; callers that nest redirections keep the previous pair themselves.
void SetDiagSink(DiagSink sink, void* context);
void GetDiagSink(DiagSink* sink, void** context);

// A sink that discards everything.
void DiscardDiag(void* context, const char* bytes, std::size_t n);

}  // namespace trailcfg
