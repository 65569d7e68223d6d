// Linux transport: enumeration from a fake sysfs tree (never a real device).
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "core/transport.h"
#include "linux/linux_transport.h"
#include "oskn_device.h"
#include "oskn_public.h"
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
        // Not SCSI disks: ignored.
        QVERIFY(QDir().mkpath(root + "/block/loop0"));
        QVERIFY(QDir().mkpath(root + "/block/nvme0n1"));

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
