// meter-emulator: a glucose meter on a pseudo-terminal, for trying a download
// without the device. Prints the terminal's path on the first line of standard
// output; point DEXTREL_COM1 (or the user's port) at it.

#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/RecordList.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "meter-emulator: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("meter-emulator"));

    QCommandLineParser cli;
    cli.setApplicationDescription(
        QStringLiteral("Answers the glucose meter's serial protocol on a pseudo-terminal.\n"
                       "Records file: one record per line, \"glucose month day hour minute event\", '#' comments."));
    cli.addHelpOption();
    cli.addPositionalArgument(QStringLiteral("records"), QStringLiteral("File of records, record 1 first."),
                              QStringLiteral("[records]"));
    const QCommandLineOption generate(QStringLiteral("generate"),
                                      QStringLiteral("Make N recent readings instead of reading a file (0..255)."),
                                      QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of --generate and --noise."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption noWakeup(QStringLiteral("no-wakeup"), QStringLiteral("Never wake up."));
    const QCommandLineOption dropFirst(QStringLiteral("drop-first"),
                                       QStringLiteral("Lose the first answer to each distinct request."));
    const QCommandLineOption dropLast(QStringLiteral("drop-last"),
                                      QStringLiteral("Lose the first answer to the last record request of each pass."));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Send the first answer for record 2 in two pieces 25 ms apart."));
    const QCommandLineOption doubleAnswer(QStringLiteral("double"),
                                          QStringLiteral("Send the first answer for record 2 twice in one write."));
    const QCommandLineOption late(QStringLiteral("late"),
                                  QStringLiteral("Send the first answer for record 2 80 ms late."));
    const QCommandLineOption noise(QStringLiteral("noise"), QStringLiteral("Send a stray byte now and then."));
    const QCommandLineOption hangupAfter(
        QStringLiteral("hangup-after"), QStringLiteral("Close the line after K record requests."), QStringLiteral("K"));
    const QCommandLineOption vanish(
        QStringLiteral("vanish"),
        QStringLiteral("Take the terminal away at the first byte heard, as a pulled adapter."));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Take MS milliseconds over every answer, one request at a time."),
                                   QStringLiteral("MS"));
    const QCommandLineOption logFile(QStringLiteral("log"), QStringLiteral("Log every byte with its time."),
                                     QStringLiteral("FILE"));
    cli.addOptions({generate, seed, noWakeup, dropFirst, dropLast, split, doubleAnswer, late, noise, hangupAfter,
                    vanish, delay, logFile});
    cli.process(app);

    bool ok = false;
    const quint32 seedValue = cli.value(seed).toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--seed needs a whole number"));

    QList<MeterRecord> records;
    if (cli.isSet(generate) == !cli.positionalArguments().isEmpty())
        return fail(QStringLiteral("give either a records file or --generate N"));
    if (cli.isSet(generate)) {
        const int n = cli.value(generate).toInt(&ok);
        if (!ok || n < 0 || n > RecordList::kMaxRecords)
            return fail(QStringLiteral("--generate needs a number 0..%1").arg(RecordList::kMaxRecords));
        records = RecordList::generate(n, seedValue, QDateTime::currentDateTime());
    } else {
        const RecordList::ParseResult parsed = RecordList::readFile(cli.positionalArguments().first());
        if (!parsed.error.isEmpty())
            return fail(parsed.error);
        records = parsed.records;
    }

    FaultOptions faults;
    faults.noWakeup = cli.isSet(noWakeup);
    faults.dropFirst = cli.isSet(dropFirst);
    faults.dropLast = cli.isSet(dropLast);
    faults.split = cli.isSet(split);
    faults.doubleAnswer = cli.isSet(doubleAnswer);
    faults.lateAnswer = cli.isSet(late);
    faults.noise = cli.isSet(noise);
    faults.portVanishes = cli.isSet(vanish);
    if (cli.isSet(hangupAfter)) {
        faults.hangupAfter = cli.value(hangupAfter).toInt(&ok);
        if (!ok || faults.hangupAfter < 0)
            return fail(QStringLiteral("--hangup-after needs a number 0 or more"));
    }

    if (cli.isSet(delay)) {
        faults.delayMs = cli.value(delay).toInt(&ok);
        if (!ok || faults.delayMs < 0)
            return fail(QStringLiteral("--delay needs a number of milliseconds, 0 or more"));
    }

    MeterEmulator meter(records, faults, seedValue);
    QString error;
    if (cli.isSet(logFile) && !meter.logTo(cli.value(logFile), &error))
        return fail(error);
    if (!meter.open(&error))
        return fail(error);
    QObject::connect(&meter, &MeterEmulator::hungUp, &app, [] {
        std::fprintf(stderr, "meter-emulator: line closed\n");
        QCoreApplication::exit(0);
    });

    std::printf("%s\n", qPrintable(meter.devicePath()));
    std::fflush(stdout);
    std::fprintf(stderr, "meter-emulator: %lld records on %s\n", qlonglong(records.size()),
                 qPrintable(meter.devicePath()));
    return app.exec();
}
