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

private:
    void showMeterReadings();
    void showReports();

    // The box around the texts, and in it the product's name, the welcome,
    // the medical disclaimer and who made the software.
    QFrame *textFrame;
    QLabel *lblProductName;
    QLabel *welcomeText;
    QLabel *disclaimerText;
    QLabel *originText;
    // "Meter Readings" and "Reports", each a picture with a button below it;
    // the blood drop is only a picture.
    ClickablePicture *meterPicture;
    QPushButton *meterButton;
    ClickablePicture *reportsPicture;
    QPushButton *reportsButton;
    QLabel *dropPicture;
    PageHost &m_host;
};
