// What the tests share: a fresh temporary folder per test, captured
// diagnostic output, files written byte by byte, and read-only folders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/diag.h"

namespace trailcfg::test {

// A new empty folder, removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Collects the program's diagnostic lines while alive.
class DiagCapture {
public:
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    static void Sink(void* self, const char* bytes, std::size_t n);
    std::string text_;
    ScopedDiagSink capture_{&DiagCapture::Sink, this};
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Makes a folder impossible to write into, as far as this process can: plain
// permissions, and for root (whom permissions do not stop) the immutable
// attribute. Returns false when the folder is still writable afterwards.
bool MakeReadOnly(const std::filesystem::path& folder);
void UndoReadOnly(const std::filesystem::path& folder);

// Names in a folder, sorted.
std::vector<std::string> ListFolder(const std::filesystem::path& folder);

}  // namespace trailcfg::test
