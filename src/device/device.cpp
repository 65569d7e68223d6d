#include "device/device.h"
#include "ui_device.h"

#include "device/bootmedium.h"
#include "deviceaccess/devicetext.h"
#include "deviceaccess/identifybits.h"
#include "log/logsapplication.h"
#include "deviceaccess/oskn_public.h"
#include "device/resulttags.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <limits>

QStringList g_List_Log_Device_Temp;

namespace {
// Keys of the drive log that the catalogs carry in the "TranslateLog" context.
const char* const translateLogKeys[] = {
    QT_TRANSLATE_NOOP("TranslateLog", "Short Generic Test"),
    QT_TRANSLATE_NOOP("TranslateLog", "Long Generic Test"),
    QT_TRANSLATE_NOOP("TranslateLog", "Short DST"),
    QT_TRANSLATE_NOOP("TranslateLog", "S.M.A.R.T. Check"),
    QT_TRANSLATE_NOOP("TranslateLog", "Short DST Test"),
    QT_TRANSLATE_NOOP("TranslateLog", "S.M.A.R.T. Check Test"),
    QT_TRANSLATE_NOOP("TranslateLog", "Outer Scan"),
    QT_TRANSLATE_NOOP("TranslateLog", "Inner Scan"),
    QT_TRANSLATE_NOOP("TranslateLog", "Random Read"),
    QT_TRANSLATE_NOOP("TranslateLog", "Full Erase"),
    QT_TRANSLATE_NOOP("TranslateLog", "Fixed"),
    QT_TRANSLATE_NOOP("TranslateLog", "started"),
    QT_TRANSLATE_NOOP("TranslateLog", "True"),
    QT_TRANSLATE_NOOP("TranslateLog", "FAIL"),
    QT_TRANSLATE_NOOP("TranslateLog", "ABORT"),
    QT_TRANSLATE_NOOP("TranslateLog", "PASS"),
    QT_TRANSLATE_NOOP("TranslateLog", "UNABLE TO RUN"),
    QT_TRANSLATE_NOOP("TranslateLog", "IN PROGRESS"),
    QT_TRANSLATE_NOOP("TranslateLog", "Sanitize failed: the drive needs a new sanitize"),
    QT_TRANSLATE_NOOP("TranslateLog", "Test Aborted by User"),
    QT_TRANSLATE_NOOP("TranslateLog", "Drive information saved"),
    QT_TRANSLATE_NOOP("TranslateLog", "Set Max LBA"),
    QT_TRANSLATE_NOOP("TranslateLog", "Current maximum LBA count:"),
    QT_TRANSLATE_NOOP("TranslateLog", "New max"),
    QT_TRANSLATE_NOOP("TranslateLog", "Restore Native capacity"),
    QT_TRANSLATE_NOOP("TranslateLog", "Start:"),
    QT_TRANSLATE_NOOP("TranslateLog", "End:"),
    QT_TRANSLATE_NOOP("TranslateLog", "Fix All Long"),
    QT_TRANSLATE_NOOP("TranslateLog", "Fix All Fast"),
    QT_TRANSLATE_NOOP("TranslateLog", "Fix All"),
    QT_TRANSLATE_NOOP("TranslateLog", "Reason:"),
    QT_TRANSLATE_NOOP("TranslateLog", "Rewritten")};
const char* const otherLogKeys[] = {QT_TRANSLATE_NOOP("KV4L", "Test Progress"),
                                    QT_TRANSLATE_NOOP("device", "remaining"),
                                    QT_TRANSLATE_NOOP("device", "Error"),
                                    QT_TRANSLATE_NOOP("ResultTag", "UNABLE TO RUN")};

// The year too: a log kept on the boot medium outlives the year it was begun in.
const QString messageStampFormat = "\nyyyy-MM-dd  | hh:mm:ss |  ";

const char* const imageCancel = "border:none; image: url(:/images/Images/icone status/ic_status_cancelar.png)";
const char* const imageCancelOff =
    "border:none; image: url(:/images/Images/icone status/ic_status_cancelar_off.png);";
const char* const imageAlert = "border:none; image: url(:/images/Images/icone status/ic_status_alerta.png);";
const char* const imageOk = "border:none; image: url(:/images/Images/icone status/ic_status_ok.png);";

// Track colour, then the chunk's gradient from top to bottom. Green runs and passes; every other
// result has a bar of its own, so that it cannot be read as a pass whatever its percentage.
const char* const barRunning[] = {"rgb(170, 170, 170)", "rgb(0, 211, 40)", "rgb(0, 255, 0)"};
const char* const barFail[] = {"rgb(150, 70, 70)", "rgb(205, 0, 0)", "rgb(240, 45, 45)"};
const char* const barUnable[] = {"rgb(160, 125, 60)", "rgb(215, 125, 0)", "rgb(245, 160, 0)"};
const char* const barAborted[] = {"rgb(95, 110, 135)", "rgb(45, 60, 90)", "rgb(70, 85, 115)"};

QString bar_Style(const char* const colours[3])
{
    return QString("QProgressBar { background-color: %1; color: rgb(255, 255, 255); border: none; "
                   "border-radius: 7px; text-align: center; }\n"
                   "QProgressBar::chunk { background-color: qlineargradient(spread:pad, x1:0, y1:0, "
                   "x2:0, y2:1, stop:0 %2, stop:1 %3); border-radius: 7px; }")
        .arg(colours[0], colours[1], colours[2]);
}

// Serials and firmware revisions are ASCII of at most 20 and 8 characters.
const int serialCharacters = 20;
const int revisionCharacters = 8;

QFont identity_Font()
{
    return QFont("Helvetica Neue LT Std", 10);
}

// Wide enough for the given number of the font's widest printable ASCII character.
int identity_Width(int characters)
{
    const QFontMetrics metrics(identity_Font());
    int widest = 0;
    for (char c = 0x21; c < 0x7f; ++c)
        widest = qMax(widest, metrics.horizontalAdvance(QLatin1Char(c)));
    return widest * characters + 2;
}
} // namespace

