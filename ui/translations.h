// The player's language: which one the desktop asks for, and the game's
// translation into it.
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace spinzaro {

// The languages the desktop asks for, most wanted first, read as gettext
// reads them: LANGUAGE (a colon-separated list) unless the locale is C or
// POSIX, then the first set of LC_ALL, LC_MESSAGES and LANG. Empty in the C
// locale. Entries are as the desktop spells them ("de_DE.UTF-8").
QStringList desktopLanguages();

// Loads into the translator the game's translation for the first of the
// languages that has one and returns that translation's language ("de");
// returns an empty string, loading nothing, when English comes first or no
// language has a translation.
QString loadTranslation(QTranslator& translator, const QStringList& languages = desktopLanguages());

// Makes the game's texts speak the first of the languages that has a
// translation, replacing any translation installed before; needs only a
// QCoreApplication. Returns the language as loadTranslation does.
QString installTranslation(const QStringList& languages = desktopLanguages());

// A text of the game in the desktop's language where no application exists
// yet to hold a translation (while the platform is being opened).
QString translateWithoutApplication(const char* context, const char* sourceText);

}  // namespace spinzaro
