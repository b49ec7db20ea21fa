#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

// The window shown for the first second of a start, its bar filling meanwhile.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    QLabel *Picture1;
    QLabel *lblProductName;
    QProgressBar *ProgressBar1;
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void advance();
};