int device::serial_Column_Width()
{
    static const int width = identity_Width(serialCharacters);
    return width;
}

int device::revision_Column_Width()
{
    static const int width = identity_Width(revisionCharacters);
    return width;
}

device::device(_tDevice& record, QWidget* parent)
    : QWidget(parent), tDevice_(&record), ui(new Ui::device)
{
    (void)translateLogKeys;
    (void)otherLogKeys;
    ui->setupUi(this);
    ui->progressBar_2->hide();
    ui->lbReason->hide();
    readyForTest = 1;
    accordOpen = false;
    resultTags = new ResultTags();
    // Fixed columns hold the longest serial and revision whole and keep every row in line with
    // the header; the model takes what is left and is elided, whole in its tooltip.
    for (QLabel* label : {ui->lbSerialNumber, ui->lbRevision})
        label->setFont(identity_Font());
    ui->lbSerialNumber->setFixedWidth(serial_Column_Width());
    ui->lbRevision->setFixedWidth(revision_Column_Width());
    ui->lbModelNumber->setMinimumWidth(modelMinimumWidth);
    ui->lbModelNumber->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->lbModelNumber->installEventFilter(this);
    show_Model();
    if (is_Boot_Medium(tDevice_))
        mark_Boot_Medium(ui->lbModelNumber);
    ui->lbSerialNumber->setText(get_Serial_Number());
    ui->lbRevision->setText(get_Revision());
    determine_Icon();
    setImageHd(0);
    connect(resultTags, &ResultTags::progress_Message, this, &device::msg);
    connect(resultTags, &ResultTags::progress_Message_2, this, &device::msg2);
    descriptor = new TestDescriptor;
}

device::~device()
{
    delete descriptor;
    delete resultTags;
    ui->lbModelNumber->removeEventFilter(this); // its last events must not reach the freed form
    delete ui;
}

void device::show_Model()
{
    QLabel* label = ui->lbModelNumber;
    const QString model = get_Model_ID();
    // Cut in the middle: models of one family share their start and differ at the end.
    const QString shown = label->fontMetrics().elidedText(model, Qt::ElideMiddle, label->width());
    label->setText(shown);
    label->setToolTip(shown == model ? QString() : model);
}

bool device::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lbModelNumber && event->type() == QEvent::Resize)
        show_Model();
    return QWidget::eventFilter(watched, event);
}

