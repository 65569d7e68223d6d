#include "mainwindow/kv4l.h"
#include "ui_kv4l.h"

#include "dialogs/aboutdialog.h"
#include "device/bootmedium.h"
#include "mainwindow/close.h"
#include "dialogs/advancedfeatures.h"
#include "tests/command.h"
#include "app/commandline.h"
#include "device/device.h"
#include "delivery/deliverystatus.h"
#include "deviceaccess/devicetext.h"
#include "dialogs/helpkestrova.h"
#include "info/infotags.h"
#include "log/logfile.h"
#include "log/logsapplication.h"
#include "dialogs/msgalert.h"
#include "mainwindow/nodrivenotice.h"
#include "mainwindow/operationcatalogue.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/oskn_tcg.h"
#include "deviceaccess/transferbuffer.h"
#include "mainwindow/reescan.h"
#include "mainwindow/savemsg.h"
#include "app/translationstatic.h"
#include "log/viewlog.h"
#include "app/windowplacement.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSpacerItem>
#include <QTime>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <new>

LogsApplication* logKV4L = nullptr;
ViewLog* viewLog = nullptr;
QSpacerItem* verticalSpacer = nullptr;

std::function<void(int)> KV4L::endProcess = [](int status) {
    if (status == commandLine::EXIT_TERMINAL)
        commandLine::get_Instance()->execute_Terminal();
    else
        commandLine::get_Instance()->execute_Power_Off();
};

namespace {
const char* const menuStyle =
    "QMenu { background-color: #000000; color: #FFFFFF;margin: 2px; }"
    "QMenu::item { padding: 2px 25px 2px 20px; border: 1px solid transparent; height: 25px; }"
    "QMenu::item:selected { border-color: darkblue; background: rgb(0, 161, 221); }";
const char* const languageMenuStyle =
    "QMenu::indicator { width: 25px; height: 20px; }"
    "QMenu::indicator:checked { image: url(:/images/Images/checkbox icons/ic_check.png); }"
    "QMenu::indicator:checked:selected { image: url(:/images/Images/checkbox icons/ic_check_negative.png); }";
const uint64_t allDrives = 0xFF;
// Largest array the discovery will allocate: beyond it the request fails as too large.
const uint64_t maxRecords = 1638400;

// A handle that stands out from its track: the list is often longer than the window.
const char* const listScrollBarStyle =
    "QScrollBar:vertical { width: 10px; background: rgb(225, 225, 225); border-radius: 5px; margin: 0; }"
    "QScrollBar::handle:vertical { background: rgb(0, 161, 221); border-radius: 5px; min-height: 30px; }"
    "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: rgb(0, 120, 170); }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QFont menu_Font()
{
    return QFont("Helvetica Neue LT Std", 12, 50);
}
} // namespace

KV4L::KV4L(QWidget* parent) : QMainWindow(parent), ui(new Ui::KV4L)
{
    ui->setupUi(this);
    align_Drive_List();
    ui->timeLabel->setText(QTime::currentTime().toString("hh:mm:ss"));
    timerId = startTimer(1000);
    center_On_Available_Desktop(this);

    translator = TranslationStatic::get_Instance();
    logKV4L = LogsApplication::Instance();
    translationsPath = ":/translations";
    fixAllTitle = "Fix All";
    eraseTitle = "Erase";
    sanitizeTitle = "Erase Sanitize";

    create_Menus();
    // The close control of a window manager: the bootable environment runs without one.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this), &QShortcut::activated, this, &QWidget::close);

    selectedCount = 0;
    iddRunning = 0;
    advancedMenuBuilt = false;
    iddRescanGate = false;
    viewLog = ViewLog::Instance();

    logKV4L->kestrova_Log_Debug("License Agreement accept");
    logKV4L->kestrova_Log_Debug("Main application started - initialized log Application");
    viewLog->print_Logs();

    resultsQueue = delivery::Queue::from_Environment(this);
    if (resultsQueue) {
        ui->horizontalLayoutBottom->insertWidget(0, new delivery::StatusLabel(resultsQueue, this), 1);
        connect(resultsQueue, &delivery::Queue::status_Changed, viewLog, &ViewLog::print_Logs);
    }

    invoker = new Invoker(nullptr);
    connect(invoker, &Invoker::test_Finished, this, &KV4L::keep_Results);
    machine = MachineIdentity::read();
    if (!informantionDevice)
        informantionDevice = new InfoTags(nullptr);

    // Read before anything runs: a sanitize followed from the last run records itself at once.
    cutOff = logfile::read_Running();
    devices_Discovery();
    claim_Log_Files();
    checkSanitizeOverwrite();
    update_Devices();
    create_Connect_Accord();
    get_Title_Mensagem_Log();
    mark_Interrupted();

    ui->toolButtonBasicTest->setEnabled(false);
    ui->toolButtonAdvancedFeatures->setEnabled(false);
    ui->powerOffNotice->hide();
    eraseMenu = fixAllMenu = sanitizeMenu = nullptr;
    debugTicks = 0;
}

