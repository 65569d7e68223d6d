#include "logfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    const qint64 before = file.size();
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!written) {
        file.resize(before);
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
    QSaveFile file(QString(here) + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text.toUtf8());
    // commit() syncs the new file and renames it over the old one; a failed write cancels it.
    if (!file.commit())
        return false;
    sync_Directory();
    return true;
}

bool remove_If_Empty(const QString& name)
{
    QFileInfo info(QString(here) + name);
    if (!info.exists() || info.size() != 0)
        return false;
    return QFile::remove(QString(here) + name);
}

} // namespace logfile