QString device::get_Model_ID() const { return device_Model_Number(tDevice_); }
QString device::get_Serial_Number() const { return device_Serial_Number(tDevice_); }
QString device::get_Revision() const { return device_Firmware_Revision(tDevice_); }

bool device::can_test() const
{
    return ui->checkBox->isChecked() && readyForTest != 0;
}

bool device::chk_Is_Checked() const
{
    return ui->checkBox->isChecked();
}

void device::set_Checked_Test()
{
    ui->checkBox->setChecked(true); // setChecked emits no clicked(): the count is not touched
}

bool device::is_Brevane_Device() const
{
    return is_Brevane(tDevice_, true);
}

void device::setImageHd(int disabled)
{
    const bool maker = is_Brevane(tDevice_, true);
    // A flash drive is not drawn as a hard disk: an M.2 card for NVMe, a chip for eMMC and
    // virtual disks.
    QString image;
    if (tDevice_ && tDevice_->driveType == OSKN_DRIVE_NVME)
        image = maker ? (disabled == 0 ? "ic_nvme_brevane" : "ic_nvme_desabilitado")
                      : (disabled == 0 ? "ic_nvme_generic_on" : "ic_nvme_generic_off");
    else if (tDevice_ && tDevice_->driveType == OSKN_DRIVE_BLOCK)
        image = disabled == 0 ? "ic_flash_on" : "ic_flash_off";
    else
        image = maker ? (disabled == 0 ? "ic_hd_brevane" : "ic_hd_desabilitado")
                      : (disabled == 0 ? "ic_hd_generic_on" : "ic_hd_generic_off");
    ui->lbIcon->setStyleSheet("image: url(:/images/Images/icone hd/" + image + ".png);");
}

void device::determine_Icon()
{
    ui->btnAccord->setStyleSheet(accordOpen
                                     ? "border:none;image: url(:/images/Images/icone accord/ic_seta.png);"
                                     : "border:none;image: url(:/images/Images/icone accord/ic_seta_open.png);");
}

void device::add_Line_Last_Up_Resize()
{
    ui->wbordeTop->setStyleSheet(
        "QWidget#wbordeTop { background-color: rgb(255, 255, 255); border-top-left-radius: 0px; "
        "border-top-right-radius: 0px; border-style: outset; border-width: 1px; border-color: "
        "rgb(255, 255, 255) rgb(255, 255, 255) rgb(179, 179, 179) rgb(255, 255, 255); }");
}

void device::disables_Abort()
{
    set_Status_Style(imageCancelOff, false);
}

uint64_t device::get_Native_Max_LBA()
{
    const uint64_t none = std::numeric_limits<uint64_t>::max();
    LogsApplication* log = LogsApplication::Instance();
    uint64_t value = 0;
    const identify::Words words = identify::copy_Of(tDevice_->identifyData);
    if (identify::hpa_Supported(words.data())) {
        if (ata_Get_Native_Max_LBA(tDevice_, &value) == 0) {
            log->kestrova_Log_Debug("Called: ata_Read_Native_Max_Address_Ext - returned: SUCCESS");
            return value;
        }
        log->kestrova_Log_Error("Called: ata_Read_Native_Max_Address_Ext - returned: FAIL");
        return none;
    }
    if (identify::amac_Supported(words.data())) {
        if (ata_Get_Native_Max_Address_Ext(tDevice_, &value) == 0) {
            log->kestrova_Log_Debug("Called: ata_Get_Native_Max_Address_Ext - returned: SUCCESS");
            return value;
        }
        log->kestrova_Log_Debug("Called: ata_Get_Native_Max_Address_Ext - returned: FAIL");
        return none;
    }
    return none;
}

void device::execute()
{
    test_Informations();
    testType = descriptor->testType;
}

void device::set_List_Log_Device(QString text)
{
    logDevice.clear();
    logDevice.append(text);
}

void device::set_Bar_Format(int pointSize, const QString& format)
{
    ui->progressBar->setFont(QFont("Helvetica Neue LT Std", pointSize, QFont::Bold));
    ui->progressBar->setFormat(format);
}

