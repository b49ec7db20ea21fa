#include "help/BrowserEngine.h"

#include "help/ManualScheme.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace BrowserEngine {

void prepare()
{
    ManualScheme::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("Running as root: the help browser runs without its sandbox.\n", stderr);
    }
#endif
}

} // namespace BrowserEngine
