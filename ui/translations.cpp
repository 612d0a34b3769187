// The player's language.
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace spinzaro {

namespace {

const QString translatorName = QStringLiteral("spinzaro translation");

// "de_DE.UTF-8@euro" -> "de_DE"
QString localeName(const QString& entry)
{
    return entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
}

}  // namespace

QStringList desktopLanguages()
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    // Gettext's rule: the C locale (also when nothing is set) speaks English
    // whatever LANGUAGE says, since its character set may show nothing else.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    const QStringList listed = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return listed.isEmpty() ? QStringList{locale} : listed;
}

QString loadTranslation(QTranslator& translator, const QStringList& languages)
{
    for (const QString& entry : languages) {
        const QString name = localeName(entry);
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return {};  // the texts are written in English
        for (const QString& candidate : {name, language})
            if (translator.load(QStringLiteral(":/i18n/spinzaro_%1.qm").arg(candidate)))
                return translator.language();
    }
    return {};
}

QString installTranslation(const QStringList& languages)
{
    QCoreApplication* application = QCoreApplication::instance();
    // A translator leaves the application's list as it is destroyed.
    delete application->findChild<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly);
    auto* translator = new QTranslator(application);
    translator->setObjectName(translatorName);
    QString language = loadTranslation(*translator, languages);
    if (language.isEmpty()) {
        delete translator;
        return language;
    }
    QCoreApplication::installTranslator(translator);
    // Qt's own texts in the same language, key names among them ("Bild auf"),
    // removed with the game's.
    auto* qtTexts = new QTranslator(translator);
    if (qtTexts->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    return language;
}

QString translateWithoutApplication(const char* context, const char* sourceText)
{
    QTranslator translator;
    loadTranslation(translator);
    const QString text = translator.translate(context, sourceText);
    return text.isEmpty() ? QString::fromUtf8(sourceText) : text;
}

}  // namespace spinzaro
