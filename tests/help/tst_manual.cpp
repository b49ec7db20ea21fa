#include "help/ManualSearch.h"

#include <QFile>
#include <QTest>

class ManualTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The pages the search page lists for a query, from the index as built:
    // every word in the title or text, in any case, inside longer words too.
    void search_data()
    {
        QTest::addColumn<QString>("pages");
        for (const auto &[query, pages] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"GMI Estimate", "summary"},
                 {"dialout GMI", ""},
                 {"histogram", "index commandline histogram"},
                 {"PORT", "index connect data commandline datalist linegraph standardday histogram summary overlayday"},
                 {"  serial \t  port  ", "index connect commandline"},
                 {"<user id>", "data"},
                 {"date & time", "datalist"},
                 {"logging", ""}, // only in a picture's description
                 {"×", "summary"},
                 {"summary mean", "index summary"},
                 {"c:\\", "data"},
                 {"\"User Login\"", "index"},
                 {"   ", ""},
             })
            QTest::newRow(query) << QString::fromLatin1(pages);
    }
    void search()
    {
        QFETCH(QString, pages);
        QFile file(QStringLiteral(MANUAL_INDEX));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<ManualSearch::Page> index = ManualSearch::readIndex(file.readAll());
        QStringList found{QString::number(index.size())};
        for (const ManualSearch::Page &page : ManualSearch::find(index, QString::fromUtf8(QTest::currentDataTag())))
            found << page.file.chopped(5);
        QCOMPARE(found.join(u' '), QString("11 " + pages).trimmed());
    }
};

QTEST_GUILESS_MAIN(ManualTest)
#include "tst_manual.moc"
