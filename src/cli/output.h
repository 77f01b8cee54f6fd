// Where the commands print: the standard streams, or a string for tests.
// `out << "wrote " << name << "\n"` as with a stream, without the C++
// library's stream and locale machinery, which in a static Windows build
// would be most of the program.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace trailcfg::cli {

// `err << ... << kFlush` puts the line out now (the progress line).
inline constexpr struct FlushNow {
} kFlush{};

class Output {
public:
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Output& operator<<(std::string_view text) {
        Write(text);
        return *this;
    }
    Output& operator<<(const char* text) { return *this << std::string_view(text); }
    Output& operator<<(const std::string& text) { return *this << std::string_view(text); }
    Output& operator<<(char c) { return *this << std::string_view(&c, 1); }
    template <std::integral Number>
    requires(!std::same_as<Number, char> && !std::same_as<Number, bool>) Output& operator<<(Number n) {
        return *this << std::string_view(std::to_string(n));
    }
    Output& operator<<(FlushNow) {
        Flush();
        return *this;
    }

protected:
    ~Output() = default;

private:
    virtual void Write(std::string_view text) = 0;
    virtual void Flush() {}
};

class FileOutput final : public Output {
public:
    explicit FileOutput(std::FILE* file) : file_(file) {}

private:
    void Write(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), file_); }
    void Flush() override { std::fflush(file_); }
    std::FILE* file_;
};

class StringOutput final : public Output {
public:
    const std::string& str() const { return text_; }

private:
    void Write(std::string_view text) override { text_ += text; }
    std::string text_;
};

}  // namespace trailcfg::cli
