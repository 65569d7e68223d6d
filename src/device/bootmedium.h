#pragma once

#include <QString>

#include "deviceaccess/oskn_device.h"

class QLabel;
class QWidget;

// The drive the bootable environment runs from, named by its launcher in KESTROVA_BOOT_DISK
// (/dev/sdb, as the library names drives). Its panel says so, and no operation that writes it,
// changes its capacity or stops it is run on it: that would take the logs and the running
// system with it.
bool is_Boot_Medium(_tDevice* record);

// Whether an operation of this test type (TestDescriptor::testType) changes or stops the drive;
// the four basic tests only read.
bool changes_Drive(int testType);

// Puts the boot-medium mark under the panel's model label.
void mark_Boot_Medium(QLabel* modelLabel);

// Refuses an operation on the boot medium: a warning line in the application log, and a notice
// over parent naming the drive.
void refuse_On_Boot_Medium(QWidget* parent, const QString& operation, const QString& serial);
