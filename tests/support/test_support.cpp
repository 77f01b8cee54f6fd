// The tests' shared helpers (test_support.h) that are the same everywhere;
// temporary and read-only folders are each system's own
// (test_support_posix.cpp, test_support_windows.cpp).
#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/diag.h"

namespace trailcfg::test {

void DiagCapture::Sink(void* self, const char* bytes, std::size_t n) {
    static_cast<DiagCapture*>(self)->text_.append(bytes, n);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> ListFolder(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace trailcfg::test
