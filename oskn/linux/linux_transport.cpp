#include "linux_transport.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
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
#include <sys/uio.h>
#include <unistd.h>

#include "core/registry.h"
#include "oskn_device.h"
#include "transferbuffer.h"

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

// An NVMe namespace's block device: commands through the kernel's NVMe passthrough. Admin
// commands go to the namespace's node too (the kernel passes them to its controller), or to the
// controller's own node when the namespace's refuses them.
class NvmeChannel : public DeviceChannel {
public:
    NvmeChannel(std::string path, std::string controller) : path_(std::move(path)), controller_(std::move(controller)) {}
    ~NvmeChannel() override
    {
        for (int fd : {fd_, controllerFd_})
            if (fd >= 0)
                ::close(fd);
    }
    uint32_t max_Transfer_Bytes() const override { return maxTransfer_.load(); }
    void set_Max_Transfer_Bytes(uint32_t bytes) { maxTransfer_.store(bytes); }

    TransportResult execute(ScsiCommand&) override { return TransportResult::OsFailure; }

    TransportResult execute_Nvme(NvmeCommand& command) override
    {
        std::lock_guard<std::mutex> guard(mutex_);
        TransportResult result;
        if (!open_Locked(fd_, path_, result))
            return result;
        result = passthrough(command);
        closed_If_Gone(&result, 1);
        return result;
    }

    void execute_Nvme_All(NvmeCommand* commands, size_t count, TransportResult* results) override
    {
        std::lock_guard<std::mutex> guard(mutex_);
        TransportResult result;
        if (!open_Locked(fd_, path_, result)) {
            std::fill(results, results + count, result);
            return;
        }
        if (count < 2) {
            for (size_t i = 0; i < count; ++i)
                results[i] = passthrough(commands[i]);
        } else {
            workers_.run(count, [&](size_t i) { results[i] = passthrough(commands[i]); });
        }
        closed_If_Gone(results, count);
    }

private:
    static bool open_Locked(int& fd, const std::string& path, TransportResult& result)
    {
        if (fd >= 0)
            return true;
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd >= 0)
            return true;
        result = (errno == ENOENT || errno == ENXIO || errno == ENODEV) ? TransportResult::NoDevice
                                                                         : TransportResult::OsFailure;
        return false;
    }

    // One command on the open node: the 64-bit-result ioctls, or the older ones on a kernel
    // that does not know them.
    TransportResult passthrough(NvmeCommand& command)
    {
        int error = 0;
        TransportResult result = send(fd_, command, error);
        if (result == TransportResult::OsFailure && command.admin && error == ENOTTY && !controller_.empty()) {
            std::lock_guard<std::mutex> guard(controllerMutex_);
            TransportResult opened;
            if (!open_Locked(controllerFd_, controller_, opened))
                return result;
            result = send(controllerFd_, command, error);
        }
        return result;
    }

    // A new node may come with the drive: the old ones are let go.
    void closed_If_Gone(const TransportResult* results, size_t count)
    {
        if (std::find(results, results + count, TransportResult::NoDevice) == results + count)
            return;
        std::lock_guard<std::mutex> guard(controllerMutex_);
        for (int* fd : {&fd_, &controllerFd_})
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
    }

    TransportResult send(int fd, NvmeCommand& command, int& error)
    {
        if (!oldIoctls_.load()) {
            nvme_passthru_cmd64 io;
            fill_Nvme_Passthrough(command, io);
            const int rc = ::ioctl(fd, command.admin ? NVME_IOCTL_ADMIN64_CMD : NVME_IOCTL_IO64_CMD, &io);
            error = rc < 0 ? errno : 0;
            if (rc >= 0 || error != ENOTTY)
                return nvme_Ioctl_Result(rc, error, io.result, command);
            oldIoctls_.store(true);
        }
        nvme_passthru_cmd io;
        fill_Nvme_Passthrough(command, io);
        const int rc = ::ioctl(fd, command.admin ? NVME_IOCTL_ADMIN_CMD : NVME_IOCTL_IO_CMD, &io);
        error = rc < 0 ? errno : 0;
        return nvme_Ioctl_Result(rc, error, io.result, command);
    }

    std::string path_, controller_;
    std::mutex mutex_, controllerMutex_;
    int fd_ = -1, controllerFd_ = -1;
    std::atomic<bool> oldIoctls_{false};
    std::atomic<uint32_t> maxTransfer_{0};
    Workers workers_;
};