void device::set_Status_Style(const char* image, bool enabled)
{
    ui->progressStatus->setStyleSheet(image);
    // A focused button that is disabled hands the focus down the chain, and the drive list
    // scrolls to wherever it lands; the panel keeps it instead, so the list stays put.
    if (!enabled && ui->progressStatus->hasFocus())
        setFocus(Qt::OtherFocusReason);
    ui->progressStatus->setEnabled(enabled);
}

void device::set_Bar_Look(const char* const colours[3])
{
    ui->progressBar->setStyleSheet(bar_Style(colours));
}

// --- progress ------------------------------------------------------------------------------

void device::change_Progress_Value(int value)
{
    progressValue = value;
    ui->progressBar->setValue(value);
}

void device::change_Progress_Value(QString time)
{
    timeEstimate = time;
}

void device::change_Progress_Value(int fullTest, int value)
{
    ui->progressBar_2->setValue(value);
    ui->progressBar->setValue(fullTest);
    repaint();
}

void device::change_Progress_Value(double value)
{
    // Progress is queued and a timer-driven test gives its verdict directly: a value that arrives
    // after the verdict is the finished test's last, and must not cover the result.
    if (readyForTest != 0)
        return;
    progressValue = value;
    fractionalProgress = true;
    ui->progressBar->setValue(QString::number(value, 'f', 0).toInt());
    show_Fractional_Progress();
}

void device::show_Fractional_Progress()
{
    const QString p2 = QString::number(progressValue, 'f', 2);
    if (timeEstimate.isEmpty())
        set_Bar_Format(11, p2 + "% " + tr("complete"));
    else
        set_Bar_Format(8, p2 + "% " + tr("complete") + ";" + tr("remaining") + " " + timeEstimate);
}

void device::show_Result(const QString& word, BarTail tail)
{
    resultTail = tail;
    const QString p2 = QString::number(progressValue, 'f', 2);
    switch (tail) {
    case BarTail::Percent: set_Bar_Format(11, word + " %p%"); break;
    case BarTail::TwoDecimals: set_Bar_Format(11, word + " " + p2 + "%"); break;
    case BarTail::TwoDecimalsRemaining:
        set_Bar_Format(8, word + " " + p2 + "% " + tr("remaining") + " " + timeEstimate);
        break;
    case BarTail::None: set_Bar_Format(11, word); break;
    }
}

void device::msg(QString text)
{
    // The result word in another language: the bar keeps the rest of what it said. A running
    // test's bar has no word yet and is written again as it was.
    if (readyForTest == 0 && fractionalProgress)
        show_Fractional_Progress();
    else if (readyForTest == 0 || text.isEmpty())
        ui->progressBar->setFormat(text + " %p%");
    else
        show_Result(text, resultTail);
    ui->retranslateUi(this);
    if (reasonShown)
        show_Reason();
}

void device::msg2(QString text)
{
    ui->retranslateUi(this);
    ui->progressBar_2->setFormat(text + " %p%");
}

// --- user actions --------------------------------------------------------------------------

void device::on_checkBox_clicked()
{
    if (ui->checkBox->isChecked())
        emit add_Item_Max_Test();
    else
        emit remove_Item_Max_Test();
}

void device::on_btnAccord_clicked()
{
    if (accordOpen) {
        accordOpen = false;
        determine_Icon();
        emit up_Resize();
        add_Line_Last_Up_Resize();
    } else {
        emit set_Resize_All_False();
        accordOpen = true;
        emit down_Resize();
        determine_Icon();
        ui->wbordeTop->setStyleSheet("QWidget#wbordeTop{\n\tborder-style: outset;\n   border-width: opx;\n}");
    }
}

void device::on_progressStatus_clicked()
{
    emit select_Abort(tDevice_);
    set_Status_Style(imageCancelOff, false);
    if (testType == 1) {
        QString text;
        if (genericSubTest == 3)
            text = resultTags->select_Outer();
        else if (genericSubTest == 4)
            text = resultTags->select_Inner();
        ui->progressBar_2->setFormat(text + " %p%");
    }
}

// --- messages ------------------------------------------------------------------------------

QString device::get_Temp_Message_DateTime()
{
    return message_Stamp();
}

QString device::message_Stamp()
{
    return QDateTime::currentDateTime().toString(messageStampFormat);
}

