#ifndef HELPKESTROVA_H
#define HELPKESTROVA_H

#include <QMainWindow>

namespace Ui {
class HelpKestrova;
}
class TranslationStatic;

// The help document of the current language.
class HelpKestrova : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpKestrova(QWidget* parent = nullptr);
    ~HelpKestrova() override;

    void add_Web_View();

private slots:
    void enable_Button();

private:
    void focus_If_At_End();

    Ui::HelpKestrova* ui;
    TranslationStatic* translation;
};

#endif // HELPKESTROVA_H
