#pragma once

#include "reports/ReportPeriod.h"
#include "users/UserSettings.h"

#include <QDate>
#include <QString>

#include <optional>

// The files a user takes away, from the Main menu or the command line: the
// readings as CSV and the report for the doctor as a one-page PDF. Either is
// written whole to a temporary file that then replaces the target, so the
// target holds the old file or the new one, never a part.
namespace ReportFiles {

enum class Kind { Readings, DoctorReport };

struct Written
{
    bool ok = false;
    QString message; // "3 readings written to out.csv", else why nothing was
};

// No period: every reading for the CSV, the last 14 days that hold readings
// for the doctor's report (which then fails when no reading has a calendar
// date). today is the day the report is made. A path that is one of the
// program's own files in dataDir is refused and left as it is.
Written write(Kind kind, const UserSettings &user, const ReadingTables &tables,
              const std::optional<ReportPeriod> &period, QDate today, const QString &path, const QString &dataDir);

// "Export Readings" / "Report for My Doctor".
QString title(Kind kind);
// For the file dialog: "CSV files (*.csv)" / "PDF files (*.pdf)".
QString fileFilter(Kind kind);

} // namespace ReportFiles
