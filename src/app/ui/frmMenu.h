#pragma once

#include <QWidget>

class PageHost;

// The menu page: the four main reports as pictures. Only the pictures react to
// clicks, not the captions under them.
class frmMenu : public QWidget
{
    Q_OBJECT

public:
    explicit frmMenu(PageHost &host, QWidget *parent = nullptr);
};
