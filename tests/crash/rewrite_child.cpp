// The rewrites that the crash-safety test kills: takes what the file holds,
// says "ready", waits for a line on standard input, rewrites the file
// the way the program does and says "done".
//   rewrite_child readings FILE   the download's save step (255 new records)
//   rewrite_child users FILE      the user list, one user's settings changed

#include "meter/ReadingMerge.h"
#include "users/UserRegistry.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// A download's records as the meter sends them: no year.
constexpr int kDownloaded = 255;
const QDateTime kNow(QDate(2025, 6, 1), QTime(12, 0));

// The file holds the sample readings (as the test wrote it), loaded as a login does.
bool rewriteReadings(const QString &path, const std::function<void()> &go, QString *error)
{
    ReadingStore store;
    QString warning;
    if (!store.load(path, error, &warning))
        return false;
    QList<Reading> records;
    for (int k = 1; k <= kDownloaded; ++k)
        records << Reading{5, 31 - k % 28, k % 24, k % 60, 100 + k, 0, k % 2 ? EventMark::PC : EventMark::C};
    go();
    return ReadingMerge::SaveNewData(store, QStringLiteral("anna"), records, kNow, path, error);
}

bool rewriteUsers(const QString &path, const std::function<void()> &go, QString *error)
{
    UserTable table;
    if (!UserRegistry::read(path, &table, error))
        return false;
    UserSettings settings = UserRegistry::newUserSettings(UserRegistry::kGuestId);
    settings.port = 3;
    settings.max = 180;
    go();
    return UserRegistry::rewrite(path, table, settings, error);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const auto go = [] {
        std::puts("ready");
        std::fflush(stdout);
        char line[8];
        if (!std::fgets(line, sizeof line, stdin))
            std::exit(3);
    };
    QString error;
    const bool ok = args.at(1) == QLatin1String("readings") ? rewriteReadings(args.at(2), go, &error)
                                                            : rewriteUsers(args.at(2), go, &error);
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::puts("done");
    return 0;
}
