#include "device/resulttags.h"

#include "app/translationstatic.h"

#include <QCoreApplication>
#include <QEvent>

ResultTags::ResultTags() : QWidget(nullptr)
{
    TranslationStatic::get_Instance();
}

QString ResultTags::select_Empty()
{
    statusKey.clear();
    displayText.clear();
    return displayText;
}

QString ResultTags::select_Pass()
{
    statusKey = "PASS";
    displayText = tr("PASS");
    return displayText;
}

QString ResultTags::select_Fail()
{
    statusKey = "FAIL";
    displayText = tr("FAIL");
    return displayText;
}

QString ResultTags::select_Unknown()
{
    statusKey = "UNKNOWN";
    displayText = tr("UNABLE TO RUN");
    return displayText;
}

QString ResultTags::select_Sanitize_Failed()
{
    statusKey = "SANITIZE FAILED";
    displayText = tr("SANITIZE FAILED");
    return displayText;
}

QString ResultTags::select_inProgress()
{
    statusKey = "IN PROGRESS";
    displayText = tr("IN PROGRESS");
    return displayText;
}

QString ResultTags::select_Abort()
{
    statusKey = "ABORT";
    displayText = tr("ABORT");
    return displayText;
}

QString ResultTags::select_Outer()
{
    phaseKey = "Outer Scan";
    phaseText = tr("Outer Scan");
    return phaseText;
}

QString ResultTags::select_Inner()
{
    phaseKey = "Inner Scan";
    phaseText = tr("Inner Scan");
    return phaseText;
}

QString ResultTags::select_Random()
{
    phaseKey = "Random Read";
    phaseText = tr("Random Read");
    return phaseText;
}

QString ResultTags::select_Verification()
{
    phaseKey = "Verification";
    phaseText = tr("Verification");
    return phaseText;
}

void ResultTags::retranslate()
{
    if (statusKey == "FAIL")
        displayText = tr("FAIL");
    else if (statusKey == "PASS")
        displayText = tr("PASS");
    else if (statusKey == "ABORT")
        displayText = tr("ABORT");
    else if (statusKey == "SANITIZE FAILED")
        displayText = tr("SANITIZE FAILED");
    else if (statusKey == "IN PROGRESS")
        displayText = tr("IN PROGRESS");
    else if (statusKey == "UNKNOWN")
        displayText = QCoreApplication::translate("ResultTag", "UNABLE TO RUN");
    emit progress_Message(displayText);
}

void ResultTags::retranslate_Short()
{
    if (phaseKey == "Outer Scan")
        phaseText = tr("Outer Scan");
    else if (phaseKey == "Inner Scan")
        phaseText = tr("Inner Scan");
    else if (phaseKey == "Random Read")
        phaseText = tr("Random Read");
    else if (phaseKey == "Verification")
        phaseText = tr("Verification");
    emit progress_Message_2(phaseText);
}

void ResultTags::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        retranslate_Short();
    }
    QWidget::changeEvent(event);
}
