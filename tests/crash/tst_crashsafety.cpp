// A rewrite killed while it writes leaves the old file byte for byte, and
// nothing that the next start would trip on. A helper process loads a reading
// file of 100 000 readings and saves a download into it as the program does; a
// limit on the size of the files it may write kills it part of the way through
// (SIGXFSZ), as a crash or a power cut would.

#include "common/TestData.h"
#include "SampleReadings.h"
#include "store/ReadingFile.h"
#include "users/OwnFiles.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWhileWriting()
    {
        ScratchFolder dir;
        const QByteArray old = ReadingFile::format(sampleReadingTables());
        dir.write("DXRegister.txt", "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nanna*,pw*,1,1,1,1,1,1,1\r\n");
        for (const rlim_t written : {rlim_t(0), rlim_t(old.size() / 2)}) {
            dir.write("anna.txt", old);
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.setChildProcessModifier([written] {
                const rlimit limit{written, written};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
            child.start(QStringLiteral(REWRITE_CHILD), {dir.file("anna.txt")});
            QVERIFY(child.waitForFinished(-1));
            QCOMPARE(std::tuple(child.exitStatus(), child.exitCode(), dir.read("anna.txt") == old),
                     std::tuple(QProcess::CrashExit, SIGXFSZ, true));
            // The next start clears what the killed rewrite left, and only that.
            OwnFiles::removeLeftovers(dir.path());
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                     (QStringList{"anna.txt", "DXRegister.txt"}));
        }
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
