// Runs a piece of a test in a forked child, for faults that must not touch the
// test process itself: another user id, a file-size limit, a mount namespace
// of its own, or a read that may block. The child sends back one blob.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace trailcfg::test {

struct ChildResult {
    bool exitedNormally = false;  // returned from the body, within the time
    int status = 0;               // waitpid status
    std::string blob;             // what the body returned
};

// `body` runs in the child; the child is killed after `seconds`.
ChildResult RunInChild(const std::function<std::string()>& body, unsigned seconds = 20);

// Gives up root for the nobody user; false when that is impossible.
bool DropToNobody();
inline constexpr unsigned kNobody = 65534;

// Length-prefixed fields, to carry several results through one blob.
class Blob {
public:
    Blob() = default;
    explicit Blob(std::string bytes) : bytes_(std::move(bytes)) {}
    Blob& Put(const std::string& field);
    Blob& Put(const std::vector<std::uint8_t>& field) { return Put(std::string(field.begin(), field.end())); }
    Blob& Put(bool flag) { return Put(std::string(1, flag ? '1' : '0')); }
    Blob& Put(const std::vector<std::string>& fields);
    // Take in the order of Put; an empty result once the blob runs out.
    std::string Take();
    std::vector<std::uint8_t> TakeBytes();
    bool TakeFlag() { return Take() == "1"; }
    std::vector<std::string> TakeList();
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

}  // namespace trailcfg::test
