#pragma once

#include "reports/ReportPeriod.h"

#include <QCoreApplication>
#include <QString>

// The names the file dialogs offer and the extension they make sure of, for
// the files a user takes away: the readings as CSV, the doctor's report and
// a printed page as PDF.
namespace ReportFileNames {

inline const QString kCsvFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("ReportFileNames", "CSV files (*.csv)"));
inline const QString kPdfFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("ReportFileNames", "PDF files (*.pdf)"));
// A filter as a file dialog shows it, in the program's language; the
// extension it names stays.
QString shownFilter(const QString &filter);

// The user and the period: "ann-2026-11-01-to-2026-11-14.pdf" for the filter
// kPdfFilter.
QString periodName(const QString &userId, const ReportPeriod &period, const QString &filter);
// The user and the page's title: "ann-line-graph.pdf" for "Line Graph".
QString printName(const QString &userId, const QString &pageTitle);

// The path with the extension the filter names ("(*.pdf)") added when it does
// not already end so, in any case: "doctor" → "doctor.pdf", "a.PDF" stays.
QString withExtension(const QString &path, const QString &filter);

} // namespace ReportFileNames
