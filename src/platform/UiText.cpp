#include "platform/UiText.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <map>

namespace {

// The texts each living object shows, by property.
std::map<QObject *, std::map<QByteArray, UiText>> &shown()
{
    static std::map<QObject *, std::map<QByteArray, UiText>> texts;
    return texts;
}

void showAgain()
{
    for (const auto &[object, texts] : shown()) {
        for (const auto &[property, text] : texts)
            object->setProperty(property.constData(), text.text());
    }
}

// The application is told of every translation installed or removed: the
// texts are shown again in the language there is now.
class LanguageWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            showAgain();
        return false;
    }
};

} // namespace

namespace UiTexts {

void show(QObject *object, const char *property, UiText text)
{
    // A property the object does not have would be made, and show nothing.
    Q_ASSERT(object->metaObject()->indexOfProperty(property) >= 0);
    // One watch on the application there is, made with the first text.
    static QPointer<LanguageWatch> watch;
    if (QCoreApplication *app = QCoreApplication::instance(); app && (!watch || watch->parent() != app)) {
        watch = new LanguageWatch(app);
        app->installEventFilter(watch);
    }
    auto &texts = shown();
    const auto [entry, added] = texts.try_emplace(object);
    if (added)
        QObject::connect(object, &QObject::destroyed, [object] { shown().erase(object); });
    entry->second.insert_or_assign(QByteArray(property), text);
    object->setProperty(property, text.text());
}

} // namespace UiTexts
