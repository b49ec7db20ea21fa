// Every fault the emulated meter can show, and damaged reading files, through
// to the file a download leaves behind: the right readings, or the old file
// untouched and a message that says why. The session runs on a fake line in a
// clock of its own with the real merge and rewrite; what needs a real line is in
// tst_downloadlog.

#include "common/FakeMeterLine.h"
#include "common/TestData.h"

#include "meter/ReadingMerge.h"
#include "store/ReadingFile.h"

#include <QDir>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2024, 3, 15), QTime(12, 0));
const QList<MeterRecord> kMeter{
    {300, 3, 14, 9, 30, true, 2024}, {95, 3, 13, 21, 5, false, 2024}, {120, 3, 13, 8, 0, false, 2024}};
// The meter's records as a download at kNow writes them, without Test_No.
const QByteArrayList kNew{"00300,03,14,09,30,PC,16.7,2024,2024/03/14 - 09:30",
                          "00095,03,13,21,05,C,05.3,2024,2024/03/13 - 21:05",
                          "00120,03,13,08,00,C,06.7,2024,2024/03/13 - 08:00"};
// Older readings, none of them in the meter.
const QByteArrayList kOld{"00142,11,19,21,40,PC,07.9,2023,2023/11/19 - 21:40",
                          "00088,11,18,07,15,C,04.9,2023,2023/11/18 - 07:15"};
const QString kLost = QStringLiteral(
    "The connection to the meter was lost (cable pulled). The download was abandoned and nothing was saved.");

// A reading file holding these rows, numbered from T0001.
QByteArray numbered(const QByteArrayList &rows)
{
    QByteArrayList lines{QByteArray(ReadingFile::kHeader)};
    for (qsizetype i = 0; i < rows.size(); ++i)
        lines << 'T' + QByteArray::number(i + 1).rightJustified(4, '0') + ',' + rows.at(i);
    return crlf(lines);
}

enum class Start { Template, Overlapping, NotInMeter, Guest };

struct StartingFile
{
    const char *name;
    QString user;
    QByteArray content;
    QByteArray afterDownload;
};

const StartingFile &startingFile(Start s)
{
    static const StartingFile files[] = {
        {"template only", "ann", crlf({ReadingFile::kHeader, ReadingFile::kTemplateRow}), numbered(kNew)},
        {"records 2 and 3 stored", "ann", numbered(kNew.mid(1)), numbered(kNew)},
        {"readings not in the meter", "ann", numbered(kOld), numbered(kNew + kOld)},
        {"guest", "guest", numbered(kOld), numbered(kNew)},
    };
    return files[int(s)];
}

// What a download from kMeter over the fake line left.
struct Outcome
{
    QByteArray file;
    QStringList failures, messages, warnings, filesInFolder;
    QString loadWarning;
    QByteArray kept;  // the original kept beside the file, if any
};

Outcome downloadOnto(const QByteArray &content, const QString &user, const FaultOptions &faults)
{
    ScratchFolder dir;
    const QString name = user + ".txt";
    const QString path = dir.file(name);
    dir.write(name, content);
    Outcome out;
    ReadingStore store;
    QString error;
    store.load(path, &error, &out.loadWarning);
    out.loadWarning.replace(QDir::toNativeSeparators(path), "%1");

    FakeMeterLine line(kMeter, faults);
    line.saveStep = [&](const QList<Reading> &records, QString *error) {
        return ReadingMerge::SaveNewData(store, user, records, kNow, path, error);
    };
    line.download();
    out.file = dir.read(name);
    out.failures = line.failures;
    out.messages = line.messages;
    out.warnings = line.warnings;
    out.filesInFolder = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    if (dir.exists(name + ".bak"))
        out.kept = dir.read(name + ".bak");
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Start)

class FaultMatrixTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineFault_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<Start>("start");
        QTest::addColumn<QString>("report");  // empty: the download must leave the right file
        // Record 2's first half is 5F 30 AA.
        const struct
        {
            const char *name;
            FaultOptions faults;
            QString report;
        } faults[] = {
            {"none", {}, {}},
            {"no wake-up", {.noWakeup = true}, "Meter Wake Up...Failed"},
            {"first answers dropped", {.dropFirst = true}, {}},
            {"late answer", {.lateAnswer = true}, {}},
            {"slow meter", {.delayMs = 150}, {}},
            {"answer doubled", {.doubleAnswer = true}, "Data Receiving Error! Got 6 byte--it's [5F][30][AA][5F][30][AA]"},
            {"answer split", {.split = true}, {}},
            {"noise", {.noise = true}, {}},
            {"hang-up in the second pass", {.hangupAfter = 4}, kLost},
            {"port vanishing", {.portVanishes = true}, kLost},
        };
        // The starting file matters only when the download succeeds: every kind
        // without a fault, one with stored records under the other faults that
        // let it succeed, and one the meter knows nothing of under those that fail.
        for (const auto &f : faults) {
            const QList<Start> starts = qstrcmp(f.name, "none") == 0
                ? QList<Start>{Start::Template, Start::Overlapping, Start::NotInMeter, Start::Guest}
                : QList<Start>{f.report.isEmpty() ? Start::Overlapping : Start::NotInMeter};
            for (const Start s : starts)
                QTest::addRow("%s, %s", f.name, startingFile(s).name) << f.faults << s << f.report;
        }
    }
    void lineFault()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(Start, start);
        QFETCH(QString, report);
        const StartingFile &from = startingFile(start);
        const Outcome out = downloadOnto(from.content, from.user, faults);
        const bool clean = report.isEmpty();
        // A wake-up that fails is shown on the label only; the meter can still be woken.
        const QStringList shown = clean || faults.noWakeup ? QStringList() : QStringList{report};
        QCOMPARE(std::tuple(out.file, out.failures, out.messages, out.warnings, out.filesInFolder),
                 std::tuple(clean ? from.afterDownload : from.content, clean ? QStringList() : QStringList{report},
                            shown, clean ? QStringList{QString()} : QStringList(), QStringList{from.user + ".txt"}));
    }

    // Damaged files load with what can be read and a warning naming the line;
    // a download then writes the readings, and the original is kept beside it.
    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("warning");  // %1 stands for the file
        QTest::addColumn<QByteArrayList>("oldRows");  // what the file holds after the new readings
        const QByteArray header = ReadingFile::kHeader;
        const QByteArray o1 = "T0001," + kOld[0], o2 = "T0002," + kOld[1];
        const QString kept = " The file will be kept unchanged as %1.bak before new readings are saved.";
        // "2023/11/19 – 21:40" with an en dash, and "00１42" with a full-width one.
        const QByteArray utf8Free = "T0001,00142,11,19,21,40,PC,07.9,2023,2023/11/19 \xE2\x80\x93 21:40";
        const QByteArray utf8Number = "T0002,00\xEF\xBC\x91" "42,11,18,07,15,C,04.9,2023,";

        QTest::newRow("truncated") << header + "\r\n" + o1 + "\r\n" + o2.left(16) << "Line 3 of %1 could not be read and was skipped." + kept
                                   << kOld.mid(0, 1);
        QTest::newRow("empty") << QByteArray() << QString() << QByteArrayList();
        QTest::newRow("UTF-8 bytes") << crlf({header, utf8Free, utf8Number})
                                     << "Line 3 of %1 could not be read and was skipped." + kept << kOld.mid(0, 1);
    }
    void damagedFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        QFETCH(QByteArrayList, oldRows);
        const Outcome out = downloadOnto(content, "ann", {});
        QCOMPARE(std::tuple(out.loadWarning, out.file, out.kept, out.failures, out.warnings),
                 std::tuple(warning, numbered(kNew + oldRows), warning.isEmpty() ? QByteArray() : content,
                            QStringList(), QStringList{QString()}));
    }
};

QTEST_MAIN(FaultMatrixTest)
#include "tst_faultmatrix.moc"
