// The charts as the program draws them: each report's chart recorded whole for
// a small table; every page whole on the screens it is made for, at 100 % and
// 150 %, its charts' texts neither cut nor over one another; every text and
// mark readable on a light and a dark palette.

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "common/PageChecks.h"
#include "common/Readings.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/chart/ChartView.h"
#include "store/ReadingFile.h"

#include <QApplication>
#include <QDateEdit>
#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

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
    Opened(const QString &name, int unit, QSize frameSize)
    {
        state.user = {QStringLiteral("ann"), 1, unit, 1, 180, 70, 180, 70};
        state.store.setContent(ReadingFile::format(table(kSmall)));
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

private Q_SLOTS:
    void init()
    {
        QApplication::setFont(m_font);
        // Fusion's colours, which do not follow the system's (Windows's differ).
        static const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(fusion->standardPalette());
    }

    // Axes as the reports ask for them: the range widened to round steps, the
    // labels rounded (a step of 24.99… reads 25).
    void axis_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("nice");
        QTest::addColumn<QString>("labels");
        QTest::newRow("histogram, 27 readings at most") << 0.0 << 27.0 << 0 << true << "0|10|20|30";
        QTest::newRow("overlay day mmol/L") << 0.0 << 300 / 18.0 << 1 << true << "0.0|5.0|10.0|15.0|20.0";
        QTest::newRow("standard day, below zero") << -12.0 << 198.0 << 0 << true << "-100|0|100|200";
        QTest::newRow("summary's per cent") << 0.0 << 100.0 << 0 << false << "0|25|50|75|100";
    }
    void axis()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        Chart::Axis axis;
        axis.min = min;
        axis.max = max;
        QFETCH(int, decimals);
        axis.decimals = decimals;
        QFETCH(bool, nice);
        if (nice)
            Chart::applyNiceNumbers(axis);
        QStringList labels;
        for (double v : axis.tickValues())
            labels << axis.tickText(v);
        QTEST(labels.join(u'|'), "labels");
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
    // one at 150 %, in both units, without scroll bars; no chart text is cut
    // or lies over another, also at the chart's least size and with the values
    // table open under it.
    void whole_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("frame");
        for (const QString &page : kPages) {
            for (int unit : {1, 2}) {
                const QString name = page + (unit == 1 ? QStringLiteral(" mg/dL") : QStringLiteral(" mmol/L"));
                QTest::addRow("%s, 1024x768", qPrintable(name)) << page << unit << 1.0 << QSize(1008, 720);
                QTest::addRow("%s, 150 %%, 1280x1024", qPrintable(name)) << page << unit << 1.5 << QSize(1256, 953);
            }
        }
    }
    void whole()
    {
        QFETCH(QString, page);
        QFETCH(int, unit);
        QFETCH(double, scale);
        QFETCH(QSize, frame);
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
