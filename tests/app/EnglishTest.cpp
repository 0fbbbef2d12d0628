// The game in English: the language the desktop asks for, every window in
// English words that fit their widgets, and rules and saves that cannot tell
// which language the player reads.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QScrollBar>
#include <QSlider>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStyleOptionTitleBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <map>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "settings/Hajimete.h"
#include "settings/SetS.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Start.h"
#include "support/Drawn.h"
#include "support/ViewSupport.h"
#include "town/Game.h"
#include "ui/qt/Language.h"
#include "ui/qt/Binder.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/Views.h"
#include "ui/qt/TextSize.h"

using ui::qt::Language;

TEST(LanguageChoice, TheDesktopsFirstLanguageUnlessTheCommandLineNamesOne) {
    struct Row {
        std::map<QByteArray, QByteArray> env;
        QString asked;  // --lang, null when not given
        std::optional<Language> expected;
        QString kept;  // chosen in an earlier game
    };
    const Language en = Language::English, ja = Language::Japanese;
    const Row rows[] = {
        {{{"LANG", "en_US.UTF-8"}}, {}, en, {}},
        {{{"LANG", "en_GB.UTF-8"}}, {}, en, {}},
        {{{"LANG", "en"}}, {}, en, {}},
        {{{"LANG", "en.UTF-8"}}, {}, en, {}},
        {{{"LANG", "en@euro"}}, {}, en, {}},
        {{{"LANG", "eng"}}, {}, ja, {}},  // no such locale: not English
        {{{"LANG", "ja_JP.UTF-8"}}, {}, ja, {}},
        {{{"LANG", "C"}}, {}, ja, {}},
        {{{"LANG", "C.UTF-8"}}, {}, ja, {}},
        {{{"LANG", "POSIX"}}, {}, ja, {}},
        {{{"LANG", "de_DE.UTF-8"}}, {}, ja, {}},
        {{{"LANG", "eo"}}, {}, ja, {}},  // "e…" but not English
        {{}, {}, ja, {}},            // nothing set
        // The first one set leads: LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
        {{{"LANGUAGE", "en_GB:ja"}, {"LANG", "ja_JP.UTF-8"}}, {}, en, {}},
        {{{"LANGUAGE", "ja:en"}, {"LANG", "en_US.UTF-8"}}, {}, ja, {}},
        {{{"LANGUAGE", ""}, {"LC_ALL", "en_US.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, {}, en, {}},
        {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, {}, ja, {}},
        {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, {}, en, {}},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}}, {}, ja, {}},
        {{{"LANGUAGE", "en"}, {"LC_ALL", "ja_JP.UTF-8"}}, {}, en, {}},
        {{{"LANGUAGE", "ja"}, {"LC_ALL", "en_US.UTF-8"}}, {}, ja, {}},
        // As gettext: under C or POSIX (none set is C), LANGUAGE is ignored.
        {{{"LANGUAGE", "en"}, {"LC_ALL", "C"}}, {}, ja, {}},
        {{{"LANGUAGE", "en"}, {"LANG", "C"}}, {}, ja, {}},
        {{{"LANGUAGE", "en"}, {"LC_MESSAGES", "POSIX"}, {"LANG", "en_US.UTF-8"}}, {}, ja, {}},
        {{{"LANGUAGE", "en"}}, {}, ja, {}},
        {{{"LANGUAGE", "en"}, {"LANG", "C.UTF-8"}}, {}, en, {}},  // not C
        // --lang overrides, and takes only its two words.
        {{{"LANG", "ja_JP.UTF-8"}}, QStringLiteral("en"), en, {}},
        {{{"LANG", "en_US.UTF-8"}}, QStringLiteral("ja"), ja, {}},
        {{{"LANG", "C"}}, QStringLiteral("en"), en, {}},
        {{{"LANG", "en_US.UTF-8"}}, QStringLiteral("de"), std::nullopt, {}},
        {{{"LANG", "en_US.UTF-8"}}, QStringLiteral(""), std::nullopt, {}},
        {{{"LANG", "en_US.UTF-8"}}, QStringLiteral("EN"), std::nullopt, {}},
        // The language kept from an earlier game comes before the desktop's, not before --lang.
        {{{"LANG", "en_US.UTF-8"}}, {}, ja, QStringLiteral("ja")},
        {{{"LANG", "ja_JP.UTF-8"}}, {}, en, QStringLiteral("en")},
        {{{"LANG", "en_US.UTF-8"}}, QStringLiteral("ja"), ja, QStringLiteral("en")},
        {{{"LANG", "C"}}, QStringLiteral("de"), std::nullopt, QStringLiteral("en")},
    };
    for (const Row& row : rows) {
        const auto env = [&row](const char* name) {
            auto it = row.env.find(QByteArray(name));
            return it == row.env.end() ? QByteArray() : it->second;
        };
        std::string set;
        for (const auto& [name, value] : row.env) set += name.toStdString() + '=' + value.toStdString() + ' ';
        settings::Preferences prefs;
        prefs.setLanguage(row.kept);
        EXPECT_EQ(ui::qt::chooseLanguage(row.asked, prefs, env), row.expected) << set << "--lang " << row.asked.toStdString();
        // What --lang names is kept; a start without it, or with a word it
        // does not take, keeps what was kept.
        EXPECT_EQ(prefs.language(), row.expected && !row.asked.isNull() ? row.asked : row.kept);
    }
}

