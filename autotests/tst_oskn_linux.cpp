// Linux transport: enumeration from a fake sysfs tree (never a real device).
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "core/transport.h"
#include "linux/linux_transport.h"
#include "deviceaccess/oskn_device.h"
#include "deviceaccess/oskn_public.h"
#include "public/transports.h"

using namespace oskn;

namespace {

void write_File(const QString& path, const QByteArray& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Adds <root>/<devicePath>/block/<name> with size, removable and device/type, and the
// <root>/block/<name> link, as the kernel lays them out.
void add_Disk(const QString& root, const QString& devicePath, const QString& name, int type,
              quint64 size, bool removable)
{
    const QString unit = root + "/" + devicePath;
    const QString block = unit + "/block/" + name;
    QVERIFY(QDir().mkpath(block));
    write_File(unit + "/type", QByteArray::number(type) + "\n");
    write_File(block + "/size", QByteArray::number(size) + "\n");
    write_File(block + "/removable", removable ? "1\n" : "0\n");
    QVERIFY(QFile::link("../..", block + "/device"));
    QVERIFY(QDir().mkpath(root + "/block"));
    QVERIFY(QFile::link("../" + devicePath + "/block/" + name, root + "/block/" + name));
}

} // namespace

class TestOsknLinux : public QObject {
    Q_OBJECT

private slots:
    void interfaceFromPath()
    {
        QCOMPARE(interface_From_Sysfs_Path("/devices/pci0000:00/0000:00:1f.2/ata3/host2/target2:0:0/2:0:0:0/block/sdc"),
                 uint32_t(OSKN_INTERFACE_ATA));
        QCOMPARE(interface_From_Sysfs_Path("/devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb"),
                 uint32_t(OSKN_INTERFACE_USB));
        QCOMPARE(interface_From_Sysfs_Path("/devices/pci0000:00/0000:00:03.0/0000:02:00.0/host0/port-0:0/end_device-0:0/target0:0:0/0:0:0:0/block/sda"),
                 uint32_t(OSKN_INTERFACE_SAS));
        QCOMPARE(interface_From_Sysfs_Path("/devices/platform/host1/target1:0:0/1:0:0:0/block/sdd"),
                 uint32_t(OSKN_INTERFACE_SCSI));
        // A name merely containing "usb" or "ata" elsewhere is not a component.
        QCOMPARE(interface_From_Sysfs_Path("/devices/platform/mydata/host1/block/sde"), uint32_t(OSKN_INTERFACE_SCSI));
    }

    void fakeTree()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = tmp.path();
        add_Disk(root, "devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0", "sda", 0, 1953525168, false);
        add_Disk(root, "devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0", "sdb", 0, 0, true);
        add_Disk(root, "devices/pci0000:00/0000:00:1f.2/ata2/host1/target1:0:0/1:0:0:1", "sdc", 5, 0, true);
        add_Disk(root, "devices/pci0000:00/0000:00:1f.2/ata4/host3/target3:0:0/3:0:0:0", "sr0", 5, 2097151, true);
        add_Disk(root, "devices/pci0000:00/0000:00:1f.2/ata5/host4/target4:0:0/4:0:0:0", "sdaa", 0, 8, false);
        // Not drives: ignored.
        QVERIFY(QDir().mkpath(root + "/block/loop0"));
        QVERIFY(QDir().mkpath(root + "/block/md127"));

        // sda's queue takes 1280 KiB requests but only 168 scatter entries: 168 pages.
        const QString queue = root + "/block/sda/queue";
        QVERIFY(QDir().mkpath(queue));
        write_File(queue + "/max_sectors_kb", "1280\n");
        write_File(queue + "/max_segments", "168\n");

        const std::vector<SysfsDisk> disks = scan_Sysfs_Block(root.toStdString());
        QStringList names;
        for (const SysfsDisk& disk : disks)
            names << QString::fromStdString(disk.name);
        QCOMPARE(names, QStringList({"sda", "sdb", "sdc", "sr0", "sdaa"}));

