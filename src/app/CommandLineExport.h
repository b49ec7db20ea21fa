#pragma once

#include "reports/ui/ReportFiles.h"

#include <QDate>
#include <QString>

class QTextStream;
struct AppState;

// Writes the logged-in user's readings as CSV, or the report for the doctor as
// PDF, to path without a window (the file replaced atomically). The days run
// from..to, an invalid end standing open; with neither, the CSV holds every
// reading and the report the last 14 days with readings. Prints what was
// written on out and returns 0; on failure prints why on err and returns 1.
int runCommandLineExport(const AppState &state, ReportFiles::Kind kind, const QString &path, QDate from, QDate to,
                         QTextStream &out, QTextStream &err);
