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

protected:
    void showEvent(QShowEvent *event) override;

private:
    void advance();

    QLabel *productPicture;
    QLabel *lblProductName;
    QProgressBar *progress;
    QTimer *progressTimer;
};
