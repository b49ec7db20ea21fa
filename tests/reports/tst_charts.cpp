// The charts as the program draws them: each report's chart recorded whole for
// a small table; every page whole on the screens it is made for, at 100 % and
// 150 %, in English and in Traditional Chinese, its charts' texts neither cut
// nor over one another; every text and mark readable on a light and a dark
// palette; nothing left in English on a page in Chinese.

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "common/PageChecks.h"
#include "common/Readings.h"
#include "UntranslatedTexts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/chart/ChartView.h"
#include "store/ReadingFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// Five readings in the hour 8 give the overlay day its median and bands.
const QList<Reading> kSmall{at(2006, 3, 5, 7, 5, 123),        at(2006, 3, 5, 19, 30, 180),
                            at(2006, 3, 6, 8, 0, 99, "PC"),   at(2006, 3, 6, 8, 20, 140),
                            at(2006, 3, 7, 8, 10, 160, "PC"), at(2006, 3, 8, 8, 40, 75),
                            at(2006, 3, 9, 8, 30, 210),       at(2006, 3, 9, 19, 30, 250, "PC")};

QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    return dark;
}

// The logged-in user of unit 1 (mg/dL) or 2, the frame and one page opened
// as its menu command opens it: the standard day on 6 March, the summary and
// the overlay day over all of March.
struct Opened
{
    Opened(const QString &name, int unit, QSize frameSize, const QList<Reading> &readings = kSmall)
    {
        state.user = {QStringLiteral("ann"), 1, unit, 1, 180, 70, 180, 70};
        state.store.setContent(ReadingFile::format(table(readings)));
        frame.resize(frameSize);
        frame.show();
        page = frame.open(*PageCommands::fromName(name));
        if (auto *days = page->findChild<QComboBox *>(QStringLiteral("Combo4"))) {
            days->setCurrentIndex(days->findText(QStringLiteral("2006/3/6")));
            emit days->activated(days->currentIndex());
        }
        if (auto *from = page->findChild<QDateEdit *>(QStringLiteral("DTPicker1"));
            from && !page->inherits("LineGraphWindow"))
            from->setDate(QDate(2006, 3, 1));
        QApplication::processEvents();
    }

    MessageRecorder messages;
    AppState state;
    frmMain frame{state};
    QWidget *page;
};

const QStringList kPages{"histogram", "standardday", "linegraph", "pclinegraph", "summary", "overlayday"};

} // namespace

class ChartsTest : public QObject
{
    Q_OBJECT

