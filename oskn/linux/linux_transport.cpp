#include "linux_transport.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

#include <fcntl.h>
#include <pthread.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "core/device.h"
#include "oskn_device.h"

namespace fs = std::filesystem;

namespace oskn {

namespace {

bool read_Number(const fs::path& file, uint64_t& value)
{
    std::ifstream in(file);
    if (!in)
        return false;
    std::string text;
    in >> text;
    if (text.empty())
        return false;
    try {
        size_t used = 0;
        value = std::stoull(text, &used, 0); // device/type may be written in hex by some kernels
        return used == text.size();
    } catch (...) {
        return false;
    }
}

bool has_Component(const std::string& path, const std::string& prefix)
{
    size_t at = 0;
    while ((at = path.find(prefix, at)) != std::string::npos) {
        if (at == 0 || path[at - 1] == '/')
            return true;
        ++at;
    }
    return false;
}

// A few threads kept for a channel's life, to have several commands in flight at once; small
// stacks, as every drive may have its own on a 32-bit system.
class Workers {
public:
    ~Workers()
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        for (pthread_t t : threads_)
            ::pthread_join(t, nullptr);
    }

    // Runs job(i) for every i below n, the calling thread taking its share; returns when all
    // are done. Without threads (none could be made) the caller runs them all.
    void run(size_t n, const std::function<void(size_t)>& job)
    {
        grow(n - 1);
        std::unique_lock<std::mutex> lock(mutex_);
        job_ = &job;
        next_ = 0;
        count_ = n;
        pending_ = n;
        wake_.notify_all();
        while (next_ < count_) {
            const size_t i = next_++;
            lock.unlock();
            job(i);
            lock.lock();
            --pending_;
        }
        done_.wait(lock, [this] { return pending_ == 0; });
        job_ = nullptr;
    }

private:
    static constexpr size_t kMaxThreads = 7; // eight in flight with the caller, as the kernel queues a large read

    void grow(size_t wanted)
    {
        wanted = std::min(wanted, kMaxThreads);
        while (threads_.size() < wanted) {
            pthread_attr_t attr;
            ::pthread_attr_init(&attr);
            ::pthread_attr_setstacksize(&attr, 256 * 1024);
            pthread_t thread;
            const int rc = ::pthread_create(&thread, &attr, &Workers::main, this);
            ::pthread_attr_destroy(&attr);
            if (rc != 0)
                return;
            threads_.push_back(thread);
        }
    }
    static void* main(void* self)
    {
        static_cast<Workers*>(self)->loop();
        return nullptr;
    }
    void loop()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stop_ || (job_ && next_ < count_); });
            if (stop_)
                return;
            const size_t i = next_++;
            const std::function<void(size_t)>* job = job_;
            lock.unlock();
            (*job)(i);
            lock.lock();
            if (--pending_ == 0)
                done_.notify_one();
        }
    }

    std::vector<pthread_t> threads_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    const std::function<void(size_t)>* job_ = nullptr;
    size_t next_ = 0, count_ = 0, pending_ = 0;
    bool stop_ = false;
};

class SgChannel : public DeviceChannel {
public:
    explicit SgChannel(std::string path) : path_(std::move(path)) {}
    ~SgChannel() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    uint32_t max_Transfer_Bytes() const override { return maxTransfer_.load(); }
    void set_Max_Transfer_Bytes(uint32_t bytes) { maxTransfer_.store(bytes); }

    TransportResult execute(ScsiCommand& command) override
    {
        std::lock_guard<std::mutex> guard(mutex_);
        TransportResult result;
        if (!open_Locked(result))
            return result;
        int error = 0;
        result = sg_Io(command, error);
        closed_If_Gone(error);
        return result;
    }

