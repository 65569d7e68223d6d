#pragma once

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QSet>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "log/logfile.h"
#include "machine/machineidentity.h"
#include "results/resultskeeper.h"
#include "deviceaccess/oskn_device.h"

namespace Ui {
class KV4L;
}
class QAction;
class QActionGroup;
class QDialog;
class QMenu;
class QSpacerItem;
class QToolButton;
class Invoker;
class LogsApplication;
class MainTest;
struct MenuOffer;
struct Operation;
struct OperationParameters;
class TranslationStatic;
class ViewLog;
class device;
namespace delivery {
class Queue;
}

extern LogsApplication* logKV4L;
extern ViewLog* viewLog;
extern QSpacerItem* verticalSpacer;

// The program's one main window: tool buttons, clock, and the list of drive panels.
class KV4L : public QMainWindow
{
    Q_OBJECT
public:
    explicit KV4L(QWidget* parent = nullptr);
    ~KV4L() override;

    QVector<device*> getDevicesList() const { return devices; }
    int get_Max_Test_Device() const { return selectedCount; }
    int abort_All_Command(int count);
    bool can_Close() const;
    bool existing_log(const QString& name) const;
    bool remove_Empty_Log_File(const QString& name) const;
    void save_Log_Application();
    void check_AdvanceFeatures();
    QMenu* get_Basic_Test_Menu() const { return basicTestMenu; }
    QMenu* get_Advanced_Menu() const { return advancedMenu; }
    QMenu* get_Language_Menu() const { return languageMenu; }
    bool is_Advanced_Menu_Built() const { return advancedMenuBuilt; }
    Invoker* get_Invoker() const { return invoker; }
    // Exit was confirmed while tests ran: the machine powers off once they have stopped.
    bool power_Off_Pending() const { return powerOffRequested == -1; }

    // The catalogue's parameter dialogs: each answers through one of the answer slots.
    void ask_Psid(const Operation& op);
    void ask_Erase_Range(const Operation& op);
    void ask_Erase_Time(const Operation& op);
    void ask_Write_Same(const Operation& op);
    void ask_Max_Lba(const Operation& op);

    // Where the process ends (power off / terminal); tests observe it instead.
    static std::function<void(int)> endProcess;
    // Runs the close question and returns its answer; tests answer it instead.
    static std::function<int(QDialog*)> askClose;

protected:
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void format_Basic_Test_Menu();
    void update_Devices_List();
    void new_Discovery_Devices();
    void create_Connect_Accord();
    void switch_Language(QAction* action);
    void btn_About_Clicked();
    void add_Max_Test_Device();
    void enabled_Button();
    void enabled_Rescan(bool is_On_Test);
    void refresh_List();
    void remove_Max_Test_Device();
    void select_All_Resize_False();
    void on_actionS_M_A_R_T_Check_triggered();
    void on_action_Spin_Down_triggered();
    void quantityToTest(int num);
    void on_actionShort_Drive_Self_Test_triggered();
    void on_actionShort_Generic_Self_Test_triggered();
    void onExpanding();
    void btn_Help_Clicked();
    void on_actionLong_Generic_Test_triggered();
    void on_actionFix_All_Fast_triggered();
    void on_actionFix_All_Long_triggered();
    void on_actionViewLog_triggered();
    void change_Log_Device();
    void update_Log_Language();
    void save_Log();
    void off_expanding();
    void on_toolButtonExit_clicked();
    void create_Advanced_Features();
    void update_Devices();
    void on_toolButtonRescan_clicked();
    void on_actionBoot_Tracks_triggered();
    void on_toolButtonAdvancedFeatures_clicked();
    void idd_Test_Ended(int count);
    // The operations' menu entries and their dialogs' answers (kv4l_operations.cpp).
    void on_actionErase_Overwrite_Full_triggered();
    void on_actionErase_Range_triggered();
    void on_actionErase_Time_triggered();
    void execute_eraseRange(uint64_t initLBA, uint64_t lastLBA);
    void get_Erase_Time(int time, uint64_t LBA);
    void on_actionWriteSame_triggered();
    void execute_WriteSame(uint64_t initLBA, uint64_t lastLBA);
    void on_actionErase_PSID_triggered();
    void execute_PSID(QString key);
    void on_actionIDD_70_triggered();
    void on_actionIDD_71_triggered();
    void on_actionSet_max_LBA_triggered();
    void get_newLBA(uint64_t tmpNewLBA, bool tmpReset);
    void on_actionErase_Sanitize_Overwrite_triggered();
    void on_actionErase_Sanitize_Crypto_triggered();
    // The finished operation's record and certificate (kv4l_results.cpp).
    void keep_Results(MainTest* test);

private:
    void create_Menus();
    void align_Drive_List();
    void create_Language_Menu();
    void create_basic_test_menu();
    void clear_Menu_Basic_Erase();
    void create_ShortCut_Menu();
    void set_Shortcut(QToolButton* button);
    void enable_Button_Test_Status(int index);
    void get_Title_Mensagem_Log();
    void devices_Discovery();
    bool discover(std::unique_ptr<_tDevice[]>& records, uint32_t& count, QVector<device*>& panels,
                  bool refreshViewer);
    void on_Reescan();
    void list_Combination();
    void wire_Panel(int index);
    void control_Test(int index);
    void layout_Panels(bool expanding);
    void replace_Spacer();
    int header_Filler_Width() const;
    void checkSanitizeOverwrite();
    QString log_File_Name(int index);
    void claim_Log_Files();
    void save_Logs_Before_End();
    void hold_For_Power_Off();
    void deliver_Results(int index);
    void retry_Results();
    void report_Results_Files(const results::Keeper::Written& files, device* panel, const QString& serial);

