#pragma once
// The player's own settings, kept between runs in their configuration folder
// (never in the save, which another copy of the game must read as it is).
// A value that is missing, unreadable or out of range reads as its default:
// a hand-edited or broken file never stops the game from starting. The file
// is written only when a setting changes, and then holds only what the game
// knows; a file that cannot be written keeps the settings for the run.
#include <QRect>
#include <QString>
#include <QMap>
#include <functional>
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
    // What the desktop asked for when it was last asked (it is asked only
    // once the game is up), false before the first time.
    bool desktopHighContrast() const;
    void setDesktopHighContrast(bool on);

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

    // Told once, at the first setting the file could not keep.
    std::function<void()> unwritable;

private:
    QString value(const QString& key) const;
    void put(const QString& key, const QString& value);
    QString file_;
    QMap<QString, QString> memory_;  // the run's own settings: all of them without a file, else those it could not keep
    bool told_ = false;
};

}  // namespace settings
