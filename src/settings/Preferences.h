#pragma once
// The player's own settings, kept between runs in their configuration folder
// (never in the save, which another copy of the game must read as it is).
// A value that is missing, unreadable or out of range reads as its default:
// a hand-edited or broken file never stops the game from starting.
#include <QRect>
#include <QString>
#include <QVariantMap>
#include <optional>

namespace settings {

class Preferences {
public:
    // An empty file name keeps the settings for this run only.
    explicit Preferences(QString file = {});
    const QString& file() const { return file_; }

    // 0 標準, 1 大, 2 特大.
    static constexpr int kTextSteps = 3;
    int textStep() const;
    void setTextStep(int step);

    bool highContrast() const;
    void setHighContrast(bool on);
    // The player's own choice, none until they made one: the desktop's then holds.
    std::optional<bool> highContrastChoice() const;

    // "ja", "en", or empty for the desktop's language.
    QString language() const;
    void setLanguage(const QString& language);

    // The first-game guide was finished or closed: it does not come back by itself.
    bool guideDone() const;
    void setGuideDone(bool done);

    // Where a window was last left (by its form name); none when never
    // kept or when what is kept has no size.
    std::optional<QRect> place(const QString& window) const;
    void setPlace(const QString& window, const QRect& place);

private:
    QVariant value(const QString& key) const;
    void put(const QString& key, const QVariant& value);
    QString file_;
    QVariantMap memory_;  // the run's own settings when there is no file
};

}  // namespace settings
