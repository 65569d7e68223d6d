// Sparse data stores of the virtual drives. Unwritten sectors read as zeros in both.
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "virtual/virtual_drive.h"

namespace oskn {
namespace vdrive {

bool Storage::fill(uint64_t offset, uint64_t length, const uint8_t* block, size_t blockLength)
{
    // Repeat the block into a staging buffer of about 1 MiB and write that out.
    const size_t reps = std::max<size_t>(1, (1u << 20) / blockLength);
    std::vector<uint8_t> staging(reps * blockLength);
    for (size_t i = 0; i < reps; ++i)
        std::memcpy(staging.data() + i * blockLength, block, blockLength);
    while (length > 0) {
        const size_t n = size_t(std::min<uint64_t>(length, staging.size()));
        if (!write(offset, staging.data(), n))
            return false;
        offset += n;
        length -= n;
    }
    return true;
}

void Storage::fillBackground(uint64_t offset, uint8_t* dst, size_t length) const
{
    if (background_ == 0) {
        std::memset(dst, 0, length);
        return;
    }
    for (size_t i = 0; i < length; ++i)
        dst[i] = uint8_t(background_ >> (8 * ((offset + i) % 4)));
}

namespace {

bool all_Zero(const uint8_t* p, size_t n)
{
    // Compare the buffer against itself shifted by one byte: zero iff the first byte is zero.
    return n == 0 || (p[0] == 0 && std::memcmp(p, p + 1, n - 1) == 0);
}

// Memory drives together hold at most this much written data: a drive filled with anything
// but zeros fails its writes (WRITE ERROR) instead of exhausting the machine's memory.
constexpr uint64_t kMemoryLimit = uint64_t(4) << 30;
std::atomic<uint64_t> g_memoryInUse{0};

class MemoryStorage final : public Storage {
public:
    explicit MemoryStorage(uint64_t capacity) : capacity_(capacity) {}
    ~MemoryStorage() override { g_memoryInUse -= chunks_.size() * kChunk; }

    bool read(uint64_t offset, uint8_t* dst, size_t length) override
    {
        while (length > 0) {
            const uint64_t index = offset / kChunk;
            const size_t within = size_t(offset % kChunk);
            const size_t n = std::min<size_t>(length, kChunk - within);
            auto it = chunks_.find(index);
            if (it == chunks_.end())
                fillBackground(offset, dst, n);
            else
                std::memcpy(dst, it->second.get() + within, n);
            dst += n;
            offset += n;
            length -= n;
        }
        return true;
    }

    bool write(uint64_t offset, const uint8_t* src, size_t length) override
    {
        while (length > 0) {
            const uint64_t index = offset / kChunk;
            const size_t within = size_t(offset % kChunk);
            const size_t n = std::min<size_t>(length, kChunk - within);
            auto it = chunks_.find(index);
            if (it == chunks_.end()) {
                // Zeros over a hole stay a hole: a full erase of a large drive costs no memory.
                if (background_ != 0 || !all_Zero(src, n)) {
                    if (g_memoryInUse.fetch_add(kChunk) + kChunk > kMemoryLimit) {
                        g_memoryInUse -= kChunk;
                        return false;
                    }
                    std::unique_ptr<uint8_t[]> chunk(new uint8_t[kChunk]);
                    fillBackground(index * kChunk, chunk.get(), kChunk);
                    std::memcpy(chunk.get() + within, src, n);
                    chunks_.emplace(index, std::move(chunk));
                }
            } else {
                std::memcpy(it->second.get() + within, src, n);
                if (background_ == 0 && all_Zero(it->second.get(), kChunk)) {
                    chunks_.erase(it);
                    g_memoryInUse -= kChunk;
                }
            }
            src += n;
            offset += n;
            length -= n;
        }
        return true;
    }

