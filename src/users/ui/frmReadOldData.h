#pragma once

#include <QDialog>

// Shown while a user's readings load at login. The loading itself is done by
// the caller; this window only tells the user to wait.
class frmReadOldData : public QDialog
{
    Q_OBJECT

public:
    explicit frmReadOldData(QWidget *parent = nullptr);
};