void device::log_Outcome_Details()
{
    const QVariantMap& p = outcome.parameters;
    if (descriptor->testType == TestType::EraseTime && descriptor->testName != "Write Same"
        && p.contains("firstLba") && p.contains("lastLba"))
        log_input_Values(p.value("firstLba").toULongLong(), p.value("lastLba").toULongLong());
    // Runs of consecutive LBAs, one entry each: a repair rewrites a whole physical sector.
    const QList<uint64_t>& fixed = outcome.fixedLbas;
    for (int i = 0; i < fixed.size();) {
        int j = i;
        while (j + 1 < fixed.size() && fixed[j + 1] == fixed[j] + 1)
            ++j;
        const QString run = fixed[i] == fixed[j] ? QString::number(fixed[i])
                                                 : QString::number(fixed[i]) + "-" + QString::number(fixed[j]);
        g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "Rewritten" << " LBA: " << run << "\n";
        add_Staged_Message();
        i = j + 1;
    }
}

void device::log_Msg(QString name, QString result)
{
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << name << " " << result << "\n";
    if (name == "Set Max LBA" && result == "PASS")
        g_List_Log_Device_Temp << get_Temp_Message_DateTime() << tr("New max")
                               << " LBA: " + QString::number(tDevice_->maxLBA);
}

void device::add_Note(const QStringList& pieces)
{
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << pieces << "\n";
    add_Staged_Message();
}

void device::log_Msg_Generic(QString value, QString word)
{
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << word << " LBA: " << value << "\n";
    add_Staged_Message();
}

void device::add_Staged_Message()
{
    add_Mensage_Log(g_List_Log_Device_Temp);
    g_List_Log_Device_Temp.clear();
}

void device::add_Mensage_Log(QStringList pieces)
{
    QString text;
    for (const QString& piece : pieces) {
        logDeviceAux.append(piece);
        text += translate_Log_Piece(piece, true);
    }
    logDevice.append(text);
    emit change_Log_Test_Device();
}

QString device::translate_Log_Piece(const QString& piece, bool building)
{
    const QByteArray key = piece.toLocal8Bit();
    const char* context = "TranslateLog";
    if (key == "Test Progress")
        context = "KV4L";
    else if (key == "remaining" || key == "Error" || (building && key == "New max"))
        context = "device";
    else if (building && key == "UNABLE TO RUN")
        context = "ResultTag";
    return QCoreApplication::translate(context, key.constData());
}

void device::test_Informations()
{
    log_Msg(descriptor->testName, "started");
    add_Staged_Message();
    // The capacity it had, beside the new one its PASS line gives.
    if (descriptor->testName == "Set Max LBA") {
        g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "Current maximum LBA count:"
                               << " " + QString::number(tDevice_->maxLBA) << "\n";
        add_Staged_Message();
    }
    if (descriptor->testName == "IDD 70" || descriptor->testName == "IDD 71")
        ui->btnAccord->setEnabled(false);
    readyForTest = 0;
    sanitizeFailed = false;
    timeEstimate.clear();
    progressValue = 0;
    fractionalProgress = false;
    resultTail = BarTail::Percent;
    set_Bar_Format(11, resultTags->select_Empty() + " %p%");
    ui->progressBar->setValue(0);
    set_Bar_Look(barRunning);
    ui->progressStatus->setEnabled(true);
    outcome = OperationOutcome();
    reasonShown = false;
    show_Reason();
    ui->progressBar_2->setVisible(descriptor->showPhaseBar);
    ui->checkBox->setEnabled(false);
    ui->progressStatus->setStyleSheet(imageCancel);
}

void device::change_Progress_Name_Test(int mySubTest)
{
    genericSubTest = mySubTest;
    QString name;
    if (mySubTest == 3) {
        resultTags->select_Outer();
        resultTags->retranslate_Short();
        name = "Outer Scan";
    } else if (mySubTest == 4) {
        resultTags->select_Inner();
        resultTags->retranslate_Short();
        name = "Inner Scan";
    } else if (mySubTest == 5) {
        resultTags->select_Random();
        resultTags->retranslate_Short();
        name = "Random Read";
    }
    log_Msg(name, "started");
    add_Staged_Message();
}

