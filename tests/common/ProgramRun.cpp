#include "common/ProgramRun.h"

#include <QProcess>

std::pair<int, QString> runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DEXTREL_COM1"), QStringLiteral("/nonexistent/tty"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {-1, QStringLiteral("<did not end>")}; // killed with `process`
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}
