#include "info/infotags.h"
#include "ui_infotags.h"

#include "deviceaccess/devicetext.h"
#include "log/logfile.h"
#include "dialogs/msgalert.h"
#include "log/logsapplication.h"
#include "deviceaccess/oskn_nvme.h"
#include "deviceaccess/oskn_public.h"
#include "mainwindow/savemsg.h"
#include "deviceaccess/transferbuffer.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>
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
    show_Rows(Kind::Ata);
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
    if (tDevice && (tDevice->driveType == OSKN_DRIVE_NVME || tDevice->driveType == OSKN_DRIVE_BLOCK)) {
        show_Rows(tDevice->driveType == OSKN_DRIVE_NVME ? Kind::Nvme : Kind::Block);
        kind == Kind::Nvme ? fill_Nvme() : fill_Block();
        fit_Values();
        return;
    }
    show_Rows(Kind::Ata);
    fit_Values();
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
    if (kind != Kind::Ata) {
        ui->retranslateUi(this);
        kind == Kind::Nvme ? fill_Nvme() : fill_Block();
        ui->lbDriveInformationSaved->setText(tr("Drive information saved"));
        fit_Values();
        return;
    }
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
    return has(identify::power_Management) ? tr("Supported") : tr("Unsupported");
}

QString InfoTags::get_Security_Mode_Info() const
{
    if (!has(identify::security_Supported))
        return tr("Unsupported");
    return tr("%1, %2 ").arg(tr("Supported"), has(identify::security_Enabled) ? tr("Enabled") : tr("Disabled"));
}

QString InfoTags::get_Smart_Info() const
{
    if (!has(identify::smart_Supported))
        return tr("Unsupported");
    return tr("%1, %2").arg(tr("Supported"), has(identify::smart_Enabled) ? tr("Enabled") : tr("Disable"));
}

QString InfoTags::is_Supported_48bit() const
{
    return true_False(has(identify::lba48));
}

QString InfoTags::get_Advanced_PWR_Management_Info() const
{
    if (!has(identify::apm_Supported))
        return tr("Unsupported");
    return tr("%1, %2").arg(tr("Supported"), has(identify::apm_Enabled) ? tr("Enabled") : tr("Disabled"));
}

QString InfoTags::is_Supported_Smart_Self_Test() const
{
    return true_False(has(identify::smart_Self_Test));
}

QString InfoTags::Is_Supported_Smart_Error_Logging_Info() const
{
    return true_False(has(identify::smart_Error_Logging));
}

QString InfoTags::is_Supported_GPL() const
{
    return true_False(has(identify::gpl_Supported));
}

QString InfoTags::Security_Locked_Info() const
{
    return true_False(has(identify::security_Locked));
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
    if (!has(identify::gpl_Supported))
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
        if (buffer_Size() == 0 && megabytes == 0)
            return tr("Not Reported");
        return tr("%1 MB").arg(megabytes);
    }
    if (buffer_Size() == 0)
        return tr("Not Reported");
    return tr("%1 MB").arg(buffer_Size() >> 10);
}

QString InfoTags::get_Security_status() const
{
    if (!has(identify::security_Supported))
        return tr("Unsupported");
    return tr("%1, %2, %3")
        .arg(has(identify::security_Status_Supported) ? tr("Supported") : tr("Unsupported"), has(identify::security_Status_Enabled) ? tr("Enabled") : tr("Disabled"),
             has(identify::security_Frozen) ? tr("Frozen") : tr("Not frozen"));
}

QString InfoTags::get_Dowload_Microcode() const
{
    if (!has(identify::download_Microcode))
        return tr("Unsupported");
    const QString segmented = has(identify::download_Microcode_Segmented) ? tr("Segmented") : tr("Not Segmented");
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
    for (const auto& item : shown_Items())
        text += item.first->text() + " : " + item.second->text() + "\n";
    text += "==============================================\n";

    if (!append_Or_Alert(name, text))
        return;
    // Said only once the block is on the medium.
    SaveMsg::show_Notice();
}

// --- NVMe and block-only drives --------------------------------------------------------------

