#include "help/ManualScheme.h"

#include "help/ManualAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

// Whatever a page asks for (a picture, a script, a frame, a link followed)
// comes from the manual or not at all: no file of the computer, no web site.
class ManualOnly : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().scheme() != QLatin1String(ManualAddress::kScheme))
            info.block(true);
    }
};

} // namespace

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
    profile->setUrlRequestInterceptor(new ManualOnly(profile));
    // The manual needs scripts for its search page, and nothing more.
    QWebEngineSettings *settings = profile->settings();
    for (const auto off : {QWebEngineSettings::LocalContentCanAccessFileUrls,
                           QWebEngineSettings::LocalContentCanAccessRemoteUrls, QWebEngineSettings::PluginsEnabled,
                           QWebEngineSettings::PdfViewerEnabled, QWebEngineSettings::JavascriptCanOpenWindows,
                           QWebEngineSettings::JavascriptCanAccessClipboard, QWebEngineSettings::LocalStorageEnabled,
                           QWebEngineSettings::NavigateOnDropEnabled, QWebEngineSettings::WebGLEnabled})
        settings->setAttribute(off, false);
    return profile;
}

QString ManualScheme::picturesFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {QStringLiteral("manual-pictures"), QStringLiteral("../share/dextrel/manual-pictures")}) {
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
