#include "common/MessageRecorder.h"
#include "help/ui/ManualBrowser.h"
#include "help/ui/frmBrowser.h"
#include "platform/UiLanguage.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace {

const QString kHomeTitle = QStringLiteral("Dextrel Management Software manual");
const QString kHome = QStringLiteral("manual:/index.html");

void type(frmBrowser &browser, const QString &address)
{
    browser.cboAddress->lineEdit()->setText(address);
    QTest::keyClick(browser.cboAddress->lineEdit(), Qt::Key_Return);
}

} // namespace

class BrowserTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmBrowser> m_browser;
    QStringList m_firstCaptions;
    QStringList m_opened; // by the system's browser

public Q_SLOTS:
    void openInSystemBrowser(const QUrl &url) { m_opened << url.toString(); }

private Q_SLOTS:
    void initTestCase()
    {
        // Only https has a system browser here.
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openInSystemBrowser");
        m_browser.reset(frmBrowser::openManual());
        m_browser->setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy captions(m_browser.get(), &QWidget::windowTitleChanged);
        m_browser->show();
        QTRY_VERIFY(!m_browser->timTimer->isActive());
        for (const QList<QVariant> &signal : captions)
            m_firstCaptions << signal.first().toString();
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    // The page loads at once, so the caption gives its title straight away;
    // then the address label and the toolbar's keys with their tooltips.
    void captionAndToolbar()
    {
        QStringList seen = m_firstCaptions << m_browser->lblAddress->text();
        for (QAction *action : m_browser->tbToolBar->actions())
            seen << action->data().toString() + ' ' + action->toolTip();
        QCOMPARE(seen, (QStringList{kHomeTitle, "WebSide(&A):", "Back 上一頁", "Forward 下一頁", "Stop 停止",
                                    "Refresh 重新整理", "Home 首頁", "Search 搜尋"}));
    }

    // What the user does after the home page, and the caption and address list
    // after it, the timer stopped: "type:" an address and Enter, "list:" an
    // entry of the list, "link:" a link of the page followed, "words:" words
    // searched for on the search page, anything else a toolbar key.
    void browse()
    {
        const QString connect = "manual:/connect.html", search = "manual:/search.html", x = kHome + "#x";
        const QString gmi = "manual:/search.html?q=GMI+Estimate", summary = "manual:/summary.html";
        const struct
        {
            QString step;
            QString caption;
            QStringList addresses;
        } steps[] = {
            {"type:" + connect, "Connecting the meter", {connect, kHome}},
            {"Home", kHomeTitle, {kHome, connect}},
            {"list:" + connect, "Connecting the meter", {connect, kHome}},
            {"Back", kHomeTitle, {kHome, connect}},
            {"Forward", "Connecting the meter", {connect, kHome}},
            {"Refresh", "Connecting the meter", {connect, kHome}},
            {"Stop", "Connecting the meter", {connect, kHome}},
            {"link:index.html#x", kHomeTitle, {x, connect, kHome}},
            {"Search", "Search the manual", {search, x, connect, kHome}},
            {"words:GMI Estimate", "Search the manual", {gmi, search, x, connect, kHome}},
            {"link:summary.html", "Summary", {summary, gmi, search, x, connect, kHome}},
            {"Back", "Search the manual", {gmi, summary, search, x, connect, kHome}},
        };
        frmBrowser &browser = *m_browser;
        ManualBrowser &page = *browser.brwWebBrowser;
        QStringList searchBox;
        for (const auto &[step, caption, addresses] : steps) {
            const QString how = step.section(u':', 0, 0), what = step.section(u':', 1);
            if (how == u"type") {
                browser.cboAddress->clearEditText();
                QTest::keyClicks(browser.cboAddress->lineEdit(), what);
                QTest::keyClick(browser.cboAddress->lineEdit(), Qt::Key_Return);
            } else if (how == u"list") {
                browser.cboAddress->setCurrentIndex(browser.cboAddress->findText(what));
                emit browser.cboAddress->activated(browser.cboAddress->currentIndex());
            } else if (how == u"link") {
                page.setSource(QUrl(what)); // as a click on it does
            } else if (how == u"words") {
                page.txtQuery->setText(what);
                QTest::keyClick(page.txtQuery, Qt::Key_Return);
            } else {
                for (QAction *key : browser.tbToolBar->actions())
                    if (key->data().toString() == step)
                        key->trigger();
            }
            QTRY_VERIFY2(!browser.timTimer->isActive(), qPrintable(step));
            // The step leads each side, so a failure names it.
            QStringList seen{step, browser.windowTitle(), browser.cboAddress->currentText()};
            for (int i = 0; i < browser.cboAddress->count(); ++i)
                seen << browser.cboAddress->itemText(i);
            QCOMPARE(seen, (QStringList{step, caption, addresses.first()} + addresses));
            if (page.txtQuery->isVisibleTo(&browser))
                searchBox << page.txtQuery->text() + ": " + page.toPlainText().section(u'\n', 2).trimmed();
        }
        // The words box is on the search page only, above the pages found.
        QCOMPARE(searchBox, (QStringList{": ", "GMI Estimate: Summary", "GMI Estimate: Summary"}));
    }

    // An address typed on the home page: the message it brings, the top of the
    // address list, the caption and the page's last line. A manual address of
    // nothing shows a blank page under its address; a web address goes to the
    // system's browser, or says there is none; anything else is refused, the
    // page staying as it was. A jump within the page ends at once.
    void addresses()
    {
        const QString refused = "The help browser shows the manual only; it does not open ";
        const QString words = "manual:/search.html?q=%3Cb%3Ex+%3C/b%3E";
        const struct
        {
            const char *typed;
            QString message, top, caption; // top and caption: the home page's when empty
            const char *shows;             // the page as it was when null
        } rows[] = {
            {"FILE:///etc/passwd", refused + "file:///etc/passwd", {}, {}, nullptr},
            {"qrc:/manual/index.html", refused + "qrc:/manual/index.html", {}, {}, nullptr},
            {"data:text/html,<b>x</b>", refused + "data:text/html,%3Cb%3Ex%3C/b%3E", {}, {}, nullptr},
            {" javascript:document.title='x'", refused + "javascript:document.title='x'", {}, {}, nullptr},
            {"view-source:manual:/index.html", refused + "view-source:manual:/index.html", {}, {}, nullptr},
            {"chrome://version", refused + "chrome://version", {}, {}, nullptr},
            {"about:blank", refused + "about:blank", {}, {}, nullptr},
            {"http://a.example/",
             "No web browser is set up on this computer to open http://a.example/",
             {},
             {},
             nullptr},
            {"https://a.example/", {}, {}, {}, nullptr},
            {"#", {}, {}, {}, nullptr},
            {"MANUAL:/index.html#x", {}, "manual:/index.html#x", {}, nullptr},
            {"manual:/INDEX.html", {}, "manual:/INDEX.html", "manual:/INDEX.html", ""},
            {"manual:/../connect.html", {}, "manual:/../connect.html", "manual:/../connect.html", ""},
            {"manual:/%2e%2e/connect.html", {}, "manual:/../connect.html", "manual:/../connect.html", ""},
            {"manual:/pictures/%2e%2e%2fx.png", {}, "manual:/pictures/..%2Fx.png", "manual:/pictures/..%2Fx.png", ""},
            {"manual:/manual.css", {}, "manual:/manual.css", "manual:/manual.css", ""},
            {"manual:/search.html?q=%3Cb%3Ex+%3C/b%3E", {}, words, "Search the manual", "No page holds “<b>x </b>”."},
        };
        QTest::failOnWarning(QRegularExpression("QTextBrowser"));
        frmBrowser &browser = *m_browser;
        for (const auto &[typed, message, top, caption, shows] : rows) {
#ifdef Q_OS_WIN
            // Windows (and Wine) has a browser for http: whether there is none is not for this test to set.
            if (QByteArrayView(typed).startsWith("http:"))
                continue;
#endif
            type(browser, kHome);
            const QString before = browser.brwWebBrowser->toPlainText();
            m_opened.clear();
            MessageRecorder messages;
            type(browser, QString::fromUtf8(typed));
            QTRY_VERIFY2(!browser.timTimer->isActive(), typed);
            const QString page = browser.brwWebBrowser->toPlainText();
            QCOMPARE(std::tuple(QString(typed), messages.texts().join(u'\n'), browser.cboAddress->itemText(0),
                                browser.windowTitle(), shows ? page.section(u'\n', -1).trimmed() : page, m_opened),
                     std::tuple(QString(typed), message, top.isEmpty() ? kHome : top,
                                caption.isEmpty() ? kHomeTitle : caption, shows ? QString(shows) : before,
                                QString(typed).startsWith("https") ? QStringList{typed} : QStringList{}));
        }
    }

    // Every picture of every page is there, from inside the program, and the
    // Chinese pages show the same pictures and links as the English ones, the
    // windows in Chinese; nothing else is read into a page: not the computer's
    // files, not the program's other resources, not another language's
    // pictures, not data of the page's own making.
    void pictures()
    {
        ManualBrowser &view = *m_browser->brwWebBrowser;
        const auto picture = [document = view.document()](const QString &name) {
            return document->resource(QTextDocument::ImageResource, QUrl(name)).value<QPixmap>().toImage();
        };
        const auto shown = [&](const QString &name) {
            return name + (picture(name).isNull() ? " not" : "") + " shown";
        };
        QStringList seen[2], links[2];  // English, Chinese
        QHash<QString, QImage> english; // by page and picture
        for (const UiLanguage language : {UiLanguage::English, UiLanguage::TraditionalChinese}) {
            UiLanguages::setCurrent(language);
            for (const char *page : {"index", "connect", "data", "commandline", "search", "datalist", "linegraph",
                                     "pclinegraph", "standardday", "histogram", "summary", "overlayday"}) {
                view.setSource(QUrl(QStringLiteral("manual:/%1.html").arg(page)));
                for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
                    for (auto it = block.begin(); !it.atEnd(); ++it) {
                        const QTextCharFormat format = it.fragment().charFormat();
                        if (const QTextImageFormat image = format.toImageFormat(); image.isValid()) {
                            const QString line = page + (": " + shown(image.name()));
                            const QImage drawn = picture(image.name());
                            seen[int(language)] << line + (english.value(line) == drawn ? ", the English one" : "");
                            english.insert(line, drawn);
                        } else if (const QString link = page + (": " + format.anchorHref());
                                   format.isAnchor() && !links[int(language)].endsWith(link))
                            links[int(language)] << link;
                    }
            }
        }
        UiLanguages::setCurrent(UiLanguage::English);
        QStringList expected{"index: pictures/index.png shown",
                             "connect: pictures/download.png shown",
                             "datalist: pictures/datalist.png shown",
                             "linegraph: pictures/linegraph.png shown",
                             "pclinegraph: pictures/pclinegraph.png shown",
                             "standardday: pictures/standardday.png shown",
                             "histogram: pictures/histogram.png shown",
                             "summary: pictures/summary.png shown",
                             "overlayday: pictures/overlayday.png shown"};
        QCOMPARE(seen[1], expected);
        QCOMPARE(links[1], links[0]);
        for (const QString &name :
             {QUrl::fromLocalFile(QCoreApplication::applicationFilePath()).toString(),
              QStringLiteral("qrc:/manual/pictures/index.png"), QStringLiteral(":/manual/pictures/index.png"),
              QStringLiteral("qrc:/images/drop.svg"), QStringLiteral("manual:/zh_TW/pictures/index.png")}) {
            seen[0] << shown(name);
            expected << name + " not shown";
        }
        QCOMPARE(seen[0], expected);
    }

    // The manual speaks the program's language: when the window is told that
    // the language changed, the page shown is read again in the new one,
    // under the same address; the address typed next opens in it too.
    void language()
    {
        frmBrowser &browser = *m_browser;
        type(browser, kHome);
        QStringList seen; // caption | links bar | last line
        for (const auto &[language, typed] : std::initializer_list<std::pair<UiLanguage, const char *>>{
                 {UiLanguage::TraditionalChinese, nullptr},
                 {UiLanguage::TraditionalChinese, "manual:/search.html?q=xyz"},
                 {UiLanguage::English, nullptr}}) {
            UiLanguages::setCurrent(language);
            QEvent change(QEvent::LanguageChange);
            if (typed)
                type(browser, typed);
            else
                QCoreApplication::sendEvent(&browser, &change);
            QTRY_VERIFY(!browser.timTimer->isActive());
            const QStringList lines = browser.brwWebBrowser->toPlainText().split(u'\n');
            seen << browser.windowTitle() + " | " + lines.first().trimmed() + " | " + lines.last().trimmed();
        }
        const QString chinese = " | 首頁 · 連接血糖機 · 報告 · 您的資料 · 命令列 · 搜尋 | ";
        QCOMPARE(seen, (QStringList{"Dextrel Management Software 使用手冊" + chinese
                                        + "另外還有：資料存放在哪裡，以及如何備份、命令列選項。",
                                    "搜尋使用手冊" + chinese + "沒有任何一頁含有「xyz」。",
                                    "Search the manual | Home · Connecting the meter · Reports · Your data · Command "
                                    "line · Search | No page holds “xyz”."}));
    }
};

QTEST_MAIN(BrowserTest)
#include "tst_browser.moc"
