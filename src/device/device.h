#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

#include "tests/maintest.h"

namespace Ui {
class device;
}
class ResultTags;

// Pieces of the message being built; filled and emptied within one GUI-thread call.
extern QStringList g_List_Log_Device_Temp;

// One drive's row: identity, selection, progress, status and abort, and the drive's message log.
class device : public QWidget
{
    Q_OBJECT
public:
    explicit device(_tDevice& record, QWidget* parent = nullptr);
    ~device() override;

    _tDevice* get_tDevice() const { return tDevice_; }
    QString get_Model_ID() const;
    QString get_Serial_Number() const;
    QString get_Revision() const;
    int get_Test_Name() const { return testType; }
    void set_Test_Name(int type) { testType = type; }
    bool can_test() const;
    bool chk_Is_Checked() const;
    bool is_DeviceUI_Checked() const { return chk_Is_Checked(); }
    void set_Checked_Test();
    bool is_Brevane_Device() const;
    void setImageHd(int disabled);
    void determine_Icon();
    void add_Line_Last_Up_Resize();
    void disables_Abort();
    uint64_t get_Native_Max_LBA();
    void execute();
    QStringList get_List_Log_Device() const { return logDevice; }
    QStringList get_List_Log_Device_Aux() const { return logDeviceAux; }
    QStringList get_List_Log_Exceptions() const { return logExceptions; }
    void set_List_Log_Device(QString text);
    // A stamped line of the panel's messages (and so of the drive's log), each piece translated.
    void add_Note(const QStringList& pieces);
    // The last finished test's reason for a verdict other than PASS, in the current language;
    // empty when there is none.
    QString get_Reason_Text() const;
    const OperationOutcome& get_Outcome() const { return outcome; }

    // One piece of a drive's message, translated. While a message is built, "New max" and
    // "UNABLE TO RUN" have contexts of their own; a log rebuilt after a language switch looks
    // them up with the other log keys.
    static QString translate_Log_Piece(const QString& piece, bool building);
    // The stamp every message begins with: a line break, then the local date and time.
    static QString message_Stamp();

    TestDescriptor* get_Descriptor() const { return descriptor; }
    ResultTags* get_Result_Tags() const { return resultTags; }
    int get_Saved_Log_Lines() const { return savedLogLines; }
    void set_Saved_Log_Lines(int n) { savedLogLines = n; }

    // Widths of the serial and firmware-revision columns, shared with the list's header.
    static int serial_Column_Width();
    static int revision_Column_Width();
    static constexpr int modelMinimumWidth = 120;

    bool accordOpen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void send_int_count(int);
    void test_finish(bool status);
    void test_Done(tDevice*);
    void select_Abort(tDevice*);
    void change_Logs();
    void down_Resize();
    void up_Resize();
    void set_Resize_All_False();
    void add_Item_Max_Test();
    void remove_Item_Max_Test();
    void enabled_Button_Test();
    void change_Log_Test_Device();

public slots:
    void log_input_Values(uint64_t start, uint64_t end);
    void msg(QString msg);
    void msg2(QString msg2);
    void change_Progress_status(int status);
    // What the finished test found; arrives just before its status.
    void set_Outcome(const OperationOutcome& found);
    void change_Progress_Value(int value);
    void change_Progress_Value(double value);
    void change_Progress_Value(QString time);
    void change_Progress_Value(int fullTest, int value);
    void change_Progress_Name_Test(int mySubTest);
    // The read-back after an erase, shown in the phase bar with its own progress.
    void show_Verification(double percent);
    void log_Erro_Test_Device(QString listLog);
    void log_Fixed_Test_Device(QString listLog);
    // The drive says its last sanitize failed: it keeps refusing its data until a new sanitize
    // completes. Shown at once on an idle panel, or as the verdict of the run that found it.
    void mark_Sanitize_Failed();
    int isTest() const { return readyForTest; }
    bool shows_Sanitize_Failed() const { return sanitizeFailed; }

private slots:
    void set_Generic_Test(int tmbName) { genericSubTest = tmbName; }
    void on_progressStatus_clicked();
    void on_btnAccord_clicked();
    QString get_Temp_Message_DateTime();
    void on_checkBox_clicked();

private:
    void test_Informations();
    void mensage_Log_Device_Windows_Success(QString name);
    void mensage_Log_Device_Windows_Fail(QString name);
    void mensage_Log_Device_Windows_Unknwon(QString name);
    void mensage_Log_Device_Windows_In_Progress(QString name);
    void mensage_Log_Device_Windows_Abort();
    void log_Msg(QString name, QString result);
    void log_Msg_Generic(QString value, QString word);
    void log_Sector_Report(const QString& lba, const char* word);
    void add_Mensage_Log(QStringList pieces);
    void fail_Report(QString name, bool unableToRun);
    void end_Report(bool done);
    void set_Bar_Format(int pointSize, const QString& format);
    // What follows the result word in the main bar; kept so that a language change can write
    // the bar again in full.
    enum class BarTail { Percent, TwoDecimals, TwoDecimalsRemaining, None };
    void show_Result(const QString& word, BarTail tail);
    void show_Fractional_Progress();
    void set_Status_Style(const char* image, bool enabled);
    void set_Bar_Look(const char* const colours[3]);
    void show_Model();
    void show_Sanitize_Failed();
    void show_Reason();
    // After the verdict line: what the operation did that its verdict does not say (the range
    // a timed erase wrote, the sectors a repair rewrote).
    void log_Outcome_Details();
    void add_Staged_Message();

    TestDescriptor* descriptor;
    OperationOutcome outcome;
    bool reasonShown = false;
    int savedLogLines = 0;
    QString timeEstimate;
    double progressValue = 0;
    bool fractionalProgress = false; // the running test reports fractional percentages
    bool sanitizeFailed = false;
    BarTail resultTail = BarTail::Percent;
    int genericSubTest = 0;
    int readyForTest = 1;
    int testType = 0;
    _tDevice* tDevice_;
    QStringList logDevice;
    QStringList logDeviceAux;
    QStringList logExceptions;
    ResultTags* resultTags;
    Ui::device* ui;
};
