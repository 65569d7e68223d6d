#pragma once

#include <QStringList>
#include <QWidget>

#include "oskn_device.h"

class QPlainTextEdit;

// The panel opened under the drive whose accordion is open. For now it shows the drive's
// message log; the drive's identity and health come with the drive-information view.
class InfoTags : public QWidget
{
    Q_OBJECT
public:
    explicit InfoTags(QWidget* parent = nullptr);

    void set_TDevice(_tDevice* device) { record = device; }
    _tDevice* get_TDevice() const { return record; }
    void set_Plain_Text_Edit(const QStringList& lines);
    QString get_Plain_Text() const;

private:
    _tDevice* record = nullptr;
    QPlainTextEdit* logView;
};

extern InfoTags* informantionDevice;
