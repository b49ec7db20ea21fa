#include "common/ProgramRun.h"

#include <QProcess>
#include <QRegularExpression>

#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

void start(QProcess &process, const QString &program, QStringList arguments, const QByteArray &input)
{
    static const QRegularExpression setting(QStringLiteral("^[A-Z_][A-Z0-9_]*="));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DEXTREL_COM1"), QStringLiteral("/nonexistent/tty"));
    for (const QString &s : arguments.filter(setting))
        environment.insert(s.section(u'=', 0, 0), s.section(u'=', 1));
    arguments.removeIf([](const QString &a) { return a.contains(setting); });
    process.setProcessEnvironment(environment);
#ifdef Q_OS_UNIX
    process.setChildProcessModifier([] { ::umask(0); });
#endif
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
}

std::pair<int, QString> finish(QProcess &process)
{
    if (!process.waitForFinished(30000))
        return {-1, QStringLiteral("<did not end>")}; // killed with `process`
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

std::pair<int, QString> runProgram(const QString &program, QStringList arguments, const QByteArray &input)
{
    QProcess process;
    start(process, program, std::move(arguments), input);
    return finish(process);
}

QList<std::pair<int, QString>> runPrograms(const QString &program, const QList<QStringList> &runs)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList &arguments : runs) {
        processes.push_back(std::make_unique<QProcess>());
        start(*processes.back(), program, arguments, {});
    }
    QList<std::pair<int, QString>> results;
    for (const auto &process : processes)
        results << finish(*process);
    return results;
}

QStringList withUserBytes(const QString &program, const QByteArray &id, const QStringList &arguments)
{
    QString octal;
    for (const char byte : id)
        octal += QStringLiteral("\\%1").arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
    const QString user = id.isEmpty() ? QString() : " --user \"$(printf '" + octal + "')\"";
    return QStringList{"-c", "exec \"$0\" \"$@\"" + user, program} + arguments;
}