        QCOMPARE(disks[0].interfaceType, uint32_t(OSKN_INTERFACE_ATA));
        QCOMPARE(disks[0].driveTypeHint, 0u);
        QCOMPARE(disks[0].sectors, quint64(1953525168));
        QCOMPARE(disks[0].maxTransferBytes, uint32_t(168 * ::sysconf(_SC_PAGESIZE)));
        QCOMPARE(disks[1].maxTransferBytes, 0u); // no queue limits given

        QCOMPARE(disks[1].interfaceType, uint32_t(OSKN_INTERFACE_USB));
        QVERIFY(disks[1].removable);

        QCOMPARE(disks[2].driveTypeHint, uint32_t(OSKN_DRIVE_NOT_A_DISK)); // device/type 5
        QCOMPARE(disks[3].driveTypeHint, uint32_t(OSKN_DRIVE_NOT_A_DISK)); // sr: optical

        // The transport turns them into entries; the empty removable drive is flagged so that
        // no capacity is asked for. Commands go to devRoot, which here does not exist.
        auto transport = make_Linux_Transport(root.toStdString(), (root + "/dev").toStdString());
        std::vector<DeviceEntry> entries = transport->enumerate();
        QCOMPARE(int(entries.size()), 5);
        QCOMPARE(QString::fromStdString(entries[1].path), root + "/dev/sdb");
        QVERIFY(entries[1].noMedium && !entries[0].noMedium);
        // A second enumeration hands out the same channel for the same node.
        std::vector<DeviceEntry> again = transport->enumerate();
        QCOMPARE(again[0].channel.get(), entries[0].channel.get());
        QCOMPARE(entries[0].channel->max_Transfer_Bytes(), disks[0].maxTransferBytes);

        uint8_t cdb[6] = {0x00, 0, 0, 0, 0, 0};
        ScsiCommand command;
        command.cdb = cdb;
        command.cdbLength = 6;
        QVERIFY(entries[0].channel->execute(command) == TransportResult::NoDevice);
        QVERIFY(scan_Sysfs_Block("/nonexistent-sysfs-root").empty());
    }

