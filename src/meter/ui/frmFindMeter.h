#pragma once

#include "platform/SerialPortCatalogue.h"

#include <QWidget>

#include <functional>

class MeterFinder;
class QLabel;
class QListWidget;
class QPushButton;

// "Find Meter": tries the serial ports one at a time for the meter, lists what
// each did, and offers the one where the meter answered for the user's port.
// A dialog of the settings window, deleting itself when closed; closing
// it stops the search and closes the port being tried.
class frmFindMeter : public QWidget
{
    Q_OBJECT
public:
    using Use = std::function<void(const QString &device)>;

    frmFindMeter(const QList<SerialPortEntry> &candidates, int port, Use use, QWidget *parent = nullptr);

    QListWidget *ListTried;
    QLabel *LabelResult;
    QPushButton *CmdUseMeter;
    QPushButton *CmdClose;

private:
    MeterFinder *m_finder;
};
