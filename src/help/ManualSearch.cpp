#include "help/ManualSearch.h"

#include <QStringList>

#include <algorithm>

namespace ManualSearch {

namespace {

// Compatibility forms (full-width "ＧＭＩ", "：") read as their plain forms.
QString searchable(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).toLower();
}

QStringList wordsOf(const QString &query)
{
    return searchable(query).simplified().split(u' ', Qt::SkipEmptyParts);
}

} // namespace

QList<Page> readIndex(const QByteArray &index)
{
    QList<Page> pages;
    for (const QByteArray &line : index.split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() == 3)
            pages.append({QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]), QString::fromUtf8(parts[2])});
    }
    return pages;
}

QList<Page> find(const QList<Page> &index, const QString &query)
{
    const QStringList words = wordsOf(query);
    QList<Page> found;
    if (words.isEmpty())
        return found;
    for (const Page &page : index) {
        const QString text = searchable(page.title + u' ' + page.text);
        if (std::all_of(words.begin(), words.end(), [&text](const QString &w) { return text.contains(w); }))
            found.append(page);
    }
    return found;
}

QString resultsHtml(const QList<Page> &index, const QString &query, UiLanguage language)
{
    if (wordsOf(query).isEmpty())
        return {};
    const QList<Page> found = find(index, query);
    if (found.isEmpty()) {
        const QString none = language == UiLanguage::TraditionalChinese
                                 ? QStringLiteral("<p>沒有任何一頁含有「%1」。</p>")
                                 : QStringLiteral("<p>No page holds \u201c%1\u201d.</p>");
        return none.arg(query.toHtmlEscaped());
    }
    QString html = QStringLiteral("<ul>");
    for (const Page &page : found)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(page.file.toHtmlEscaped(), page.title.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

} // namespace ManualSearch
