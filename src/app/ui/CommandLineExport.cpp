#include "app/CommandLineExport.h"

#include "app/AppState.h"
#include "platform/TextFiles.h"
#include "reports/ReadingsCsv.h"

#include <QTextStream>

int runCommandLineExport(const AppState &state, const QString &path, QDate from, QDate to, QTextStream &out,
                         QTextStream &err)
{
    std::optional<ReportPeriod> period;
    if (from.isValid() || to.isValid())
        period = ReportPeriod{from.isValid() ? from : QDate(1, 1, 1), to.isValid() ? to : QDate(9999, 12, 31)};
    const QByteArray csv = ReadingsCsv::csv(state.tables, period);
    QString error;
    if (!TextFiles::writeAtomically(path, csv, &error)) {
        err << error << Qt::endl;
        return 1;
    }
    out << QStringLiteral("%1 readings written to %2").arg(csv.count('\n') - 1).arg(path) << Qt::endl;
    return 0;
}