void device::show_Verification(double percent)
{
    if (readyForTest != 0)
        return;
    ui->progressBar_2->setVisible(true);
    ui->progressBar_2->setFormat(resultTags->select_Verification() + " %p%");
    ui->progressBar_2->setValue(int(percent));
}

void device::log_input_Values(uint64_t start, uint64_t end)
{
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "Start:" << " " + QString::number(start) << "\n";
    add_Staged_Message();
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "End:" << " " + QString::number(end) << "\n";
    add_Staged_Message();
}

void device::log_Sector_Report(const QString& lba, const char* word)
{
    try {
        log_Msg_Generic(lba, word);
    } catch (...) {
        g_List_Log_Device_Temp.clear();
        logExceptions.append("Error Exception");
        LogsApplication::Instance()->kestrova_Log_Error("Error Exception");
    }
}

void device::log_Erro_Test_Device(QString listLog)
{
    log_Sector_Report(listLog, "Error");
}

void device::log_Fixed_Test_Device(QString listLog)
{
    log_Sector_Report(listLog, "Fixed");
}

// --- status reports ------------------------------------------------------------------------

void device::set_Outcome(const OperationOutcome& found)
{
    outcome = found;
}

QString device::get_Reason_Text() const
{
    if (outcome.reason.isEmpty())
        return QString();
    // The key is translated; the LBAs, counts and codes after it read the same in every language.
    const QString key = outcome.reasonKey.isEmpty() ? outcome.reason : outcome.reasonKey;
    return QCoreApplication::translate("TranslateLog", key.toUtf8().constData()) + outcome.reason.mid(key.size());
}

void device::show_Reason()
{
    const QString text = reasonShown ? get_Reason_Text() : QString();
    ui->lbReason->setVisible(!text.isEmpty());
    ui->lbReason->setToolTip(text);
    // Two lines fit under the bar; a longer reason is cut, its whole text in the tool tip and the
    // drive's log.
    const QFontMetrics metrics(ui->lbReason->font());
    const QRect twoLines(0, 0, ui->lbReason->maximumWidth(), 2 * metrics.lineSpacing());
    QString shown = text;
    for (int width = 2 * ui->lbReason->maximumWidth();
         metrics.boundingRect(twoLines, Qt::TextWordWrap, shown).height() > twoLines.height() && width > 0;
         width -= metrics.averageCharWidth())
        shown = metrics.elidedText(text, Qt::ElideRight, width);
    ui->lbReason->setText(shown);
    if (!text.isEmpty())
        ui->progressBar_2->hide();
}

void device::change_Progress_status(int status)
{
    switch (status) {
    case 0: mensage_Log_Device_Windows_Success(descriptor->testName); break;
    case 5: mensage_Log_Device_Windows_Abort(); break;
    case 14: mensage_Log_Device_Windows_Unknwon(descriptor->testName); break;
    case 4: mensage_Log_Device_Windows_In_Progress(descriptor->testName); break;
    default: mensage_Log_Device_Windows_Fail(descriptor->testName); break;
    }
}

void device::end_Report(bool done)
{
    // The in-drive diagnostics too: the window gives the Rescan button back when the last ends.
    if (testType == 13 || testType == 14 || testType == 15 || testType == 16) {
        emit send_int_count(1);
        emit test_finish(true);
        ui->btnAccord->setEnabled(true);
    }
    if (done)
        emit test_Done(tDevice_);
    emit remove_Item_Max_Test();
}

void device::mensage_Log_Device_Windows_Success(QString name)
{
    if ((name == "Write Same" || name == "IDD 71" || name == "Erase Boot Tracks")
        && ui->progressBar->value() <= 99) {
        for (int v = qMax(ui->progressBar->value(), 0) + 1; v <= 100; ++v)
            ui->progressBar->setValue(v);
    }
    emit enabled_Button_Test();
    readyForTest = 1;
    set_Status_Style(imageOk, false);
    show_Result(resultTags->select_Pass(), BarTail::Percent);
    set_Bar_Look(barRunning);
    ui->checkBox->setChecked(false);
    ui->checkBox->setEnabled(true);
    log_Msg(name, "PASS");
    add_Staged_Message();
    log_Outcome_Details();
    end_Report(true);
}

