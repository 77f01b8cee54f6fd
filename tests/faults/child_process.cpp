#include "child_process.h"

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace trailcfg::test {

ChildResult RunInChild(const std::function<std::string()>& body, unsigned seconds) {
    ChildResult result;
    int fds[2];
    if (::pipe(fds) != 0) return result;
    pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return result;
    }
    if (pid == 0) {
        ::close(fds[0]);
        ::alarm(seconds);
        std::string out;
        // An exception must not reach the test framework in the child, which
        // would go on to run the rest of the tests a second time.
        try {
            out = body();
        } catch (...) {
            ::_exit(4);
        }
        const char* p = out.data();
        std::size_t left = out.size();
        while (left > 0) {
            ssize_t w = ::write(fds[1], p, left);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) ::_exit(3);
            p += w;
            left -= static_cast<std::size_t>(w);
        }
        // No exit handlers: they belong to the test process.
        ::_exit(0);
    }
    ::close(fds[1]);
    char buf[4096];
    for (;;) {
        ssize_t r = ::read(fds[0], buf, sizeof buf);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        result.blob.append(buf, static_cast<std::size_t>(r));
    }
    ::close(fds[0]);
    while (::waitpid(pid, &result.status, 0) < 0 && errno == EINTR) {
    }
    result.exitedNormally = WIFEXITED(result.status) && WEXITSTATUS(result.status) == 0;
    return result;
}

bool DropToNobody() {
    if (::geteuid() != 0) return false;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && ::geteuid() == kNobody;
}

Blob& Blob::Put(const std::string& field) {
    std::uint32_t n = static_cast<std::uint32_t>(field.size());
    bytes_.append(reinterpret_cast<const char*>(&n), sizeof n);
    bytes_ += field;
    return *this;
}

Blob& Blob::Put(const std::vector<std::string>& fields) {
    Put(std::to_string(fields.size()));
    for (const std::string& f : fields) Put(f);
    return *this;
}

std::string Blob::Take() {
    std::uint32_t n = 0;
    if (bytes_.size() - pos_ < sizeof n) return {};
    std::memcpy(&n, bytes_.data() + pos_, sizeof n);
    pos_ += sizeof n;
    if (bytes_.size() - pos_ < n) n = static_cast<std::uint32_t>(bytes_.size() - pos_);
    std::string field = bytes_.substr(pos_, n);
    pos_ += n;
    return field;
}

std::vector<std::uint8_t> Blob::TakeBytes() {
    std::string s = Take();
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

std::vector<std::string> Blob::TakeList() {
    std::vector<std::string> list;
    std::string count = Take();
    std::size_t n = count.empty() ? 0 : std::stoul(count);
    for (std::size_t i = 0; i < n; ++i) list.push_back(Take());
    return list;
}

}  // namespace trailcfg::test
