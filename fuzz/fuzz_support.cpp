#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "common/diag.h"

namespace trailcfg::fuzz {

namespace {

struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        // Memory-backed where there is such a folder: a disk file system
        // rewriting the same file a million times spends the time on the disk.
        std::error_code ec;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, ec) || ::access(base.c_str(), W_OK) != 0)
            base = std::filesystem::temp_directory_path();
        std::string tmpl = (base / "trailcfg-fuzz-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) Fail(__FILE__, __LINE__, "mkdtemp");
        path = tmpl;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

}  // namespace

std::filesystem::path ScratchPath(const char* name) {
    static ScratchFolder folder;
    return folder.path / name;
}

void WriteScratch(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) Fail(__FILE__, __LINE__, "open scratch file");
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w <= 0) Fail(__FILE__, __LINE__, "write scratch file");
        done += static_cast<std::size_t>(w);
    }
    ::close(fd);
}

std::vector<std::uint8_t> ShapeFile(const std::uint8_t* data, std::size_t size, std::size_t recordSize) {
    std::vector<std::uint8_t> file(data, data + size);
    if (size == recordSize || size == 0) return file;
    // One in four of the other inputs keeps its size.
    if ((data[size - 1] & 3) == 0) return file;
    file.resize(recordSize);
    for (std::size_t i = size; i < recordSize; ++i) file[i] = data[i % size];
    return file;
}

void DiagRecorder::Sink(void* self, const char* bytes, std::size_t n) {
    static_cast<DiagRecorder*>(self)->text_.append(bytes, n);
}

void CheckLines(const std::string& text, std::size_t maxLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        FUZZ_CHECK(end - start <= maxLine);
        FUZZ_CHECK(text.find('\0', start) >= end);
        start = end + 1;
    }
}

void Fail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

}  // namespace trailcfg::fuzz