KV4L::~KV4L()
{
    // The window lives as long as the process; tests create several, so leave the globals
    // pointing at nothing the layout is about to free.
    if (informantionDevice && ui->verticalLayout2->indexOf(informantionDevice) >= 0) {
        ui->verticalLayout2->removeWidget(informantionDevice);
        delete informantionDevice;
        informantionDevice = nullptr;
    }
    verticalSpacer = nullptr;
    invoker->abortAllCommand();
    delete invoker;
    // The children still have events to deliver while they go; none may reach the freed form.
    ui->mainScroll->verticalScrollBar()->removeEventFilter(this);
    ui->widget_2->removeEventFilter(this);
    delete ui;
}

// --- menus ---------------------------------------------------------------------------------

void KV4L::create_Menus()
{
    fileMenu = new QMenu(this);
    fileMenu->addAction(ui->actionAbout);
    fileMenu->addAction(ui->actionViewLog);
    basicTestMenu = new QMenu(this);
    create_basic_test_menu();
    advancedMenu = new QMenu(this);
    languageMenu = new QMenu(this);
    create_Language_Menu();
    create_ShortCut_Menu();

    for (QMenu* m : {fileMenu, basicTestMenu, advancedMenu, languageMenu}) {
        m->setStyleSheet(menuStyle);
        m->setFont(menu_Font());
    }
    languageMenu->setStyleSheet(QString(menuStyle) + languageMenuStyle);
    languageMenu->setFixedWidth(150);

    ui->toolButtonFile->setMenu(fileMenu);
    ui->toolButtonBasicTest->setMenu(basicTestMenu);
    ui->toolButtonLanguage->setMenu(languageMenu);

    // An open menu holds the mouse, so its button never learns that the pointer left and stays
    // drawn as pressed; once the menu is gone, look where the pointer really is.
    const std::pair<QMenu*, QToolButton*> owners[] = {{fileMenu, ui->toolButtonFile},
                                                      {basicTestMenu, ui->toolButtonBasicTest},
                                                      {advancedMenu, ui->toolButtonAdvancedFeatures},
                                                      {languageMenu, ui->toolButtonLanguage}};
    for (auto [menu, button] : owners)
        connect(menu, &QMenu::aboutToHide, button, [button = button] {
            QTimer::singleShot(0, button, [button] {
                button->setAttribute(Qt::WA_UnderMouse,
                                     button->rect().contains(button->mapFromGlobal(QCursor::pos())));
                button->update();
            });
        });
}

void KV4L::create_Language_Menu()
{
    languageGroup = new QActionGroup(this);
    connect(languageGroup, SIGNAL(triggered(QAction*)), this, SLOT(switch_Language(QAction*)));
    for (const QString& file : TranslationStatic::list_Catalogs()) {
        const QString code = TranslationStatic::code_Of(file);
        QTranslator temporary;
        temporary.load(file, translationsPath);
        QAction* action = new QAction(TranslationStatic::language_Name(temporary), this);
        action->setCheckable(true);
        action->setData(code);
        if (code == translator->get_language()) {
            logKV4L->kestrova_Log_Debug("Chosen language: " + action->text());
            action->setChecked(true);
        }
        languageMenu->addAction(action);
        languageGroup->addAction(action);
    }
}

void KV4L::create_basic_test_menu()
{
    fill_Menu(basicTestMenu, MenuOffer());
}

QAction* KV4L::entry(const Operation& op)
{
    if (QAction* action = findChild<QAction*>(op.action))
        return action;
    auto* action = new QAction(tr(op.name.toUtf8().constData()), this);
    action->setObjectName(op.action);
    action->setFont(menu_Font());
    connect(action, &QAction::triggered, this, [this, &op] { start(op); });
    return action;
}

namespace {
// The submenus of the two menus: where a row's entry goes when it is not in the menu itself.
struct Submenu {
    Operation::Menu menu;
    QMenu* KV4L::*held;
    const char* icon;
};
} // namespace

QMenu* KV4L::submenu(QMenu* parent, int which)
{
    static const Submenu submenus[] = {
        {Operation::Menu::FixAll, &KV4L::fixAllMenu, ":/images/Images/icones_advanced/ic_advanced_feature_fixall_long.png"},
        {Operation::Menu::Erase, &KV4L::eraseMenu, ":/images/Images/icones_advanced/ic_advanced_feature_erase.png"},
        {Operation::Menu::Sanitize, &KV4L::sanitizeMenu,
         ":/images/Images/icones_advanced/ic_advanced_feature_erase_sanitize.png"},
        {Operation::Menu::Idd, &KV4L::iddMenu, ":/images/Images/icones_advanced/ic_advanced_feature_idd.png"},
    };
    for (const Submenu& sub : submenus) {
        if (int(sub.menu) != which)
            continue;
        QMenu*& held = this->*sub.held;
        if (held)
            return held;
        // The sanitize and IDD titles are in no catalog: they show as written.
        const QString title = sub.menu == Operation::Menu::FixAll  ? tr(fixAllTitle.toUtf8().constData())
                              : sub.menu == Operation::Menu::Erase ? tr(eraseTitle.toUtf8().constData())
                              : sub.menu == Operation::Menu::Sanitize ? sanitizeTitle
                                                                      : QString("IDD");
        held = parent->addMenu(QIcon(sub.icon), title);
        held->setFont(menu_Font());
        held->setStyleSheet(menuStyle);
        return held;
    }
    return parent;
}