    QFont m_font{QStringLiteral("DejaVu Sans"), 9};
    QTranslator m_zh;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_zh.load(QStringLiteral(":/translations/dextrel_zh_TW.qm"))); }
    void init()
    {
        QCoreApplication::removeTranslator(&m_zh);
        QApplication::setFont(m_font);
        // Fusion's colours, which do not follow the system's (Windows's differ).
        static const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(fusion->standardPalette());
    }

    // Each chart recorded whole (tests/reports/charts/PAGE.txt) at a size of
    // its own, then at the least size it asks for. DEXTREL_WRITE_CHARTS=1
    // writes what is drawn, to be read over.
    void drawn_data()
    {
        QTest::addColumn<int>("unit");
        QTest::newRow("histogram") << 2;
        QTest::newRow("standardday") << 1;
        QTest::newRow("linegraph") << 1;
        QTest::newRow("summary") << 1;
        QTest::newRow("overlayday") << 2;
    }
    void drawn()
    {
        QFETCH(int, unit);
#ifdef Q_OS_WIN
        QSKIP("The recordings hold the text widths of Linux's font engine; Windows's rounds them to pixels.");
#endif
        Opened opened(QString::fromLatin1(QTest::currentDataTag()), unit, QSize(1008, 720));
        auto *chart = opened.page->findChild<ChartView *>();
        Chart::ChartRecorder recorder(chart);
        for (const QSize size : {QSize(560, 340), chart->minimumSizeHint()}) {
            chart->resize(size);
            chart->paint(recorder);
        }
        QFile file(QStringLiteral(DEXTREL_CHART_RECORDINGS "/") + QTest::currentDataTag() + QStringLiteral(".txt"));
        if (qEnvironmentVariableIntValue("DEXTREL_WRITE_CHARTS")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
            file.write(recorder.lines().join(u'\n').toUtf8() + '\n');
            QSKIP("written");
        }
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(recorder.lines(), QString::fromUtf8(file.readAll()).trimmed().split(u'\n'));
    }

    // The page fits the frame of a 1024×768 screen at 100 % and of a 1280×1024
    // one at 150 %, in both units and both languages, without scroll bars; no
    // chart text is cut or lies over another, also at the chart's least size
    // and with the values table open under it.
    void whole_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<bool>("chinese");
        for (const QString &page : kPages) {
            for (int unit : {1, 2}) {
                for (bool zh : {false, true}) {
                    const QString name = page + (unit == 1 ? QStringLiteral(" mg/dL") : QStringLiteral(" mmol/L"))
                                         + (zh ? QStringLiteral(", zh_TW") : QString());
                    QTest::addRow("%s, 1024x768", qPrintable(name)) << page << unit << 1.0 << QSize(1008, 720) << zh;
                    QTest::addRow("%s, 150 %%, 1280x1024", qPrintable(name))
                        << page << unit << 1.5 << QSize(1256, 953) << zh;
                }
            }
        }
    }
    void whole()
    {
        QFETCH(QString, page);
        QFETCH(int, unit);
        QFETCH(double, scale);
        QFETCH(QSize, frame);
        QFETCH(bool, chinese);
        if (chinese)
            QCoreApplication::installTranslator(&m_zh);
        QFont font = m_font;
        font.setPointSizeF(m_font.pointSizeF() * scale);
        QApplication::setFont(font);
        Opened opened(page, unit, frame);
        const QMdiArea *area = opened.frame.findChild<QMdiArea *>();
        QStringList problems;
        if (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible())
            problems << page + QStringLiteral(" needs scroll bars");
        auto *chart = opened.page->findChild<ChartView *>();
        problems << PageChecks::cutTexts(chart);
        opened.page->findChild<ChartValues *>()->toggle->click();
        QApplication::processEvents();
        problems << PageChecks::cutTexts(chart);
        chart->resize(chart->minimumSizeHint());
        problems << PageChecks::cutTexts(chart);
        QCOMPARE(problems, QStringList());
    }

    // Each report page in Traditional Chinese, in both units, with and without
    // readings, its values table open, opened so or switched to it while open:
    // no text shown or read out, and no message shown, is left in English but
    // names, units and the meal marks.
    void chinese_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("readings");
        QTest::addColumn<bool>("switched");
        for (const QString &page : kPages + QStringList{"datalist"})
            for (int unit : {1, 2})
                for (bool readings : {true, false})
                    for (bool switched : {false, true})
                        QTest::addRow("%s, unit %d%s%s", qPrintable(page), unit, readings ? "" : ", no readings",
                                      switched ? ", switched" : "")
                            << page << unit << readings << switched;
    }
    void chinese()
    {
        QFETCH(QString, page);
        QFETCH(int, unit);
        QFETCH(bool, readings);
        QFETCH(bool, switched);
        if (!switched)
            QCoreApplication::installTranslator(&m_zh);
        Opened opened(page, unit, QSize(1008, 720), readings ? kSmall : QList<Reading>{});
        for (QPushButton *show : opened.page->findChildren<QPushButton *>(QRegularExpression("Show$")))
            show->click();
        if (switched) {
            QCoreApplication::installTranslator(&m_zh);
            QApplication::processEvents();
            opened.messages.clear(); // shown before, in English
        }
        const QStringList keep{"ann", "mg/dL", "mmol/L", "C", "PC", "GMI", "A1C"};
        QStringList found = UntranslatedTexts::in(opened.page, keep);
        for (const QString &message : opened.messages.texts())
            if (UntranslatedTexts::isEnglish(message, keep))
                found << message;
        QCOMPARE(found.join(u'\n'), QString());
    }

    // Every label, chart text and mark of each page at 4.5:1 or more against
    // what it is drawn on, in mmol/L (the longer texts).
    void readable_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("dark");
        for (const QString &page : kPages) {
            QTest::addRow("%s, light", qPrintable(page)) << page << false;
            QTest::addRow("%s, dark", qPrintable(page)) << page << true;
        }
    }
    void readable()
    {
        QFETCH(QString, page);
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        Opened opened(page, 2, QSize(1008, 720));
        QCOMPARE(PageChecks::faintTexts(opened.page), QStringList());
    }
};

QTEST_MAIN(ChartsTest)
#include "tst_charts.moc"
