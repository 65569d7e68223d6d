#pragma once

#include <QDialog>
#include <QString>
#include <functional>

namespace Ui {
class LanguageDialog;
}
class QAbstractButton;
class QButtonGroup;
class TranslationStatic;

// The first window: the user picks the language of the whole interface.
class LanguageDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LanguageDialog(QWidget* parent = nullptr);
    ~LanguageDialog() override;

    QString selected_Code() const { return selectedCode; }

    // Opens the window that follows the language choice (the agreement).
    static std::function<void()> openNextWindow;

private slots:
    void select_Value_Language(QAbstractButton* button);
    void on_btn_ok_clicked();
    void on_btn_cancel_clicked();
    void closeEvent(QCloseEvent* event) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void create_Language_RadioButton();

    Ui::LanguageDialog* ui;
    TranslationStatic* translation;
    QString selectedCode;
};
