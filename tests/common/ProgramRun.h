#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// Runs the real program, which must end by itself: its exit code (-1 for a crash
// or a hang) and what it wrote to standard error. Arguments NAME=VALUE go to
// its environment instead; input is its standard input. It runs under umask 0,
// so nothing it makes can be open to all by accident, and serial port 1 is
// pointed at a device that is certainly not there, whatever the machine has.
std::pair<int, QString> runProgram(const QString &program, QStringList arguments, const QByteArray &input = {});
// The same for several runs at once (each must use a data folder of its own),
// the results in the order of the runs.
QList<std::pair<int, QString>> runPrograms(const QString &program, const QList<QStringList> &runs);
// The arguments for "/bin/sh" that run program with arguments and "--user ID"
// (none for an empty ID), the ID given as its bytes: QProcess passes only text, which an ID of another
// encoding ("caf\xe9") is not.
QStringList withUserBytes(const QString &program, const QByteArray &id, const QStringList &arguments);
