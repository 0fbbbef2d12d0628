#include "ui/qt/Contrast.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QWidget>
#include <cmath>

#include "ui/qt/GameStyle.h"
#include "ui/qt/Page.h"
#include "ui/qt/TextSize.h"

namespace ui::qt {

namespace {
bool high_ = false;
std::optional<QPalette> normal_;  // the toolkit's own, to go back to

double luminance(const QColor& c) {
    const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// Black ground, white words; yellow marks what is chosen or has the keyboard.
const QColor kGround(0x00, 0x00, 0x00);
const QColor kRaised(0x1A, 0x1A, 0x1A);  // buttons, headers, the odd rows
const QColor kWords(0xFF, 0xFF, 0xFF);
const QColor kMark(0xFF, 0xFF, 0x00);
const QColor kLink(0x8C, 0xC8, 0xFF);
const QColor kVisited(0xD8, 0xB4, 0xFF);
const QColor kDim(0xC0, 0xC0, 0xC0);  // what cannot be used: still read, and framed dashed
}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double textRatio(bool high) { return high ? 7.0 : 4.5; }

QPalette highContrastPalette() {
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        const QColor words = off ? kDim : kWords;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::ToolTipBase, QPalette::Shadow})
            p.setColor(group, role, kGround);
        for (auto role : {QPalette::Button, QPalette::AlternateBase, QPalette::Mid, QPalette::Dark})
            p.setColor(group, role, kRaised);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                          QPalette::BrightText, QPalette::Light, QPalette::Midlight})
            p.setColor(group, role, words);
        p.setColor(group, QPalette::PlaceholderText, kDim);
        p.setColor(group, QPalette::Highlight, kMark);
        p.setColor(group, QPalette::HighlightedText, kGround);
        p.setColor(group, QPalette::Link, kLink);
        p.setColor(group, QPalette::LinkVisited, kVisited);
    }
    return p;
}

// Every colour is the palette's, by role, so the palette's ratios hold for
// the sheet too. Frames are what tells a control from the words around it,
// a dashed one what cannot be used, a yellow one the keyboard's place: the
// same 3 px in each, so that the words inside do not move with the focus.
QString highContrastSheet() {
    return QStringLiteral(
        "QPushButton { color: palette(button-text); background-color: palette(button);"
        " border: 3px solid palette(button-text); padding: %4px %5px; }"
        "QPushButton:flat, QPushButton:flat:disabled { border: none; background-color: palette(window); }"
        "QPushButton:disabled { color: palette(button-text); border: 3px dashed palette(button-text); }"
        "QPushButton:focus { border: 3px solid palette(highlight); }"
        "QPushButton:pressed { color: palette(highlighted-text); background-color: palette(highlight); }"
        "QLineEdit, QSpinBox, QComboBox, QAbstractScrollArea { border: 3px solid palette(text); }"
        "QMdiArea, QHeaderView { border: none; }"
        "QLineEdit:focus, QSpinBox:focus, QComboBox:focus, QAbstractScrollArea:focus"
        " { border: 3px solid palette(highlight); }"
        "QCheckBox:focus, QRadioButton:focus { border: 3px solid palette(highlight); }"
        "QTabBar::tab:selected { text-decoration: underline; }"
        // The toolkit's handle is the buttons' dark grey, lost on black; it
        // grows with the text, as the toolkit's own does.
        "QSlider::groove:horizontal { height: %1px; background-color: palette(window-text); }"
        "QSlider::handle:horizontal { width: %2px; margin: -%3px 0; background-color: palette(window-text);"
        " border: 2px solid palette(window); }"
        "QToolTip { color: palette(tooltip-text); background-color: palette(tooltip-base);"
        " border: 1px solid palette(tooltip-text); }")
        .arg(px(4))
        .arg(px(12))
        .arg(px(8))
        .arg(px(2))
        .arg(px(8));
}

bool highContrast() { return high_; }

namespace {
// The desktop's own palette, with the few pairs it leaves faint (white on a
// light selection blue, a visited link's magenta) darkened to 4.5:1.
QPalette raised(QPalette p) {
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight,
                   readableOn(p.color(group, QPalette::Highlight).rgb(), p.color(group, QPalette::HighlightedText), false));
        for (auto role : {QPalette::Link, QPalette::LinkVisited})
            p.setColor(group, role, readableOn(p.color(group, role).rgb(), p.color(group, QPalette::Base), false));
    }
    return p;
}
}  // namespace

void useHighContrast(QApplication& app, bool on) {
    const bool first = !normal_;
    if (first) normal_ = raised(QApplication::palette());
    if (!first && on == high_) return;
    useGameStyle();
    high_ = on;
    // On, the palette first: the sheet's palette() names are then the new
    // ones. Off, the sheet first: going, it gives the widgets back the
    // palette they had when it came, which the normal one then replaces.
    if (on) {
        QApplication::setPalette(highContrastPalette());
        app.setStyleSheet(highContrastSheet());
    } else {
        app.setStyleSheet(QString());
        QApplication::setPalette(*normal_);
    }
}

std::function<void()> contrastSwitch(QAction* entry, std::function<void(bool)> keep) {
    entry->setCheckable(true);
    entry->setChecked(high_);
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    return [entry, keep = std::move(keep)] {
        keep(entry->isChecked());
        useHighContrast(*qApp, entry->isChecked());
    };
}

