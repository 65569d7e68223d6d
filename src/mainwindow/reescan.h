#pragma once

#include <QThread>
#include <QVector>

class device;

// Started by the Rescan button; only logs and signals the window, which does the work in the
// GUI thread.
class Reescan : public QThread
{
    Q_OBJECT
public:
    explicit Reescan(QVector<device*> panels);
    ~Reescan() override;

signals:
    void re_Scan();

protected:
    void run() override;

private:
    bool finished_ = false;
    QVector<device*> panels;
};