    // The commands go to the kernel together, one SG_IO each from its own thread: the kernel
    // queues them to the drive as it queues the pieces of one large read of its own.
    void execute_All(ScsiCommand* commands, size_t count, TransportResult* results) override
    {
        if (count < 2) {
            for (size_t i = 0; i < count; ++i)
                results[i] = execute(commands[i]);
            return;
        }
        std::lock_guard<std::mutex> guard(mutex_);
        TransportResult result;
        if (!open_Locked(result)) {
            std::fill(results, results + count, result);
            return;
        }
        std::vector<int> errors(count, 0);
        workers_.run(count, [&](size_t i) { results[i] = sg_Io(commands[i], errors[i]); });
        for (int error : errors)
            closed_If_Gone(error);
    }

private:
    bool open_Locked(TransportResult& result)
    {
        if (fd_ >= 0)
            return true;
        fd_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd_ >= 0)
            return true;
        result = (errno == ENOENT || errno == ENXIO || errno == ENODEV) ? TransportResult::NoDevice
                                                                         : TransportResult::OsFailure;
        return false;
    }
    void closed_If_Gone(int error)
    {
        if ((error == ENODEV || error == ENXIO) && fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

    // One SG_IO on the open node; error is the ioctl's errno when it failed.
    TransportResult sg_Io(ScsiCommand& command, int& error) const
    {
        sg_io_hdr_t io = {};
        io.interface_id = 'S';
        io.cmd_len = command.cdbLength;
        io.cmdp = const_cast<unsigned char*>(command.cdb);
        io.mx_sb_len = sizeof command.sense;
        io.sbp = command.sense;
        io.timeout = command.timeoutSeconds * 1000u;
        io.dxfer_len = command.dataLength;
        io.dxferp = command.data;
        switch (command.direction) {
        case DataDirection::In:
            io.dxfer_direction = SG_DXFER_FROM_DEV;
            break;
        case DataDirection::Out:
            io.dxfer_direction = SG_DXFER_TO_DEV;
            break;
        case DataDirection::None:
            io.dxfer_direction = SG_DXFER_NONE;
            io.dxfer_len = 0;
            io.dxferp = nullptr;
            break;
        }
        if (::ioctl(fd_, SG_IO, &io) < 0) {
            error = errno;
            return (error == ENODEV || error == ENXIO) ? TransportResult::NoDevice : TransportResult::OsFailure;
        }
        command.scsiStatus = io.status;
        command.senseLength = io.sb_len_wr;
        command.residual = io.resid > 0 ? uint32_t(io.resid) : 0;
        constexpr unsigned DidNoConnect = 0x01, DidTimeOut = 0x03, DriverTimeout = 0x06;
        if (io.host_status == DidNoConnect)
            return TransportResult::NoDevice;
        if (io.host_status == DidTimeOut || (io.driver_status & 0x0F) == DriverTimeout) {
            command.timedOut = true;
            return TransportResult::Delivered;
        }
        if (io.host_status != 0 && io.status == 0 && io.sb_len_wr == 0)
            return TransportResult::OsFailure;
        return TransportResult::Delivered;
    }

    std::string path_;
    std::mutex mutex_;
    int fd_ = -1;
    std::atomic<uint32_t> maxTransfer_{0};
    Workers workers_;
};

class LinuxTransport : public Transport {
public:
    LinuxTransport(std::string sysfsRoot, std::string devRoot)
        : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot))
    {
    }

    std::vector<DeviceEntry> enumerate() override
    {
        std::vector<DeviceEntry> entries;
        std::lock_guard<std::mutex> guard(mutex_);
        for (const SysfsDisk& disk : scan_Sysfs_Block(sysfsRoot_)) {
            DeviceEntry e;
            e.path = devRoot_ + "/" + disk.name;
            e.interfaceType = disk.interfaceType;
            e.driveTypeHint = disk.driveTypeHint;
            e.noMedium = disk.removable && disk.sectors == 0;
            // One channel (one open file) per device node for the process.
            auto& channel = channels_[e.path];
            if (!channel)
                channel = std::make_shared<SgChannel>(e.path);
            channel->set_Max_Transfer_Bytes(disk.maxTransferBytes);
            e.channel = channel;
            entries.push_back(std::move(e));
        }
        return entries;
    }

