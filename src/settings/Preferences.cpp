#include "settings/Preferences.h"

#include <QSettings>

namespace settings {

namespace {
const QString kTextStep = QStringLiteral("view/textSize");
const QString kContrast = QStringLiteral("view/highContrast");
const QString kLanguage = QStringLiteral("view/language");
const QString kGuide = QStringLiteral("guide/done");
QString placeKey(const QString& window) { return QStringLiteral("windows/") + window; }

// Only the words the game writes count: QVariant would take "maybe" for true.
std::optional<bool> asBool(const QVariant& v) {
    const QString s = v.toString().trimmed().toLower();
    if (s == u"true" || s == u"1") return true;
    if (s == u"false" || s == u"0") return false;
    return std::nullopt;
}
std::optional<int> asInt(const QVariant& v) {
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}
}  // namespace

Preferences::Preferences(QString file) : file_(std::move(file)) {}

QVariant Preferences::value(const QString& key) const {
    if (file_.isEmpty()) return memory_.value(key);
    return QSettings(file_, QSettings::IniFormat).value(key);
}

void Preferences::put(const QString& key, const QVariant& value) {
    if (file_.isEmpty()) {
        memory_.insert(key, value);
        return;
    }
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(key, value);
    s.sync();  // a setting outlives a crash or a kill a moment later
}

int Preferences::textStep() const {
    const auto n = asInt(value(kTextStep));
    return n && *n >= 0 && *n < kTextSteps ? *n : 0;
}
void Preferences::setTextStep(int step) {
    if (step >= 0 && step < kTextSteps) put(kTextStep, step);
}

bool Preferences::highContrast() const { return highContrastChoice().value_or(false); }
std::optional<bool> Preferences::highContrastChoice() const { return asBool(value(kContrast)); }
void Preferences::setHighContrast(bool on) { put(kContrast, on); }

QString Preferences::language() const {
    const QString l = value(kLanguage).toString().trimmed().toLower();
    return l == u"ja" || l == u"en" ? l : QString();
}
void Preferences::setLanguage(const QString& language) {
    put(kLanguage, language == u"ja" || language == u"en" ? language : QString());
}

bool Preferences::guideDone() const { return asBool(value(kGuide)).value_or(false); }
void Preferences::setGuideDone(bool done) { put(kGuide, done); }

std::optional<QRect> Preferences::place(const QString& window) const {
    // Written as four numbers so the file stays readable by hand.
    const QStringList parts = value(placeKey(window)).toStringList();
    if (parts.size() != 4) return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        const auto v = asInt(parts[i]);
        if (!v) return std::nullopt;
        n[i] = *v;
    }
    // Larger than any screen, or no size at all: not a place a window was left in.
    constexpr int kFar = 100000;
    if (n[2] <= 0 || n[3] <= 0 || n[2] > kFar || n[3] > kFar || std::abs(n[0]) > kFar || std::abs(n[1]) > kFar)
        return std::nullopt;
    return QRect(n[0], n[1], n[2], n[3]);
}
void Preferences::setPlace(const QString& window, const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0) return;
    put(placeKey(window), QStringList{QString::number(r.x()), QString::number(r.y()), QString::number(r.width()),
                                      QString::number(r.height())});
}

}  // namespace settings
