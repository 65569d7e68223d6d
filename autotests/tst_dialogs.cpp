// Confirmations that only F8 accepts, the save-failure alert and the advanced-features gate.

#include "dialogs/advancedfeatures.h"
#include "mainwindow/close.h"
#include "app/fonts.h"
#include "dialogs/msgalert.h"
#include "dialogs/msgdangerous.h"
#include "dialogs/msgexecution.h"
#include "dialogs/msgalertidd.h"
#include "app/translationstatic.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {

// A catalog that marks every text of the dialogs (under their own class names) and keeps "F8",
// as every real catalog does.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        static const QByteArrayList contexts = {"MsgAlert", "MsgDangerous", "MsgExecution", "AdvancedFeatures"};
        if (!contexts.contains(context) || qstrcmp(source, "F8") == 0)
            return QString();
        return QStringLiteral("[xx] ") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

struct Confirmation
{
    const char* name;
    std::function<QDialog*()> make;
    bool shared; // the gate is one window for the whole process
    const char* confirmButton;
    const char* cancelButton;
};

const Confirmation& confirmation(int kind)
{
    static const Confirmation kinds[] = {
        {"MsgDangerous", [] { return static_cast<QDialog*>(new MsgDangerous); }, false, "btnOK",
         "pushButton_2"},
        {"MsgExecution", [] { return static_cast<QDialog*>(new MsgExecution); }, false,
         "pushButton", "pushButton_2"},
        {"AdvancedFeatures", [] { return static_cast<QDialog*>(AdvancedFeatures::Instance()); },
         true, "pbF8", "pbCancel"},
        {"MsgAlertIdd", [] { return static_cast<QDialog*>(new MsgAlertIdd); }, false, "pushButton",
         "pushButton_2"},
    };
    return kinds[kind];
}
constexpr int kindCount = 4;
constexpr int translatedKinds = 3; // the diagnostics' confirmation is English in every language

void addKindRows(int count = kindCount)
{
    QTest::addColumn<int>("kind");
    for (int k = 0; k < count; ++k)
        QTest::newRow(confirmation(k).name) << k;
}

// Makes the dialog the active window, as a user's click into it would.
void activate(QWidget* w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// Clicks like a user: at a point of the window, letting Qt find the widget under it.
void clickAt(QWidget* top, QPoint posInTop)
{
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, posInTop);
}

QPoint centreIn(QWidget* top, QWidget* child) { return child->mapTo(top, child->rect().center()); }

// Runs the dialog's modal loop and answers it from inside; a dialog left open is closed with
// result -1 so that a broken confirmation fails the test instead of hanging it.
int runModal(QDialog* d, const std::function<void()>& answer)
{
    // The time limit belongs to this run alone: left pending, it would close a later showing of
    // a dialog that lives on (the gate), in the middle of another test. It is generous because
    // a loaded machine may take seconds to activate a window.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, d, [d] {
        if (d->isVisible())
            d->done(-1);
    });
    limit.start(30000);
    QTimer::singleShot(0, d, [d, answer] {
        activate(d);
        answer();
    });
    return d->exec();
}

