#include "app/CommandLineExport.h"

#include "app/AppState.h"
#include "platform/LocalBytes.h"

#include <QTextStream>

int runCommandLineExport(const AppState &state, ReportFiles::Kind kind, const QString &path, QDate from, QDate to,
                         QTextStream &out, QTextStream &err)
{
    const ReportFiles::Written written = ReportFiles::write(kind, state.user, state.store.tables(),
                                                            ReportPeriods::withOpenEnds(state.store.tables(), from, to),
                                                            QDate::currentDate(), path, state.dataDir);
    (written.ok ? out : err) << LocalBytes::shown(written.message) << Qt::endl;
    return written.ok ? 0 : 1;
}
