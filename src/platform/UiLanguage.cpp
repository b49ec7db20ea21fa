#include "platform/UiLanguage.h"

namespace {
UiLanguage g_current = UiLanguage::English;
}

namespace UiLanguages {

UiLanguage forLocale(const QLocale &locale)
{
    if (locale.language() != QLocale::Chinese)
        return UiLanguage::English;
    switch (locale.script()) {
    case QLocale::TraditionalChineseScript: return UiLanguage::TraditionalChinese;
    case QLocale::SimplifiedChineseScript: return UiLanguage::English;
    default: break;
    }
    // A locale naming no script ("zh_TW" as a bare name) goes by its territory.
    switch (locale.territory()) {
    case QLocale::Taiwan:
    case QLocale::HongKong:
    case QLocale::Macao: return UiLanguage::TraditionalChinese;
    default: return UiLanguage::English;
    }
}

UiLanguage current()
{
    return g_current;
}

void setCurrent(UiLanguage language)
{
    g_current = language;
}

QString code(UiLanguage language)
{
    return language == UiLanguage::TraditionalChinese ? QStringLiteral("zh_TW") : QStringLiteral("en");
}

std::optional<UiLanguage> fromCode(const QString &code)
{
    for (UiLanguage language : {UiLanguage::English, UiLanguage::TraditionalChinese}) {
        if (code == UiLanguages::code(language))
            return language;
    }
    return std::nullopt;
}

} // namespace UiLanguages
