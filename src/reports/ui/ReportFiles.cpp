#include "reports/ui/ReportFiles.h"

#include "platform/TextFiles.h"
#include "reports/DoctorReport.h"
#include "reports/ReadingsCsv.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportTexts.h"
#include "reports/ui/DoctorReportPdf.h"
#include "users/OwnFiles.h"

#include <QCoreApplication>

namespace ReportFiles {

Written write(Kind kind, const UserSettings &user, const ReadingTables &tables,
              const std::optional<ReportPeriod> &period, QDate today, const QString &path, const QString &dataDir)
{
    if (const QString refusal = OwnFiles::exportRefusal(dataDir, path); !refusal.isEmpty())
        return {false, refusal};
    QByteArray content;
    QString done;
    if (kind == Kind::Readings) {
        content = ReadingsCsv::csv(tables, period);
        done = QCoreApplication::translate("ReportFiles", "%1 readings written to %2")
                   .arg(content.count('\n') - 1)
                   .arg(path);
    } else {
        const std::optional<ReportPeriod> days = period ? period : ReportPeriods::lastDaysWithReadings(tables);
        if (!days)
            return {false, ReportTexts::noGlucoseData()};
        const DoctorReport::Page page = DoctorReport::page(tables, *days, user, today);
        content = DoctorReportPdf::pdf(page);
        if (content.isEmpty())
            return {false, QCoreApplication::translate("ReportFiles", "The report could not be drawn.")};
        done = QCoreApplication::translate("ReportFiles", "Report of %1 readings written to %2")
                   .arg(page.summary.readings, path);
    }
    QString error;
    if (!TextFiles::writeAtomically(path, content, &error))
        return {false, error};
    return {true, done};
}

QString title(Kind kind)
{
    return kind == Kind::Readings ? QCoreApplication::translate("ReportFiles", "Export Readings")
                                  : QCoreApplication::translate("DoctorReportPdf", "Report for My Doctor");
}

QString fileFilter(Kind kind)
{
    return kind == Kind::Readings ? ReportFileNames::kCsvFilter : ReportFileNames::kPdfFilter;
}

} // namespace ReportFiles
