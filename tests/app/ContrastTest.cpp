// High contrast: every text the game shows reads against its ground, in the
// normal look (4.5:1) and in high contrast (7:1), the child windows' titles
// and buttons as drawn; the help pages' own colours give way; the desktop's
// wish is heard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QStyleOption>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <map>
#include <optional>

#include "ViewFactory.h"
#include "building/GaikanView.h"
#include "building/Signs.h"
#include "shell/Main.h"
#include "support/TestSeams.h"
#include "support/ViewSupport.h"
#include "ui/qt/Binder.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/Keyboard.h"

namespace {
using P = QPalette;
constexpr uint32_t kPalette = 0xFFFFFFFF;  // the role's own colour, no form's

// The mode for one test, and the normal look again after it.
struct Mode {
    explicit Mode(bool high) { ui::qt::useHighContrast(*qApp, high); }
    ~Mode() { ui::qt::useHighContrast(*qApp, false); }
};

// A part of a child window's title bar as drawn: the colour most of it
// has (or the ground it is on), and the colour in it that stands out most
// from that (the words' or the sign's own, past their soft edges).
struct Drawn {
    QColor ground, words;
    bool operator==(const Drawn&) const = default;
};
Drawn drawnIn(const QImage& image, const QRect& part, std::optional<QColor> on = {}) {
    std::map<QRgb, int> seen;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) ++seen[image.pixel(x, y)];
    const QColor ground = on ? *on : QColor::fromRgb(std::max_element(seen.begin(), seen.end(), [](auto& a, auto& b) {
                                                         return a.second < b.second;
                                                     })->first);
    QColor words = ground;
    for (const auto& [rgb, n] : seen)
        if (ui::qt::contrastRatio(QColor::fromRgb(rgb), ground) > ui::qt::contrastRatio(words, ground))
            words = QColor::fromRgb(rgb);
    return {ground, words};
}

// A game through the real windows: the building window and the guide open.
struct OpenGame {
    class Seams : public FolderSeams {
        ui::Answer ask(const ui::Prompt& p) override {
            return p.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
        }
    };
    Seams seams;
    Program p{seams};
    QWidget* frame = nullptr;
    OpenGame() {
        seams.copyPictures();
        app::wire(seams, p);
        frame = openRealFrame(p);
        QTimer::singleShot(0, [] {
            QWidget* namer = QApplication::activeModalWidget();
            ASSERT_NE(namer, nullptr);
            find<QLineEdit>(namer, "Text1")->setText(QStringLiteral("山田"));
            QTest::mouseClick(find<QPushButton>(namer, "Command1"), Qt::LeftButton);
        });
        p.dispatch([&] { p.main().fstaClick(); });
    }
    ~OpenGame() {
        ui::qt::useHighContrast(*qApp, false);
        p.main.view()->hideView();
    }
    QMdiSubWindow* window(const char* name) { return find<QMdiSubWindow>(frame, name); }
    // As the player switches it, by the menu's entry.
    void highContrast(bool on) {
        auto* entry = frame->findChild<QAction*>(QStringLiteral("Fcontrast"));
        if (entry->isChecked() != on) entry->trigger();
    }
    // The window's title bar as drawn: its title, and the sign of its
    // minimize and close buttons.
    std::vector<Drawn> titleBar(QMdiSubWindow* sub) {
        QCoreApplication::processEvents();
        const QImage shot = sub->grab().toImage();
        QStyleOptionTitleBar bar;
        bar.initFrom(sub);
        bar.rect = QRect(0, 0, sub->width(), sub->contentsMargins().top());
        bar.titleBarFlags = sub->windowFlags();
        std::vector<Drawn> parts{drawnIn(shot, bar.rect)};
        for (auto sc : {QStyle::SC_TitleBarMinButton, QStyle::SC_TitleBarCloseButton}) {
            const QRect button = sub->style()->subControlRect(QStyle::CC_TitleBar, &bar, sc, sub);
            // Its sign, in its middle, against the button's own ground.
            parts.push_back(drawnIn(shot,
                                    button.adjusted(button.width() / 4, button.height() / 4, -button.width() / 4,
                                                    -button.height() / 4),
                                    drawnIn(shot, button).ground));
        }
        return parts;
    }
};

}  // namespace