    void nvmeAndBlockOnlyDrives()
    {
        QTemporaryDir tmp;
        const QString root = tmp.path();
        const QString pci = "devices/pci0000:00/0000:00:04.0";
        // Two namespaces of one controller, the second with its id in sysfs; the controller's
        // multipath path, a partition, eMMC boot areas and an SD card's partition are no drives.
        add_Disk(root, pci + "/nvme/nvme0", "nvme0n1", 0, 2097152, false);
        add_Disk(root, pci + "/nvme/nvme0", "nvme0n10", 0, 16, false);
        add_Disk(root, pci + "/nvme/nvme0", "nvme0n2", 0, 1048576, false);
        write_File(root + "/block/nvme0n2/nsid", "7\n");
        QVERIFY(QDir().mkpath(root + "/block/nvme0c0n1"));
        QVERIFY(QDir().mkpath(root + "/block/nvme0n1p1"));
        const QString mmc = "devices/platform/soc/mmc_host/mmc0/mmc0:0001";
        add_Disk(root, mmc, "mmcblk0", 0, 61071360, false);
        write_File(root + "/" + mmc + "/type", "MMC\n");
        write_File(root + "/" + mmc + "/name", "DG4032\n");
        write_File(root + "/" + mmc + "/serial", "0x5e2b1a07\n");
        write_File(root + "/" + mmc + "/fwrev", "0x6\n");
        QVERIFY(QDir().mkpath(root + "/block/mmcblk0boot0"));
        QVERIFY(QDir().mkpath(root + "/block/mmcblk0rpmb"));
        add_Disk(root, pci + "/virtio2", "vda", 0, 8388608, false);
        write_File(root + "/" + pci + "/virtio2/block/vda/serial", "VIRTIO-SERIAL-1\n");
        QVERIFY(QDir().mkpath(root + "/block/vda/queue"));
        write_File(root + "/block/vda/queue/logical_block_size", "4096\n");
        write_File(root + "/block/vda/queue/physical_block_size", "4096\n");
        add_Disk(root, "devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0", "sda", 0, 8, false);

        const std::vector<SysfsDisk> disks = scan_Sysfs_Block(root.toStdString());
        QStringList names;
        for (const SysfsDisk& disk : disks)
            names << QString::fromStdString(disk.name);
        QCOMPARE(names, QStringList({"sda", "nvme0n1", "nvme0n2", "nvme0n10", "vda", "mmcblk0"}));

        QVERIFY(disks[1].kind == DriveKind::Nvme);
        QCOMPARE(disks[1].interfaceType, uint32_t(OSKN_INTERFACE_NVME));
        QCOMPARE(disks[1].nsid, 1u);      // from the name when sysfs does not say
        QCOMPARE(disks[2].nsid, 7u);      // sysfs's own
        QCOMPARE(disks[3].nsid, 10u);
        QCOMPARE(QString::fromStdString(disks[1].controller), QString("nvme0"));

        const SysfsDisk& emmc = disks[5];
        QVERIFY(emmc.kind == DriveKind::Block);
        QCOMPARE(emmc.interfaceType, uint32_t(OSKN_INTERFACE_MMC));
        QCOMPARE(QString::fromStdString(emmc.identity.model), QString("MMC DG4032"));
        QCOMPARE(QString::fromStdString(emmc.identity.serial), QString("0x5e2b1a07"));
        QCOMPARE(QString::fromStdString(emmc.identity.firmware), QString("0x6"));
        QCOMPARE(emmc.identity.blocks, quint64(61071360));
        QCOMPARE(emmc.identity.logicalBlockSize, 512u);

        const SysfsDisk& virtio = disks[4];
        QVERIFY(virtio.kind == DriveKind::Block);
        QCOMPARE(virtio.interfaceType, uint32_t(OSKN_INTERFACE_VIRTUAL));
        QCOMPARE(QString::fromStdString(virtio.identity.serial), QString("VIRTIO-SERIAL-1"));
        QCOMPARE(virtio.identity.logicalBlockSize, 4096u);
        QCOMPARE(virtio.identity.blocks, quint64(8388608 / 8)); // sysfs counts 512-byte sectors

        // Their channels pass no SCSI; a node that is not there is a drive gone, not an error.
        auto transport = make_Linux_Transport(root.toStdString(), (root + "/dev").toStdString());
        const std::vector<DeviceEntry> entries = transport->enumerate();
        QCOMPARE(int(entries.size()), 6);
        QVERIFY(entries[1].kind == DriveKind::Nvme && entries[1].nsid == 1);
        QVERIFY(entries[5].kind == DriveKind::Block);
        QCOMPARE(entries[5].identity.serial, std::string("0x5e2b1a07"));
        uint8_t data[4096];
        NvmeCommand identify;
        identify.opcode = 0x06;
        identify.data = data;
        identify.dataLength = sizeof data;
        identify.direction = DataDirection::In;
        QVERIFY(entries[1].channel->execute_Nvme(identify) == TransportResult::NoDevice);
        BlockCommand read;
        read.data = data;
        read.count = 1;
        QVERIFY(entries[5].channel->execute_Block(read) == TransportResult::NoDevice);
        uint8_t cdb[6] = {};
        ScsiCommand scsi;
        scsi.cdb = cdb;
        scsi.cdbLength = 6;
        QVERIFY(entries[1].channel->execute(scsi) == TransportResult::OsFailure);
        QVERIFY(entries[5].channel->execute(scsi) == TransportResult::OsFailure);
    }