namespace {

// Kana, kanji, Japanese punctuation and full-width forms.
bool hasJapanese(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// Puts a language in place for one test and the game's own back after it.
struct Speaking {
    explicit Speaking(Language l) { ui::qt::useLanguage(*qApp, l); }
    ~Speaking() { ui::qt::useLanguage(*qApp, Language::Japanese); }
};

// The real views over a folder of the test's own; modal windows are looked
// at while they are up, then closed or answered by the script.
class PlayerSeams : public FolderSeams {
public:
    Program* prog = nullptr;
    std::map<QString, std::function<void(ui::Form&)>> hands;  // by window name, once
    std::function<void(QWidget*)> look;                       // every window the game shows
    QStringList prompts;                                      // as the player reads them
    QString opening;                                          // the window being looked at
    std::vector<QStringList> reports;

    ui::Answer ask(const ui::Prompt& p) override {
        prompts << ui::qt::shown(p.text) << ui::qt::shown(p.title);
        return p.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    int wallSecond() override { return 30; }
    void endNow() override {}
    void runModal(ui::Form& form, ui::View* view) override {
        const QString name = QString::fromUtf8(form.name());
        if (view) view->showView();  // up, as its own loop would show it
        opening = name;
        if (look) look(topLevel(name));
        if (name == u"Houkoku") {
            finance::Houkoku& h = prog->houkoku();
            reports.push_back({h.Syunyu.text(), h.Keihi.text(), h.Izi.text(), h.Other.text(), h.Gou.text(),
                               h.An.text()});
        }
        auto it = hands.find(name);
        if (it != hands.end()) {
            auto f = std::move(it->second);
            hands.erase(it);
            f(form);
        } else if (name == u"Houkoku") {
            prog->houkoku().frame1Click();
        } else {
            form.closeBox();
        }
    }
};

// One game through the real windows: a president, tenants, a loan, a few
// months; what the player saw is left to `look`.
struct Game {
    PlayerSeams seams;
    Program p{seams};
    explicit Game(int textStep = 0) {
        p.prefs.setTextStep(textStep);  // as the player left it
        seams.prog = &p;
        seams.copyPictures();
        for (const char* f : {"oku", "robey", "mu", "hotel", "restaurant", "office"})
            QFile::copy(QStringLiteral(RUMIE_BIN_DIR "/%1.en.bmp").arg(QLatin1String(f)),
                        seams.dir.filePath(QStringLiteral("%1.en.bmp").arg(QLatin1String(f))));
        for (const char* page : {"Help.html", "Help.en.html"})
            QFile::copy(QStringLiteral(RUMIE_BIN_DIR "/") + QLatin1String(page), seams.dir.filePath(QLatin1String(page)));
        app::wire(seams, p);
    }
    ~Game() {
        if (p.main.view()) p.main.view()->hideView();
        QCoreApplication::sendPostedEvents();  // news said while its game is still there
    }
    void act(const std::function<void()>& f) { p.dispatch(f); }
    void newGame() {
        p.startUp();
        seams.opening = QStringLiteral("Start");
        if (seams.look) seams.look(topLevel(QStringLiteral("Start")));
        act([&] { p.start().command1Click(); });
        seams.hands[QStringLiteral("Namer")] = [this](ui::Form&) {
            p.namer().command1Click();  // no name yet: the player is told
            p.namer().Text1 = QStringLiteral("😀");
            p.namer().command1Click();  // a name the save cannot hold
            if (seams.look) seams.look(topLevel(QStringLiteral("Namer")));
            p.namer().Text1 = QStringLiteral("山田");
            p.namer().command1Click();
        };
        act([&] { p.main().fstaClick(); });
    }
    void placeTenant(int floor, int row) {
        act([&] { p.kivora().label1Click((floor - 1) / 10); });
        act([&] { p.kivora().label2Click((floor - 1) % 10); });
        seams.hands[QStringLiteral("Choic")] = [this, row](ui::Form&) {
            p.choic().Na.selected = row;
            p.choic().naClick();
            if (seams.look) seams.look(topLevel(QStringLiteral("Choic")));
            p.choic().command1Click();
        };
        act([&] { p.choiwin().追加Click(); });
    }
    void months(int n) {
        for (size_t want = seams.reports.size() + size_t(n), i = 0; seams.reports.size() < want && i < 5000; ++i)
            act([&] { p.kivora().Timer1.fire(); });
    }
    QByteArray save() {
        act([&] { p.main().command3Click(); });
        QFile f(seams.dir.filePath(QStringLiteral("Kivora.teskdata")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The same moves in either language.
    void play() {
        newGame();
        act([&] { p.kivora().gotFocus(); });
        act([&] { p.kivora().label1Click(0); });
        act([&] { p.kivora().label2Click(1); });
        if (seams.look) seams.look(topLevel(QStringLiteral("Main")));  // the guide at its longest step
        placeTenant(2, 0);
        placeTenant(3, 1);
        placeTenant(4, 2);
        seams.hands[QStringLiteral("Bank")] = [this](ui::Form&) {
            p.bank().windowClick(1);
            if (seams.look) seams.look(topLevel(QStringLiteral("Bank")));
            p.bank().command6Click();
        };
        act([&] { p.main().command8Click(); });
        months(3);
        seams.hands[QStringLiteral("Kakudai")] = [this](ui::Form&) {
            p.kakudai().command1Click();
            p.kakudai().command3Click();
        };
        act([&] { p.main().command9Click(); });
        months(14);
    }
};

// What a chart or a table draws reads whole: no figure, name or cell cut to
// "…" (or "..."), nothing of a chart past its edges, and a table's cells of
// one row on one line, at either end of the table.
void drawnWhole(QWidget* w, const QString& where, QStringList& faults) {
    const auto whole = [&](const Drawn& d, const QRectF& room) {
        for (const DrawnText& t : d.texts)
            if (t.text.contains(u'…') || t.text.contains(QLatin1String("...")))
                faults << where + QStringLiteral(" cuts \"%1\"").arg(t.text);
            else if (!room.isEmpty() && !room.adjusted(-1, -1, 1, 1).contains(t.box))
                faults << where + QStringLiteral(" draws \"%1\" past its edge").arg(t.text);
    };
    auto* table = qobject_cast<QTableView*>(w);
    if (!table) return whole(Drawn(w), QRectF(QPointF(), w->size()));
    QScrollBar* bar = table->verticalScrollBar();
    const int was = bar->value();
    for (int at : {bar->minimum(), bar->maximum()}) {
        bar->setValue(at);
        whole(Drawn(table), {});
        const Drawn cells(table->viewport());
        for (int r = table->rowAt(0); r >= 0 && r <= table->rowAt(table->viewport()->height() - 1); ++r) {
            const QRect row = table->visualRect(table->model()->index(r, 0));
            double high = -1e9, low = 1e9;
            for (const DrawnText& t : cells.texts)
                if (t.baseline >= row.top() && t.baseline <= row.bottom()) {
                    high = std::max(high, t.baseline);
                    low = std::min(low, t.baseline);
                }
            if (high - low > 0.5)
                faults << where + QStringLiteral(" row %1 stands on lines %2 px apart").arg(r).arg(high - low);
        }
    }
    bar->setValue(was);
}

// What the player sees of one window: every shown text in English (the
// president's name aside) when the game speaks English, whole in its widget,
// and the window opened where it can be reached: a child window inside the
// frame's work area (which scrolls to the rest of it), a dialog on the screen.
// The guide covers none of the windows its step points at (`pointed`).
void lookAt(QWidget* window, QStringList& faults, const QStringList& pointed = {}) {
    if (!window) return;
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto where = [window](const QObject* w) {
        return window->objectName() + u'/' + (w ? w->objectName() : QString());
    };
    const bool english = ui::qt::language() == Language::English;
    const auto words = [&](const QObject* w, QString text) {
        text.remove(QStringLiteral("山田"));
        if (english && hasJapanese(text)) faults << where(w) + QStringLiteral(" shows \"") + text + u'"';
    };
    const auto opensInside = [&](const QWidget* w, const QRect& room) {
        if (!room.contains(w->geometry().topLeft()))
            faults << where(w) + QStringLiteral(" opens outside its room");
    };
    if (window->isWindow() && window->screen()) {
        opensInside(window, window->screen()->geometry());
        // With its title bar and borders; the frame alone may outgrow a
        // small screen: its work area scrolls.
        const QSize room = window->screen()->availableGeometry().size();
        if (window->objectName() != QStringLiteral("Main") && room.expandedTo(window->frameGeometry().size()) != room)
            faults << where(window) + QStringLiteral(" is larger than the screen");
    }
    for (auto* sub : window->findChildren<QMdiSubWindow*>())
        if (sub->isVisible()) opensInside(sub, sub->mdiArea()->viewport()->rect());
    // A work area scrolls only to a window beyond its edge.
    for (auto* area : window->findChildren<QMdiArea*>()) {
        const auto subs = area->subWindowList();
        const bool beyond = std::any_of(subs.begin(), subs.end(), [area](QMdiSubWindow* s) {
            return s->isVisible() && !area->viewport()->rect().contains(s->geometry());
        });
        if (!beyond && (area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible()))
            faults << where(area) + QStringLiteral(" scrolls to nothing");
    }
    // The guide is on the screen, even where the frame runs past its edge.
    if (auto* guide = window->findChild<QMdiSubWindow*>(QStringLiteral("Hajimete")); guide && guide->isVisible()) {
        const QRect onScreen(guide->mapToGlobal(QPoint(0, 0)), guide->size());
        if (!guide->screen()->availableGeometry().contains(onScreen))
            faults << where(guide) + QStringLiteral(" runs off the screen");
    }
    // The guide covers no window its step points at where the screen has
    // room beside it for the guide at its least.
    if (auto* guide = window->findChild<QMdiSubWindow*>(QStringLiteral("Hajimete")); guide && guide->isVisible())
        for (const QString& name : pointed)
            if (auto* sub = window->findChild<QMdiSubWindow*>(name);
                sub && sub->isVisible() && sub->geometry().intersects(guide->geometry())) {
                const QRect room = ui::qt::visibleRoom(sub->mdiArea()), p = sub->geometry();
                for (const QRect& beside : {QRect(room.topLeft(), QPoint(p.left() - 1, room.bottom())),
                                            QRect(QPoint(p.right() + 1, room.top()), room.bottomRight()),
                                            QRect(room.topLeft(), QPoint(room.right(), p.top() - 1)),
                                            QRect(QPoint(room.left(), p.bottom() + 1), room.bottomRight())})
                    if (beside.width() >= guide->minimumWidth() && beside.height() >= guide->minimumHeight()) {
                        faults << where(guide) + QStringLiteral(" covers ") + name;
                        break;
                    }
            }
    const auto fits = [&](const QObject* w, int need, int room, const QString& text) {
        if (need > room)
            faults << where(w) + QStringLiteral(" cuts \"%1\" (%2 > %3 px)").arg(text).arg(need).arg(room);
    };
    words(window, window->windowTitle());
    // Every chart in each of its tabs, every table.
    for (auto* tabs : window->findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(window)) continue;
        const int was = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (int k = 0; k < 3; ++k) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            drawnWhole(tabs->widget(i), where(tabs->widget(i)), faults);
        }
        tabs->setCurrentIndex(was);
    }
    for (auto* table : window->findChildren<QTableView*>())
        if (table->isVisibleTo(window)) drawnWhole(table, where(table), faults);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const QFontMetrics fm = w->fontMetrics();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            words(l, l->text());
            // What can be clicked is told by more than its colour.
            if (qobject_cast<ui::qt::ClickLabel*>(l) && l->focusPolicy() != Qt::NoFocus && !l->font().underline())
                faults << where(l) + QStringLiteral(" can be clicked but is not underlined");
            if (!l->wordWrap() && !l->text().isEmpty()) {
                fits(l, fm.horizontalAdvance(l->text()), l->contentsRect().width(), l->text());
                fits(l, fm.height(), l->contentsRect().height(), l->text());
            } else if (!l->text().isEmpty()) {
                fits(l, l->heightForWidth(l->width()), l->height(), l->text());  // every line it wraps into
            }
        } else if (auto* page = qobject_cast<QScrollArea*>(w)) {
            // Above 標準, on a screen too small for them, its words may scroll:
            // its scroll bar shows there is more.
            if (ui::qt::textStep() == 0 || !page->verticalScrollBar()->isVisible())
                fits(page, page->widget()->height(), page->viewport()->height(), QStringLiteral("its words"));
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            words(b, b->text());
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            fits(b, fm.horizontalAdvance(QString(b->text()).remove(u'&')), room.width(), b->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            words(g, g->title());
            fits(g, fm.horizontalAdvance(g->title()) + 16, g->width(), g->title());
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            // An empty list says so rather than stand blank.
            const QImage drawn = list->viewport()->grab().toImage();
            QSet<QRgb> colours;
            for (int y = 4; y < drawn.height() - 4; ++y)
                for (int x = 4; x < drawn.width() - 4; ++x) colours << drawn.pixel(x, y);
            if (list->count() == 0 && colours.size() < 2) faults << where(list) + QStringLiteral(" is a blank box");
            for (int i = 0; i < list->count(); ++i) {
                words(list, list->item(i)->text());
                fits(list, list->visualItemRect(list->item(i)).left() +
                               QFontMetrics(list->font()).horizontalAdvance(list->item(i)->text()),
                     list->viewport()->width(), list->item(i)->text());
            }
        } else if (auto* s = qobject_cast<QSlider*>(w)) {
            words(s, s->toolTip());
        } else if (auto* t = qobject_cast<QTextBrowser*>(w)) {
            if (t->toPlainText().size() < 1000) faults << where(t) + QStringLiteral(" shows no help page");
            // Its words grow with the game's.
            double least = 1000;
            for (QTextBlock b = t->document()->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (!it.fragment().charFormat().isImageFormat())
                        least = std::min(least, it.fragment().charFormat().font().pointSizeF());
            if (least < QApplication::font().pointSizeF() * 0.9)
                faults << where(t) + QStringLiteral(" has words at %1 pt beside the game's %2 pt")
                                         .arg(least)
                                         .arg(QApplication::font().pointSizeF());
            words(t, t->toPlainText());
        } else if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            QStyleOptionTitleBar opt;
            opt.initFrom(sub);
            fits(sub, fm.height(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, sub), sub->windowTitle());
        } else if (auto* m = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : m->actions()) {
                words(m, a->text());
                if (a->menu())
                    for (QAction* item : a->menu()->actions()) words(item, item->text());
            }
        }
        if (!w->toolTip().isEmpty()) words(w, w->toolTip());
    }
}

}  // namespace

// Every window a game opens, in English: the title, the name, the frame with
// its menus and panes, the floors, the tenant choice, the bank, the report,
// the extension, the speed, the lists, the help page and the version screen.
struct SizeRow {
    Language language;
    int textStep;
    const char* keptWindow;  // left by the player where this screen has no room
    QRect kept;
    bool highContrast = false;  // whose frames take room of their own
    const char* sizesOnTheWay = "";  // steps the player goes through after playing, every window open
};
class EveryWindow : public ::testing::TestWithParam<SizeRow> {
protected:
    ~EveryWindow() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // no window of a game that is gone
        ui::qt::setTextStep(0);
        ui::qt::useHighContrast(*qApp, false);
    }
};
INSTANTIATE_TEST_SUITE_P(English, EveryWindow,
                         ::testing::Values(SizeRow{Language::English, 0, "Suii", QRect(5000, 4000, 300, 200)},
                                           SizeRow{Language::English, 1, "Bank", QRect(-3000, 9000, 300, 200), true},
                                           SizeRow{Language::English, 2, "Gaikan", QRect(0, 0, 9000, 9000), false, "102"},
                                           SizeRow{Language::Japanese, 0, "Bank", QRect(2000, -50, 300, 200), true},
                                           SizeRow{Language::Japanese, 1, "Mokuhyou", QRect(-900, -900, 10, 10)},
                                           SizeRow{Language::Japanese, 2, "SetS", QRect(7000, 7000, 340, 190), true}));