// A drive that takes neither SCSI nor NVMe passthrough: O_DIRECT reads and writes of whole
// blocks on its block device.
class BlockChannel : public DeviceChannel {
public:
    explicit BlockChannel(std::string path) : path_(std::move(path)) {}
    ~BlockChannel() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TransportResult execute(ScsiCommand&) override { return TransportResult::OsFailure; }

    TransportResult execute_Block(BlockCommand& c) override
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (fd_ < 0) {
            fd_ = ::open(path_.c_str(), O_RDWR | O_DIRECT | O_CLOEXEC);
            if (fd_ < 0 && (errno == EROFS || errno == EACCES)) // a write-protected card still reads
                fd_ = ::open(path_.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
            if (fd_ < 0)
                return (errno == ENOENT || errno == ENXIO || errno == ENODEV || errno == ENOMEDIUM)
                           ? TransportResult::NoDevice
                           : TransportResult::OsFailure;
        }
        const size_t bytes = size_t(c.count) * c.blockSize;
        const off_t offset = off_t(c.lba * c.blockSize);
        // O_DIRECT wants a buffer aligned to the block size: a caller's that is not goes through
        // one that is.
        uint8_t* buffer = c.data;
        TransferBuffer bounce;
        if (reinterpret_cast<uintptr_t>(c.data) % kTransferAlignment) {
            bounce.resize(bytes);
            if (c.write)
                std::memcpy(bounce.data(), c.data, bytes);
            buffer = bounce.data();
        }
        size_t done = 0;
        c.error = 0;
        while (done < bytes) {
            ssize_t n;
            if (c.write) {
                iovec v{buffer + done, bytes - done};
                n = ::pwritev2(fd_, &v, 1, offset + off_t(done), c.forceUnitAccess ? RWF_DSYNC : 0);
            } else {
                n = ::pread(fd_, buffer + done, bytes - done, offset + off_t(done));
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                c.error = errno;
                break;
            }
            if (n == 0) { // the device ends before the range does
                c.error = ENOSPC;
                break;
            }
            done += size_t(n);
        }
        if (!c.write && buffer != c.data)
            std::memcpy(c.data, buffer, done);
        if (c.error == ENODEV || c.error == ENXIO) {
            ::close(fd_);
            fd_ = -1;
            return TransportResult::NoDevice;
        }
        return TransportResult::Delivered;
    }

private:
    std::string path_;
    std::mutex mutex_;
    int fd_ = -1;
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
            e.kind = disk.kind;
            e.nsid = disk.nsid;
            e.identity = disk.identity;
            // One channel (one open file) per device node for the process.
            if (disk.kind == DriveKind::Nvme) {
                auto& channel = nvmeChannels_[e.path];
                if (!channel)
                    channel = std::make_shared<NvmeChannel>(e.path, disk.controller.empty() ? std::string()
                                                                                          : devRoot_ + "/" + disk.controller);
                channel->set_Max_Transfer_Bytes(disk.maxTransferBytes);
                e.channel = channel;
            } else if (disk.kind == DriveKind::Block) {
                auto& channel = blockChannels_[e.path];
                if (!channel)
                    channel = std::make_shared<BlockChannel>(e.path);
                e.channel = channel;
            } else {
                auto& channel = channels_[e.path];
                if (!channel)
                    channel = std::make_shared<SgChannel>(e.path);
                channel->set_Max_Transfer_Bytes(disk.maxTransferBytes);
                e.channel = channel;
            }
            entries.push_back(std::move(e));
        }
        return entries;
    }

