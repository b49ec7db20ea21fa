#include "app/Pages.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<Page>)
Q_DECLARE_METATYPE(PageCommand)

class PagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unloadOrderFollowsTheEnum()
    {
        const QList<Page> order{Page::R01, Page::R01unit, Page::R02, Page::R02unit, Page::R02p, Page::R02unitp,
                                Page::R04, Page::R05, Page::MeterRead, Page::Menu, Page::Index};
        QCOMPARE(Pages::all(), order);
    }

    void commandPage_data()
    {
        QTest::addColumn<PageCommand>("command");
        QTest::addColumn<int>("unit");
        QTest::addColumn<std::optional<Page>>("page");
        const std::optional<Page> none;
        QTest::newRow("data list mg/dL") << PageCommand::DataList << 1 << std::optional(Page::R01);
        QTest::newRow("data list mmol/L") << PageCommand::DataList << 2 << std::optional(Page::R01unit);
        QTest::newRow("data list unit 7") << PageCommand::DataList << 7 << none;
        QTest::newRow("line graph mg/dL") << PageCommand::LineGraph << 1 << std::optional(Page::R02);
        QTest::newRow("line graph unit -1") << PageCommand::LineGraph << -1 << none;
        QTest::newRow("meal graph mmol/L") << PageCommand::PcLineGraph << 2 << std::optional(Page::R02unitp);
        QTest::newRow("meal graph unit 3") << PageCommand::PcLineGraph << 3 << none;
        QTest::newRow("standard day any unit") << PageCommand::StandardDay << 7 << std::optional(Page::R04);
        QTest::newRow("histogram any unit") << PageCommand::Histogram << 0 << std::optional(Page::R05);
        QTest::newRow("settings over the index") << PageCommand::Settings << 7 << std::optional(Page::Index);
        QTest::newRow("about is no page") << PageCommand::About << 1 << none;
        QTest::newRow("web is no page") << PageCommand::Web << 1 << none;
    }
    void commandPage()
    {
        QFETCH(PageCommand, command);
        QFETCH(int, unit);
        QFETCH(std::optional<Page>, page);
        QCOMPARE(PageCommands::pageFor(command, unit), page);
    }

    void names()
    {
        const QStringList expected{"index",     "menu",        "download", "datalist", "standardday", "linegraph",
                                   "pclinegraph", "histogram", "settings", "about",    "web"};
        QCOMPARE(PageCommands::names(), expected);
        QList<PageCommand> seen;
        for (const QString &name : expected) {
            const std::optional<PageCommand> command = PageCommands::fromName(name);
            QVERIFY2(command && !seen.contains(*command), qPrintable(name));
            seen << *command;
            QCOMPARE(PageCommands::name(*command), name);
        }
        for (const char *wrong : {"", "Index", "histogram ", "Data List", "frmR05"})
            QVERIFY2(!PageCommands::fromName(QString::fromLatin1(wrong)), wrong);
    }
};

QTEST_APPLESS_MAIN(PagesTest)
#include "tst_pages.moc"