QColor readableOn(uint32_t rgb, const QColor& ground, bool high) {
    const QColor own = QColor::fromRgb(rgb);
    const QColor to = luminance(ground) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    // In small steps toward white (or black) until it reads: the hue stays.
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor c = QColor::fromRgbF(float(own.redF() + (to.redF() - own.redF()) * t),
                                          float(own.greenF() + (to.greenF() - own.greenF()) * t),
                                          float(own.blueF() + (to.blueF() - own.blueF()) * t));
        if (contrastRatio(c, ground) >= textRatio(high)) return c;
    }
    return to;
}

QColor titleBarGround(bool front) { return front ? QColor(0x00, 0x20, 0x8A) : QColor(0x38, 0x38, 0x38); }

QColor shownColour(uint32_t rgb) {
    const QPalette pal = QApplication::palette();
    // Black is a form's plain words: the palette's own, white in high contrast.
    if (rgb == 0x000000) return pal.color(QPalette::WindowText);
    return readableOn(rgb, pal.color(QPalette::Window), high_);
}

void recolour(QTextDocument* page, const QPalette& palette) {
    for (QTextBlock b = page->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().hasProperty(QTextFormat::BackgroundBrush)) {
            QTextBlockFormat f = b.blockFormat();
            f.clearBackground();
            QTextCursor(b).setBlockFormat(f);
        }
    // A list's number is drawn in its block's own format, so it too reads.
    reformat(page, [&palette](QTextCharFormat f) {
        f.clearBackground();
        const bool link = f.isAnchor() && !f.anchorHref().isEmpty();  // a named place is no link
        f.setForeground(palette.color(link ? QPalette::Link : QPalette::Text));
        f.setFontUnderline(link || f.fontUnderline());
        return f;
    });
    // Table cells keep their frames but lose their fills.
    for (QTextFrame* frame : page->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        for (int r = 0; table && r < table->rows(); ++r)
            for (int col = 0; col < table->columns(); ++col) {
                QTextTableCell cell = table->cellAt(r, col);
                QTextCharFormat f = cell.format();
                if (!f.hasProperty(QTextFormat::BackgroundBrush)) continue;
                f.clearBackground();
                cell.setFormat(f);
            }
    }
}

void desktopAsksHighContrast(const std::function<QByteArray(const char*)>& env, const AskTool& ask,
                             const std::function<void(bool)>& answer) {
    const auto named = [](const QString& theme) { return theme.contains(QLatin1String("HighContrast"), Qt::CaseInsensitive); };
    if (named(QString::fromLocal8Bit(env("GTK_THEME")))) return answer(true);
    if (QString::fromLocal8Bit(env("XDG_CURRENT_DESKTOP")).contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return ask({QStringLiteral("kreadconfig5"), QStringLiteral("--group"), QStringLiteral("General"),
                    QStringLiteral("--key"), QStringLiteral("ColorScheme")},
                   [=](const QString& scheme) { answer(named(scheme.simplified().remove(u' '))); });
    const QString gs = QStringLiteral("gsettings"), get = QStringLiteral("get");
    ask({gs, get, QStringLiteral("org.gnome.desktop.a11y.interface"), QStringLiteral("high-contrast")},
        [=](const QString& on) {
            if (on.trimmed() == u"true") return answer(true);
            ask({gs, get, QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("gtk-theme")},
                [=](const QString& theme) { answer(named(theme)); });
        });
}

bool desktopAsksHighContrast(const std::function<QByteArray(const char*)>& env,
                             const std::function<QString(const QStringList&)>& ask) {
    bool asks = false;
    desktopAsksHighContrast(
        env, [&ask](const QStringList& line, const std::function<void(const QString&)>& then) { then(ask(line)); },
        [&asks](bool on) { asks = on; });
    return asks;
}

void askDesktopHighContrast(QObject* owner, const std::function<void(bool)>& answer) {
    // Each tool runs on its own; the game goes on meanwhile. A desktop
    // without the tool, or one that does not answer within a second, asks
    // nothing.
    const AskTool tool = [owner](const QStringList& line, const std::function<void(const QString&)>& then) {
        if (QStandardPaths::findExecutable(line.first()).isEmpty()) return then(QString());
        auto* run = new QProcess(owner);
        auto* late = new QTimer(run);
        late->setSingleShot(true);
        const auto done = [run, then](const QString& said) {
            if (run->property("answered").toBool()) return;
            run->setProperty("answered", true);
            run->deleteLater();
            then(said);
        };
        QObject::connect(run, &QProcess::finished, run, [run, done](int code, QProcess::ExitStatus status) {
            done(code == 0 && status == QProcess::NormalExit ? QString::fromLocal8Bit(run->readAllStandardOutput())
                                                             : QString());
        });
        QObject::connect(run, &QProcess::errorOccurred, run, [done](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart) done(QString());
        });
        QObject::connect(late, &QTimer::timeout, run, [run, done] {
            done(QString());
            run->kill();
        });
        late->start(1000);
        run->start(line.first(), line.mid(1), QIODevice::ReadOnly);
    };
    desktopAsksHighContrast([](const char* name) { return qgetenv(name); }, tool, answer);
}

}  // namespace ui::qt
