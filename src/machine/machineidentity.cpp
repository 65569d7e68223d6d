#include "machine/machineidentity.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString read_Text(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Firmware strings are short; anything longer is not a name worth keeping.
    return QString::fromLatin1(file.read(256)).trimmed();
}

QString dmi(const QString& root, const char* field)
{
    return read_Text(QDir(root).filePath(QString("sys/class/dmi/id/") + field));
}

// Makers fill the serial field with these when they do not set one: every such machine would
// share one folder.
bool is_Placeholder(const QString& value)
{
    static const QStringList words = {
        "to be filled by o.e.m.", "to be filled by oem", "default string", "system serial number",
        "chassis serial number", "serial number", "not specified", "not applicable", "not available",
        "none", "n/a", "na", "unknown", "invalid", "empty", "oem", "o.e.m.", "xxxxxxxx",
        "0123456789", "123456789", "1234567890", "12345678"};
    const QString lower = value.toLower();
    if (words.contains(lower))
        return true;
    static const QRegularExpression alnum("[A-Za-z0-9]");
    if (!lower.contains(alnum))
        return true;
    // One character repeated ("00000000", "FFFFFFFF", "........").
    return lower.count(lower.at(0)) == lower.size();
}

QString clean_Uuid(const QString& value)
{
    const QString lower = value.toLower();
    static const QRegularExpression form("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$");
    if (!form.match(lower).hasMatch())
        return QString();
    QString digits = lower;
    digits.remove('-');
    if (digits.count('0') == digits.size() || digits.count('f') == digits.size())
        return QString();
    return lower;
}

// The first network card that sits on a bus (not loopback, bridges or tunnels), by name.
QString network_Address(const QString& root)
{
    const QDir net(QDir(root).filePath("sys/class/net"));
    const QStringList names = net.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (!QFileInfo::exists(net.filePath(name + "/device")))
            continue;
        QString address = read_Text(net.filePath(name + "/address")).toLower();
        address.remove(':');
        static const QRegularExpression form("^[0-9a-f]{12}$");
        if (form.match(address).hasMatch() && address != "000000000000")
            return address;
    }
    return QString();
}

QString safe_Segment(const QString& text)
{
    QString out;
    const QByteArray bytes = text.toUtf8();
    for (int i = 0; i < bytes.size() && out.size() < 96; ++i) {
        const char c = bytes.at(i);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
                           || c == '-' || (c == '.' && i > 0);
        if (plain)
            out += QChar(c);
        else
            out += QString("_%1").arg(uchar(c), 2, 16, QChar('0')).toUpper();
    }
    return out;
}

} // namespace

MachineIdentity MachineIdentity::read(const QString& root)
{
    MachineIdentity id;
    id.vendor = dmi(root, "sys_vendor");
    id.product = dmi(root, "product_name");
    id.serial = dmi(root, "product_serial");
    if (is_Placeholder(id.serial))
        id.serial.clear();
    id.uuid = clean_Uuid(dmi(root, "product_uuid"));
    return id;
}

QString MachineIdentity::folder_Name(const QString& root) const
{
    if (!serial.isEmpty())
        return safe_Segment(serial);
    if (!uuid.isEmpty())
        return safe_Segment(uuid);
    const QString address = network_Address(root);
    if (!address.isEmpty())
        return "mac-" + address;
    const QString machineId = read_Text(QDir(root).filePath("etc/machine-id"));
    static const QRegularExpression hex("^[0-9a-f]{32}$");
    if (hex.match(machineId).hasMatch())
        return "id-" + machineId;
    return "unknown-machine";
}
