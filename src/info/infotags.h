#pragma once

#include <QString>
#include <QStringList>
#include <QList>
#include <QPair>
#include <QWidget>
#include <cstdint>

#include "deviceaccess/identifybits.h"
#include "deviceaccess/oskn_device.h"

class QLabel;

namespace Ui {
class InfoTags;
}

// The panel opened under the drive whose accordion is open: the drive's identity, capabilities
// and health, its message log, and the button that appends the values to the drive's file.
class InfoTags : public QWidget
{
    Q_OBJECT
public:
    explicit InfoTags(QWidget* parent = nullptr);
    ~InfoTags() override;

    void set_TDevice(_tDevice* record);
    // The file the main window writes this drive's messages to; the report goes there too.
    // Set after set_TDevice, which forgets it.
    void set_Log_File_Name(const QString& name) { logFileName = name; }
    _tDevice* get_TDevice() const { return tDevice; }
    void update_All_Information();
    void update_All_Infomation_PenDrive();
    void retranslate();

    QString get_Model_ID() const;
    QString get_Serial_Number() const;
    QString get_Firmware_Revision() const;
    QString get_Device_Max_Lba() const;
    QString get_Mandatory_Power_Management_Info() const;
    QString get_Security_Mode_Info() const;
    QString get_Smart_Info() const;
    QString is_Supported_48bit() const;
    QString get_Advanced_PWR_Management_Info() const;
    QString is_Supported_Smart_Self_Test() const;
    QString Is_Supported_Smart_Error_Logging_Info() const;
    void get_Drive_Temperature_and_Power_On_Hours();
    QString Cache_Size_Info() const;
    QString is_Supported_GPL() const;
    QString get_Security_status() const;
    QString get_Dowload_Microcode() const;
    QString Security_Locked_Info() const;

    bool existing_log(const QString& fileName) const;
    void set_Plain_Text_Edit(const QStringList& lines);
    QString get_Plain_Text() const;

    // The rows the panel shows for its kind of drive: caption and value, in report order.
    QList<QPair<const QLabel*, const QLabel*>> shown_Items() const;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();

private:
    // A check of the drive's IDENTIFY words (identifybits.h).
    bool has(bool (*check)(const uint16_t*)) const { return check(identify::copy_Of(tDevice->identifyData).data()); }
    uint16_t buffer_Size() const { return identify::buffer_Size(identify::copy_Of(tDevice->identifyData).data()); }
    bool read_Identify_Data_Log_Page(uint16_t page, uint8_t* buffer) const;
    QString true_False(bool value) const;
    QString joined(const QString& first, bool supported, const char* on, const char* off,
                   const char* format = "%1, %2") const;
    void fill_Identity();
    void fit_Values();
    // NVMe drives and block-only drives have none of the ATA values: their own rows instead.
    enum class Kind { Ata, Nvme, Block };
    void show_Rows(Kind kind);
    void fill_Nvme();
    void fill_Block();
    QString capacity_Text() const;

    Ui::InfoTags* ui;
    QString logFileName;
    QString temperatureText;
    QString powerOnHoursText;
    _tDevice* tDevice = nullptr;
    Kind kind = Kind::Ata;
};

extern InfoTags* informantionDevice;