TEST_P(EveryWindow, ShowsItsLanguageThatFitsAtEachTextSize) {
    const SizeRow row = GetParam();
    Speaking english(row.language);
    ui::qt::useHighContrast(*qApp, row.highContrast);
    Game g(row.textStep);
    g.p.prefs.setPlace(QString::fromUtf8(row.keptWindow), row.kept);
    QStringList faults;
    QSet<QString> seen;
    const auto look = [&](QWidget* w) {
        ASSERT_NE(w, nullptr) << g.seams.opening.toStdString();
        seen << w->objectName();
        const settings::Hajimete* guide = g.p.hajimete.peek();
        lookAt(w, faults, guide && guide->visible ? guide->pointsAt() : QStringList());
    };
    g.seams.look = look;
    g.play();
    QWidget* frame = topLevel(QStringLiteral("Main"));
    ASSERT_NE(frame, nullptr);
    for (const char* step = row.sizesOnTheWay; *step; ++step)
        frame->findChild<QAction*>(QStringLiteral("TextSize") + QLatin1Char(*step))->trigger();
    EXPECT_EQ(frame->windowTitle(), row.language == Language::English ? QStringLiteral("President 山田 - running")
                                                                       : QStringLiteral("山田社長 - 行動中"));
    EXPECT_EQ(ui::qt::textStep(), row.textStep);
    look(frame);
    for (auto [name, open] : std::initializer_list<std::pair<const char*, std::function<void()>>>{
             {"SetS", [&] { g.p.main().command7Click(); }},
             {"Kakudai", [&] { g.p.main().command9Click(); }},
             {"Bank", [&] { g.p.main().command8Click(); }},
             {"Shisetu", [&] { g.p.game().label10Click(); }},
             {"Start", [&] { g.p.main().fverClick(); }}}) {
        g.act(open);
        EXPECT_TRUE(g.seams.hands.empty()) << name;
    }
    g.act([&] { g.p.game().label9Click(); });
    look(topLevel(QStringLiteral("Kaisyamei")));
    g.act([&] { g.p.main().fhelpClick(); });  // looked at while it is up
    g.act([&] { g.p.main().command4Click(); });  // paused
    g.act([&] { g.p.main().fsuiiClick(); });  // the history, a window inside the frame
    g.act([&] { g.p.main().fgaikanClick(); });  // the building drawn, another
    g.act([&] { g.p.main().fmokuhyouClick(); });  // the goals, a third
    g.act([&] { g.p.main().command1Click(); });  // the town and the building, a fourth
    look(frame);
    // Its storeys, as drawn and as a screen reader names them.
    QAccessibleInterface* storeys = QAccessible::queryAccessibleInterface(frame->findChild<QWidget*>(QStringLiteral("Storeys")));
    ASSERT_NE(storeys, nullptr);
    ASSERT_EQ(storeys->childCount(), g.p.state.Kai + 1);
    if (row.language == Language::English) {
        for (int i = 0; i < storeys->childCount(); ++i)
            EXPECT_FALSE(hasJapanese(storeys->child(i)->text(QAccessible::Name))) << i;
        EXPECT_EQ(storeys->child(storeys->childCount() - 1)->text(QAccessible::Name), QStringLiteral("Floor 1 Lobby"));
        EXPECT_EQ(storeys->child(storeys->childCount() - 2)->text(QAccessible::Name), QStringLiteral("Floor 2 Hotel"));
    }
    // Its table: the headings and every figure of the months played.
    auto* table = frame->findChild<QTableView*>(QStringLiteral("Table"));
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel* m = table->model();
    ASSERT_GT(m->rowCount(), 0);
    if (row.language == Language::English) {
        EXPECT_EQ(m->index(0, 5).data().toString(), QStringLiteral("3 floors"));
    }
    for (int c = 0; c < m->columnCount() && row.language == Language::English; ++c) {
        const QString head = m->headerData(c, Qt::Horizontal).toString();
        EXPECT_FALSE(hasJapanese(head)) << head.toStdString();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString cell = m->index(r, c).data().toString();
            EXPECT_FALSE(hasJapanese(cell)) << cell.toStdString();
        }
    }
    EXPECT_EQ(seen.size(), 11) << QStringList(seen.values()).join(u' ').toStdString();
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    // Every message the game gave, the loans' and the name's too.
    QStringList japanese;
    for (const QString& t : g.seams.prompts)
        if (row.language == Language::English && hasJapanese(QString(t).remove(QStringLiteral("山田")))) japanese << t;
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();
    EXPECT_GT(g.seams.prompts.size(), 6);
    // Where the player left a window is kept for the next game.
    EXPECT_TRUE(g.p.prefs.place(QStringLiteral("Choic")));
}