namespace {

struct Row {
    const char* caption;
    bool ata, nvme, block;
};

// Every row of the form below the identity, left column then right: which kinds show it. The
// ATA rows keep the report's own order (Security Status before General Purpose Logging).
const Row kRows[] = {
    {"lbMandatory", true, false, false},       {"lbSecurityMode", true, false, false},
    {"lbSMART", true, false, false},           {"lb48BitAddress", true, false, false},
    {"lbAdvancedPower", true, false, false},   {"lbSmartSelf_test", true, false, false},
    {"lbSMARTErro", true, false, false},       {"lbDriveTemp", true, false, false},
    {"lbPower_On", true, false, false},        {"lbCacheSize", true, false, false},
    {"lbSecurityStatus", true, false, false},  {"lbGeneralPurpose", true, false, false},
    {"lbDownloadMicrocode", true, false, false}, {"lbSecureLocked", true, false, false},
    {"lbCapacity", false, true, true},         {"lbSectorSize", false, true, true},
    {"lbNvmeVersion", false, true, false},     {"lbNamespace", false, true, false},
    {"lbLbaFormat", false, true, false},       {"lbDeviceSelfTest", false, true, false},
    {"lbSanitize", false, true, false},        {"lbFormatNvm", false, true, false},
    {"lbBlockHealth", false, false, true},     {"lbCriticalWarning", false, true, false},
    {"lbCompositeTemp", false, true, false},   {"lbAvailableSpare", false, true, false},
    {"lbSpareThreshold", false, true, false},  {"lbPercentageUsed", false, true, false},
    {"lbDataRead", false, true, false},        {"lbDataWritten", false, true, false},
    {"lbNvmePowerOn", false, true, false},     {"lbPowerCycles", false, true, false},
    {"lbUnsafeShutdowns", false, true, false}, {"lbMediaErrors", false, true, false},
    {"lbErrorLogEntries", false, true, false}};

// The value label of a caption: "<caption>Value", but for the form's own older names.
QString value_Name(const QString& caption)
{
    if (caption == "lbSMART")
        return "lbSmartValue";
    if (caption == "lbSMARTErro")
        return "lbSMARTErroValue";
    if (caption == "lbGeneralPurpose")
        return "lblbGeneralPurposeValue";
    return caption + "Value";
}

// NVMe counts data in units of 1000 sectors of 512 bytes.
QString data_Units(uint64_t units)
{
    return InfoTags::tr("%1 (%2 GB)").arg(units).arg(double(units) * 512000.0 / 1e9, 0, 'f', 1);
}

uint32_t logical_Sector_Size(const _tDevice* device)
{
    return device->logicalSectorSize ? device->logicalSectorSize : 512u;
}

QString listed(const QStringList& parts)
{
    return parts.isEmpty() ? InfoTags::tr("Unsupported") : parts.join(", ");
}

} // namespace

void InfoTags::show_Rows(Kind newKind)
{
    kind = newKind;
    // The ATA rows' ":" labels are the form's numbered ones, in the table's order but for the
    // swapped pair of the report.
    static const char* const ataColons[] = {"label_5",  "label_6",  "label_7",  "label_8",  "label_9",
                                            "label_10", "label_11", "label_12", "label_13", "label_14",
                                            "label_16", "label_15", "label_17", "label_18"};
    int ata = 0;
    for (const Row& row : kRows) {
        const bool shown = kind == Kind::Ata ? row.ata : kind == Kind::Nvme ? row.nvme : row.block;
        const QString colon = row.ata ? QString(ataColons[ata++]) : QString(row.caption) + "Colon";
        for (const QString& name : {QString(row.caption), colon, value_Name(row.caption)})
            if (QLabel* label = findChild<QLabel*>(name))
                label->setVisible(shown);
    }
}

QList<QPair<const QLabel*, const QLabel*>> InfoTags::shown_Items() const
{
    QList<QPair<const QLabel*, const QLabel*>> items;
    items << qMakePair<const QLabel*, const QLabel*>(ui->lbModelNumber, ui->lbModelNumberValue)
          << qMakePair<const QLabel*, const QLabel*>(ui->lbSerialNumber, ui->lbSerialNumberValue)
          << qMakePair<const QLabel*, const QLabel*>(ui->lbRevision, ui->lbRevisionValue)
          << qMakePair<const QLabel*, const QLabel*>(ui->lbMaxLBA, ui->lbMaxLBAValue);
    for (const Row& row : kRows)
        if (kind == Kind::Ata ? row.ata : kind == Kind::Nvme ? row.nvme : row.block)
            items << qMakePair<const QLabel*, const QLabel*>(findChild<QLabel*>(row.caption),
                                                             findChild<QLabel*>(value_Name(row.caption)));
    return items;
}

QString InfoTags::capacity_Text() const
{
    const double bytes = (double(tDevice->maxLBA) + 1) * logical_Sector_Size(tDevice);
    return tr("%1 GB").arg(bytes / 1e9, 0, 'f', 1);
}

void InfoTags::fill_Block()
{
    fill_Identity();
    ui->lbCapacityValue->setText(capacity_Text());
    ui->lbSectorSizeValue->setText(tr("Logical %1 bytes, physical %2 bytes")
                                       .arg(logical_Sector_Size(tDevice))
                                       .arg(std::max(tDevice->physicalSectorSize, logical_Sector_Size(tDevice))));
    ui->lbBlockHealthValue->setText(tr("Not available: the drive is reached as a plain block device"));
}

