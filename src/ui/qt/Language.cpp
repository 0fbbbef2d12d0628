#include "ui/qt/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <cctype>

#include "settings/Preferences.h"

namespace ui::qt {

namespace {

constexpr char kContext[] = "rumie";

Language current = Language::Japanese;
QTranslator* game = nullptr;
QTranslator* toolkit = nullptr;
QHash<QString, QString> cache;

// The language of one locale name: "en_GB.UTF-8", "en.UTF-8" and "en" are
// English.
Language languageOf(const QByteArray& locale) {
    qsizetype end = 0;
    while (end < locale.size() && std::isalpha(static_cast<unsigned char>(locale[end]))) ++end;
    return locale.left(end) == "en" ? Language::English : Language::Japanese;
}

QString look(const QString& source, const char* which = nullptr) {
    const QByteArray key = source.toUtf8();
    QString t = QCoreApplication::translate(kContext, key.constData(), which);
    if (which && t == source) t = QCoreApplication::translate(kContext, key.constData());
    // A lone zero-width space in the file is a word English leaves out
    // ("です"): an empty translation would mean "not translated" to Qt.
    return t == QStringLiteral("\u200B") ? QString() : t;
}

bool hasJapanese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3000) return true;
    return false;
}

QString translate(const QString& text, const char* which) {
    const QString whole = look(text, which);
    if (whole != text) return whole;
    // Numbers in the words: each becomes %1, %2… in the looked-up text; a
    // figure grouped by threes ("-75,000,000") is one number.
    static const QRegularExpression number(QStringLiteral(R"(-?\d{1,3}(?:,\d{3})+(?:\.\d+)?|-?\d+(?:\.\d+)?)"));
    QStringList numbers;
    QString pattern;
    qsizetype from = 0;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        numbers << m.captured();
        pattern += text.mid(from, m.capturedStart() - from) + u'%' + QString::number(numbers.size());
        from = m.capturedEnd();
    }
    if (!numbers.isEmpty()) {
        pattern += text.mid(from);
        QString t = look(pattern, which);
        if (t != pattern) {
            for (qsizetype i = numbers.size(); i >= 1; --i)
                t.replace(u'%' + QString::number(i), numbers[i - 1]);
            return t;
        }
    }
    // A text of several lines not known whole: each line as it is known.
    if (text.contains(u'\n')) {
        QStringList lines = text.split(u'\n');
        for (QString& line : lines) line = translate(line, which);
        return lines.join(u'\n');
    }
    // The president's name (or the clear code) before or after the words.
    for (qsizetype k = 1; k < text.size(); ++k) {
        const QString after = QStringLiteral("%0") + text.mid(k);
        QString t = look(after);
        if (t != after) return t.replace(QStringLiteral("%0"), text.left(k));
        const QString before = text.left(text.size() - k) + QStringLiteral("%0");
        t = look(before);
        if (t != before) return t.replace(QStringLiteral("%0"), text.right(k));
    }
    return text;
}

}  // namespace

Language languageFromEnvironment(const std::function<QByteArray(const char*)>& env) {
    // The locale messages are read in: LC_ALL, else LC_MESSAGES, else LANG;
    // with none of them set it is C.
    QByteArray locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale.isEmpty()) locale = env(name);
    if (locale.isEmpty()) locale = "C";
    // LANGUAGE, a list ("en_GB:ja") whose first entry leads, goes before the
    // locale, except under C or POSIX: there gettext ignores it, and so do we.
    const QByteArray list = env("LANGUAGE");
    if (!list.isEmpty() && locale != "C" && locale != "POSIX") return languageOf(list.split(':').first());
    return languageOf(locale);
}

std::optional<Language> chooseLanguage(const QString& asked, settings::Preferences& prefs,
                                       const std::function<QByteArray(const char*)>& env) {
    if (asked.isNull()) {
        const QString kept = prefs.language();
        if (kept == u"en") return Language::English;
        if (kept == u"ja") return Language::Japanese;
        return languageFromEnvironment(env);
    }
    if (asked != u"en" && asked != u"ja") return std::nullopt;
    prefs.setLanguage(asked);
    return asked == u"en" ? Language::English : Language::Japanese;
}

void useLanguage(QCoreApplication& app, Language language) {
    cache.clear();
    current = language;
    if (!game) game = new QTranslator(&app);
    if (!toolkit) toolkit = new QTranslator(&app);
    QCoreApplication::removeTranslator(game);
    QCoreApplication::removeTranslator(toolkit);
    if (language == Language::English) {
        // Qt's own texts are English already.
        if (game->load(QStringLiteral(":/i18n/rumie_en.qm"))) QCoreApplication::installTranslator(game);
        return;
    }
    if (toolkit->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
}

Language language() { return current; }

QString shown(const QString& text, const char* which) {
    // The Japanese game shows its own words; numbers and Latin text are
    // the same in every language.
    if (current == Language::Japanese || !hasJapanese(text)) return text;
    const QString key = which ? text + u'\x1f' + QLatin1String(which) : text;
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    const QString t = translate(text, which);
    if (cache.size() > 4096) cache.clear();  // names typed and retyped cannot grow it for ever
    cache.insert(key, t);
    return t;
}

QStringList shown(const QStringList& texts) {
    QStringList out;
    out.reserve(texts.size());
    for (const QString& t : texts) out << shown(t);
    return out;
}

QString inPlayersLanguage(const QString& path) {
    if (current != Language::English || path.isEmpty()) return path;
    const QFileInfo file(path);
    const QString english = file.path() + u'/' + file.completeBaseName() + QStringLiteral(".en.") + file.suffix();
    return QFileInfo(english).isFile() ? english : path;
}

bool unitsBeforeNumbers() {
    return QCoreApplication::translate(kContext, "UNIT_ORDER") == QStringLiteral("before");
}

}  // namespace ui::qt
