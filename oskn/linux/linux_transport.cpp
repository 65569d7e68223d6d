#include "linux_transport.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

#include <fcntl.h>
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

class SgChannel : public DeviceChannel {
public:
    explicit SgChannel(std::string path) : path_(std::move(path)) {}
    uint32_t max_Transfer_Bytes() const override { return maxTransfer_.load(); }
    void set_Max_Transfer_Bytes(uint32_t bytes) { maxTransfer_.store(bytes); }
    ~SgChannel() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    TransportResult execute(ScsiCommand& command) override
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (fd_ < 0) {
            fd_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (fd_ < 0)
                return (errno == ENOENT || errno == ENXIO || errno == ENODEV)
                           ? TransportResult::NoDevice
                           : TransportResult::OsFailure;
        }
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
            const int error = errno;
            if (error == ENODEV || error == ENXIO) {
                ::close(fd_);
                fd_ = -1;
                return TransportResult::NoDevice;
            }
            return TransportResult::OsFailure;
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

private:
    std::string path_;
    std::mutex mutex_;
    int fd_ = -1;
    std::atomic<uint32_t> maxTransfer_{0};
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