void KV4L::fill_Menu(QMenu* menu, const MenuOffer& offer)
{
    const bool basic = menu == basicTestMenu;
    for (const Operation& op : operation_Catalogue()) {
        const bool inBasic = op.menu == Operation::Menu::Basic || op.menu == Operation::Menu::FixAll;
        if (inBasic != basic || (op.offered && !op.offered(offer)))
            continue;
        const bool top = op.menu == Operation::Menu::Basic || op.menu == Operation::Menu::Advanced;
        (top ? menu : submenu(menu, int(op.menu)))->addAction(entry(op));
    }
}

void KV4L::clear_Menu_Basic_Erase()
{
    basicTestMenu->clear();
    ui->toolButtonBasicTest->setEnabled(false);
    advancedMenu->clear();
    ui->toolButtonAdvancedFeatures->setEnabled(false);
}

void KV4L::create_ShortCut_Menu()
{
    for (QToolButton* b : {ui->toolButtonFile, ui->toolButtonRescan, ui->toolButtonBasicTest,
                           ui->toolButtonAdvancedFeatures, ui->toolButtonLanguage, ui->toolButtonHelp,
                           ui->toolButtonExit})
        set_Shortcut(b);
}

void KV4L::set_Shortcut(QToolButton* button)
{
    const QString text = button->text();
    const int amp = text.indexOf('&');
    QString key;
    if (amp >= 0 && amp + 1 < text.size())
        key = text.at(amp + 1);
    button->setShortcut(QKeySequence("Ctrl+" + key));
}

void KV4L::switch_Language(QAction* action)
{
    const QString code = action->data().toString();
    logKV4L->kestrova_Log_Debug("Switch language to: " + code);
    viewLog->print_Logs();
    try {
        translator->set_language(code);
        translator->load_Language();
        ui->retranslateUi(this);
        update_Log_Language();
        create_ShortCut_Menu();
        get_Title_Mensagem_Log();
        if (fixAllMenu)
            fixAllMenu->setTitle(tr(fixAllTitle.toUtf8().constData()));
        if (eraseMenu)
            eraseMenu->setTitle(tr(eraseTitle.toUtf8().constData()));
    } catch (const std::exception& e) {
        logKV4L->kestrova_Log_Error(QString("Warning: switch_Language: ") + e.what());
    }
}

void KV4L::update_Log_Language()
{
    // The rebuilt log is a single entry: what the drive's file already holds counts as that
    // entry, so later messages are appended and none is skipped. Lines a failed save left
    // unwritten are kept by writing the whole rebuilt entry again.
    save_Log();
    for (device* panel : qAsConst(devices)) {
        const QStringList pieces = panel->get_List_Log_Device_Aux();
        if (pieces.isEmpty())
            continue;
        QString text;
        for (const QString& piece : pieces)
            text += device::translate_Log_Piece(piece, false);
        const bool allSaved = panel->get_Saved_Log_Lines() >= panel->get_List_Log_Device().size();
        panel->set_List_Log_Device(text);
        panel->set_Saved_Log_Lines(allSaved ? 1 : 0);
        if (panel->accordOpen && informantionDevice)
            informantionDevice->set_Plain_Text_Edit(panel->get_List_Log_Device());
    }
}

void KV4L::get_Title_Mensagem_Log()
{
    modelNumberTitle = QCoreApplication::translate("InfoTags", "Model Number");
    serialNumberTitle = QCoreApplication::translate("InfoTags", "Serial Number");
    firmwareRevisionTitle = QCoreApplication::translate("InfoTags", "Firmware Revision");
}

// Which menu entries a selection gets.
void KV4L::format_Basic_Test_Menu()
{
    basicTestMenu->clear();
    if (devices.isEmpty()) {
        ui->toolButtonBasicTest->setEnabled(false);
        return;
    }
    bool testable = false;
    bool repairs = false;
    bool stoppedAtOther = false;
    const bool repairOthers = commandLine::get_Instance()->is_Enabled_Repair_Non_Brevane();
    for (device* panel : qAsConst(devices)) {
        if (!panel->can_test())
            continue;
        if (panel->is_Brevane_Device() || repairOthers) {
            testable = true;
            repairs = true;
        } else {
            stoppedAtOther = true;
            repairs = false;
            break;
        }
    }
    if (stoppedAtOther || testable) {
        MenuOffer offer;
        offer.repairs = repairs;
        fixAllMenu = nullptr;
        fill_Menu(basicTestMenu, offer);
    }
    if (!stoppedAtOther && !testable)
        ui->toolButtonBasicTest->setEnabled(false);
}

void KV4L::check_AdvanceFeatures()
{
    selectedIndexes.clear();
    advancedMenu->clear();
    ui->toolButtonAdvancedFeatures->setMenu(nullptr);
    ui->toolButtonAdvancedFeatures->repaint();
    // The menu is gone, so the next press must show the gate again, whatever stays selected.
    advancedMenuBuilt = false;
    for (int i = 0; i < devices.size(); ++i)
        if (devices[i]->is_DeviceUI_Checked() && devices[i]->isTest() == 1)
            selectedIndexes.push_back(i);
    if (!selectedIndexes.empty() && !power_Off_Pending()) {
        ui->toolButtonAdvancedFeatures->setEnabled(true);
    } else {
        ui->toolButtonAdvancedFeatures->setEnabled(false);
        ui->toolButtonAdvancedFeatures->setMenu(nullptr);
        ui->toolButtonAdvancedFeatures->repaint();
    }
}

