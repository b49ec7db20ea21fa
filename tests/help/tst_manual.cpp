#include "help/ManualSearch.h"

#include <QFile>
#include <QTest>

class ManualTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The pages the search page lists for a query, from the English and the
    // Chinese index as built: every word in the title or text, in any case,
    // inside longer words too; a run of Chinese characters where a page holds
    // it, across the page's bold or links; full-width forms as plain ones.
    void search_data()
    {
        QTest::addColumn<QString>("pages"); // in English | in Chinese
        for (const auto &[query, pages] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"GMI Estimate", "summary |"},
                 {"dialout GMI", "|"},
                 {"histogram", "index commandline histogram | commandline histogram"},
                 {"PORT",
                  "index connect data commandline datalist linegraph standardday histogram summary overlayday | "
                  "index connect data commandline datalist linegraph standardday histogram summary overlayday"},
                 {"  serial \t  port  ", "index connect commandline |"},
                 {"<user id>", "data |"},
                 {"date & time", "datalist | datalist"},
                 {"logging", "|"}, // only in a picture's description
                 {"×", "summary | summary"},
                 {"summary mean", "index summary |"},
                 {"c:\\", "data | data"},
                 {"\"User Login\"", "index |"},
                 {"   ", "|"},
                 {"餐後 折線圖", "| index pclinegraph"},
                 {"按開始讀取", "| index connect"},
                 {"ＧＭＩ　推估", "| summary"},
             })
            QTest::newRow(query) << QString::fromUtf8(pages);
    }
    void search()
    {
        QFETCH(QString, pages);
        QStringList found, expected;
        for (const char *language : {"en", "zh_TW"}) {
            QFile file(QStringLiteral(MANUAL_DIR "/%1/search-index.txt").arg(QLatin1String(language)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QList<ManualSearch::Page> index = ManualSearch::readIndex(file.readAll());
            QStringList names{QString::number(index.size())};
            for (const ManualSearch::Page &page : ManualSearch::find(index, QString::fromUtf8(QTest::currentDataTag())))
                names << page.file.chopped(5);
            found << names.join(u' ');
            expected << ("11 " + pages.section(u'|', expected.size(), expected.size()).trimmed()).trimmed();
        }
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(ManualTest)
#include "tst_manual.moc"