// The history on a 1024×768 screen at every text size and look, with one
// month and with 255 years of large and negative figures: every figure, axis
// name and cell drawn whole, the lines inside the plot, whether the look was
// chosen before 推移 opened or while it was open.
struct HistoryRow {
    int step;
    bool high;
    int months;
    bool switched = false;  // opened at 標準 in the normal look, both chosen from the menu while open
};
class HistoryDrawn : public ::testing::TestWithParam<HistoryRow> {
protected:
    ~HistoryDrawn() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::qt::setTextStep(0);
        ui::qt::useHighContrast(*qApp, false);
    }
};
INSTANTIATE_TEST_SUITE_P(History, HistoryDrawn,
                         ::testing::Values(HistoryRow{0, false, 1}, HistoryRow{0, false, 3060},
                                           HistoryRow{0, true, 3060}, HistoryRow{1, false, 3060},
                                           HistoryRow{1, true, 1}, HistoryRow{2, false, 3060},
                                           HistoryRow{2, true, 1}, HistoryRow{2, true, 3060, true},
                                           HistoryRow{1, false, 3060, true}));

TEST_P(HistoryDrawn, IsDrawnWhole) {
    const HistoryRow row = GetParam();
    ui::qt::useHighContrast(*qApp, row.high && !row.switched);
    auto g = std::make_unique<Game>(row.switched ? 0 : row.step);
    g->newGame();
    g->act([&] { g->p.hajimete().toziruClick(); });  // the guide is not what this looks at
    std::vector<state::MonthRow> history;
    for (int i = 0; i < row.months; ++i)
        history.push_back({1 + (i + 4) / 12, 1 + (i + 4) % 12, i % 7 == 3 ? 0.0 : 3000.0 * i - 9e5,
                           i % 5 == 1 ? -64'424'508'710 : int64_t(i) * 2'000'000, 1000.0 + 700.0 * i,
                           10.0 + 9 * i, 3 + i / 31});
    g->p.history.reset(history);
    QWidget* frame = topLevel(QStringLiteral("Main"));
    frame->resize(1024 - 16, 768 - 48);  // the frame on that screen, less a panel
    QApplication::processEvents();
    g->act([&] { g->p.main().fsuiiClick(); });
    if (row.switched) {
        for (int step = 1; step <= row.step; ++step) {
            frame->findChild<QAction*>(QStringLiteral("TextSize%1").arg(step))->trigger();
            QApplication::processEvents();
        }
        frame->findChild<QAction*>(QStringLiteral("Fcontrast"))->trigger();
    }
    g->act([] {});
    QApplication::processEvents();
    QStringList faults;
    QMdiSubWindow* window = nullptr;  // the one drawn last (the others wait to be deleted)
    for (auto* w : frame->findChildren<QMdiSubWindow*>(QStringLiteral("Suii")))
        if (w->isVisible()) window = w;
    ASSERT_NE(window, nullptr);
    lookAt(frame, faults);
    // The lines of the months (three points or more) inside the plot: between
    // the side axes' figures, from the highest figure to the lowest.
    for (const char* name : {"Chart1", "Chart2"}) {
        QWidget* chart = window->findChild<QWidget*>(QString::fromUtf8(name));
        static_cast<QTabWidget*>(chart->parentWidget()->parentWidget())->setCurrentWidget(chart);
        for (int k = 0; k < 3; ++k) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const Drawn d(chart);
        QRectF plot(QPointF(0, 1e9), QPointF(chart->width(), -1e9));
        static const QRegularExpression figure(QStringLiteral("^[-−]?[0-9][0-9,]*$"));
        for (const DrawnText& t : d.texts) {
            if (!figure.match(t.text).hasMatch()) continue;
            if (t.box.center().x() < chart->width() / 2) plot.setLeft(std::max(plot.left(), t.box.right()));
            else plot.setRight(std::min(plot.right(), t.box.left()));
            plot.setTop(std::min(plot.top(), t.box.center().y() - 1));
            plot.setBottom(std::max(plot.bottom(), t.box.center().y() + 1));
        }
        // A single month is a marker on each line.
        int lines = 0;
        for (const QPolygonF& line : d.lines)
            if (row.months == 1 ? line.size() >= 3 && plot.contains(line.boundingRect()) : line.size() >= row.months) {
                ++lines;
                if (!plot.contains(line.boundingRect()))
                    faults << QStringLiteral("%1 draws a line out of its plot").arg(QLatin1String(name));
            }
        EXPECT_GE(lines, 2) << name;
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    // The game gone before its windows: they still draw what they drew,
    // whatever the look, and read nothing of it.
    QPointer<QTableView> table = window->findChild<QTableView*>();
    ASSERT_TRUE(table);
    g.reset();
    ui::qt::useHighContrast(*qApp, !row.high);
    EXPECT_EQ(Drawn(table).with(QStringLiteral("所持金")).size(), 1u);
}

// The rules and the save cannot tell the languages apart: the same moves give
// the same reports and the same file, and an English save comes back whole in
// the Japanese game.
TEST(English, ASeededGameGivesTheSameReportsAndSaveInBothLanguages) {
    std::vector<QStringList> reports[2];
    QByteArray saves[2];
    for (int i = 0; i < 2; ++i) {
        Speaking speaking(i == 0 ? Language::Japanese : Language::English);
        Game g;
        g.play();
        reports[i] = g.seams.reports;
        saves[i] = g.save();
    }
    EXPECT_GE(reports[0].size(), 15u);
    EXPECT_EQ(reports[0], reports[1]);
    ASSERT_FALSE(saves[0].isEmpty());
    EXPECT_EQ(saves[0], saves[1]);

    // The English save loaded and saved again in either language: the same
    // file both ways.
    QByteArray again[2];
    for (int i = 0; i < 2; ++i) {
        Speaking speaking(i == 0 ? Language::Japanese : Language::English);
        Game g;
        g.newGame();
        QFile f(g.seams.dir.filePath(QStringLiteral("Kivora.teskdata")));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(saves[1]);
        f.close();
        g.act([&] { g.p.main().command6Click(); });
        again[i] = g.save();
    }
    EXPECT_FALSE(again[0].isEmpty());
    EXPECT_EQ(again[0], again[1]);
}

// Every message the game can give, found where the game gives it: a
// message added without its English fails here even when no test reaches it.
TEST(English, EveryMessageInTheSourcesHasItsEnglish) {
    Speaking english(Language::English);
    // The text of an ask(…) or of the question it asks, with numbers for
    // its %1… and a clear code for what is added to it.
    const QRegularExpression message(QStringLiteral(
        R"re((?:ask\(|question = )\s*QStringLiteral\("([^"]+)"\)\s*(\+)?)re"));
    int found = 0;
    QStringList untranslated;
    QDirIterator files(QStringLiteral(RUMIE_TEST_DATA "/../src"), {QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile f(files.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(f.readAll());
        for (auto it = message.globalMatch(code); it.hasNext();) {
            const auto m = it.next();
            QString text = m.captured(1);
            for (int i = 1; i <= 3; ++i) text.replace(u'%' + QString::number(i), QString::number(i + 1));
            if (!m.captured(2).isEmpty()) text += QStringLiteral("1A2B3");
            ++found;
            if (hasJapanese(ui::qt::shown(text))) untranslated << text;
        }
    }
    EXPECT_GE(found, 17);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(u'\n').toStdString();
}

// Message boxes carry Qt's own English buttons and the game's English words,
// each figure of the message in its place.
TEST(English, MessageBoxesAreEnglish) {
    Speaking english(Language::English);
    ui::qt::QtSeams seams;
    const std::pair<const char*, const char*> rows[] = {
        {"窓口3の融資返済です", "The loan from bank window 3 is repaid."},
        {"融資3億円受けますか？返済は5年後に4.5億円です", "Borrow 3 × ¥100M? In 5 years you repay 4.5 × ¥100M."},
    };
    for (const auto& [japanese, english] : rows) {
        QString text, yes, title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            yes = box->button(QMessageBox::Yes)->text();
            box->button(QMessageBox::No)->click();
        });
        ui::Prompt prompt;
        prompt.text = QString::fromUtf8(japanese);
        prompt.buttons = ui::Prompt::Buttons::YesNo;
        EXPECT_EQ(seams.ask(prompt), ui::Answer::No);
        EXPECT_EQ(text, QString::fromUtf8(english));
        EXPECT_EQ(title, QStringLiteral("Rumie"));
        EXPECT_EQ(QString(yes).remove(u'&'), QStringLiteral("Yes"));
    }
}
