// A buffer for drive transfers. Aligned to 4096 bytes: the kernel then maps it straight into the
// command instead of copying it through a bounce buffer, whatever the drive's sector size.
// Zero-filled, owning, move-only. Header-only: the program and the library both use it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

constexpr size_t kTransferAlignment = 4096;

class TransferBuffer
{
public:
    TransferBuffer() = default;
    explicit TransferBuffer(size_t bytes) { resize(bytes); }
    ~TransferBuffer() { std::free(data_); }
    TransferBuffer(const TransferBuffer&) = delete;
    TransferBuffer& operator=(const TransferBuffer&) = delete;
    TransferBuffer(TransferBuffer&& other) noexcept : data_(other.data_), size_(other.size_)
    {
        other.data_ = nullptr;
        other.size_ = 0;
    }
    TransferBuffer& operator=(TransferBuffer&& other) noexcept
    {
        if (this != &other) {
            std::free(data_);
            data_ = other.data_;
            size_ = other.size_;
            other.data_ = nullptr;
            other.size_ = 0;
        }
        return *this;
    }

    // Replaces the contents with bytes zeros (0 frees the memory). Throws std::bad_alloc.
    void resize(size_t bytes)
    {
        std::free(data_);
        data_ = nullptr;
        size_ = 0;
        if (!bytes)
            return;
        // aligned_alloc wants a multiple of the alignment.
        const size_t rounded = (bytes + kTransferAlignment - 1) / kTransferAlignment * kTransferAlignment;
        data_ = static_cast<uint8_t*>(std::aligned_alloc(kTransferAlignment, rounded));
        if (!data_)
            throw std::bad_alloc();
        std::memset(data_, 0, rounded);
        size_ = bytes;
    }
    void release() { resize(0); }

    uint8_t* data() { return data_; }
    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    uint8_t& operator[](size_t i) { return data_[i]; }
    const uint8_t& operator[](size_t i) const { return data_[i]; }
    uint8_t* begin() { return data_; }
    uint8_t* end() { return data_ + size_; }
    const uint8_t* begin() const { return data_; }
    const uint8_t* end() const { return data_ + size_; }

private:
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};
