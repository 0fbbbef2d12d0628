#include "settings/Preferences.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace settings {

namespace {
const QString kTextStep = QStringLiteral("view/textSize");
const QString kContrast = QStringLiteral("view/highContrast");
const QString kLanguage = QStringLiteral("view/language");
const QString kGuide = QStringLiteral("guide/done");
const QString kDesktopContrast = QStringLiteral("desktop/highContrast");
const QString kWindows = QStringLiteral("windows/");
QString placeKey(const QString& window) { return kWindows + window; }

// Only the words the game writes count: "maybe" is no answer.
std::optional<bool> asBool(const QString& v) {
    const QString s = v.trimmed().toLower();
    if (s == u"true" || s == u"1") return true;
    if (s == u"false" || s == u"0") return false;
    return std::nullopt;
}
std::optional<int> asInt(const QString& v) {
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}
std::optional<QRect> asPlace(const QString& v) {
    // Written as four numbers so the file stays readable by hand.
    const QStringList parts = v.split(u',');
    if (parts.size() != 4) return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        const auto got = asInt(parts[i]);
        if (!got) return std::nullopt;
        n[i] = *got;
    }
    // Larger than any screen, or no size at all: not a place a window was left in.
    constexpr int kFar = 100000;
    if (n[2] <= 0 || n[3] <= 0 || n[2] > kFar || n[3] > kFar || std::abs(n[0]) > kFar || std::abs(n[1]) > kFar)
        return std::nullopt;
    return QRect(n[0], n[1], n[2], n[3]);
}

// A key the game writes, holding a value it could have written.
bool known(const QString& key, const QString& v) {
    if (key == kTextStep) {
        const auto n = asInt(v);
        return n && *n >= 0 && *n < Preferences::kTextSteps;
    }
    if (key == kContrast || key == kGuide || key == kDesktopContrast) return asBool(v).has_value();
    if (key == kLanguage) return v == u"ja" || v == u"en";
    if (key.startsWith(kWindows)) return asPlace(v).has_value();
    return false;
}

// A value as the file holds it: the four numbers of a place come back as a list.
QString text(const QVariant& v) {
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString();
}
// And as it is written: a place as its four numbers, unquoted.
QVariant stored(const QString& key, const QString& v) {
    if (!key.startsWith(kWindows)) return v;
    QStringList numbers = v.split(u',');
    for (QString& n : numbers) n = n.trimmed();
    return numbers;
}
}  // namespace

Preferences::Preferences(QString file) : file_(std::move(file)) {}

QString Preferences::value(const QString& key) const {
    if (file_.isEmpty() || memory_.contains(key)) return memory_.value(key);
    return text(QSettings(file_, QSettings::IniFormat).value(key));
}

void Preferences::put(const QString& key, const QString& v) {
    if (value(key) == v) return;  // the same again: the file is not touched
    if (file_.isEmpty()) {
        memory_.insert(key, v);
        return;
    }
    {
        // A file nothing can be read from would refuse every write after
        // it: it gives way to what the game writes now.
        QSettings was(file_, QSettings::IniFormat);
        was.allKeys();
        if (was.status() == QSettings::FormatError && QFileInfo(file_).isFile()) QFile::remove(file_);
    }
    QSettings s(file_, QSettings::IniFormat);
    // What the game does not know, or could not have written, goes; what
    // it could not keep before goes in with it.
    for (const QString& k : s.allKeys())
        if (!known(k, text(s.value(k)))) s.remove(k);
    memory_.insert(key, v);
    for (auto it = memory_.begin(); it != memory_.end(); ++it) {
        if (known(it.key(), it.value())) s.setValue(it.key(), stored(it.key(), it.value()));
        else s.remove(it.key());
    }
    s.sync();  // a setting outlives a crash or a kill a moment later
    if (s.status() == QSettings::NoError) {
        memory_.clear();
        return;
    }
    // Kept for the run, so that what the player set still holds (the guide
    // they closed stays closed); they hear of it once.
    if (!told_) {
        told_ = true;
        if (unwritable) unwritable();
    }
}

int Preferences::textStep() const {
    const auto n = asInt(value(kTextStep));
    return n && *n >= 0 && *n < kTextSteps ? *n : 0;
}
void Preferences::setTextStep(int step) {
    if (step >= 0 && step < kTextSteps) put(kTextStep, QString::number(step));
}

namespace {
QString word(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }
}  // namespace

bool Preferences::highContrast() const { return highContrastChoice().value_or(false); }
std::optional<bool> Preferences::highContrastChoice() const { return asBool(value(kContrast)); }
void Preferences::setHighContrast(bool on) { put(kContrast, word(on)); }
bool Preferences::desktopHighContrast() const { return asBool(value(kDesktopContrast)).value_or(false); }
void Preferences::setDesktopHighContrast(bool on) { put(kDesktopContrast, word(on)); }

QString Preferences::language() const {
    const QString l = value(kLanguage).trimmed().toLower();
    return l == u"ja" || l == u"en" ? l : QString();
}
void Preferences::setLanguage(const QString& language) {
    put(kLanguage, language == u"ja" || language == u"en" ? language : QString());
}

bool Preferences::guideDone() const { return asBool(value(kGuide)).value_or(false); }
void Preferences::setGuideDone(bool done) { put(kGuide, word(done)); }

std::optional<QRect> Preferences::place(const QString& window) const { return asPlace(value(placeKey(window))); }
void Preferences::setPlace(const QString& window, const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0) return;
    put(placeKey(window), QStringLiteral("%1, %2, %3, %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
}

}  // namespace settings