void KV4L::on_toolButtonAdvancedFeatures_clicked()
{
    if (advancedMenuBuilt)
        return; // the button opens its menu itself
    if (AdvancedFeatures::Instance()->exec() == 1) {
        create_Advanced_Features();
        ui->toolButtonAdvancedFeatures->showMenu();
    }
}

void KV4L::create_Advanced_Features()
{
    QVector<device*> testable;
    for (device* panel : qAsConst(devices))
        if (panel->can_test())
            testable << panel;
    const bool eraseOthers = commandLine::get_Instance()->is_Enabled_Erase_Non_Brevane();

    bool spinDownOnly = false;
    bool stopped = false;
    bool psid = false, idd70 = false, idd71 = false, crypto = false, overwrite = false;
    bool writeSameLast = false, iddLast = false;
    bool leaveOutSetMax = false;
    for (device* panel : qAsConst(testable)) {
        if (!panel->is_Brevane_Device() && !eraseOthers) {
            spinDownOnly = true;
            break;
        }
        _tDevice* rec = panel->get_tDevice();
        alignas(kTransferAlignment) uint8_t protocols[384];
        std::memset(protocols, 0, sizeof protocols);
        read_Supported_Security_Protocols_From_Device(rec, protocols);
        if (check_TCG_Support(protocols) == 0)
            psid = true;
        uint64_t maxBlocks = 0;
        writeSameLast = is_Write_Same_Supported(rec, 0, rec->logicalSectorSize, &maxBlocks);
        iddSupportedFeatures idd;
        std::memset(&idd, 0, sizeof idd);
        get_IDD_Support(rec, &idd);
        idd70 = idd70 || idd.resetAndRecalibrate;
        idd71 = idd71 || idd.testPendingAndReallocationLists;
        iddLast = idd.resetAndRecalibrate || idd.testPendingAndReallocationLists;
        sanitizeFeaturesSupported san;
        std::memset(&san, 0, sizeof san);
        get_Sanitize_Device_Features(rec, &san);
        crypto = crypto || san.crypto;
        overwrite = overwrite || san.overwrite;
        if (!san.overwrite && !san.crypto) {
            stopped = true;
            break;
        }
    }
    if (stopped) {
        bool otherMaker = false;
        for (device* panel : qAsConst(testable))
            otherMaker = otherMaker || !panel->is_Brevane_Device();
        if (otherMaker && !eraseOthers)
            spinDownOnly = true;
        else if (otherMaker && eraseOthers)
            leaveOutSetMax = true;
    }
    const bool sanitizeSubmenu = !spinDownOnly && !stopped && !testable.isEmpty();

    advancedMenu->clear();
    ui->toolButtonAdvancedFeatures->setMenu(nullptr);
    ui->toolButtonAdvancedFeatures->repaint();
    eraseMenu = sanitizeMenu = iddMenu = nullptr;

    MenuOffer offer;
    offer.full = !spinDownOnly;
    offer.setMaxLba = !leaveOutSetMax;
    offer.writeSame = writeSameLast;
    offer.sanitize = sanitizeSubmenu;
    offer.crypto = crypto;
    offer.overwrite = overwrite;
    offer.psid = psid;
    offer.idd70 = idd70;
    offer.idd71 = idd71;
    offer.iddLast = iddLast;
    fill_Menu(advancedMenu, offer);
    ui->toolButtonAdvancedFeatures->setMenu(advancedMenu);
    advancedMenuBuilt = true;
}

// --- discovery and rescan ------------------------------------------------------------------

bool KV4L::discover(std::unique_ptr<_tDevice[]>& records, uint32_t& count, QVector<device*>& panels,
                    bool refreshViewer)
{
    if (get_Device_Count(&count, allDrives) != 0)
        return false;
    if (refreshViewer)
        viewLog->print_Logs();
    try {
        versionBlock block;
        get_Version_Block(&block);
        if (count > maxRecords)
            throw std::bad_array_new_length();
        records.reset(new _tDevice[count]);
        std::memset(static_cast<void*>(records.get()), 0, sizeof(_tDevice) * count);
        if (get_Device_List(records.get(), count * sizeof(_tDevice), block, allDrives) != 0)
            return false;
        const bool skipUSB = commandLine::get_Instance()->is_Enabled_Skip_USB();
        int made = 0;
        for (uint32_t i = 0; i < count; ++i) {
            _tDevice& r = records[i];
            if (skipUSB && r.interfaceType == OSKN_INTERFACE_USB)
                continue;
            if (r.maxLBA == 0 || r.driveType == OSKN_DRIVE_NOT_A_DISK)
                continue;
            panels.append(new device(r, nullptr));
            ++made;
        }
        logKV4L->kestrova_Log_Debug("Called: devices_Discovery - quantity of devices found: "
                                    + QString::number(made));
        viewLog->print_Logs();
    } catch (const std::bad_alloc& e) {
        std::cerr << "bad_alloc caught: " << e.what() << "\n";
        return false;
    }
    return true;
}

void KV4L::devices_Discovery()
{
    std::unique_ptr<_tDevice[]> records;
    discover(records, deviceCount, devices, true);
    deviceRecords = records.get();
    if (records)
        recordArrays.push_back(std::move(records));
}

