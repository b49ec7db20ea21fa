#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Runs the real program, which must end by itself: its exit code (-1 for a crash
// or a hang) and what it wrote to standard error. Serial port 1 is pointed at a
// device that is certainly not there, whatever the machine has.
std::pair<int, QString> runProgram(const QString &program, const QStringList &arguments);
