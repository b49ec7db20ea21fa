#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {
UiLanguage g_current = UiLanguage::English;

// The translations installed now: the program's own, then Qt's.
std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;

std::unique_ptr<QTranslator> installed(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}
} // namespace

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

UiLanguage chosen(std::optional<UiLanguage> commandLine, const QString &userChoice, const QLocale &system)
{
    return commandLine.value_or(fromCode(userChoice).value_or(forLocale(system)));
}

void apply(UiLanguage language)
{
    setCurrent(language);
    for (std::unique_ptr<QTranslator> *translator : {&g_program, &g_qt}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    if (language != UiLanguage::English) {
        const QString name = code(language);
        g_program = installed(QStringLiteral("dextrel_") + name, QStringLiteral(":/translations"));
        // Where the system keeps Qt's translations; a Qt without them shows its buttons in English.
        g_qt = installed(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

} // namespace UiLanguages
