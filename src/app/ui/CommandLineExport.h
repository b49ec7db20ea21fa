#pragma once

#include <QDate>
#include <QString>

class QTextStream;
struct AppState;

// Writes the logged-in user's readings as CSV to path without a window (the
// file replaced atomically): every reading when neither from nor to is valid,
// else the days between them, an invalid end standing open. Prints the number
// of readings written on out and returns 0; on failure prints why on err and
// returns 1.
int runCommandLineExport(const AppState &state, const QString &path, QDate from, QDate to, QTextStream &out,
                         QTextStream &err);
