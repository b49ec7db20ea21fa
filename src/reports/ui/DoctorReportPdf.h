#pragma once

#include "reports/DoctorReport.h"

#include <QByteArray>

// The report for the doctor as a one-page A4 PDF: the program's name, the
// user ID, the period and the day it was made; the summary with each share
// beside its target, coloured as on the summary page, and the before- and
// after-meal table; the band bar, the overlay day and the histogram, drawn by
// the same chart code as their pages; "Not medical advice" in the footer.
// Needs the application object of a program with windows (fonts), though
// nothing is shown.
namespace DoctorReportPdf {

QByteArray pdf(const DoctorReport::Page &page);

} // namespace DoctorReportPdf
