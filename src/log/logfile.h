#pragma once

#include <QFile>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>

// The files the program leaves in its working directory (the boot medium): one log per drive,
// the drive-information report appended to the same file, and the application log.
namespace logfile {

// The program's version as its files name it.
const char* const programVersion = "2.0.7";

// The file name for a drive's serial number: the serial plus ".log". Serials are text the drive
// supplies, so anything that could leave the directory or that a FAT medium refuses ('/', '\\',
// a leading '.', control and non-ASCII bytes, the characters FAT reserves, and '%' itself) is
// written as %XX of its Latin-1 byte; an ordinary serial keeps its name unchanged.
QString name_For_Serial(const QString& serial);

// Gives the drives of one session their log files. A drive keeps name_For_Serial's name unless
// that is another file's: one the program names itself (the application log, the files of
// drives without a serial and their report file), one a FAT medium keeps for a device, or one
// given to another drive this session, letter case ignored as FAT ignores it. Such a drive gets
// the same name with "~2" (or ~3, ...) before ".log".
class DriveLogNames
{
public:
    // The file of the occurrence-th drive (counted from 0, in list order) with this serial, which
    // is not empty. The first time a drive is given a name other than its ordinary one,
    // `ordinary` receives the ordinary name; otherwise it is left empty.
    QString name_For(const QString& serial, int occurrence, QString* ordinary = nullptr);

    // Whether a drive with a serial may never have this file name.
    static bool reserved(const QString& name);

private:
    QHash<QString, QString> given; // serial and occurrence -> file name
    QSet<QString> taken;           // the names given, in lower case
};

// Whether "./" holds a "*.log" entry named exactly so (case-sensitive).
bool listed(const QString& name);

// Appends text (UTF-8) to "./" + name, flushed and synced to the medium. On any failure (cannot
// open, short write, sync error) the file is cut back to its former length, so nothing half
// written stays behind and the caller may write the same text again later.
bool append_Synced(const QString& name, const QString& text);
// The same for a file the caller opened for writing: bytes written at `at`, or the file cut back
// there. Closes the file; one that did not exist before (existed) is removed when the write
// failed, and its directory entry synced when it went through.
bool write_Synced_At(QFile& file, qint64 at, const QByteArray& bytes, bool existed);

// Replaces "./" + name with text atomically: a crash leaves either the old or the new file, and
// a write that does not go through whole (a full medium) leaves the old one and returns false.
bool replace_Atomically(const QString& name, const QString& text);
bool replace_Bytes_Atomically(const QString& name, const QByteArray& bytes);

// Deletes "./" + name when it is empty; true when it did.
bool remove_If_Empty(const QString& name);

// The operations running now, as drive log file name -> operation name, kept in "./" +
// runningFile while any runs, so that the next start can mark the ones an exit or a crash cut
// off. record_Running replaces the file (an empty list removes it); read_Running gives what it
// holds.
const char* const runningFile = "kestrova.running";
bool record_Running(const QList<QPair<QString, QString>>& running);
QList<QPair<QString, QString>> read_Running();

} // namespace logfile
