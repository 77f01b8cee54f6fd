// What the fuzz targets share: a scratch file to hand the readers, the shaping
// of raw input into a file, the capture of diagnostic lines, and checks that
// abort (which libFuzzer reports as a crash, with the input saved).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/diag.h"

namespace trailcfg::fuzz {

// A path in a folder of this process's own, removed when the process ends.
std::filesystem::path ScratchPath(const char* name);

// Replaces the file at `path` with `bytes`; aborts if that is impossible.
void WriteScratch(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The file to read from one fuzz input. Most inputs become a file of exactly
// `recordSize` bytes, since only those get past the size test; the rest are
// written as they came, so that every size reaches the readers too. Inputs of
// the record size are always taken as they are, so the seeds are real files.
std::vector<std::uint8_t> ShapeFile(const std::uint8_t* data, std::size_t size, std::size_t recordSize);

// Collects the diagnostic lines while alive.
class DiagRecorder {
public:
    const std::string& text() const { return text_; }

private:
    static void Sink(void* self, const char* bytes, std::size_t n);
    std::string text_;
    ScopedDiagSink capture_{&DiagRecorder::Sink, this};
};

// Every line of `text` holds no NUL and at most `maxLine` bytes: a text field
// printed past its width runs into its neighbours and breaks the bound.
void CheckLines(const std::string& text, std::size_t maxLine);

[[noreturn]] void Fail(const char* file, int line, const char* what);

#define FUZZ_CHECK(cond)                                                \
    do {                                                                \
        if (!(cond)) ::trailcfg::fuzz::Fail(__FILE__, __LINE__, #cond); \
    } while (0)

}  // namespace trailcfg::fuzz
