#pragma once

#include <QString>

// Which machine the program runs on, as its firmware (DMI/SMBIOS) tells it. Results from many
// machines meet on one server and in one report, so each must say where it came from.
struct MachineIdentity {
    QString vendor;  // sys_vendor
    QString product; // product_name
    QString serial;  // product_serial; empty when the firmware gives none or a placeholder
    QString uuid;    // product_uuid, lower case; empty when absent, all zeros or all ones

    // Reads the identity under root (a test points it at a tree of its own). The values are
    // trimmed; a serial that the maker left as a placeholder ("To Be Filled By O.E.M.",
    // "Default string", "0123456789", ...) counts as none.
    static MachineIdentity read(const QString& root = "/");

    // A stable name for the machine that is safe as one path segment of a URL and of a FAT file
    // system: the serial, else the UUID, else "mac-" and the first network card's permanent
    // address, else "id-" and /etc/machine-id, else "unknown-machine". Letters, digits, '-' and
    // '.' stay; any other byte is written as '_' and two hex digits, so two serials never meet.
    QString folder_Name(const QString& root = "/") const;
};