private:
    std::string sysfsRoot_, devRoot_;
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<SgChannel>> channels_;
    std::map<std::string, std::shared_ptr<NvmeChannel>> nvmeChannels_;
    std::map<std::string, std::shared_ptr<BlockChannel>> blockChannels_;
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

// nvme<controller>n<namespace>: not a partition (p<N>) nor a multipath controller path (c<N>).
bool is_Nvme_Namespace(const std::string& name)
{
    size_t i = 4;
    if (name.compare(0, 4, "nvme") != 0)
        return false;
    const auto digits = [&] {
        const size_t start = i;
        while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])))
            ++i;
        return i > start;
    };
    if (!digits() || i >= name.size() || name[i++] != 'n' || !digits())
        return false;
    return i == name.size();
}

// eMMC and SD cards on the host's own controller (mmcblkN, not its boot or RPMB areas), virtio
// disks (vdX).
bool is_Block_Only(const std::string& name)
{
    if (name.compare(0, 6, "mmcblk") == 0)
        return name.size() > 6 && name.find_first_not_of("0123456789", 6) == std::string::npos;
    if (name.compare(0, 2, "vd") == 0)
        return name.size() > 2 && name.find_first_not_of("abcdefghijklmnopqrstuvwxyz", 2) == std::string::npos;
    return false;
}

// NVMe names in the kernel's order: numbers as numbers (nvme0n2 < nvme0n10 < nvme1n1).
bool natural_Less(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digits = std::isdigit(static_cast<unsigned char>(a[i]));
        if (digits != bool(std::isdigit(static_cast<unsigned char>(b[j]))))
            return digits; // a number before letters
        size_t ei = i, ej = j;
        while (ei < a.size() && bool(std::isdigit(static_cast<unsigned char>(a[ei]))) == digits)
            ++ei;
        while (ej < b.size() && bool(std::isdigit(static_cast<unsigned char>(b[ej]))) == digits)
            ++ej;
        std::string ra = a.substr(i, ei - i), rb = b.substr(j, ej - j);
        if (digits) {
            ra.erase(0, std::min(ra.find_first_not_of('0'), ra.size() - 1));
            rb.erase(0, std::min(rb.find_first_not_of('0'), rb.size() - 1));
        }
        if (ra != rb)
            return ra.size() != rb.size() ? ra.size() < rb.size() : ra < rb;
        i = ei;
        j = ej;
    }
    return a.size() - i < b.size() - j;
}

// The first line of a sysfs attribute, without the blanks around it; "" when there is none.
std::string read_Text(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line))
        return {};
    const size_t b = line.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    return line.substr(b, line.find_last_not_of(" \t\r") - b + 1);
}

void describe_Nvme(const fs::path& block, SysfsDisk& d)
{
    uint64_t nsid = 0;
    if (read_Number(block / "nsid", nsid) && nsid > 0 && nsid <= 0xFFFFFFFEu)
        d.nsid = uint32_t(nsid);
    else // older kernels: the name's namespace number is the id
        d.nsid = uint32_t(std::stoul(d.name.substr(d.name.rfind('n') + 1)));
    // The namespace's device is its controller, nvme<N>.
    std::error_code ec;
    const fs::path controller = fs::canonical(block / "device", ec);
    if (!ec && is_Controller_Name(controller.filename().string()))
        d.controller = controller.filename().string();
    else
        d.controller = d.name.substr(0, d.name.find('n', 4));
}

void describe_Block(const fs::path& block, SysfsDisk& d)
{
    BlockIdentity& id = d.identity;
    uint64_t value = 0;
    id.logicalBlockSize = read_Number(block / "queue" / "logical_block_size", value) && value ? uint32_t(value) : 512;
    id.physicalBlockSize = read_Number(block / "queue" / "physical_block_size", value) && value ? uint32_t(value)
                                                                                               : id.logicalBlockSize;
    id.blocks = d.sectors * 512 / id.logicalBlockSize; // sysfs counts 512-byte sectors
    const fs::path device = block / "device";
    if (d.name.compare(0, 6, "mmcblk") == 0) {
        const std::string type = read_Text(device / "type"); // MMC, SD, SDIO
        const std::string name = read_Text(device / "name");
        id.model = type.empty() ? name : name.empty() ? type : type + " " + name;
        id.serial = read_Text(device / "serial");
        id.firmware = read_Text(device / "fwrev");
        if (id.firmware.empty())
            id.firmware = read_Text(device / "hwrev");
    } else {
        id.model = "Virtio Block Device";
        id.serial = read_Text(block / "serial");
    }
    if (id.model.empty())
        id.model = d.name;
}

} // namespace

