#pragma once

#include <QWidget>

class ClickablePicture;
class QFrame;
class QLabel;
class QPushButton;
class PageHost;

// The welcome page shown after login; leads to the meter download and to the
// menu page.
class frmIndex : public QWidget
{
    Q_OBJECT

public:
    explicit frmIndex(PageHost &host, QWidget *parent = nullptr);

    QFrame *Frame1;
    QLabel *lblProductName;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    ClickablePicture *Picture1;
    QPushButton *Command1;
    ClickablePicture *Picture3;
    QPushButton *Command2;
    QLabel *Picture2;

private:
    void showMeterReadings();
    void showReports();

    PageHost &m_host;
};