    // Runs a catalogue row: its confirmation, then its parameter dialog or its dispatch.
    void start(const char* action);
    void start(const Operation& op);
    // A parameter dialog's answer to the row of its menu entry.
    void answer(const char* action, const OperationParameters& parameters);
    // One test per selected idle drive; how many started.
    int dispatch(const Operation& op, const OperationParameters& parameters);
    // Shows the test in its panel, connects what the panel hears from it and starts it; the
    // record of running operations knows it before it runs.
    void start_On_Panel(const Operation& op, MainTest* test, device* panel, const OperationParameters& parameters);
    bool over_Limit(bool silent);
    bool confirm(const Operation& op);
    // Writes the called line and runs the confirmation; a refusal writes the rejected line (when
    // there is one) and refreshes the viewer.
    bool confirm_With(QDialog& dialog, const QString& called, const QString& rejected);
    // The menu entry of a row; the form's, or one made for a row the form lacks.
    QAction* entry(const Operation& op);
    // Adds the rows of menu's entries that offer allows, into menu and the submenus it holds.
    void fill_Menu(QMenu* menu, const MenuOffer& offer);
    QMenu* submenu(QMenu* parent, int which);
    // Operations that ask for a value bounded by the drives: the eligible selected panel with the
    device* bounding_Drive(const std::function<bool(device*)>& eligible,
                           const std::function<void(device*)>& perDrive, const QString& refusal);

    logfile::DriveLogNames logNames;
    results::Keeper resultsKeeper;
    MachineIdentity machine;
    // Drive logs this run has written to: each got the program's start mark, each gets its end.
    QSet<QString> touchedLogs;
    QList<QPair<QString, QString>> runningRecorded;
    QList<QPair<QString, QString>> cutOff; // what the last run left running
    // The start mark goes before a log's first lines of this run.
    QString start_Mark() const;
    // Keeps the running operations' record (logfile::record_Running) up to date.
    void record_Running();
    // At start: the operations the last run left without an end, marked in their drive logs.
    void mark_Interrupted();
    // At the end: the end mark in every drive log this run touched.
    void mark_End();
    int closeRequested = 0;
    int powerOffRequested = 0;
    std::vector<int> selectedIndexes;
    Invoker* invoker = nullptr;
    delivery::Queue* resultsQueue = nullptr;
    QString translationsPath;
    TranslationStatic* translator = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* basicTestMenu = nullptr;
    QMenu* languageMenu = nullptr;
    QMenu* advancedMenu = nullptr;
    QMenu* eraseMenu = nullptr;
    QMenu* fixAllMenu = nullptr;
    QMenu* iddMenu = nullptr;
    QMenu* sanitizeMenu = nullptr;
    QActionGroup* languageGroup = nullptr;
    QVector<device*> devices;
    QVector<device*> newDevices;
    int selectedCount = 0;
    int timerId = 0;
    bool advancedMenuBuilt = false;
    QString fixAllTitle;
    QString eraseTitle;
    QString sanitizeTitle;
    // Record arrays live as long as the process: panels of drives under test keep pointing
    // into an older array across a rescan.
    std::vector<std::unique_ptr<_tDevice[]>> recordArrays;
    _tDevice* deviceRecords = nullptr;
    _tDevice* newDeviceRecords = nullptr;
    uint32_t deviceCount = 0;
    QString modelNumberTitle;
    QString serialNumberTitle;
    QString firmwareRevisionTitle;
    int debugTicks = 0;
    bool iddRescanGate = false;
    int iddRunning = 0;
    Ui::KV4L* ui;
};
