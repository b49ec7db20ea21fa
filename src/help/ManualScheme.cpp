#include "help/ManualScheme.h"

#include "help/ManualAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

void ManualScheme::registerScheme()
{
    QWebEngineUrlScheme scheme(ManualAddress::kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local, like files: pages may show their pictures and run the search
    // script, and no web site can reach into the manual.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QWebEngineProfile *ManualScheme::newProfile(QObject *parent)
{
    auto *profile = new QWebEngineProfile(parent);
    profile->installUrlSchemeHandler(ManualAddress::kScheme, new ManualScheme(profile));
    return profile;
}

QString ManualScheme::picturesFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {QStringLiteral("manual-pictures"),
                                     QStringLiteral("../share/dextrel/manual-pictures")}) {
        if (programDir.exists(candidate))
            return QDir::cleanPath(programDir.filePath(candidate));
    }
    return {};
}

void ManualScheme::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QString name = ManualAddress::fileFor(job->requestUrl(), picturesFolder());
    auto *file = new QFile(name, job);
    if (name.isEmpty() || !file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(ManualAddress::mimeTypeOf(name), file);
}