TEST(Contrast, EveryTextReadsAgainstItsGround) {
    const struct Row {
        const char* what;
        P::ColorGroup group;
        P::ColorRole text;
        P::ColorRole ground;
        uint32_t form = kPalette;  // a form's colour, drawn as the binder draws it
        bool highOnly = false;     // the normal look leaves what cannot be used faint
        // A child window's title bar as drawn, in a state of its own: its
        // title and the signs of its buttons.
        std::function<QMdiSubWindow*(OpenGame&)> title = {};
    } rows[] = {
        {"words", P::Active, P::WindowText, P::Window},
        {"words of a window behind", P::Inactive, P::WindowText, P::Window},
        {"fields, lists, tables, the help page", P::Active, P::Text, P::Base},
        {"the tables' odd rows", P::Active, P::Text, P::AlternateBase},
        {"buttons", P::Active, P::ButtonText, P::Button},
        {"a chosen row", P::Active, P::HighlightedText, P::Highlight},
        {"a chosen row in a window behind", P::Inactive, P::HighlightedText, P::Highlight},
        {"tooltips", P::Active, P::ToolTipText, P::ToolTipBase},
        {"links", P::Active, P::Link, P::Base},
        {"visited links", P::Active, P::LinkVisited, P::Base},
        {"words that cannot be used", P::Disabled, P::WindowText, P::Window, kPalette, true},
        {"buttons that cannot be used", P::Disabled, P::ButtonText, P::Button, kPalette, true},
        {"a field's hint", P::Active, P::PlaceholderText, P::Base, kPalette, true},
        {"black labels", P::Active, P::WindowText, P::Window, 0x000000},
        {"red labels: the blocks, a loss", P::Active, P::WindowText, P::Window, 0xFF0000},
        {"blue labels: the floors, the panel's links", P::Active, P::WindowText, P::Window, 0x0000FF},
        {"a child window's title in front", P::Active, P::WindowText, P::Window, kPalette, false,
         [](OpenGame& g) {
             g.window("Kivora")->mdiArea()->setActiveSubWindow(g.window("Kivora"));
             ui::qt::focusByKey(find<QWidget>(g.frame, "Command3"));  // the keyboard on the tool row
             return g.window("Kivora");
         }},
        {"a child window's title in front, the keyboard in it", P::Active, P::WindowText, P::Window, kPalette, false,
         [](OpenGame& g) {
             ui::qt::focusByKey(ui::qt::firstKeyFocus(g.window("Kivora")));
             return g.window("Kivora");
         }},
        {"a child window's title behind", P::Active, P::WindowText, P::Window, kPalette, false,
         [](OpenGame& g) {
             ui::qt::focusByKey(ui::qt::firstKeyFocus(g.window("Kivora")));
             return g.window("Hajimete");
         }},
    };
    TestSeams seams;
    Program program(seams);
    ui::qt::Binder bind(program);
    ui::Label formLabel;
    QLabel* drawn = bind.label(new QLabel, formLabel, "Drawn");
    // Switched on and off again, the look is the desktop's as it was. The
    // game's windows stay open throughout, as a player's do.
    std::map<std::string, std::vector<Drawn>> before;
    ui::qt::useHighContrast(*qApp, false);  // as the program starts
    OpenGame game;
    for (bool high : {false, true, false}) {
        game.highContrast(high);
        const bool again = !high && !before.empty();
        const double least = high ? 7.0 : 4.5;
        const QPalette pal = QApplication::palette();
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.what) + (high ? " (high contrast)" : again ? " (normal again)" : " (normal)"));
            if (r.highOnly && !high) continue;
            std::vector<Drawn> seen;
            if (r.title) {
                QMdiSubWindow* sub = r.title(game);
                game.p.dispatch([] {});  // a tick's worth: every view drawn again
                seen = game.titleBar(sub);
            } else {
                formLabel.colour = r.form;
                bind.refresh();
                const QColor text = r.form == kPalette ? pal.color(r.group, r.text) : drawn->palette().color(P::WindowText);
                seen = {{pal.color(r.group, r.ground), text}};
            }
            // Words at the ratio of the look; a button's sign as any drawn part, at 3:1.
            for (size_t i = 0; i < seen.size(); ++i)
                EXPECT_GE(ui::qt::contrastRatio(seen[i].words, seen[i].ground), i == 0 ? least : 3.0)
                    << i << ": " << seen[i].words.name().toStdString() << " on " << seen[i].ground.name().toStdString();
            if (again) EXPECT_EQ(seen, before[r.what]);
            else if (!high) before[r.what] = seen;
        }
        // 外観's plates carry their words in white.
        for (const building::Sign* sign : {&building::kRoofSign, &building::kLobbySign, &building::kTenantSigns[0],
                                           &building::kTenantSigns[1], &building::kTenantSigns[2],
                                           &building::kTenantSigns[3]}) {
            SCOPED_TRACE(sign->english + std::string(high ? " (high contrast)" : " (normal)"));
            EXPECT_GE(ui::qt::contrastRatio(Qt::white, building::plateColour(sign)), least);
        }
    }
    delete drawn;
    // The sheet's colours are the palette's, named by role: the rows above hold for it.
    for (const char* own : {"#", "rgb", "white", "black", "yellow"})
        EXPECT_FALSE(ui::qt::highContrastSheet().contains(QLatin1String(own))) << own;
}

