#include "help/ui/ManualBrowser.h"

#include "help/ManualAddress.h"
#include "help/ManualSearch.h"
#include "platform/ui/MessageService.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Where the search page lists what it found (manual/search.html).
const QString kResults = QStringLiteral("<div id=\"results\"></div>");

// The index of the manual in a language: a few kilobytes in the program's
// resources, read for each search.
QList<ManualSearch::Page> searchIndex(UiLanguage language)
{
    QFile file(ManualAddress::searchIndexFile(language));
    return ManualSearch::readIndex(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

} // namespace

ManualBrowser::ManualBrowser(QWidget *parent)
    : QTextBrowser(parent)
    , txtQuery(new QLineEdit)
    , cmdSearch(new QPushButton(QStringLiteral("Search")))
    , m_searchBar(new QWidget(this))
{
    txtQuery->setObjectName(QStringLiteral("txtQuery"));
    txtQuery->setPlaceholderText(QStringLiteral("A word, such as port"));
    txtQuery->setAccessibleName(QStringLiteral("Words to search for"));
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    auto *layout = new QHBoxLayout(m_searchBar);
    layout->addWidget(txtQuery, 1);
    layout->addWidget(cmdSearch);
    m_searchBar->hide();
    const auto searchTyped = [this] { setSource(ManualAddress::searchFor(txtQuery->text())); };
    connect(txtQuery, &QLineEdit::returnPressed, this, searchTyped);
    connect(cmdSearch, &QPushButton::clicked, this, searchTyped);
    // Back and Forward open their pages without doSetSource; and source()
    // gives the new page's address only once this signal has been sent.
    connect(this, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        m_shown = url;
        placeSearchBar();
        if (ManualAddress::isSearch(url)) {
            txtQuery->setText(ManualAddress::searchWords(url));
            txtQuery->setFocus();
        }
    });
}

QString ManualBrowser::title() const
{
    const QString title = documentTitle();
    return title.isEmpty() ? m_shown.toString() : title;
}

QVariant ManualBrowser::loadResource(int type, const QUrl &name)
{
    const UiLanguage language = UiLanguages::current();
    QString resource = ManualAddress::fileFor(name, language);
    // A page is a page of the manual, not its style sheet or a picture as text.
    if (type == QTextDocument::HtmlResource && !resource.endsWith(QLatin1String(".html")))
        resource.clear();
    QFile file(resource);
    if (resource.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        // An empty answer, not none: with none the document would look for
        // the address itself, in the computer's files or the program's resources.
        if (type == QTextDocument::HtmlResource)
            return QStringLiteral("<html></html>");
        return QByteArray();
    }
    const QByteArray bytes = file.readAll();
    if (type == QTextDocument::ImageResource)
        return bytes;
    QString text = QString::fromUtf8(bytes);
    if (type == QTextDocument::HtmlResource && ManualAddress::isSearch(name)) {
        const QString found = ManualSearch::resultsHtml(searchIndex(language), ManualAddress::searchWords(name),
                                                        language);
        text.replace(kResults, QString(kResults).insert(kResults.indexOf(u'>') + 1, found));
    }
    return text;
}

void ManualBrowser::doSetSource(const QUrl &url, QTextDocument::ResourceType type)
{
    // A link of the page is read from the page's address; an address is
    // taken as it is, so that a way out of the manual ("manual:/../x") is
    // not made into a page of it.
    const QUrl target = url.isRelative() ? source().resolved(url) : url;
    switch (ManualAddress::routeOf(target)) {
    case ManualAddress::Route::Show:
        m_loading = true;
        QTextBrowser::doSetSource(target, type);
        m_loading = false;
        break;
    case ManualAddress::Route::SystemBrowser:
        // The system's browser has the user's own settings, bookmarks and updates.
        if (!QDesktopServices::openUrl(target))
            Messages::show(window(), ManualAddress::noSystemBrowser(target), {}, Messages::Icon::Warning);
        break;
    case ManualAddress::Route::Refuse:
        Messages::show(window(), ManualAddress::refusal(target), {}, Messages::Icon::Warning);
        break;
    }
}

void ManualBrowser::changeEvent(QEvent *event)
{
    QTextBrowser::changeEvent(event);
    // The program speaks another language now: the same page, read again from
    // the manual in that language.
    if (event->type() == QEvent::LanguageChange)
        reload();
}

void ManualBrowser::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    placeSearchBar();
}

// The words box stands above the page's text, on the search page only.
void ManualBrowser::placeSearchBar()
{
    const bool onSearch = ManualAddress::isSearch(m_shown);
    const int height = onSearch ? m_searchBar->sizeHint().height() : 0;
    setViewportMargins(0, height, 0, 0);
    const QRect inside = contentsRect();
    m_searchBar->setGeometry(inside.x(), inside.y(), inside.width(), height);
    m_searchBar->setVisible(onSearch);
}
