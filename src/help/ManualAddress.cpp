#include "help/ManualAddress.h"

#include <QRegularExpression>

namespace ManualAddress {

Route routeOf(const QUrl &url)
{
    const QString scheme = url.scheme();
    if (scheme == QLatin1String(kScheme) || url == QUrl(QStringLiteral("about:blank")))
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

QUrl home()
{
    return QUrl(QStringLiteral("manual:/index.html"));
}

QUrl search()
{
    return QUrl(QStringLiteral("manual:/search.html"));
}

QString fileFor(const QUrl &url, const QString &picturesFolder)
{
    if (url.scheme() != QLatin1String(kScheme))
        return {};
    // One plain name, or one under pictures/: nothing else is served, so an
    // address can never reach outside the manual ("manual:/../x" included).
    static const QRegularExpression page(QStringLiteral("^/([a-z0-9-]+\\.(html|css|js))$"));
    static const QRegularExpression picture(QStringLiteral("^/pictures/([a-z0-9-]+\\.png)$"));
    const QString path = url.path(QUrl::FullyDecoded);
    if (const auto match = page.match(path); match.hasMatch())
        return QStringLiteral(":/manual/") + match.captured(1);
    if (const auto match = picture.match(path); match.hasMatch() && !picturesFolder.isEmpty())
        return picturesFolder + QLatin1Char('/') + match.captured(1);
    return {};
}

QByteArray mimeTypeOf(const QString &file)
{
    if (file.endsWith(QLatin1String(".html")))
        return "text/html";
    if (file.endsWith(QLatin1String(".css")))
        return "text/css";
    if (file.endsWith(QLatin1String(".js")))
        return "text/javascript";
    return "image/png";
}

} // namespace ManualAddress
