// Text on its way to a stream: gathered in a buffer of modest size and handed on whenever the
// buffer fills, so that ten thousand rows cost no more memory than ten.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace cli {

class Output {
public:
    using Write = std::function<void(std::string_view)>;

    explicit Output(Write write) : write_(std::move(write)) { buffer_.reserve(2 * kChunk); }
    ~Output() { Flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Output& operator<<(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= kChunk) {
            Flush();
        }
        return *this;
    }

    // Hands on what the buffer holds.
    void Flush() {
        if (buffer_.empty()) {
            return;
        }
        write_(buffer_);
        buffer_.clear();
    }

private:
    static constexpr std::size_t kChunk = 1 << 16;

    Write write_;
    std::string buffer_;
};

}  // namespace cli
