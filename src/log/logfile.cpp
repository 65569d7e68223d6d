#include "log/logfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace logfile {

namespace {
// A literal, not a QString: callers may run before this file's statics are built.
const char* const here = "./";

bool needs_Escape(ushort c, bool first)
{
    if (c < 0x20 || c >= 0x7F)
        return true;
    if (first && c == '.')
        return true;
    return QStringLiteral("/\\:*?\"<>|%").contains(QChar(c));
}

void sync_Directory()
{
    // The rename or the new entry is durable only once the directory itself is on the medium.
    const int fd = ::open(".", O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

QString name_For_Serial(const QString& serial)
{
    QString out;
    for (int i = 0; i < serial.size(); ++i) {
        const ushort c = serial.at(i).unicode();
        if (!needs_Escape(c, i == 0)) {
            out += QChar(c);
            continue;
        }
        // Serials come from Latin-1 record fields; anything wider is written as '?', escaped.
        const uchar byte = c > 0xFF ? uchar('?') : uchar(c);
        out += QString("%%1").arg(byte, 2, 16, QChar('0')).toUpper();
    }
    return out + ".log";
}

bool DriveLogNames::reserved(const QString& name)
{
    static const QRegularExpression own("^(kestrova\\.log|device----\\.log|log\\d+\\.{8}log)$",
                                        QRegularExpression::CaseInsensitiveOption);
    // FAT keeps these for devices whatever follows the first dot: CON.log is the console.
    static const QRegularExpression device("^(con|prn|aux|nul|com[0-9]|lpt[0-9])(\\..*)?$",
                                           QRegularExpression::CaseInsensitiveOption);
    return own.match(name).hasMatch() || device.match(name).hasMatch();
}

QString DriveLogNames::name_For(const QString& serial, int occurrence, QString* ordinary)
{
    if (ordinary)
        ordinary->clear();
    const QString key = QString::number(occurrence) + '/' + serial;
    const auto known = given.constFind(key);
    if (known != given.constEnd())
        return *known;
    const QString plain = name_For_Serial(serial);
    QString name = plain;
    const QString stem = plain.chopped(4);
    for (int n = 2; reserved(name) || taken.contains(name.toLower()); ++n)
        name = stem + '~' + QString::number(n) + ".log";
    given.insert(key, name);
    taken.insert(name.toLower());
    if (ordinary && name != plain)
        *ordinary = plain;
    return name;
}

bool listed(const QString& name)
{
    const QStringList entries = QDir(here).entryList(QStringList{"*.log"});
    for (const QString& entry : entries)
        if (entry == name)
            return true;
    return false;
}

bool append_Synced(const QString& name, const QString& text)
{
    QFile file(QString(here) + name);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered))
        return false;
    return write_Synced_At(file, file.size(), text.toUtf8(), existed);
}

bool write_Synced_At(QFile& file, qint64 at, const QByteArray& bytes, bool existed)
{
    const bool written = file.seek(at) && file.write(bytes) == bytes.size() && file.flush()
                         && ::fsync(file.handle()) == 0;
    if (!written) {
        file.resize(at);
        ::fsync(file.handle());
    }
    file.close();
    if (!written && !existed)
        file.remove();
    else if (written && !existed)
        sync_Directory();
    return written;
}

bool replace_Atomically(const QString& name, const QString& text)
{
    return replace_Bytes_Atomically(name, text.toUtf8());
}

bool replace_Bytes_Atomically(const QString& name, const QByteArray& bytes)
{
    QSaveFile file(QString(here) + name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A full medium makes the write short without an error QSaveFile would notice, and its
    // buffer reaches the file only at commit: check every step, so that only a whole new
    // file replaces the old one. commit() ignores a failed sync, where a delayed allocation
    // reports the full medium.
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting(); // the temporary file goes with the object, the old file stays
        return false;
    }
    // commit() renames the new file over the old one.
    if (!file.commit())
        return false;
    sync_Directory();
    // On a FAT medium the renamed file's directory entry gets its size when the file's inode is
    // written back, which the directory's sync does not do: until then a power cut leaves the
    // file empty. The file is synced under its new name.
    const int fd = ::open(QFile::encodeName(QString(here) + name).constData(), O_RDONLY);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

bool record_Running(const QList<QPair<QString, QString>>& running)
{
    if (running.isEmpty()) {
        QFile::remove(QString(here) + runningFile);
        sync_Directory();
        return true;
    }
    // One line each: the names hold no tab or line break (log names are escaped, operation
    // names are the program's own).
    QString text;
    for (const auto& entry : running)
        text += entry.first + '\t' + entry.second + '\n';
    return replace_Atomically(runningFile, text);
}

QList<QPair<QString, QString>> read_Running()
{
    QList<QPair<QString, QString>> out;
    QFile file(QString(here) + runningFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        // Only a drive log of this directory: the file may have been edited or damaged.
        if (fields.size() == 2 && fields[0].endsWith(".log") && !fields[0].contains('/'))
            out << qMakePair(fields[0], fields[1]);
    }
    return out;
}

bool remove_If_Empty(const QString& name)
{
    QFileInfo info(QString(here) + name);
    if (!info.exists() || info.size() != 0)
        return false;
    return QFile::remove(QString(here) + name);
}

} // namespace logfile
