// Where the page and music readers take their bytes from, and where pages are
// written to. The platform opens the files; tests and fuzzers hand in bytes held
// in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `bytes` bytes; returns how many were read (fewer at the end of the
    // data or on an error).
    virtual size_t Read(void* buffer, size_t bytes) = 0;
    // Moves to an absolute offset; false when it cannot.
    virtual bool Seek(uint64_t offset) = 0;
    // The length of the whole source.
    virtual uint64_t Size() const = 0;

    // Exactly `bytes` bytes; false on a short read.
    bool ReadAll(void* buffer, size_t bytes) { return Read(buffer, bytes) == bytes; }
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // True when every byte was taken.
    virtual bool Write(const void* data, size_t bytes) = 0;
};

// Bytes in memory, which must outlive the source.
class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Read(void* buffer, size_t bytes) override {
        const size_t left = size_ - position_;
        if (bytes > left) bytes = left;
        if (bytes == 0) return 0;  // an empty source may have no data pointer at all
        std::memcpy(buffer, data_ + position_, bytes);
        position_ += bytes;
        return bytes;
    }
    bool Seek(uint64_t offset) override {
        if (offset > size_) return false;
        position_ = size_t(offset);
        return true;
    }
    uint64_t Size() const override { return size_; }
    size_t position() const { return position_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
