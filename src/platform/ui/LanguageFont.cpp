#include "platform/ui/LanguageFont.h"

#include "platform/UiLanguage.h"

#include <QApplication>
#include <QEvent>
#include <QFont>

namespace {

class Follower : public QObject
{
public:
    explicit Follower(QApplication *app)
        : QObject(app)
        , m_started(QApplication::font())
    {
        app->installEventFilter(this);
        update();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            update();
        return false;
    }

private:
    void update()
    {
        QFont font = m_started;
        if (UiLanguages::current() == UiLanguage::TraditionalChinese) {
            // Linux (fonts-noto-cjk), Windows, macOS.
            font.setFamilies({m_started.family(), QStringLiteral("Noto Sans CJK TC"),
                              QStringLiteral("Microsoft JhengHei"), QStringLiteral("PingFang TC")});
        }
        if (font != QApplication::font())
            QApplication::setFont(font);
    }

    const QFont m_started;
};

} // namespace

namespace LanguageFont {

void follow(QApplication *app)
{
    new Follower(app);
}

} // namespace LanguageFont
