// The agreement window, the About window and the help window.

#include "dialogs/aboutdialog.h"
#include "app/eulaDialog.h"
#include "dialogs/helpkestrova.h"
#include "app/translationstatic.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>

// While set, memory returned through delete is overwritten first: whatever reads it afterwards
// goes wrong at once instead of by chance. AddressSanitizer does this itself and names the read,
// and its own operator new must meet its own delete: under it nothing is replaced.
static bool poisonFreedMemory = false;

#ifndef __SANITIZE_ADDRESS__
void* operator new(std::size_t size)
{
    if (void* p = malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    if (p && poisonFreedMemory) {
        memset(p, 0xa5, malloc_usable_size(p));
        asm volatile("" : : "r"(p) : "memory"); // keeps the compiler from dropping the stores
    }
    free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}
#endif

namespace {

const QStringList languageCodes = {"de_DE", "en_US", "es_ES", "fr_FR", "it_IT", "ja_JP", "ko_KR",
                                   "pt_BR", "ru_RU", "th_TH", "vi_VI", "zh_CN", "zh_TW"};

QWebView* viewOf(QWidget* w) { return w->findChild<QWebView*>("webView"); }

QWebFrame* frameOf(QWidget* w) { return viewOf(w)->page()->mainFrame(); }

QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }

// Shows the window and waits until its document has loaded (or failed to).
bool showLoaded(QWidget* w)
{
    QSignalSpy loaded(viewOf(w), &QWebView::loadFinished);
    w->show();
    const bool ok = QTest::qWaitForWindowExposed(w) && (!loaded.isEmpty() || loaded.wait(5000));
    QCoreApplication::processEvents();
    return ok;
}

void disposeOf(QWidget* w)
{
    QPointer<QWidget> guard(w);
    w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
}

// Scrolls the document to its end the way a reader does.
void scrollToEnd(QWidget* window, const QString& how)
{
    QWebView* view = viewOf(window);
    QWebFrame* frame = frameOf(window);
    const int max = frame->scrollBarMaximum(Qt::Vertical);
    if (how == "program") {
        frame->setScrollPosition(QPoint(0, max));
    } else if (how == "keyboard") {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_End);
    } else if (how == "wheel") {
        const QPoint pos = view->rect().center();
        for (int i = 0; i < 1000 && frame->scrollPosition().y() < max; ++i) {
            QWheelEvent wheel(pos, view->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &wheel);
            QCoreApplication::processEvents();
        }
    } else if (how == "scroll bar") {
        // From the top, drag the handle (below the 19-pixel up arrow) down to the bottom arrow.
        frame->setScrollPosition(QPoint(0, 0));
        const QRect bar = frame->scrollBarGeometry(Qt::Vertical);
        QVERIFY(bar.isValid());
        const int arrow = 19;
        const int track = bar.height() - 2 * arrow;
        const int handle = track * view->height() / frame->contentsSize().height();
        QWindow* win = window->windowHandle();
        auto at = [&](int y) { return view->mapTo(window, QPoint(bar.center().x(), y)); };
        const int grab = bar.top() + arrow + qMax(handle / 2, 2);
        QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, at(grab));
        for (int y = grab; y <= bar.bottom(); y += 10)
            QTest::mouseMove(win, at(y));
        QTest::mouseMove(win, at(bar.bottom()));
        QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, at(bar.bottom()));
    }
}

} // namespace

class TestDocumentsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution("Helvetica Neue LT Std", "TeX Gyre Heros");
        TranslationStatic::get_Instance()->set_language("en_US");
    }

    void cleanup()
    {
        TranslationStatic::get_Instance()->set_language("en_US");
        EULADialog::openMainWindow = nullptr;
    }

    void acceptNeedsTheEnd_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("program") << "program";
        QTest::newRow("keyboard") << "keyboard";
        QTest::newRow("mouse wheel") << "wheel";
        QTest::newRow("scroll bar") << "scroll bar";
    }

    // "I Accept" stays disabled until the last line was shown; reaching it once is enough.
    void acceptNeedsTheEnd()
    {
        QFETCH(QString, how);
        auto* eula = new EULADialog;
        QVERIFY(showLoaded(eula));
        QPushButton* accept = button(eula, "bt_accept");
        QWebFrame* frame = frameOf(eula);
        const int max = frame->scrollBarMaximum(Qt::Vertical);
        QVERIFY2(max > viewOf(eula)->height(), "the agreement must need scrolling");
        QVERIFY(!accept->isEnabled());

        frame->setScrollPosition(QPoint(0, max - 40));
        QTest::qWait(50);
        QVERIFY(!accept->isEnabled());

        scrollToEnd(eula, how);
        QTRY_COMPARE(frame->scrollPosition().y(), max);
        QTRY_VERIFY(accept->isEnabled());
        QTRY_COMPARE(eula->focusWidget(), accept);

        frame->setScrollPosition(QPoint(0, 0));
        QTest::qWait(50);
        QVERIFY(accept->isEnabled());
        disposeOf(eula);
    }

    // A document that needs no scrolling counts as read; a missing one never can be accepted.
    void shortAndMissingDocuments()
    {
        auto* eula = new EULADialog;
        QVERIFY(showLoaded(eula));
        QSignalSpy loaded(viewOf(eula), &QWebView::loadFinished);
        viewOf(eula)->setHtml("<html><body><p>One short paragraph.</p></body></html>");
        QVERIFY(!loaded.isEmpty() || loaded.wait(5000));
        QCOMPARE(frameOf(eula)->scrollBarMaximum(Qt::Vertical), 0);
        QTRY_VERIFY(button(eula, "bt_accept")->isEnabled());
        disposeOf(eula);

        TranslationStatic::get_Instance()->set_language("xx_XX");
        eula = new EULADialog;
        QVERIFY(showLoaded(eula));
        QTest::qWait(100);
        QVERIFY(frameOf(eula)->toPlainText().trimmed().isEmpty());
        QVERIFY(!button(eula, "bt_accept")->isEnabled());
        disposeOf(eula);
    }

    // A window destroyed before its document has loaded: the view announces the failed load as
    // it goes, and the half-destroyed window must not act on it.
    void destroyedBeforeTheDocumentLoads()
    {
        for (bool help : {false, true}) {
            QWidget* window = help ? static_cast<QWidget*>(new HelpKestrova) : new EULADialog;
            QSignalSpy failed(viewOf(window), &QWebView::loadFinished);
            poisonFreedMemory = true;
            delete window;
            poisonFreedMemory = false;
            QCOMPARE(failed.size(), 1);
        }
    }

    // The document has the keyboard from the start; Return accepts, but only once "I Accept" can
    // be used, opening the next window and disposing of the agreement without ending the process.
    void agreementByKeyboard()
    {
        int opened = 0;
        EULADialog::openMainWindow = [&opened] { ++opened; };
        QPointer<EULADialog> eula = new EULADialog;
        QVERIFY(showLoaded(eula));
        eula->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(eula));
        QTest::keyClick(eula->windowHandle(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(opened, 0);
        QVERIFY(eula);
        QTest::keyClick(eula->windowHandle(), Qt::Key_End);
        QTRY_VERIFY(button(eula, "bt_accept")->isEnabled());
        // Only the press: the window it closes is gone before a release could reach it.
        QTest::keyPress(eula->windowHandle(), Qt::Key_Enter);
        QCOMPARE(opened, 1);
        QTRY_VERIFY(!eula);
    }

    // Escape closes both information windows.
    void escapeClosesAboutAndHelp()
    {
        for (bool help : {false, true}) {
            QWidget* window = help ? static_cast<QWidget*>(new HelpKestrova) : new AboutDialog;
            window->setAttribute(Qt::WA_DeleteOnClose);
            QPointer<QWidget> guard(window);
            if (help)
                QVERIFY(showLoaded(window));
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyPress(window->windowHandle(), Qt::Key_Escape);
            QTRY_VERIFY2(!guard, help ? "help" : "about");
        }
    }

    // Agreement mode offers accept and refuse; the read-only mode only "Done", which disposes of
    // the window.
    void buttonsPerMode()
    {
        QPointer<EULADialog> eula = new EULADialog;
        QVERIFY(showLoaded(eula));
        auto shown = [&] {
            return QVector<bool>{button(eula, "bt_accept")->isVisible(), button(eula, "bt_not_accept")->isVisible(),
                                 button(eula, "bt_ok")->isVisible()};
        };
        QCOMPARE(shown(), QVector<bool>({true, true, false}));
        QCOMPARE(button(eula, "bt_not_accept")->focusPolicy(), Qt::NoFocus);
        eula->about_License_Agreement();
        QCOMPARE(shown(), QVector<bool>({false, false, true}));
        button(eula, "bt_ok")->click();
        QTRY_VERIFY(!eula);
    }

    void endingTheProcess_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("status");
        QTest::newRow("I Do Not Accept") << "refuse" << 2;
        QTest::newRow("close box") << "close" << 2;
        QTest::newRow("close box after accepting") << "close-after-end" << 2;
        QTest::newRow("close box in about mode") << "about-close" << 0;
    }

    // Refusing or closing the agreement powers off (status 2); in about mode closing only closes.
    // Each scenario runs in a child process, since the power-off really ends the process.
    void endingTheProcess()
    {
        QFETCH(QString, scenario);
        QFETCH(int, status);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--child", scenario});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        const QByteArray said = child.readAllStandardOutput();
        QVERIFY2(said.contains("ready"), said.constData());
        QCOMPARE(child.exitCode(), status);
    }

    void documentsPerLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : languageCodes)
            QTest::newRow(qPrintable(code)) << code;
    }

    // Each language shows its own agreement and help document, and both exist.
    void documentsPerLanguage()
    {
        QFETCH(QString, code);
        TranslationStatic::get_Instance()->set_language(code);
        const QString suffix = code.mid(3);

        for (const QString document : {"qrc:/licenseAgreement/licenseAgreement/BrevaneEULA.default-",
                                        "qrc:/licenseAgreement/help/KestrovaBootable.README-"}) {
            QWidget* window = document.contains("EULA") ? static_cast<QWidget*>(new EULADialog) : new HelpKestrova;
            QVERIFY(showLoaded(window));
            QCOMPARE(frameOf(window)->url().toString(), document + suffix + ".html");
            QVERIFY2(!frameOf(window)->toPlainText().trimmed().isEmpty(), "document missing");
            disposeOf(window);
        }
    }

    // About's button opens the agreement read-only, in the chosen language.
    void aboutShowsVersionAndAgreement()
    {
        TranslationStatic::get_Instance()->set_language("de_DE");
        AboutDialog about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        button(&about, "btAboutLicence")->click();
        QPointer<EULADialog> eula;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<EULADialog*>(w); e && e->isVisible())
                eula = e;
        QVERIFY(eula);
        QVERIFY(button(eula, "bt_ok")->isVisible() && !button(eula, "bt_accept")->isVisible());
        QSignalSpy loaded(viewOf(eula), &QWebView::loadFinished);
        QVERIFY(loaded.wait(5000));
        QVERIFY(frameOf(eula)->url().toString().endsWith("BrevaneEULA.default-DE.html"));

        // Its close box disposes of it; the About window stays.
        QVERIFY(eula->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!eula);
        QVERIFY(about.isVisible());
    }

    // Reaching the end of the help text moves the keyboard focus to OK, which closes the window.
    void helpFocusesOkAtTheEnd()
    {
        auto* help = new HelpKestrova;
        help->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<HelpKestrova> guard(help);
        QVERIFY(showLoaded(help));
        QPushButton* ok = button(help, "btn_ok");
        QVERIFY(frameOf(help)->scrollBarMaximum(Qt::Vertical) > 0);
        scrollToEnd(help, "keyboard");
        QTRY_COMPARE(help->focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Space);
        QTRY_VERIFY(!guard);
    }

    // Each window looks its texts up under its own class name in the chosen catalog.
    void shownInTheChosenLanguage()
    {
        TranslationStatic* translation = TranslationStatic::get_Instance();
        translation->set_language("zh_TW");
        translation->load_Language();
        QTranslator* catalog = translation->get_Translator();
        if (catalog->isEmpty())
            QSKIP("no catalog for this language in the resources");
        auto shown = [catalog](const char* context, const char* source) {
            const QString t = catalog->translate(context, source);
            return t.isEmpty() ? QString::fromUtf8(source) : t;
        };

        EULADialog eula;
        HelpKestrova help;
        AboutDialog about;
        QCOMPARE(eula.windowTitle(), shown("EULADialog", "License Agreement"));
        QCOMPARE(button(&eula, "bt_accept")->text(), shown("EULADialog", "I Accept"));
        QCOMPARE(about.windowTitle(), shown("AboutDialog", "About Kestrova Bootable"));
        QCOMPARE(button(&help, "btn_ok")->text(), shown("HelpKestrova", "OK"));
        translation->load_Language("none"); // back to the texts of the code
    }
};

