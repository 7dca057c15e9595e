#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A growable byte buffer with a position: the in-memory file that holds the
// detection database and the language text.
class MemoryStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    explicit MemoryStream(const std::string& text) : bytes_(text.begin(), text.end()) {}

    size_t Size() const { return bytes_.size(); }
    size_t Position() const { return position_; }
    // The position may lie past the end; reads there return nothing.
    void Seek(size_t position) { position_ = position; }

    // Copies up to count bytes from the position on and advances; returns the number copied.
    size_t Read(void* destination, size_t count);
    // Overwrites from the position on, growing the stream as needed, and advances.
    void Write(const void* source, size_t count);

    // Replaces the whole content; the position goes back to 0.
    void Assign(std::vector<uint8_t> bytes);
    void Clear() { Assign({}); }

    uint8_t* Data() { return bytes_.data(); }
    const uint8_t* Data() const { return bytes_.data(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::string Text() const { return std::string(bytes_.begin(), bytes_.end()); }

private:
    std::vector<uint8_t> bytes_;
    size_t position_ = 0;
};
