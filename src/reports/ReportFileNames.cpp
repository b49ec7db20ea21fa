#include "reports/ReportFileNames.h"

#include <QRegularExpression>

namespace ReportFileNames {

namespace {

// ".pdf" from "PDF files (*.pdf)".
QString extensionOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*(\\.[^ )]+)\\)"));
    return pattern.match(filter).captured(1);
}

} // namespace

QString periodName(const QString &userId, const ReportPeriod &period, const QString &filter)
{
    return QStringLiteral("%1-%2-to-%3%4")
        .arg(userId, period.from.toString(Qt::ISODate), period.to.toString(Qt::ISODate), extensionOf(filter));
}

QString printName(const QString &userId, const QString &pageTitle)
{
    const QString page = pageTitle.simplified().toLower().replace(u' ', u'-');
    return userId + u'-' + page + extensionOf(kPdfFilter);
}

QString shownFilter(const QString &filter)
{
    return QCoreApplication::translate("ReportFileNames", filter.toUtf8().constData());
}

QString withExtension(const QString &path, const QString &filter)
{
    const QString extension = extensionOf(filter);
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

} // namespace ReportFileNames
