#ifndef EULADIALOG_H
#define EULADIALOG_H

#include <QMainWindow>

#include <functional>

namespace Ui {
class EULADialog;
}
class QCloseEvent;
class QShowEvent;
class TranslationStatic;

// The agreement of the chosen language. "I Accept" becomes usable once the document has been
// scrolled to its end; refusing or closing the window powers the machine off. The About window
// reuses it read-only, with a single "Done" button.
class EULADialog : public QMainWindow
{
    Q_OBJECT

public:
    explicit EULADialog(QWidget* parent = nullptr);
    ~EULADialog() override;

    void about_License_Agreement();

    // Opens the main window once the agreement is accepted. Unset, the log viewer opens.
    static std::function<void()> openMainWindow;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void enable_Button();
    void on_bt_accept_clicked();
    void closeEvent(QCloseEvent* event) override;
    void on_bt_not_accept_clicked();
    void document_Loaded(bool ok);
    void press_Default_Button();

private:
    void add_Web_View();
    void accept_If_At_End();

    Ui::EULADialog* ui;
    TranslationStatic* translation;
    bool aboutMode;
};

#endif // EULADIALOG_H
