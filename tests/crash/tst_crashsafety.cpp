// A rewrite killed at any moment leaves the old file or the new one, byte for
// byte, and nothing that the next start would trip on. A helper process loads
// the file, then rewrites it as the program does; it is killed at random
// moments across the time one whole rewrite takes, or across the time it
// writes the file. The seed is printed, and DEXTREL_CRASH_SEED replays it.

#include "common/TestData.h"
#include "SampleReadings.h"
#include "platform/TemporaryFiles.h"
#include "platform/TextFiles.h"
#include "store/ReadingFile.h"
#include "users/UserRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <chrono>
#include <utility>
#include <csignal>
#include <thread>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

QByteArray userList(int users)
{
    QByteArray out = UserRegistry::defaultContent();
    for (int i = 1; i <= users; ++i)
        out += TextFiles::encodeLine(UserRegistry::newUserRecord(QStringLiteral("user%1").arg(i), QStringLiteral("pw")));
    return out;
}

// Waits until a file in a folder is made or written: the rewrite has started
// writing.
class Writing
{
public:
    explicit Writing(const QString &dir) : m_fd(inotify_init1(IN_CLOEXEC))
    {
        inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_CREATE | IN_MODIFY);
    }
    ~Writing() { ::close(m_fd); }
    void wait()
    {
        char events[4096];
        QVERIFY(::read(m_fd, events, sizeof events) > 0);
    }

private:
    int m_fd;
};

// The helper, loaded and waiting for the word to rewrite.
class Rewrite
{
public:
    Rewrite(const QString &kind, const QString &path)
    {
        m_child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_child.start(QStringLiteral(REWRITE_CHILD), {kind, path});
        while (!m_child.canReadLine() && m_child.waitForReadyRead(-1)) {
        }
        QCOMPARE(m_child.readLine(), QByteArray("ready\n"));
    }
    ~Rewrite() { m_child.waitForFinished(-1); }

    void go()
    {
        m_child.write("go\n");
        m_child.waitForBytesWritten(-1);
    }
    void kill() { ::kill(pid_t(m_child.processId()), SIGKILL); }
    QByteArray finish()
    {
        m_child.waitForFinished(-1);
        return m_child.readAll();
    }

private:
    QProcess m_child;
};

int filesIn(const QString &dir)
{
    return int(QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System).size());
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedRewrite_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<int>("kills");
        QTest::addColumn<int>("entries");  // readings or users the new file holds
        QTest::newRow("download saved into 100 000 readings")
            << "readings" << "anna.txt" << ReadingFile::format(sampleReadingTables()) << 20 << kSampleReadings + 255;
        QTest::newRow("settings saved into 10 000 users")
            << "users" << "DXRegister.txt" << userList(10000) << 10 << 10001;
    }
    void killedRewrite()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        QFETCH(int, kills);
        QFETCH(int, entries);
        const quint32 seed = qEnvironmentVariableIsSet("DEXTREL_CRASH_SEED")
            ? quint32(qEnvironmentVariableIntValue("DEXTREL_CRASH_SEED"))
            : QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        ScratchFolder dir;
        const QString path = dir.file(name);

        // One whole rewrite: the new content, how long it takes, and how long
        // it writes its temporary file before that replaces the old one.
        dir.write(name, old);
        qint64 rewriteUs = 0;
        qint64 writingUs = 0;
        {
            Writing writing(dir.path());
            Rewrite whole(kind, path);
            QElapsedTimer clock;
            clock.start();
            whole.go();
            writing.wait();
            const qint64 startedUs = clock.nsecsElapsed() / 1000;
            QCOMPARE(whole.finish(), QByteArray("done\n"));
            rewriteUs = clock.nsecsElapsed() / 1000;
            writingUs = rewriteUs - startedUs;
        }
        const QByteArray fresh = dir.read(name);
        if (kind == "readings") {
            const ReadingFile::LoadResult read = ReadingFile::parse(fresh);
            QCOMPARE(std::pair(read.skippedLines, read.tables.count()), std::pair(0, entries));
        } else {
            QCOMPARE(UserRegistry::parse(fresh).userCount(), entries);
        }
        QVERIFY(fresh != old);

        // Every other kill falls while the file is written and replaced, a
        // moment much shorter than the merge before it.
        int keptOld = 0;
        int leftBehind = 0;
        for (int i = 0; i < kills; ++i) {
            dir.write(name, old);
            const bool whileWriting = i % 2;
            const qint64 delayUs = random.bounded((whileWriting ? writingUs : rewriteUs) * 6 / 5 + 1);
            {
                Writing writing(dir.path());
                Rewrite killed(kind, path);
                killed.go();
                if (whileWriting)
                    writing.wait();
                std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
                killed.kill();
            }
            const QByteArray after = dir.read(name);
            QVERIFY2(after == old || after == fresh,
                     qPrintable(QStringLiteral("killed %1 us into the %2: %3 bytes")
                                    .arg(delayUs)
                                    .arg(whileWriting ? "writing" : "rewrite")
                                    .arg(after.size())));
            keptOld += after == old;
            leftBehind += filesIn(dir.path()) - 1;
            // The next start clears what the killed rewrite left, and only that.
            TemporaryFiles::removeLeftovers(dir.path());
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{name});
        }
        qInfo("a rewrite takes %lld us, the last %lld us writing; of %d kills %d left the old file and %d a "
              "temporary file",
              rewriteUs, writingUs, kills, keptOld, leftBehind);
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
