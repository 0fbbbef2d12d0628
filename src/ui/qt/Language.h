#pragma once
// The player's language. The forms keep the game's own Japanese words; what
// a view shows passes through shown() at the moment it is shown, so rules
// and the save never see a translated text.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QCoreApplication;
namespace settings { class Preferences; }

namespace ui::qt {

enum class Language { Japanese, English };

// English when the system's language for messages is English, as gettext
// reads it: the first entry of LANGUAGE, unless the locale (LC_ALL, else
// LC_MESSAGES, else LANG) is C or POSIX, which ignore LANGUAGE; else the
// locale's language. Japanese for every other language and for C/POSIX.
Language languageFromEnvironment(const std::function<QByteArray(const char*)>& env);
// The language the player asked for with --lang ("en" or "ja"; null when
// not asked), else the one kept in the settings, else the environment's;
// nothing for any other word on the command line. What --lang names is kept
// for the next start; nothing else changes what is kept.
std::optional<Language> chooseLanguage(const QString& asked, settings::Preferences& prefs,
                                       const std::function<QByteArray(const char*)>& env);

// Puts the language in place for every view and message box: the game's
// translation and Qt's own texts (the buttons of message boxes).
void useLanguage(QCoreApplication& app, Language language);
Language language();

// A form's text as the player reads it. Texts with numbers or with the
// president's name in them are found by their words: "窓口3の融資返済です"
// is looked up as "窓口%1の融資返済です", "山田社長 - 行動中" as
// "%0社長 - 行動中".
// `which` (the control's name) tells one use of a word from another where
// English needs two words for it ("階": "Floor 12", "12 floors").
QString shown(const QString& text, const char* which = nullptr);
QStringList shown(const QStringList& texts);

// The file to read for `path` in the player's language: "Help.en.html"
// beside "Help.html", "hotel.en.bmp" beside "hotel.bmp", when it is there.
QString inPlayersLanguage(const QString& path);

// Whether a unit's word stands before its number ("Floor 12") or after it
// ("12階"), as the translation says.
bool unitsBeforeNumbers();

}  // namespace ui::qt