// Child process: shows the agreement and answers it as the scenario says. Prints "ready" once
// the window is up, so that the parent knows the status came from the answer.
static int runChild(const QString& scenario)
{
    TranslationStatic::get_Instance()->set_language("en_US");
    auto* eula = new EULADialog;
    eula->setWindowFlags(Qt::WindowCloseButtonHint);
    eula->setAttribute(Qt::WA_DeleteOnClose);
    if (scenario == "about-close")
        eula->about_License_Agreement();
    if (!showLoaded(eula))
        return 10;
    printf("ready\n");
    fflush(stdout);
    if (scenario == "refuse") {
        QPushButton* refuse = button(eula, "bt_not_accept");
        QTest::mouseClick(eula->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          refuse->mapTo(eula, refuse->rect().center()));
    } else {
        if (scenario == "close-after-end") {
            scrollToEnd(eula, "program");
            if (!QTest::qWaitFor([&] { return button(eula, "bt_accept")->isEnabled(); }, 3000))
                return 11;
        }
        eula->windowHandle()->close();
    }
    // Still here: the process goes on, as it must only in about mode.
    QTimer::singleShot(300, qApp, &QCoreApplication::quit);
    qApp->exec();
    return 0;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLatin1(argv[2]));
    TestDocumentsDialogs tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_documents_dialogs.moc"
