#pragma once

#include <QStringList>

class QTextStream;

// --list-ports: every serial port of the computer with its details, one a line.
int runListPorts(QTextStream &out);
// --find-meter: looks for the meter on the devices named, or on every serial
// port listed; 0 when found, 1 with what was tried when not.
int runFindMeter(const QStringList &devices, QTextStream &out, QTextStream &err);
