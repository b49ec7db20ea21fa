#pragma once

#include "app/Pages.h"

#include <QWidget>

class ClickablePicture;
class QLabel;
class frmMain;

// The menu page: the four main reports as pictures. Only the pictures react to
// clicks, not the captions under them.
class frmMenu : public QWidget
{
    Q_OBJECT

public:
    explicit frmMenu(frmMain &frame, QWidget *parent = nullptr);

    QLabel *lblCompanyProduct;
    ClickablePicture *Picture1;
    QLabel *Label1;
    ClickablePicture *Picture2;
    QLabel *Label2;
    ClickablePicture *Picture3;
    QLabel *Label3;
    ClickablePicture *Picture4;
    QLabel *Label5;

private:
    void showReport(PageCommand command);

    frmMain &m_frame;
};
