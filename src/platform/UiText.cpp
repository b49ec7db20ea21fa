#include "platform/UiText.h"

#include <QObject>
#include <QVariant>

#include <map>

namespace {

// The texts each living object shows, by property.
std::map<QObject *, std::map<QByteArray, UiText>> &shown()
{
    static std::map<QObject *, std::map<QByteArray, UiText>> texts;
    return texts;
}

} // namespace

namespace UiTexts {

void show(QObject *object, const char *property, UiText text)
{
    auto &texts = shown();
    const auto [entry, added] = texts.try_emplace(object);
    if (added)
        QObject::connect(object, &QObject::destroyed, [object] { shown().erase(object); });
    entry->second.insert_or_assign(QByteArray(property), text);
    object->setProperty(property, text.text());
}

void showAgain()
{
    for (const auto &[object, texts] : shown()) {
        for (const auto &[property, text] : texts)
            object->setProperty(property.constData(), text.text());
    }
}

} // namespace UiTexts
