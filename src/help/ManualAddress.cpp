#include "help/ManualAddress.h"

#include <QRegularExpression>

namespace ManualAddress {

Route routeOf(const QUrl &url)
{
    const QString scheme = url.scheme();
    if (scheme == QLatin1String(kScheme))
        return Route::Show;
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return Route::SystemBrowser;
    return Route::Refuse;
}

QString refusal(const QUrl &url)
{
    return QStringLiteral("The help browser shows the manual only; it does not open %1")
        .arg(url.toDisplayString(QUrl::RemovePassword));
}

QString noSystemBrowser(const QUrl &url)
{
    return QStringLiteral("No web browser is set up on this computer to open %1")
        .arg(url.toDisplayString(QUrl::RemovePassword));
}

QUrl home()
{
    return QUrl(QStringLiteral("manual:/index.html"));
}

QUrl search()
{
    return QUrl(QStringLiteral("manual:/search.html"));
}

QUrl searchFor(const QString &words)
{
    QUrl url = search();
    // A form sends a space as "+", so a "+" typed is sent encoded.
    QByteArray query = QUrl::toPercentEncoding(words, " ");
    query.replace(' ', '+');
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(query), QUrl::StrictMode);
    return url;
}

QString searchWords(const QUrl &url)
{
    // The first q= of the query, "+" read as a space before the rest is decoded.
    for (const QString &item : url.query(QUrl::FullyEncoded).split(u'&')) {
        if (item.startsWith(QLatin1String("q="))) {
            QString value = item.mid(2);
            value.replace(u'+', u' ');
            return QUrl::fromPercentEncoding(value.toLatin1());
        }
    }
    return {};
}

bool isSearch(const QUrl &url)
{
    return url.scheme() == QLatin1String(kScheme) && url.path() == search().path();
}

QString fileFor(const QUrl &url, UiLanguage language)
{
    if (url.scheme() != QLatin1String(kScheme))
        return {};
    // One plain name of a page or style sheet, or of a picture under
    // pictures/: nothing else is served, so an address can never reach
    // outside the manual.
    static const QRegularExpression served(QStringLiteral("^/([a-z0-9-]+\\.(?:html|css)|pictures/[a-z0-9-]+\\.png)$"));
    const auto match = served.match(url.path(QUrl::FullyDecoded));
    if (!match.hasMatch())
        return {};
    const QString name = match.captured(1);
    if (name.endsWith(QLatin1String(".html")))
        return QStringLiteral(":/manual/%1/%2").arg(UiLanguages::code(language), name);
    return QStringLiteral(":/manual/") + name;
}

QString searchIndexFile(UiLanguage language)
{
    return QStringLiteral(":/manual/%1/search-index.txt").arg(UiLanguages::code(language));
}

} // namespace ManualAddress