void KV4L::new_Discovery_Devices()
{
    std::unique_ptr<_tDevice[]> records;
    uint32_t count = 0;
    discover(records, count, newDevices, false);
    if (records) {
        newDeviceRecords = records.get();
        recordArrays.push_back(std::move(records));
    }
}

void KV4L::on_toolButtonRescan_clicked()
{
    on_Reescan();
}

void KV4L::on_Reescan()
{
    if (power_Off_Pending())
        return;
    Reescan* scan = new Reescan(devices);
    connect(scan, &Reescan::re_Scan, this, &KV4L::update_Devices_List);
    connect(scan, &QThread::finished, scan, &QObject::deleteLater);
    scan->start(QThread::InheritPriority);
}

void KV4L::update_Devices_List()
{
    off_expanding();
    checkSanitizeOverwrite();
    refresh_List();
    new_Discovery_Devices();
    list_Combination();
    update_Devices();
    selectedIndexes.clear();
    claim_Log_Files();
}

void KV4L::refresh_List()
{
    for (int i = 0; i < devices.size(); ++i) {
        device* panel = devices[i];
        if (panel->isTest() == 1) {
            panel->disconnect();
            delete panel;
            devices.remove(i);
            --i;
        } else if (panel->isTest() == 0) {
            panel->accordOpen = false;
            panel->determine_Icon();
            panel->add_Line_Last_Up_Resize();
        }
    }
    selectedCount = devices.size();
    if (devices.isEmpty()) {
        ui->toolButtonBasicTest->setEnabled(false);
        check_AdvanceFeatures();
    }
    logKV4L->kestrova_Log_Debug("Quantity of devices being tested: " + QString::number(devices.size()));
    viewLog->print_Logs();
}

void KV4L::list_Combination()
{
    if (devices.isEmpty()) {
        devices = newDevices;
        newDevices.clear();
        logKV4L->kestrova_Log_Debug("Case 1 - List of devices on test is empty");
        logKV4L->kestrova_Log_Debug("Quantity of devices: " + QString::number(devices.size()));
        logKV4L->kestrova_Log_Debug("quantity of devices in a temporary list: "
                                    + QString::number(newDevices.size()));
        create_Connect_Accord();
        viewLog->print_Logs();
        return;
    }
    for (int k = 0; k < devices.size(); ++k) {
        device* kept = devices[k];
        const QString serial = kept->get_Serial_Number();
        int found = -1;
        for (int j = 0; j < newDevices.size(); ++j)
            if (newDevices[j]->get_Serial_Number() == serial) {
                found = j;
                break;
            }
        if (found >= 0) {
            delete newDevices[found];
            newDevices.remove(found);
            logKV4L->kestrova_Log_Debug("SN of devices been tested: " + serial);
        } else {
            logKV4L->kestrova_Log_Debug("Case 3 - devices were removed during rescan");
            logKV4L->kestrova_Log_Debug("SN of devices before rescan" + serial);
            logKV4L->kestrova_Log_Debug("Quantity of devices before rescan: "
                                        + QString::number(devices.size()));
            // Its test (if still running) is stopped and freed by the invoker; the panel goes.
            invoker->abortCommand(kept->get_tDevice());
            kept->disconnect();
            delete kept;
            devices.remove(k);
            --k;
            logKV4L->kestrova_Log_Debug("Quantity of devices after rescan in the temporary list: "
                                        + QString::number(devices.size()));
        }
    }
    logKV4L->kestrova_Log_Debug("Case 2 - you have devices being tested");
    logKV4L->kestrova_Log_Debug("Quantity of devices on test: " + QString::number(devices.size()));
    logKV4L->kestrova_Log_Debug("Quantity of devices in a temporary list: "
                                + QString::number(newDevices.size()));
    for (device* fresh : qAsConst(newDevices)) {
        devices.append(fresh);
        wire_Panel(devices.size() - 1);
    }
    newDevices.clear();
    logKV4L->kestrova_Log_Debug("Quantity of devices after rescan in the temporary list: "
                                + QString::number(newDevices.size()));
    viewLog->print_Logs();
}

// --- the drive list ------------------------------------------------------------------------

void KV4L::wire_Panel(int i)
{
    device* panel = devices[i];
    connect(panel, &device::down_Resize, this, &KV4L::onExpanding);
    connect(panel, &device::up_Resize, this, &KV4L::off_expanding);
    connect(panel, &device::set_Resize_All_False, this, &KV4L::select_All_Resize_False);
    connect(panel, &device::change_Log_Test_Device, this, &KV4L::change_Log_Device);
    connect(panel, &device::change_Logs, viewLog, &ViewLog::print_Logs, Qt::QueuedConnection);
    control_Test(i);
    enable_Button_Test_Status(i);
}

void KV4L::create_Connect_Accord()
{
    for (int i = 0; i < devices.size(); ++i)
        wire_Panel(i);
}

void KV4L::control_Test(int index)
{
    device* panel = devices[index];
    connect(panel, &device::add_Item_Max_Test, this, &KV4L::add_Max_Test_Device);
    connect(panel, &device::remove_Item_Max_Test, this, &KV4L::remove_Max_Test_Device);
    connect(panel, &device::select_Abort, invoker, &Invoker::abortCommand);
    connect(panel, &device::test_Done, invoker, &Invoker::this_Done);
    connect(panel, &device::send_int_count, this, &KV4L::idd_Test_Ended);
    connect(panel, &device::test_finish, this, &KV4L::enabled_Rescan);
}

