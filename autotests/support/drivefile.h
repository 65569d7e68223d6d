#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

// Writes a virtual-drive description and points the library at it.
inline QString use_Virtual_Drives(QTemporaryDir& dir, const QString& name, const QJsonArray& drives)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(QJsonDocument(QJsonObject{{"imageDirectory", "images"}, {"drives", drives}}).toJson());
    f.close();
    qputenv("OSKN_VIRTUAL_DRIVES", path.toLocal8Bit());
    return path;
}

inline QJsonObject virtual_Drive(const QString& name, const QString& model, const QString& serial,
                                 qint64 maxLba = 2000000)
{
    return QJsonObject{{"name", name}, {"model", model}, {"serial", serial}, {"maxLba", maxLba}};
}