private:
    std::string sysfsRoot_, devRoot_;
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<SgChannel>> channels_;
};

// SG_IO maps the caller's buffer page by page into one request: it must fit both the request
// size and its scatter list, whose pages need not be contiguous.
uint32_t queue_Transfer_Limit(const fs::path& queue)
{
    uint64_t kilobytes = 0, segments = 0;
    if (!read_Number(queue / "max_sectors_kb", kilobytes) || kilobytes == 0)
        return 0;
    uint64_t bytes = kilobytes * 1024;
    const long page = ::sysconf(_SC_PAGESIZE);
    if (read_Number(queue / "max_segments", segments) && segments > 0 && page > 0)
        bytes = std::min<uint64_t>(bytes, segments * uint64_t(page));
    return uint32_t(std::min<uint64_t>(bytes, UINT32_MAX));
}

} // namespace

uint32_t interface_From_Sysfs_Path(const std::string& p)
{
    if (has_Component(p, "usb"))
        return OSKN_INTERFACE_USB;
    if (has_Component(p, "mmc") || has_Component(p, "memstick"))
        return OSKN_INTERFACE_MMC;
    if (has_Component(p, "nvme"))
        return OSKN_INTERFACE_NVME;
    if (has_Component(p, "end_device-") || has_Component(p, "sas_") || has_Component(p, "expander-"))
        return OSKN_INTERFACE_SAS;
    if (has_Component(p, "ata"))
        return OSKN_INTERFACE_ATA;
    if (has_Component(p, "virtio") || has_Component(p, "vbd-"))
        return OSKN_INTERFACE_VIRTUAL;
    return OSKN_INTERFACE_SCSI;
}

std::vector<SysfsDisk> scan_Sysfs_Block(const std::string& sysfsRoot)
{
    std::vector<SysfsDisk> disks;
    const fs::path root(sysfsRoot);
    std::error_code ec;
    fs::directory_iterator it(root / "block", ec);
    if (ec)
        return disks;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        const bool disk = name.rfind("sd", 0) == 0;
        const bool optical = name.rfind("sr", 0) == 0;
        if (!disk && !optical)
            continue;
        SysfsDisk d;
        d.name = name;
        const fs::path resolved = fs::canonical(entry.path(), ec);
        const fs::path canonicalRoot = fs::canonical(root, ec);
        std::string rel = resolved.lexically_relative(canonicalRoot).generic_string();
        d.resolvedPath = rel.empty() ? resolved.generic_string() : rel;
        d.interfaceType = interface_From_Sysfs_Path("/" + d.resolvedPath);
        uint64_t type = 0;
        if (optical)
            d.driveTypeHint = OSKN_DRIVE_NOT_A_DISK;
        else if (read_Number(entry.path() / "device" / "type", type) && type != 0x00 && type != 0x0E)
            d.driveTypeHint = OSKN_DRIVE_NOT_A_DISK;
        uint64_t value = 0;
        d.removable = read_Number(entry.path() / "removable", value) && value != 0;
        if (read_Number(entry.path() / "size", value))
            d.sectors = value;
        d.maxTransferBytes = queue_Transfer_Limit(entry.path() / "queue");
        disks.push_back(std::move(d));
    }
    std::sort(disks.begin(), disks.end(), [](const SysfsDisk& a, const SysfsDisk& b) {
        // sda < sdb < ... < sdz < sdaa
        return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
    });
    return disks;
}

std::unique_ptr<Transport> make_Linux_Transport(const std::string& sysfsRoot,
                                                const std::string& devRoot)
{
    return std::make_unique<LinuxTransport>(sysfsRoot, devRoot);
}

void register_Linux_Transport()
{
    Registry::instance().register_Transport("linux", [](const std::string& sysfsRoot, std::string&) {
        return make_Linux_Transport(sysfsRoot, "/dev");
    });
}

} // namespace oskn