// In high contrast the help pages lose their own colours: every piece of
// text and every list's number, in the page's own colour or the palette's,
// reads at 7:1 against the page, and no cell or paragraph keeps a coloured
// ground.
TEST(Contrast, TheHelpPagesColoursGiveWay) {
    const Mode mode(true);
    const QPalette pal = QApplication::palette();
    for (const char* name : {"Help.html", "Help.en.html"}) {
        SCOPED_TRACE(name);
        QFile f(QStringLiteral(RUMIE_BIN_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QTextDocument page;
        page.setHtml(QString::fromUtf8(f.readAll()));
        ui::qt::recolour(&page, pal);
        int pieces = 0;
        for (QTextBlock b = page.begin(); b.isValid(); b = b.next()) {
            EXPECT_FALSE(b.blockFormat().hasProperty(QTextFormat::BackgroundBrush));
            if (const QTextCharFormat n = b.charFormat(); b.textList() && n.hasProperty(QTextFormat::ForegroundBrush)) {
                EXPECT_GE(ui::qt::contrastRatio(n.foreground().color(), pal.color(P::Base)), 7.0)
                    << "the number before " << b.text().toStdString();
            }
            for (auto it = b.begin(); !it.atEnd(); ++it, ++pieces) {
                const QTextCharFormat c = it.fragment().charFormat();
                EXPECT_FALSE(c.hasProperty(QTextFormat::BackgroundBrush)) << it.fragment().text().toStdString();
                const QColor text = c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color()
                                                                                 : pal.color(P::Text);
                EXPECT_GE(ui::qt::contrastRatio(text, pal.color(P::Base)), 7.0) << it.fragment().text().toStdString();
            }
        }
        EXPECT_GT(pieces, 50);
        for (QTextFrame* frame : page.rootFrame()->childFrames()) {
            auto* table = qobject_cast<QTextTable*>(frame);
            for (int r = 0; table && r < table->rows(); ++r)
                for (int c = 0; c < table->columns(); ++c) {
                    EXPECT_FALSE(table->cellAt(r, c).format().hasProperty(QTextFormat::BackgroundBrush));
                }
        }
    }
}

// What a desktop says when it asks for high contrast, and what it says when not.
TEST(Contrast, TheDesktopsWishIsHeard) {
    const struct Row {
        const char* gtkTheme;
        const char* desktop;
        std::map<QString, QString> answers;  // a settings tool's key, and its answer
        bool asks;
    } rows[] = {
        {"", "GNOME", {}, false},  // no tool at all
        {"HighContrast", "", {}, true},
        {"HighContrastInverse:dark", "XFCE", {}, true},
        {"Adwaita", "GNOME", {{"high-contrast", "true\n"}}, true},
        {"", "GNOME", {{"high-contrast", "false\n"}, {"gtk-theme", "'Adwaita'\n"}}, false},
        {"", "ubuntu:GNOME", {{"high-contrast", "false\n"}, {"gtk-theme", "'HighContrast'\n"}}, true},
        {"", "KDE", {{"ColorScheme", "Breeze High Contrast\n"}}, true},
        {"", "KDE", {{"ColorScheme", "BreezeDark\n"}, {"high-contrast", "true\n"}}, false},  // KDE's own word holds
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.gtkTheme) + " / " + r.desktop);
        const auto env = [&r](const char* name) -> QByteArray {
            if (qstrcmp(name, "GTK_THEME") == 0) return r.gtkTheme;
            if (qstrcmp(name, "XDG_CURRENT_DESKTOP") == 0) return r.desktop;
            return {};
        };
        const auto ask = [&r](const QStringList& line) {
            for (const auto& [key, answer] : r.answers)
                if (line.contains(key)) return answer;
            return QString();
        };
        EXPECT_EQ(ui::qt::desktopAsksHighContrast(env, ask), r.asks);
    }
}