void KV4L::enable_Button_Test_Status(int index)
{
    connect(devices[index], &device::enabled_Button_Test, this, &KV4L::enabled_Button);
}

void KV4L::replace_Spacer()
{
    if (verticalSpacer)
        ui->verticalLayout2->removeItem(verticalSpacer);
    delete verticalSpacer;
    verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    ui->verticalLayout2->addItem(verticalSpacer);
}

void KV4L::layout_Panels(bool expanding)
{
    for (int i = 0; i < devices.size(); ++i) {
        device* panel = devices[i];
        ui->verticalLayout2->addWidget(panel, 0);
        if (expanding) {
            if (panel->accordOpen) {
                off_expanding();
                informantionDevice->set_TDevice(panel->get_tDevice());
                if (!panel->get_Serial_Number().isEmpty())
                    informantionDevice->set_Log_File_Name(log_File_Name(i));
                informantionDevice->set_Plain_Text_Edit(panel->get_List_Log_Device());
                const int at = ui->verticalLayout2->indexOf(panel) + 1;
                ui->verticalLayout2->insertWidget(at, informantionDevice, 132);
                informantionDevice->show();
                const int h = panel->height();
                QScrollBar* bar = ui->mainScroll->verticalScrollBar();
                bar->setMaximum(devices.size() * h);
                bar->setValue(i * h);
            } else {
                panel->add_Line_Last_Up_Resize();
            }
        }
        replace_Spacer();
    }
    ui->scrollArea->setWidgetResizable(true);
}

void KV4L::update_Devices()
{
    layout_Panels(false);
    DriveListState state = devices.isEmpty() ? DriveListState::NoDrive : DriveListState::OnlyBootMedium;
    for (device* panel : qAsConst(devices))
        if (!is_Boot_Medium(panel->get_tDevice()))
            state = DriveListState::Drives;
    show_No_Drive_Notice(ui->verticalLayout2, state);
}

void KV4L::onExpanding()
{
    layout_Panels(true);
}

int KV4L::header_Filler_Width() const
{
    const bool wide = ui->mainScroll->verticalScrollBar()->isVisible() && width() > 1024
                      && devices.size() > 2;
    return wide ? 20 : 10;
}

void KV4L::off_expanding()
{
    if (informantionDevice && ui->verticalLayout2->indexOf(informantionDevice) >= 0)
        ui->verticalLayout2->removeWidget(informantionDevice);
    delete informantionDevice;
    informantionDevice = new InfoTags(nullptr);
    ui->widget_2->setFixedWidth(header_Filler_Width());
}

void KV4L::select_All_Resize_False()
{
    for (device* panel : qAsConst(devices)) {
        panel->accordOpen = false;
        panel->determine_Icon();
    }
}

void KV4L::change_Log_Device()
{
    for (device* panel : qAsConst(devices))
        if (panel->accordOpen && informantionDevice)
            informantionDevice->set_Plain_Text_Edit(panel->get_List_Log_Device());
    save_Log();
}

// --- log files -----------------------------------------------------------------------------

bool KV4L::existing_log(const QString& name) const
{
    return !logfile::listed(name);
}

bool KV4L::remove_Empty_Log_File(const QString& name) const
{
    return logfile::remove_If_Empty(name);
}

QString KV4L::log_File_Name(int index)
{
    const QString serial = devices[index]->get_Serial_Number();
    if (serial.isEmpty())
        return "Log" + QString::number(index) + "........log";
    // Drives listed with the same serial are told apart by their order in the list.
    int occurrence = 0;
    for (int j = 0; j < index; ++j)
        if (devices[j]->get_Serial_Number() == serial)
            ++occurrence;
    QString ordinary;
    const QString name = logNames.name_For(serial, occurrence, &ordinary);
    if (!ordinary.isEmpty())
        logKV4L->kestrova_Log_Info("Warning: " + ordinary + " is another file's - the log of SN: " + serial
                                   + " goes to " + name);
    return name;
}

void KV4L::claim_Log_Files()
{
    // In list order, at once: which drive keeps its ordinary name must not depend on which
    // logs first.
    for (int i = 0; i < devices.size(); ++i)
        log_File_Name(i);
}

QString KV4L::start_Mark() const
{
    return device::message_Stamp().mid(1) + QCoreApplication::translate("TranslateLog", "Program started") + "\n";
}

void KV4L::record_Running()
{
    QList<QPair<QString, QString>> running;
    for (int i = 0; i < devices.size(); ++i)
        if (devices[i]->isTest() == 0)
            running << qMakePair(log_File_Name(i), devices[i]->get_Descriptor()->testName);
    if (running == runningRecorded)
        return;
    if (logfile::record_Running(running))
        runningRecorded = running;
}

void KV4L::mark_Interrupted()
{
    for (const auto& entry : qAsConst(cutOff)) {
        if (!QFileInfo::exists("./" + entry.first))
            continue;
        const QString text = device::message_Stamp().mid(1)
                             + QCoreApplication::translate("TranslateLog", entry.second.toUtf8().constData()) + " "
                             + QCoreApplication::translate("TranslateLog", "INTERRUPTED: the program ended before the operation did")
                             + "\n" + start_Mark();
        if (logfile::append_Synced(entry.first, text))
            touchedLogs.insert(entry.first);
    }
    if (!cutOff.isEmpty() && runningRecorded.isEmpty())
        logfile::record_Running({});
    cutOff.clear();
}