bool is_Controller_Name(const std::string& name)
{
    return name.size() > 4 && name.compare(0, 4, "nvme") == 0 &&
           name.find_first_not_of("0123456789", 4) == std::string::npos;
}

void fill_Nvme_Passthrough(const NvmeCommand& c, nvme_passthru_cmd64& io)
{
    std::memset(&io, 0, sizeof io);
    io.opcode = c.opcode;
    io.nsid = c.nsid;
    io.cdw2 = c.cdw2;
    io.cdw3 = c.cdw3;
    io.addr = c.dataLength ? uint64_t(reinterpret_cast<uintptr_t>(c.data)) : 0;
    io.data_len = c.dataLength;
    io.cdw10 = c.cdw10;
    io.cdw11 = c.cdw11;
    io.cdw12 = c.cdw12;
    io.cdw13 = c.cdw13;
    io.cdw14 = c.cdw14;
    io.cdw15 = c.cdw15;
    io.timeout_ms = c.timeoutSeconds * 1000u;
}

void fill_Nvme_Passthrough(const NvmeCommand& c, nvme_passthru_cmd& io)
{
    nvme_passthru_cmd64 wide;
    fill_Nvme_Passthrough(c, wide);
    std::memset(&io, 0, sizeof io);
    io.opcode = wide.opcode;
    io.nsid = wide.nsid;
    io.cdw2 = wide.cdw2;
    io.cdw3 = wide.cdw3;
    io.addr = wide.addr;
    io.data_len = wide.data_len;
    io.cdw10 = wide.cdw10;
    io.cdw11 = wide.cdw11;
    io.cdw12 = wide.cdw12;
    io.cdw13 = wide.cdw13;
    io.cdw14 = wide.cdw14;
    io.cdw15 = wide.cdw15;
    io.timeout_ms = wide.timeout_ms;
}

TransportResult nvme_Ioctl_Result(int returned, int error, uint64_t result, NvmeCommand& c)
{
    c.status = 0;
    c.result = 0;
    c.timedOut = false;
    c.transferred = c.dataLength; // the kernel does not say less
    if (returned < 0) {
        if (error == ENODEV || error == ENXIO || error == ENOENT)
            return TransportResult::NoDevice;
        if (error == EINTR) { // cancelled by the kernel after its timeout
            c.timedOut = true;
            return TransportResult::Delivered;
        }
        return TransportResult::OsFailure;
    }
    c.status = uint16_t(returned & 0x7FFF);
    c.result = result;
    return TransportResult::Delivered;
}

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
        const DriveKind kind = is_Nvme_Namespace(name) ? DriveKind::Nvme
                               : is_Block_Only(name)   ? DriveKind::Block
                                                       : DriveKind::Scsi;
        if (!disk && !optical && kind == DriveKind::Scsi)
            continue;
        SysfsDisk d;
        d.name = name;
        d.kind = kind;
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
        if (kind == DriveKind::Nvme)
            describe_Nvme(entry.path(), d);
        else if (kind == DriveKind::Block)
            describe_Block(entry.path(), d);
        disks.push_back(std::move(d));
    }
    std::sort(disks.begin(), disks.end(), [](const SysfsDisk& a, const SysfsDisk& b) {
        // SCSI, then NVMe, then block-only; sda < sdb < ... < sdz < sdaa, nvme0n2 < nvme0n10
        if (a.kind != b.kind)
            return a.kind < b.kind;
        if (a.kind == DriveKind::Nvme)
            return natural_Less(a.name, b.name);
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