void device::fail_Report(QString name, bool unableToRun)
{
    emit enabled_Button_Test();
    readyForTest = 1;
    set_Status_Style(imageAlert, false);
    ui->checkBox->setEnabled(true);
    ui->checkBox->setChecked(false);
    const QString text = unableToRun ? resultTags->select_Unknown() : resultTags->select_Fail();
    set_Bar_Look(unableToRun ? barUnable : barFail);
    // Where the run stopped; no remaining time, since nothing remains of a run that failed.
    show_Result(text, timeEstimate.isEmpty() ? BarTail::Percent : BarTail::TwoDecimals);
    log_Msg(name, unableToRun ? "UNABLE TO RUN" : "FAIL");
    add_Staged_Message();
    if (sanitizeFailed && !unableToRun)
        show_Sanitize_Failed();
    // Why, beside the verdict: in the panel and as a line of its own in the drive's log.
    ui->lbReason->setStyleSheet(unableToRun ? "color: rgb(170, 95, 0); background: transparent;"
                                            : "color: rgb(190, 0, 0); background: transparent;");
    reasonShown = true;
    show_Reason();
    if (!outcome.reason.isEmpty()) {
        const QString key = outcome.reasonKey.isEmpty() ? outcome.reason : outcome.reasonKey;
        g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "Reason:" << " " << key
                               << outcome.reason.mid(key.size()) << "\n";
        add_Staged_Message();
    }
    log_Outcome_Details();
    end_Report(true);
}

void device::mark_Sanitize_Failed()
{
    sanitizeFailed = true;
    if (readyForTest != 0) // idle: nothing else will say it
        show_Sanitize_Failed();
}

void device::show_Sanitize_Failed()
{
    set_Status_Style(imageAlert, false);
    set_Bar_Look(barFail);
    show_Result(resultTags->select_Sanitize_Failed(), BarTail::None);
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "Sanitize failed: the drive needs a new sanitize" << "\n";
    add_Staged_Message();
}

void device::mensage_Log_Device_Windows_Fail(QString name)
{
    fail_Report(name, false);
}

void device::mensage_Log_Device_Windows_Unknwon(QString name)
{
    fail_Report(name, true);
}

void device::mensage_Log_Device_Windows_In_Progress(QString name)
{
    emit enabled_Button_Test();
    readyForTest = 1;
    set_Status_Style(imageAlert, false);
    ui->checkBox->setEnabled(true);
    ui->checkBox->setChecked(false);
    show_Result(resultTags->select_inProgress(), BarTail::Percent);
    log_Msg(name, "IN PROGRESS");
    add_Staged_Message();
    end_Report(false);
}

void device::mensage_Log_Device_Windows_Abort()
{
    readyForTest = 1;
    const QString text = resultTags->select_Abort();
    set_Bar_Look(barAborted);
    g_List_Log_Device_Temp << get_Temp_Message_DateTime() << "Test Progress";
    const QString p2 = QString::number(progressValue, 'f', 2);
    QString shown;
    if (!timeEstimate.isEmpty()) {
        show_Result(text, BarTail::TwoDecimalsRemaining);
        g_List_Log_Device_Temp << " " << p2 << "% " << " " << "remaining" << " " << timeEstimate;
        shown = p2;
    } else if (testType == 11) {
        show_Result(text, BarTail::TwoDecimals);
        g_List_Log_Device_Temp << " " + p2 + "%";
        shown = p2;
    } else {
        show_Result(text, BarTail::Percent);
        shown = QString::number(ui->progressBar->value());
        g_List_Log_Device_Temp << " " + shown + "%";
    }
    LogsApplication::Instance()->kestrova_Log_Debug("Test aborted by user for S/N: "
                                                    + get_Serial_Number() + " - Test Progress "
                                                    + shown + "%");
    emit change_Logs();
    set_Status_Style(imageCancelOff, false);
    ui->checkBox->setChecked(false);
    ui->checkBox->setEnabled(true);
    g_List_Log_Device_Temp << " " << "Test Aborted by User" << "\n";
    add_Staged_Message();
    log_Outcome_Details();
    end_Report(true);
}
