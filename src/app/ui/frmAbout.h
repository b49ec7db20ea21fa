#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: product title and version. Application-modal while it is
// open, and gone (deleted) once closed.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    QLabel *picIcon;
    QLabel *lblTitle;
    QPushButton *cmdOK;
};