void KV4L::mark_End()
{
    const QString text = device::message_Stamp().mid(1)
                         + QCoreApplication::translate("TranslateLog", "Program ended") + "\n";
    for (const QString& name : qAsConst(touchedLogs))
        logfile::append_Synced(name, text);
}

void KV4L::save_Log()
{
    static const QRegularExpression breaks("[\\n\\t\\r]");
    record_Running();
    for (int i = 0; i < devices.size(); ++i) {
        device* panel = devices[i];
        const QStringList lines = panel->get_List_Log_Device();
        const int saved = panel->get_Saved_Log_Lines();
        if (lines.isEmpty() || saved >= lines.size())
            continue;
        const QString name = log_File_Name(i);
        QString text;
        if (existing_log(name))
            text = "=============================================== \n"
                   + QString("Kestrova Bootable v%1 \n").arg(logfile::programVersion) + modelNumberTitle
                   + " : " + panel->get_Model_ID() + "\n" + serialNumberTitle + " : "
                   + panel->get_Serial_Number() + "\n" + firmwareRevisionTitle + " : " + panel->get_Revision()
                   + "\n=============================================== \n";
        if (!touchedLogs.contains(name))
            text += start_Mark();
        for (int j = saved; j < lines.size(); ++j)
            text += QString(lines[j]).remove(breaks) + "\n";
        if (!append_Or_Alert(name, text))
            return; // the lines stay unsaved: the next message's save writes them
        panel->set_Saved_Log_Lines(lines.size());
        touchedLogs.insert(name);
        if (remove_Empty_Log_File(name))
            MsgAlert::Instance()->show();
        else if (panel->isTest() == 1)
            deliver_Results(i);
    }
    if (resultsKeeper.waiting())
        retry_Results();
}

void KV4L::save_Log_Application()
{
    const QString text = "======================================================================== \n\n"
                         + QString("Kestrova Bootable v%1 \n").arg(logfile::programVersion)
                         + "\n======================================================================== \n\n"
                         + viewLog->get_LogAplication();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = logfile::replace_Atomically("kestrova.log", text);
    QApplication::restoreOverrideCursor();
    if (!written || remove_Empty_Log_File("kestrova.log"))
        MsgAlert::Instance()->show();
}

// The environment powers off or drops to a terminal right after the process ends: whatever a
// failed save left unwritten gets one more try first.
void KV4L::save_Logs_Before_End()
{
    save_Log();
    mark_End();
    if (commandLine::get_Instance()->is_Save_Debug_log())
        save_Log_Application();
    // What has not reached the server is in the outbox already; a transfer is broken off.
    if (resultsQueue)
        resultsQueue->stop();
}

// A finished operation's files, written and synced already, go to the results server: its drive
// log, and any other file the operation leaves joins this list.
void KV4L::deliver_Results(int index)
{
    if (resultsQueue)
        resultsQueue->enqueue({log_File_Name(index)});
}

// The header's columns have the panels' widths. A panel keeps 10 pixels at its right beside the
// list's scroll bar; the header's filler (10 or 20 pixels) and right margin take the same room.
void KV4L::align_Drive_List()
{
    QScrollBar* bar = ui->mainScroll->verticalScrollBar();
    bar->setStyleSheet(listScrollBarStyle);
    ui->lbModel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->lbModel->setMinimumWidth(device::modelMinimumWidth);
    ui->lbSerialNumber->setFixedWidth(device::serial_Column_Width());
    ui->lbRevision->setFixedWidth(device::revision_Column_Width());
    bar->installEventFilter(this);
    ui->widget_2->installEventFilter(this);
}

