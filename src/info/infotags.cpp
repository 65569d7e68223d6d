#include "infotags.h"
#include "ui_infotags.h"

#include "devicetext.h"
#include "logfile.h"
#include "msgalert.h"
#include "oskn_public.h"
#include "savemsg.h"
#include "transferbuffer.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

InfoTags* informantionDevice = nullptr;

namespace {
uint64_t le(const uint8_t* p, int bytes)
{
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<uint8_t, FreeDeleter>;

// One sector, zeroed, 4096-byte aligned as every transfer buffer.
Buffer zeroed_Sector()
{
    Buffer buffer(static_cast<uint8_t*>(std::aligned_alloc(kTransferAlignment, kTransferAlignment)));
    if (buffer)
        std::memset(buffer.get(), 0, 512);
    return buffer;
}
} // namespace

InfoTags::InfoTags(QWidget* parent) : QWidget(parent), ui(new Ui::InfoTags)
{
    ui->setupUi(this);
    ui->lbDriveInformationSaved->hide();
    fit_Values();
}

// Every value in view without scrolling, whatever the script's line height.
void InfoTags::fit_Values()
{
    const int height = ui->scrollAreaWidgetContents->sizeHint().height() + 2 * ui->scrollArea->frameWidth();
    ui->scrollArea->setFixedHeight(height);
}

InfoTags::~InfoTags()
{
    delete ui;
}

// --- filling -------------------------------------------------------------------------------

void InfoTags::set_TDevice(_tDevice* record)
{
    tDevice = record;
    logFileName.clear();
    Buffer buffer = zeroed_Sector();
    if (!buffer) {
        std::perror("calloc failure!\n");
        return;
    }
    if (ata_Identify(tDevice, buffer.get(), 512) != 0) {
        update_All_Infomation_PenDrive();
        return;
    }
    std::memcpy(tDevice->identifyData, buffer.get(), 512);
    get_Drive_Temperature_and_Power_On_Hours();
    update_All_Information();
}

void InfoTags::fill_Identity()
{
    ui->lbSerialNumberValue->setText(get_Serial_Number());
    ui->lbModelNumberValue->setText(get_Model_ID());
    ui->lbRevisionValue->setText(get_Firmware_Revision());
    ui->lbMaxLBAValue->setText(get_Device_Max_Lba());
}

void InfoTags::update_All_Information()
{
    if (!tDevice)
        return;
    get_Drive_Temperature_and_Power_On_Hours();
    fill_Identity();
    ui->lbMandatoryValue->setText(get_Mandatory_Power_Management_Info());
    ui->lbSecurityModeValue->setText(get_Security_Mode_Info());
    ui->lbSecurityStatusValue->setText(get_Security_status());
    ui->lbSmartValue->setText(get_Smart_Info());
    ui->lb48BitAddressValue->setText(is_Supported_48bit());
    ui->lbAdvancedPowerValue->setText(get_Advanced_PWR_Management_Info());
    ui->lbSmartSelf_testValue->setText(is_Supported_Smart_Self_Test());
    ui->lbSMARTErroValue->setText(Is_Supported_Smart_Error_Logging_Info());
    ui->lbPower_OnValue->setText(powerOnHoursText);
    ui->lbSecureLockedValue->setText(Security_Locked_Info());
    ui->lbDriveTempValue->setText(temperatureText);
    ui->lbCacheSizeValue->setText(Cache_Size_Info());
    ui->lbDownloadMicrocodeValue->setText(get_Dowload_Microcode());
    ui->lblbGeneralPurposeValue->setText(is_Supported_GPL());
}

void InfoTags::update_All_Infomation_PenDrive()
{
    if (!tDevice)
        return;
    fill_Identity();
    for (QLabel* value : {ui->lbMandatoryValue, ui->lbSecurityModeValue, ui->lbSecurityStatusValue,
                          ui->lbSmartValue, ui->lb48BitAddressValue, ui->lbAdvancedPowerValue,
                          ui->lbSmartSelf_testValue, ui->lbSMARTErroValue, ui->lbPower_OnValue,
                          ui->lbSecureLockedValue, ui->lbDriveTempValue, ui->lbCacheSizeValue,
                          ui->lbDownloadMicrocodeValue, ui->lblbGeneralPurposeValue})
        value->setText(tr("Unknown"));
}

void InfoTags::retranslate()
{
    if (!tDevice)
        return;
    Buffer buffer = zeroed_Sector();
    if (!buffer || ata_Identify(tDevice, buffer.get(), 512) != 0) {
        ui->retranslateUi(this);
        update_All_Infomation_PenDrive();
        fit_Values();
        return;
    }
    update_All_Information();
    ui->retranslateUi(this);
    ui->lbDriveInformationSaved->setText(tr("Drive information saved"));
    fit_Values();
}

void InfoTags::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// --- the values ----------------------------------------------------------------------------

QString InfoTags::get_Model_ID() const
{
    return device_Model_Number(tDevice);
}

QString InfoTags::get_Serial_Number() const
{
    return device_Serial_Number(tDevice);
}

QString InfoTags::get_Firmware_Revision() const
{
    return device_Firmware_Revision(tDevice);
}

QString InfoTags::get_Device_Max_Lba() const
{
    return QString::number(tDevice->maxLBA);
}

QString InfoTags::true_False(bool value) const
{
    return value ? tr("True") : tr("False");
}

QString InfoTags::get_Mandatory_Power_Management_Info() const
{
    return bit(83, 3) || bit(85, 3) ? tr("Supported") : tr("Unsupported");
}

QString InfoTags::get_Security_Mode_Info() const
{
    if (!bit(82, 1))
        return tr("Unsupported");
    return tr("%1, %2 ").arg(tr("Supported"), bit(85, 1) ? tr("Enabled") : tr("Disabled"));
}

QString InfoTags::get_Smart_Info() const
{
    if (!bit(82, 0))
        return tr("Unsupported");
    return tr("%1, %2").arg(tr("Supported"), bit(85, 0) ? tr("Enabled") : tr("Disable"));
}

QString InfoTags::is_Supported_48bit() const
{
    return true_False(bit(83, 10) || bit(86, 10));
}

QString InfoTags::get_Advanced_PWR_Management_Info() const
{
    if (!bit(83, 3))
        return tr("Unsupported");
    return tr("%1, %2").arg(tr("Supported"), bit(86, 3) ? tr("Enabled") : tr("Disabled"));
}

QString InfoTags::is_Supported_Smart_Self_Test() const
{
    return true_False(bit(84, 1) || bit(87, 1));
}

QString InfoTags::Is_Supported_Smart_Error_Logging_Info() const
{
    return true_False(((word(84) | word(87)) & 1) != 0);
}

QString InfoTags::is_Supported_GPL() const
{
    return true_False(gpl_Supported());
}

QString InfoTags::Security_Locked_Info() const
{
    return true_False(bit(128, 2));
}

void InfoTags::get_Drive_Temperature_and_Power_On_Hours()
{
    Buffer buffer = zeroed_Sector();
    if (!buffer || ata_SMART_Read_Data(tDevice, buffer.get(), 512) != 0) {
        temperatureText = tr("Unknown");
        powerOnHoursText = tr("Unknown");
        return;
    }
    for (int i = 0; i < 30; ++i) {
        const uint8_t* entry = buffer.get() + 2 + 12 * i;
        if (entry[0] == 9)
            powerOnHoursText = QString::number(le(entry + 5, 4));
        else if (entry[0] == 194)
            temperatureText = QString::number(le(entry + 5, 2));
    }
}

// Page `page` of the IDENTIFY DEVICE data log, when the log directory lists that log.
bool InfoTags::read_Identify_Data_Log_Page(uint16_t page, uint8_t* buffer) const
{
    if (!gpl_Supported())
        return false;
    if (ata_Read_Log_Ext(tDevice, 0x00, 0, buffer, 512, 0, 0) != 0 || le(buffer + 2 * 0x30, 2) == 0)
        return false;
    std::memset(buffer, 0, 512);
    return ata_Read_Log_Ext(tDevice, 0x30, page, buffer, 512, 0, 0) == 0;
}

QString InfoTags::Cache_Size_Info() const
{
    Buffer buffer = zeroed_Sector();
    if (buffer && read_Identify_Data_Log_Page(2, buffer.get())) {
        const uint64_t megabytes = (le(buffer.get() + 32, 8) & ~(1ull << 63)) >> 20;
        if (word(21) == 0 && megabytes == 0)
            return tr("Not Reported");
        return tr("%1 MB").arg(megabytes);
    }
    if (word(21) == 0)
        return tr("Not Reported");
    return tr("%1 MB").arg(word(21) >> 10);
}

QString InfoTags::get_Security_status() const
{
    if (!bit(82, 1))
        return tr("Unsupported");
    return tr("%1, %2, %3")
        .arg(bit(128, 0) ? tr("Supported") : tr("Unsupported"), bit(128, 1) ? tr("Enabled") : tr("Disabled"),
             bit(128, 3) ? tr("Frozen") : tr("Not frozen"));
}

QString InfoTags::get_Dowload_Microcode() const
{
    if (!((word(83) | word(86)) & 1))
        return tr("Unsupported");
    const QString segmented = bit(119, 4) || bit(120, 4) ? tr("Segmented") : tr("Not Segmented");
    Buffer buffer = zeroed_Sector();
    if (buffer && read_Identify_Data_Log_Page(3, buffer.get()))
        return tr("%1, %2, %3")
            .arg(tr("Supported"), segmented, (buffer.get()[20] & 0x04) ? tr("Deferred") : tr("Not Deferred"));
    return tr("%1, %2").arg(tr("Supported"), segmented);
}

// --- the report and the message log --------------------------------------------------------

bool InfoTags::existing_log(const QString& fileName) const
{
    return logfile::listed(fileName);
}

void InfoTags::set_Plain_Text_Edit(const QStringList& lines)
{
    ui->plainTextEdit->setPlainText(lines.join(QString()));
    ui->plainTextEdit->repaint();
    // The newest message in view, also when a language switch joined the log into one entry.
    QScrollBar* bar = ui->plainTextEdit->verticalScrollBar();
    bar->setValue(bar->maximum());
}

QString InfoTags::get_Plain_Text() const
{
    return ui->plainTextEdit->toPlainText();
}

void InfoTags::on_pushButton_clicked()
{
    const QString serial = ui->lbSerialNumberValue->text();
    const QString name = !logFileName.isEmpty() ? logFileName
                         : serial.isEmpty()      ? QString("Device----.log")
                                                 : logfile::name_For_Serial(serial);
    QString text;
    if (!existing_log(name))
        text = "=============================================== \n"
               + QString("Kestrova Bootable v%1 \n").arg(logfile::programVersion)
               + "===============================================\n";
    text += "\n============= " + ui->lbDriveInfo->text() + " =============\n";
    const QLabel* const items[][2] = {
        {ui->lbModelNumber, ui->lbModelNumberValue},
        {ui->lbSerialNumber, ui->lbSerialNumberValue},
        {ui->lbRevision, ui->lbRevisionValue},
        {ui->lbMaxLBA, ui->lbMaxLBAValue},
        {ui->lbMandatory, ui->lbMandatoryValue},
        {ui->lbSecurityMode, ui->lbSecurityModeValue},
        {ui->lbSMART, ui->lbSmartValue},
        {ui->lb48BitAddress, ui->lb48BitAddressValue},
        {ui->lbAdvancedPower, ui->lbAdvancedPowerValue},
        {ui->lbSmartSelf_test, ui->lbSmartSelf_testValue},
        {ui->lbSMARTErro, ui->lbSMARTErroValue},
        {ui->lbDriveTemp, ui->lbDriveTempValue},
        {ui->lbPower_On, ui->lbPower_OnValue},
        {ui->lbCacheSize, ui->lbCacheSizeValue},
        {ui->lbSecurityStatus, ui->lbSecurityStatusValue},
        {ui->lbGeneralPurpose, ui->lblbGeneralPurposeValue},
        {ui->lbDownloadMicrocode, ui->lbDownloadMicrocodeValue},
        {ui->lbSecureLocked, ui->lbSecureLockedValue}};
    for (const auto& item : items)
        text += item[0]->text() + " : " + item[1]->text() + "\n";
    text += "==============================================\n";

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = logfile::append_Synced(name, text);
    QApplication::restoreOverrideCursor();
    if (!written) {
        MsgAlert::Instance()->show();
        return;
    }
    // Said only once the block is on the medium.
    SaveMsg::show_Notice();
}