// The application posts LanguageChange to its windows; deliver it before reading the texts.
void switchCatalog(QTranslator* catalog, bool install)
{
    if (install)
        QApplication::installTranslator(catalog);
    else
        QApplication::removeTranslator(catalog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString titleAndTexts(QDialog* d)
{
    QStringList parts{d->windowTitle()};
    for (QLabel* l : d->findChildren<QLabel*>())
        if (!l->text().isEmpty())
            parts << l->text();
    for (QPlainTextEdit* e : d->findChildren<QPlainTextEdit*>())
        parts << e->toPlainText();
    for (QPushButton* b : d->findChildren<QPushButton*>())
        if (!b->text().isEmpty())
            parts << b->text();
    return parts.join(QLatin1Char('|'));
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Helvetica Neue LT Std"), QStringLiteral("TeX Gyre Heros"));
    }

    void answers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("expected");
        for (int k = 0; k < kindCount; ++k)
            for (const QString action : {"F8", "Escape", "Enter", "Space", "Cancel", "close"})
                QTest::addRow("%s %s", confirmation(k).name, qPrintable(action)) << k << action << int(action == "F8");
    }

    // Only F8 starts the operation; every other way out gives 0.
    void answers()
    {
        QFETCH(int, kind);
        QFETCH(QString, action);
        QFETCH(int, expected);
        const Confirmation& c = confirmation(kind);
        QDialog* d = c.make();
        QSignalSpy confirmed(d, kind == 0 ? SIGNAL(chenge_Value_BtnOK(int))
                                          : kind == 2 ? SIGNAL(accepted())
                                                      : SIGNAL(change_Value_BtnOk(int)));
        QVERIFY(confirmed.isValid());
        auto* cancel = d->findChild<QPushButton*>(c.cancelButton);
        QVERIFY(cancel);

        const int result = runModal(d, [&] {
            if (action == "F8") {
                QTest::keyClick(d, Qt::Key_F8);
            } else if (action == "Escape") {
                QTest::keyClick(d, Qt::Key_Escape);
            } else if (action == "Enter" || action == "Space") {
                // Whatever holds the focus (or is the default button) must not be the confirmation.
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : d;
                QTest::keyClick(target, action == "Enter" ? Qt::Key_Return : Qt::Key_Space);
                QTimer::singleShot(200, d, [d] {
                    if (d->isVisible())
                        QTest::keyClick(d, Qt::Key_Escape);
                });
            } else if (action == "Cancel") {
                clickAt(d, centreIn(d, cancel));
            } else {
                d->windowHandle()->close();
            }
        });

        QCOMPARE(result, expected);
        QVERIFY(!d->isVisible());
        QCOMPARE(confirmed.count(), expected);
        if (kind != 2 && expected == 1)
            QCOMPARE(confirmed.at(0).at(0).toInt(), 0);
        if (!c.shared)
            delete d;
    }

    void mouseCannotConfirm_data()
    {
        addKindRows();
    }

    // Click everywhere in the window except the Cancel button, and every pixel of the hidden
    // confirm button: the dialog stays open and unconfirmed; F8 then confirms at once.
    void mouseCannotConfirm()
    {
        QFETCH(int, kind);
        const Confirmation& c = confirmation(kind);
        QDialog* d = c.make();
        auto* confirm = d->findChild<QPushButton*>(c.confirmButton);
        auto* cancel = d->findChild<QPushButton*>(c.cancelButton);
        QVERIFY(confirm && cancel);
        QSignalSpy clicked(confirm, &QAbstractButton::clicked);

        int stillOpen = -1;
        const int result = runModal(d, [&] {
            QVERIFY(confirm->isVisible());
            QVERIFY(confirm->text().isEmpty());
            const QRect cancelRect(cancel->mapTo(d, QPoint(0, 0)), cancel->size());
            const QRect hidden(confirm->mapTo(d, QPoint(0, 0)), confirm->size());
            for (int y = hidden.top(); y <= hidden.bottom(); y += (hidden.height() > 4 ? 3 : 1))
                for (int x = hidden.left(); x <= hidden.right(); ++x)
                    clickAt(d, QPoint(x, y));
            for (int y = 0; y < d->height(); y += 6)
                for (int x = 0; x < d->width(); x += 6)
                    if (!cancelRect.contains(x, y))
                        clickAt(d, QPoint(x, y));
            stillOpen = d->isVisible() ? 1 : 0;
            activate(d);
            QTest::keyClick(d, Qt::Key_F8);
        });

        QCOMPARE(stillOpen, 1);
        QCOMPARE(result, 1);
        QCOMPARE(clicked.count(), 1);
        if (!c.shared)
            delete d;
    }

    // The gate is one window, shown again on each press; an earlier F8 is not remembered.
    void gateIsAskedOnEveryPress()
    {
        AdvancedFeatures* gate = AdvancedFeatures::Instance();
        QVERIFY(gate->isModal());

        QCOMPARE(runModal(gate, [&] { QTest::keyClick(gate, Qt::Key_Escape); }), 0);
        QCOMPARE(runModal(gate, [&] { QTest::keyClick(gate, Qt::Key_F8); }), 1);
        QCOMPARE(AdvancedFeatures::Instance(), gate);
        bool shownAgain = false;
        QCOMPARE(runModal(gate, [&] {
                     shownAgain = gate->isVisible();
                     QTest::keyClick(gate, Qt::Key_Escape);
                 }),
                 0);
        QVERIFY(shownAgain);
    }

    // The close question ends every running test: Return (and Space, on the button that has
    // the focus at first) must answer Cancel; Ok is reached only on purpose.
    void closeQuestionDefaultsToCancel()
    {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            Close question;
            const int result = runModal(&question, [&] {
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &question;
                QTest::keyClick(target, key);
            });
            QCOMPARE(result, int(QDialog::Rejected));
        }
    }

    // Two failed saves in a row show the same window; Ok hides it for its next use.
    void alertIsOneWindow()
    {
        auto visibleAlerts = [] {
            int n = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<MsgAlert*>(w) && w->isVisible())
                    ++n;
            return n;
        };

        MsgAlert* alert = MsgAlert::Instance();
        alert->show();
        QVERIFY(QTest::qWaitForWindowExposed(alert));
        MsgAlert::Instance()->show();
        QCOMPARE(MsgAlert::Instance(), alert);
        QCOMPARE(visibleAlerts(), 1);

        auto* ok = alert->findChild<QPushButton*>("pushButton");
        clickAt(alert, centreIn(alert, ok));
        QTRY_COMPARE(visibleAlerts(), 0);

        MsgAlert::Instance()->show();
        QCOMPARE(visibleAlerts(), 1);
        alert->hide();
    }

    void openDialogFollowsLanguageSwitch_data()
    {
        addKindRows(translatedKinds);
        QTest::newRow("MsgAlert") << int(kindCount);
    }

    // Installing a catalog while a dialog is shown re-translates title, texts and buttons;
    // removing it brings the source texts back.
    void openDialogFollowsLanguageSwitch()
    {
        QFETCH(int, kind);
        const bool shared = kind == kindCount || confirmation(kind).shared;
        QDialog* d = kind == kindCount ? MsgAlert::Instance() : confirmation(kind).make();
        const QString source = titleAndTexts(d);
        MarkingTranslator catalog;
        d->show();
        switchCatalog(&catalog, true);
        const QString translated = titleAndTexts(d);
        switchCatalog(&catalog, false);
        QCOMPARE(titleAndTexts(d), source);
        d->hide();
        // Every text that is not a fixed word changed; nothing untranslated is left behind.
        const QStringList before = source.split('|'), after = translated.split('|');
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(after.at(i), before.at(i) == "F8" ? before.at(i) : "[xx] " + before.at(i));
        if (!shared)
            delete d;
    }

    void confirmationsShowTheirWholeText_data()
    {
        QTest::addColumn<QString>("catalog");
        for (const QString& file : TranslationStatic::list_Catalogs())
            QTest::newRow(qPrintable(file)) << file;
    }

    // Every language's message is whole in the window, or scrolls from the keyboard to its end.
    void confirmationsShowTheirWholeText()
    {
        QFETCH(QString, catalog);
        install_Application_Fonts();
        QTranslator* translator = TranslationStatic::get_Instance()->get_Translator();
        QApplication::removeTranslator(translator);
        QVERIFY(translator->load(catalog, TranslationStatic::get_Instance()->get_Path()));
        QApplication::installTranslator(translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        for (int kind : {0, 1, 3}) {
            QDialog* d = confirmation(kind).make();
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            auto* message = d->findChild<QPlainTextEdit*>("plainTextEdit");
            QScrollBar* bar = message->verticalScrollBar();
            const bool whole = bar->maximum() == 0;
            const bool scrolls = bar->isVisible() && message->focusPolicy() != Qt::NoFocus;
            QVERIFY2(whole || scrolls, qPrintable(QString("%1: %2 more lines").arg(confirmation(kind).name).arg(bar->maximum())));
            QVERIFY(d->geometry().bottom() <= d->screen()->availableGeometry().bottom() + 1 || scrolls);
            if (!qEnvironmentVariableIsEmpty("KV_SHOTS"))
                d->grab().save(QString("%1/%2-%3.png").arg(qEnvironmentVariable("KV_SHOTS"), confirmation(kind).name,
                                                           TranslationStatic::code_Of(catalog)));
            delete d;
        }
        QApplication::removeTranslator(translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
