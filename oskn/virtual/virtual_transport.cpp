// The virtual transport: the drives of one description file. A drive is one object for the
// whole process while anything still holds it, so a rescan (a new transport over the same
// file) reaches the same drive, with the data, logs and capacity it has now, just as a rescan
// finds the same physical drive again.
#include <climits>
#include <cstdlib>
#include <map>
#include <mutex>

#include "core/registry.h"
#include "virtual/virtual_drive.h"
#include "virtual/virtual_transport.h"

namespace oskn {

namespace {

using vdrive::Description;
using vdrive::EmulatedDrive;
using vdrive::VirtualDrive;

std::mutex g_registryMutex;
std::map<std::string, std::weak_ptr<EmulatedDrive>>& registry()
{
    static std::map<std::string, std::weak_ptr<EmulatedDrive>> drives;
    return drives;
}

class VirtualTransport final : public Transport {
public:
    explicit VirtualTransport(std::vector<std::shared_ptr<EmulatedDrive>> drives) : drives_(std::move(drives)) {}

    std::vector<DeviceEntry> enumerate() override
    {
        std::vector<DeviceEntry> entries;
        for (const auto& drive : drives_) {
            if (drive->gone())
                continue;
            const Description& d = drive->description();
            DeviceEntry e;
            e.path = d.name;
            e.interfaceType = d.interfaceType;
            e.driveTypeHint = d.notADisk ? 4u /* OSKN_DRIVE_NOT_A_DISK */ : 0u;
            e.noMedium = d.noMedium;
            e.channel = drive;
            if (d.protocol == vdrive::Protocol::Nvme) {
                e.kind = DriveKind::Nvme;
                e.nsid = d.nvme.nsid;
            } else if (d.protocol == vdrive::Protocol::Block) {
                e.kind = DriveKind::Block;
                e.identity.model = d.model;
                e.identity.serial = d.serial;
                e.identity.firmware = d.firmware;
                e.identity.blocks = d.nativeMaxLba + 1;
                e.identity.logicalBlockSize = d.logicalSectorSize;
                e.identity.physicalBlockSize = d.physicalSectorSize;
            }
            entries.push_back(std::move(e));
        }
        return entries;
    }

private:
    std::vector<std::shared_ptr<EmulatedDrive>> drives_;
};

} // namespace

std::unique_ptr<Transport> make_Virtual_Transport(const std::string& jsonPath, std::string& error)
{
    std::vector<Description> descriptions;
    std::vector<std::string> keys;
    if (!vdrive::parse_Description_File(jsonPath, descriptions, keys, error))
        return nullptr;

    char resolved[PATH_MAX];
    const std::string canonical = ::realpath(jsonPath.c_str(), resolved) ? resolved : jsonPath;

    std::lock_guard<std::mutex> lock(g_registryMutex);
    auto& known = registry();
    std::vector<std::shared_ptr<EmulatedDrive>> drives;
    for (size_t i = 0; i < descriptions.size(); ++i) {
        // The key holds the drive's own text: an edited description makes a new drive.
        const std::string key = canonical + "\n" + keys[i];
        if (auto existing = known[key].lock()) {
            drives.push_back(existing);
            continue;
        }
        Description& d = descriptions[i];
        const uint64_t capacity = (d.nativeMaxLba + 1) * d.logicalSectorSize;
        std::unique_ptr<vdrive::Storage> storage;
        if (d.imageBacked) {
            std::string why;
            storage = vdrive::make_Image_Storage(d.imagePath, capacity, why);
            if (!storage) {
                error = jsonPath + ": drive " + std::to_string(i) + " (\"" + d.name + "\"): field \"storage\": " + why;
                return nullptr; // the drives made so far go with their shared pointers
            }
        } else {
            storage = vdrive::make_Memory_Storage(capacity);
        }
        if (!d.unstored.empty())
            storage = vdrive::make_Unstored_Sectors_Storage(std::move(storage), d.unstored, d.logicalSectorSize);
        std::shared_ptr<EmulatedDrive> drive =
            d.protocol == vdrive::Protocol::Scsi
                ? std::shared_ptr<EmulatedDrive>(std::make_shared<VirtualDrive>(std::move(d), std::move(storage)))
                : vdrive::make_Nvme_Or_Block_Drive(std::move(d), std::move(storage));
        known[key] = drive;
        drives.push_back(std::move(drive));
    }
    // Forget drives nobody holds any more.
    for (auto it = known.begin(); it != known.end();)
        it = it->second.expired() ? known.erase(it) : std::next(it);
    return std::make_unique<VirtualTransport>(std::move(drives));
}

void register_Virtual_Transport() { Registry::instance().register_Transport("virtual", make_Virtual_Transport); }

} // namespace oskn
