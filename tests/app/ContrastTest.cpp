// High contrast: every text the game shows reads against its ground, in the
// normal look (4.5:1) and in high contrast (7:1); the help pages' own
// colours give way; the desktop's wish is heard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <map>

#include "building/GaikanView.h"
#include "building/Signs.h"
#include "support/TestSeams.h"
#include "ui/qt/Binder.h"
#include "ui/qt/Contrast.h"

namespace {
using P = QPalette;
constexpr uint32_t kPalette = 0xFFFFFFFF;  // the role's own colour, no form's

// The mode for one test, and the normal look again after it.
struct Mode {
    explicit Mode(bool high) { ui::qt::useHighContrast(*qApp, high); }
    ~Mode() { ui::qt::useHighContrast(*qApp, false); }
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
    };
    TestSeams seams;
    Program program(seams);
    ui::qt::Binder bind(program);
    ui::Label formLabel;
    QLabel* drawn = bind.label(new QLabel, formLabel, "Drawn");
    for (bool high : {false, true}) {
        const Mode mode(high);
        const QPalette pal = QApplication::palette();
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.what) + (high ? " (high contrast)" : " (normal)"));
            if (r.highOnly && !high) continue;
            formLabel.colour = r.form;
            bind.refresh();
            const QColor text = r.form == kPalette ? pal.color(r.group, r.text) : drawn->palette().color(P::WindowText);
            EXPECT_GE(ui::qt::contrastRatio(text, pal.color(r.group, r.ground)), ui::qt::textRatio(high))
                << text.name().toStdString() << " on " << pal.color(r.group, r.ground).name().toStdString();
        }
        // A child window's title is written in the words' colour under the
        // sheet, whether the window is in front or behind.
        if (high) {
            QWidget sub, contents;
            ui::qt::dressTitleBar(&sub, &contents);
            for (auto group : {P::Active, P::Inactive})
                EXPECT_GE(ui::qt::contrastRatio(pal.color(P::WindowText), sub.palette().color(group, P::Window)),
                          ui::qt::textRatio(true));
        }
        // 外観's plates carry their words in white.
        for (const building::Sign* sign : {&building::kRoofSign, &building::kLobbySign, &building::kTenantSigns[0],
                                           &building::kTenantSigns[1], &building::kTenantSigns[2],
                                           &building::kTenantSigns[3]}) {
            SCOPED_TRACE(sign->english + std::string(high ? " (high contrast)" : " (normal)"));
            EXPECT_GE(ui::qt::contrastRatio(Qt::white, building::plateColour(sign)), ui::qt::textRatio(high));
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