void InfoTags::fill_Nvme()
{
    fill_Block();
    const QList<QLabel*> nvmeValues = {
        ui->lbNvmeVersionValue,   ui->lbNamespaceValue,      ui->lbLbaFormatValue,     ui->lbDeviceSelfTestValue,
        ui->lbSanitizeValue,      ui->lbFormatNvmValue,      ui->lbCriticalWarningValue, ui->lbCompositeTempValue,
        ui->lbAvailableSpareValue, ui->lbSpareThresholdValue, ui->lbPercentageUsedValue, ui->lbDataReadValue,
        ui->lbDataWrittenValue,   ui->lbNvmePowerOnValue,    ui->lbPowerCyclesValue,   ui->lbUnsafeShutdownsValue,
        ui->lbMediaErrorsValue,   ui->lbErrorLogEntriesValue};
    for (QLabel* value : nvmeValues)
        value->setText(tr("Unknown"));

    nvmeDriveInformation info;
    const int rc = get_NVMe_Information(tDevice, &info);
    if (rc != 0) {
        // A drive gone, or identify data no drive sends: nothing of it is shown as if it were so.
        LogsApplication::Instance()->kestrova_Log_Error(
            QString("Warning: InfoTags - the NVMe drive's identify data could not be used (return code %1) for SN: %2")
                .arg(rc)
                .arg(get_Serial_Number()));
        return;
    }
    const uint32_t v = info.version;
    ui->lbNvmeVersionValue->setText(v == 0 ? tr("Before 1.2")
                                           : (v & 0xFF) ? QString("%1.%2.%3").arg(v >> 16).arg((v >> 8) & 0xFF).arg(v & 0xFF)
                                                        : QString("%1.%2").arg(v >> 16).arg((v >> 8) & 0xFF));
    ui->lbNamespaceValue->setText(QString::number(info.namespaceId));
    if (info.lbaFormatInUse < info.lbaFormatCount) {
        const nvmeLbaFormat& f = info.lbaFormats[info.lbaFormatInUse];
        ui->lbLbaFormatValue->setText(
            f.metadataSize ? tr("Format %1: %2 bytes, %3 bytes of metadata").arg(info.lbaFormatInUse).arg(f.dataSize).arg(f.metadataSize)
                           : tr("Format %1: %2 bytes").arg(info.lbaFormatInUse).arg(f.dataSize));
    }
    ui->lbDeviceSelfTestValue->setText(info.selfTestSupported ? tr("Supported") : tr("Unsupported"));
    const nvmeEraseMethods& e = info.erase;
    QStringList sanitize, format;
    if (e.sanitizeBlockErase)
        sanitize << tr("Block Erase");
    if (e.sanitizeCryptoErase)
        sanitize << tr("Crypto Erase");
    if (e.sanitizeOverwrite)
        sanitize << tr("Overwrite");
    if (e.formatUserData)
        format << tr("User Data Erase");
    if (e.formatCryptoErase)
        format << tr("Crypto Erase");
    ui->lbSanitizeValue->setText(listed(sanitize));
    ui->lbFormatNvmValue->setText(listed(format));

    if (!info.healthValid) {
        LogsApplication::Instance()->kestrova_Log_Error(
            "Warning: InfoTags - the NVMe drive's health log could not be read for SN: " + get_Serial_Number());
        return;
    }
    const nvmeHealthInformation& h = info.health;
    QStringList warnings;
    const QPair<int, QString> bits[] = {
        {OSKN_NVME_WARNING_SPARE, tr("Available spare below threshold")},
        {OSKN_NVME_WARNING_TEMPERATURE, tr("Temperature outside its thresholds")},
        {OSKN_NVME_WARNING_RELIABILITY, tr("Reliability degraded")},
        {OSKN_NVME_WARNING_READ_ONLY, tr("Media read-only")},
        {OSKN_NVME_WARNING_VOLATILE_BACKUP, tr("Volatile memory backup failed")},
        {OSKN_NVME_WARNING_PMR_READ_ONLY, tr("Persistent memory region unreliable")}};
    for (const auto& bit : bits)
        if (h.criticalWarning & bit.first)
            warnings << bit.second;
    if (h.criticalWarning & ~0x3F)
        warnings << tr("Unknown warning 0x%1").arg(h.criticalWarning & ~0x3F, 2, 16, QChar('0'));
    ui->lbCriticalWarningValue->setText(warnings.isEmpty() ? tr("None") : warnings.join(", "));
    ui->lbCompositeTempValue->setText(h.compositeTemperatureKelvin ? QString::number(h.compositeTemperatureCelsius)
                                                                   : tr("Not Reported"));
    ui->lbAvailableSpareValue->setText(tr("%1 %").arg(h.availableSpare));
    ui->lbSpareThresholdValue->setText(tr("%1 %").arg(h.availableSpareThreshold));
    ui->lbPercentageUsedValue->setText(tr("%1 %").arg(h.percentageUsed));
    ui->lbDataReadValue->setText(data_Units(h.dataUnitsRead));
    ui->lbDataWrittenValue->setText(data_Units(h.dataUnitsWritten));
    ui->lbNvmePowerOnValue->setText(QString::number(h.powerOnHours));
    ui->lbPowerCyclesValue->setText(QString::number(h.powerCycles));
    ui->lbUnsafeShutdownsValue->setText(QString::number(h.unsafeShutdowns));
    ui->lbMediaErrorsValue->setText(QString::number(h.mediaErrors));
    ui->lbErrorLogEntriesValue->setText(QString::number(h.errorLogEntries));
}