    bool fill(uint64_t offset, uint64_t length, const uint8_t* block, size_t blockLength) override
    {
        if (background_ != 0 || !all_Zero(block, blockLength))
            return Storage::fill(offset, length, block, blockLength);
        // Zeros: drop the whole chunks inside the range, write only the partial ones at its ends.
        const uint64_t firstFull = (offset + kChunk - 1) / kChunk, endFull = (offset + length) / kChunk;
        if (firstFull >= endFull)
            return Storage::fill(offset, length, block, blockLength);
        const size_t before = chunks_.size();
        if (endFull - firstFull > chunks_.size()) {
            for (auto it = chunks_.begin(); it != chunks_.end();)
                it = it->first >= firstFull && it->first < endFull ? chunks_.erase(it) : std::next(it);
        } else {
            for (uint64_t i = firstFull; i < endFull; ++i)
                chunks_.erase(i);
        }
        g_memoryInUse -= (before - chunks_.size()) * kChunk;
        return Storage::fill(offset, firstFull * kChunk - offset, block, blockLength) &&
               Storage::fill(endFull * kChunk, offset + length - endFull * kChunk, block, blockLength);
    }

    bool clear() override
    {
        g_memoryInUse -= chunks_.size() * kChunk;
        chunks_.clear();
        background_ = 0;
        return true;
    }

    bool setPattern(uint32_t pattern) override
    {
        g_memoryInUse -= chunks_.size() * kChunk;
        chunks_.clear();
        background_ = pattern;
        return true;
    }

private:
    static constexpr size_t kChunk = 64 * 1024;
    uint64_t capacity_;
    std::unordered_map<uint64_t, std::unique_ptr<uint8_t[]>> chunks_;
};

class ImageStorage final : public Storage {
public:
    ImageStorage(int fd, uint64_t capacity) : fd_(fd), capacity_(capacity) {}
    ~ImageStorage() override { ::close(fd_); }

    bool read(uint64_t offset, uint8_t* dst, size_t length) override
    {
        if (!readRaw(offset, dst, length))
            return false;
        if (background_ != 0) { // holes read as the sanitize pattern
            uint64_t pos = offset;
            const uint64_t end = offset + length;
            while (pos < end) {
                off_t hole = ::lseek(fd_, off_t(pos), SEEK_HOLE);
                if (hole < 0 || uint64_t(hole) >= end)
                    break;
                off_t data = ::lseek(fd_, hole, SEEK_DATA);
                const uint64_t holeEnd = data < 0 ? end : std::min<uint64_t>(end, uint64_t(data));
                fillBackground(uint64_t(hole), dst + (uint64_t(hole) - offset), size_t(holeEnd - uint64_t(hole)));
                pos = holeEnd;
            }
        }
        return true;
    }

    bool write(uint64_t offset, const uint8_t* src, size_t length) override
    {
        if (background_ == 0)
            return writeRaw(offset, src, length);
        // A write into a hole allocates whole file-system blocks: keep the pattern around it.
        const uint64_t start = offset / kBlock * kBlock;
        const uint64_t end = std::min(capacity_, (offset + length + kBlock - 1) / kBlock * kBlock);
        std::vector<uint8_t> merged(size_t(end - start));
        if (!read(start, merged.data(), merged.size()))
            return false;
        std::memcpy(merged.data() + (offset - start), src, length);
        return writeRaw(start, merged.data(), merged.size());
    }

private:
    static constexpr uint64_t kBlock = 64 * 1024;

    bool readRaw(uint64_t offset, uint8_t* dst, size_t length)
    {
        while (length > 0) {
            const ssize_t n = ::pread(fd_, dst, length, off_t(offset));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0) { // past the end of a file someone shortened: holes
                std::memset(dst, 0, length);
                return true;
            }
            dst += n;
            offset += uint64_t(n);
            length -= size_t(n);
        }
        return true;
    }

    bool writeRaw(uint64_t offset, const uint8_t* src, size_t length)
    {
        while (length > 0) {
            const ssize_t n = ::pwrite(fd_, src, length, off_t(offset));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            src += n;
            offset += uint64_t(n);
            length -= size_t(n);
        }
        return true;
    }

public:
    bool fill(uint64_t offset, uint64_t length, const uint8_t* block, size_t blockLength) override
    {
        // Zeros become a hole rather than gigabytes of written zeros.
        if (background_ == 0 && all_Zero(block, blockLength) &&
            ::fallocate(fd_, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, off_t(offset), off_t(length)) == 0)
            return true;
        return Storage::fill(offset, length, block, blockLength);
    }

    bool clear() override
    {
        background_ = 0;
        return ::ftruncate(fd_, 0) == 0 && ::ftruncate(fd_, off_t(capacity_)) == 0;
    }

