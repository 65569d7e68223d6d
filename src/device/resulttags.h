#pragma once

#include <QString>
#include <QWidget>

// Holds a panel's status word and phase name with their untranslated keys, so both can be
// shown again in a new language. Never shown; as a top-level widget it still receives the
// application's language-change event.
class ResultTags : public QWidget
{
    Q_OBJECT
public:
    ResultTags();

    QString select_Empty();
    QString select_Pass();
    QString select_Fail();
    QString select_Unknown();
    QString select_inProgress();
    QString select_Abort();
    QString select_Sanitize_Failed();
    QString select_Outer();
    QString select_Inner();
    QString select_Random();
    QString select_Verification();

    void retranslate();
    void retranslate_Short();

    QString get_Display_Text() const { return displayText; }
    QString get_Status_Key() const { return statusKey; }
    QString get_Phase_Text() const { return phaseText; }

signals:
    void progress_Message(QString);
    void progress_Message_2(QString);

protected:
    void changeEvent(QEvent* event) override;

private:
    QString displayText;
    QString statusKey;
    QString phaseText;
    QString phaseKey;
};