    void nvmePassthrough()
    {
        // The ioctl's argument carries every field of the command, the buffer by address.
        uint8_t data[512];
        NvmeCommand c;
        c.admin = false;
        c.opcode = 0x02;
        c.nsid = 3;
        c.cdw2 = 0x22;
        c.cdw3 = 0x33;
        c.cdw10 = 0x89ABCDEF;
        c.cdw11 = 0x01;
        c.cdw12 = 0x4000003F;
        c.cdw13 = 0x13;
        c.cdw14 = 0x14;
        c.cdw15 = 0x15;
        c.data = data;
        c.dataLength = sizeof data;
        c.direction = DataDirection::In;
        c.timeoutSeconds = 60;
        nvme_passthru_cmd64 wide;
        std::memset(&wide, 0xAA, sizeof wide);
        fill_Nvme_Passthrough(c, wide);
        QCOMPARE(int(wide.opcode), 0x02);
        QCOMPARE(int(wide.flags), 0);
        QCOMPARE(wide.nsid, 3u);
        QCOMPARE(wide.cdw2, 0x22u);
        QCOMPARE(wide.cdw3, 0x33u);
        QCOMPARE(wide.metadata, quint64(0));
        QCOMPARE(wide.metadata_len, 0u);
        QCOMPARE(wide.addr, quint64(reinterpret_cast<uintptr_t>(data)));
        QCOMPARE(wide.data_len, 512u);
        QCOMPARE(wide.cdw10, 0x89ABCDEFu);
        QCOMPARE(wide.cdw11, 1u);
        QCOMPARE(wide.cdw12, 0x4000003Fu);
        QCOMPARE(wide.cdw13, 0x13u);
        QCOMPARE(wide.cdw14, 0x14u);
        QCOMPARE(wide.cdw15, 0x15u);
        QCOMPARE(wide.timeout_ms, 60000u);
        QCOMPARE(wide.result, quint64(0));
        nvme_passthru_cmd narrow;
        fill_Nvme_Passthrough(c, narrow);
        QCOMPARE(narrow.addr, wide.addr);
        QCOMPARE(narrow.cdw12, wide.cdw12);
        QCOMPARE(narrow.timeout_ms, 60000u);

        // What comes back: the status field as the kernel returns it (without the phase bit),
        // Dword 0, and the errnos that are not the drive's answer.
        QVERIFY(nvme_Ioctl_Result(0, 0, 0x1234, c) == TransportResult::Delivered);
        QCOMPARE(int(c.status), 0);
        QCOMPARE(c.result, quint64(0x1234));
        QCOMPARE(c.transferred, 512u);
        QVERIFY(nvme_Ioctl_Result(0x4281, 0, 0, c) == TransportResult::Delivered);
        QCOMPARE(int(c.status_Code_Type()), 2);
        QCOMPARE(int(c.status_Code()), 0x81);
        QVERIFY(c.do_Not_Retry() && !c.more());
        QVERIFY(nvme_Ioctl_Result(-1, EINTR, 0, c) == TransportResult::Delivered);
        QVERIFY(c.timedOut);
        QVERIFY(nvme_Ioctl_Result(-1, ENODEV, 0, c) == TransportResult::NoDevice);
        QVERIFY(nvme_Ioctl_Result(-1, EACCES, 0, c) == TransportResult::OsFailure);
        QVERIFY(!c.timedOut);
    }

    void chosenByTheCompositionRoot()
    {
        // Both transports are built in and registered: without OSKN_VIRTUAL_DRIVES the machine's
        // drives (here a made-up sysfs, only counted: no command goes out), with it the file's.
        QTemporaryDir tmp;
        add_Disk(tmp.path(), "devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0", "sda", 0, 8, false);
        const QByteArray saved = qgetenv("OSKN_VIRTUAL_DRIVES");
        qunsetenv("OSKN_VIRTUAL_DRIVES");
        QCOMPARE(choose_Transport().name, std::string("linux"));
        qputenv("OSKN_VIRTUAL_DRIVES", saved);
        QCOMPARE(choose_Transport().name, std::string("virtual"));
        QCOMPARE(choose_Transport().argument, saved.toStdString());

        install_Transports();
        uint32_t count = 9;
        auto count_With = [&](TransportChoice choice) {
            Registry::instance().set_Transport_Chooser([=] { return choice; });
            QCOMPARE(get_Device_Count(&count, 0), int(OSKN_SUCCESS));
        };
        count_With({"linux", tmp.path().toStdString(), ""});
        QCOMPARE(count, 1u);
        count_With({"virtual", saved.toStdString(), ""});
        QCOMPARE(count, 0u); // the tests' empty description
        count_With({"serial", "/dev/ttyS0", ""});
        QCOMPARE(count, 0u);
        QCOMPARE(Registry::instance().last_Error(), std::string("/dev/ttyS0: serial drives are not available in this build"));
        Registry::instance().set_Transport_Chooser(choose_Transport);
    }
};

QTEST_GUILESS_MAIN(TestOsknLinux)
#include "tst_oskn_linux.moc"