    bool setPattern(uint32_t pattern) override
    {
        if (!clear())
            return false;
        background_ = pattern;
        return true;
    }

private:
    int fd_;
    uint64_t capacity_;
};

} // namespace

std::unique_ptr<Storage> make_Memory_Storage(uint64_t capacityBytes)
{
    return std::make_unique<MemoryStorage>(capacityBytes);
}

std::unique_ptr<Storage> make_Image_Storage(const std::string& path, uint64_t capacityBytes,
                                            std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::string("cannot open or create the image \"") + path + "\": " + std::strerror(errno);
        return nullptr;
    }
    struct stat st;
    // Truncated to the capacity: a sparse file, no disk space until written.
    if (::fstat(fd, &st) != 0 || (uint64_t(st.st_size) != capacityBytes &&
                                  ::ftruncate(fd, off_t(capacityBytes)) != 0)) {
        error = std::string("cannot size the image \"") + path + "\": " + std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<ImageStorage>(fd, capacityBytes);
}

} // namespace vdrive
} // namespace oskn

namespace oskn {
namespace vdrive {
namespace {

// A drive that acknowledges writes to some sectors without storing them: they hold old data
// (0x5A bytes), and whatever reaches the store, they are put back as they were before it.
class UnstoredSectorsStorage final : public Storage {
public:
    UnstoredSectorsStorage(std::unique_ptr<Storage> inner, std::set<uint64_t> sectors, uint32_t sectorSize)
        : inner_(std::move(inner)), sectors_(std::move(sectors)), sectorSize_(sectorSize)
    {
        // They hold data from before the drive started dropping writes there: what an erase
        // must remove.
        const std::vector<uint8_t> old(sectorSize_, kOldData);
        for (uint64_t lba : sectors_)
            inner_->write(lba * sectorSize_, old.data(), old.size());
    }
    static constexpr uint8_t kOldData = 0x5A;

    bool read(uint64_t offset, uint8_t* dst, size_t length) override { return inner_->read(offset, dst, length); }
    bool write(uint64_t offset, const uint8_t* src, size_t length) override
    {
        return keeping(offset, length, [&] { return inner_->write(offset, src, length); });
    }
    bool fill(uint64_t offset, uint64_t length, const uint8_t* block, size_t blockLength) override
    {
        return keeping(offset, length, [&] { return inner_->fill(offset, length, block, blockLength); });
    }
    bool clear() override
    {
        return keeping(0, UINT64_MAX, [&] { return inner_->clear(); });
    }
    bool setPattern(uint32_t pattern) override
    {
        return keeping(0, UINT64_MAX, [&] { return inner_->setPattern(pattern); });
    }

private:
    // Runs change over the bytes [offset, offset + length), then writes back the unstored
    // sectors in that span as they were.
    template <typename Change> bool keeping(uint64_t offset, uint64_t length, Change change)
    {
        const uint64_t first = offset / sectorSize_;
        const uint64_t end = length == UINT64_MAX ? UINT64_MAX : (offset + length + sectorSize_ - 1) / sectorSize_;
        std::vector<std::pair<uint64_t, std::vector<uint8_t>>> kept;
        for (auto it = sectors_.lower_bound(first); it != sectors_.end() && *it < end; ++it) {
            std::vector<uint8_t> bytes(sectorSize_);
            if (!inner_->read(*it * sectorSize_, bytes.data(), bytes.size()))
                return false;
            kept.emplace_back(*it, std::move(bytes));
        }
        const bool ok = change();
        for (const auto& k : kept)
            if (!inner_->write(k.first * sectorSize_, k.second.data(), k.second.size()))
                return false;
        return ok;
    }

    std::unique_ptr<Storage> inner_;
    std::set<uint64_t> sectors_;
    uint32_t sectorSize_;
};

} // namespace

std::unique_ptr<Storage> make_Unstored_Sectors_Storage(std::unique_ptr<Storage> inner, std::set<uint64_t> sectors,
                                                       uint32_t sectorSize)
{
    return std::make_unique<UnstoredSectorsStorage>(std::move(inner), std::move(sectors), sectorSize);
}

} // namespace vdrive
} // namespace oskn
