#pragma once

#include "app/ui/Pages.h"

#include <QWidget>

class ClickablePicture;
class QLabel;
class PageHost;

// The menu page: the four main reports as pictures. Only the pictures react to
// clicks, not the captions under them.
class frmMenu : public QWidget
{
    Q_OBJECT

public:
    explicit frmMenu(PageHost &host, QWidget *parent = nullptr);

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

    PageHost &m_host;
};