bool KV4L::eventFilter(QObject* watched, QEvent* event)
{
    QScrollBar* bar = ui->mainScroll->verticalScrollBar();
    const QEvent::Type type = event->type();
    if ((watched == ui->widget_2 && type == QEvent::Resize)
        || (watched == bar && (type == QEvent::Show || type == QEvent::Hide))) {
        const int panelRight = 10 + (bar->isVisibleTo(ui->mainScroll) ? bar->sizeHint().width() : 0);
        ui->horizontalLayoutHeader->setContentsMargins(12, 2, qMax(0, panelRight - ui->widget_2->width()), 2);
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- buttons and events --------------------------------------------------------------------

void KV4L::enabled_Button()
{
    ui->toolButtonBasicTest->setEnabled(!power_Off_Pending());
}

void KV4L::enabled_Rescan(bool is_On_Test)
{
    if (iddRescanGate)
        ui->toolButtonRescan->setEnabled(is_On_Test && !power_Off_Pending());
}

void KV4L::hold_For_Power_Off()
{
    // The machine powers off as soon as the running operations have stopped: say so, and let
    // nothing new start in the meantime.
    ui->powerOffNotice->show();
    for (QToolButton* button : {ui->toolButtonBasicTest, ui->toolButtonAdvancedFeatures, ui->toolButtonRescan})
        button->setEnabled(false);
    logKV4L->kestrova_Log_Debug("Called: Power off - waiting for the running tests to stop");
    viewLog->print_Logs();
}

void KV4L::idd_Test_Ended(int count)
{
    // Other operations report their end this way too; the count never goes below none running.
    iddRunning = std::max(0, iddRunning - count);
    iddRescanGate = (iddRunning == 0);
}

void KV4L::btn_About_Clicked()
{
    AboutDialog* about = new AboutDialog(nullptr);
    about->setWindowFlags(Qt::WindowCloseButtonHint);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void KV4L::btn_Help_Clicked()
{
    HelpKestrova* help = new HelpKestrova(nullptr);
    help->setWindowFlags(Qt::WindowCloseButtonHint);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
}

void KV4L::on_actionViewLog_triggered()
{
    if (viewLog->isVisible())
        viewLog->close();
    viewLog->show();
}

void KV4L::resizeEvent(QResizeEvent* event)
{
    ui->widget_2->setFixedWidth(event->type() == QEvent::Resize ? header_Filler_Width() : 10);
    QMainWindow::resizeEvent(event);
}

void KV4L::timerEvent(QTimerEvent* event)
{
    if (event->type() == QEvent::Timer)
        ui->timeLabel->setText(QTime::currentTime().toString("hh:mm:ss"));
    if (commandLine::get_Instance()->is_Save_Debug_log()) {
        ++debugTicks;
        if (event->type() == QEvent::Timer && debugTicks >= 2)
            save_Log_Application();
    }
    if (closeRequested == -1 && abort_All_Command(devices.size()) == 0) {
        closeRequested = 0;
        SaveMsg::show_Notice();
        close();
    }
    if (powerOffRequested == -1 && abort_All_Command(devices.size()) == 0) {
        powerOffRequested = 0;
        SaveMsg::show_Notice();
        save_Logs_Before_End();
        endProcess(commandLine::EXIT_POWER_OFF);
    }
}

bool KV4L::can_Close() const
{
    for (device* panel : devices)
        if (panel->isTest() == 0)
            return true;
    return false;
}

int KV4L::abort_All_Command(int count)
{
    int idle = 0;
    for (int i = 0; i < count && i < devices.size(); ++i)
        if (devices[i]->isTest() == 1)
            ++idle;
    return count - idle;
}

std::function<int(QDialog*)> KV4L::askClose = [](QDialog* dialog) { return dialog->exec(); };

void KV4L::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const int status = commandLine::get_Instance()->is_Enabled_Exit_Power_Off() ? commandLine::EXIT_TERMINAL
                                                                                 : commandLine::EXIT_POWER_OFF;
    if (!can_Close()) {
        if (viewLog->isVisible())
            viewLog->close();
        save_Logs_Before_End();
        event->accept();
        endProcess(status);
        return;
    }
    Close* question = new Close(nullptr);
    question->setWindowFlags(Qt::WindowCloseButtonHint);
    question->setWindowFlags(Qt::WindowMaximizeButtonHint);
    const int answer = askClose(question);
    delete question;
    if (answer != QDialog::Accepted)
        return;
    if (viewLog->isVisible())
        viewLog->close();
    save_Logs_Before_End();
    endProcess(status);
    // Only reached when the process is already ending: stop the tests and close once idle.
    invoker->abortAllCommand();
    closeRequested = -1;
}

void KV4L::on_toolButtonExit_clicked()
{
    if (power_Off_Pending())
        return; // asked and answered: the notice says what it waits for
    if (!can_Close()) {
        if (viewLog->isVisible())
            viewLog->close();
        save_Logs_Before_End();
        endProcess(commandLine::EXIT_POWER_OFF);
        return;
    }
    Close* question = new Close(nullptr);
    const int answer = askClose(question);
    delete question;
    if (answer != QDialog::Accepted)
        return;
    if (viewLog->isVisible())
        viewLog->close();
    invoker->abortAllCommand();
    powerOffRequested = -1;
    hold_For_Power_Off();
}

// --- selection and dispatch ----------------------------------------------------------------

void KV4L::add_Max_Test_Device()
{
    ui->toolButtonBasicTest->setEnabled(!power_Off_Pending());
    format_Basic_Test_Menu();
    check_AdvanceFeatures();
    ++selectedCount;
    if (selectedCount == 12) {
        for (device* panel : qAsConst(devices))
            if (!panel->chk_Is_Checked()) {
                panel->setEnabled(false);
                panel->setImageHd(1);
            }
    }
}

void KV4L::remove_Max_Test_Device()
{
    check_AdvanceFeatures();
    format_Basic_Test_Menu();
    if (selectedCount == 12) {
        selectedCount = 11;
        for (device* panel : qAsConst(devices))
            if (!panel->chk_Is_Checked()) {
                panel->setEnabled(true);
                panel->setImageHd(0);
            }
    } else {
        const int was = selectedCount--;
        if (was == 1)
            ui->toolButtonBasicTest->setEnabled(false);
    }
}

void KV4L::quantityToTest(int num)
{
    logKV4L->kestrova_Log_Debug("Quantity of devices selected to test: " + QString::number(num));
}

bool KV4L::over_Limit(bool silent)
{
    if (selectedCount <= 12)
        return false;
    if (!silent)
        logKV4L->kestrova_Log_Debug("You can test only twelve devices");
    return true;
}


