#ifndef ADVANCEDFEATURES_H
#define ADVANCEDFEATURES_H

#include <QDialog>

namespace Ui {
class AdvancedFeatures;
}

// Warning shown before the advanced-features menu opens. One window for the whole process,
// run with exec() on every press of the advanced-features button: 1 only after F8.
class AdvancedFeatures : public QDialog
{
    Q_OBJECT

public:
    static AdvancedFeatures* Instance();
    void retranslate();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pbF8_clicked();

private:
    explicit AdvancedFeatures(QWidget* parent = nullptr);
    ~AdvancedFeatures() override;

    Ui::AdvancedFeatures* ui;

    static AdvancedFeatures* g_Alert_Instance;
};

#endif // ADVANCEDFEATURES_H
