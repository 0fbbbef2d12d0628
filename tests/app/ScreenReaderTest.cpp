// What a blind player hears: every control as a screen reader learns it
// through Qt's accessibility layer (role, name, description, relations,
// actions), the news spoken once when something changes by itself, and no
// word at all from what the player cannot see — in Japanese and in English.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <map>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "settings/SetS.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Start.h"
#include "support/ViewSupport.h"
#include "town/Game.h"
#include "town/Kaisyamei.h"
#include "ui/qt/Language.h"

using ui::qt::Language;
using namespace Qt::StringLiterals;

namespace {

struct Facts {
    QAccessible::Role role = QAccessible::NoRole;
    QString name, description, labelledBy;
    bool press = false;
    QString firstItem;  // of a list
};

// Where a widget stands for the table: "Bank/Command1", "Kivora/Ye".
QString placeOf(QWidget* w) {
    for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (up->isWindow() || up->inherits("QMdiSubWindow")) return up->objectName() + u'/' + w->objectName();
    return w->objectName();
}

// What a screen reader learns of every named control in `window` it has not
// heard before (of all of them `again`).
void listen(QWidget* window, std::map<QString, Facts>& into, bool again = false) {
    if (!window) return;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        const QString place = w == window ? w->objectName() : placeOf(w);
        if (w->objectName().isEmpty() || !i || (!again && into.count(place))) continue;
        Facts f{i->role(), i->text(QAccessible::Name), i->text(QAccessible::Description), {}, false, {}};
        for (const auto& [other, rel] : i->relations(QAccessible::Label))
            if (other->object()) f.labelledBy = other->object()->objectName();
        if (QAccessibleActionInterface* a = i->actionInterface())
            f.press = a->actionNames().contains(QAccessibleActionInterface::pressAction());
        if (i->role() == QAccessible::List && i->childCount() > 0) f.firstItem = i->child(0)->text(QAccessible::Name);
        into[place] = f;
    }
}

// The news as a screen reader gets it: each notification as it shows (Qt
// tells the screen reader of every widget that shows).
struct Ears : QObject {
    QStringList& heard;
    explicit Ears(QStringList& into) : heard(into) { qApp->installEventFilter(this); }
    ~Ears() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        QAccessibleInterface* i = e->type() == QEvent::Show ? QAccessible::queryAccessibleInterface(o) : nullptr;
        if (i && i->role() == QAccessible::Notification) heard << i->text(QAccessible::Name);
        return false;
    }
};

// What one game told a screen reader: the controls of each window as they
// first showed, and the news of each moment.
struct Told {
    std::map<QString, Facts> facts;
    std::map<QString, QString> news;
};

// A game through the real windows in one language. A modal window is
// listened to as it opens; its hand plays in it and closes it.
class Listening : public FolderSeams {
public:
    Program p{*this};
    std::map<QString, std::function<void()>> hands;  // by window name, once
    Told told;
    QStringList heard;
    int reports = 0;

    explicit Listening(Language l) {
        ui::qt::useLanguage(*qApp, l);
        copyPictures();
        app::wire(*this, p);
    }
    ~Listening() override {
        if (p.main.view()) p.main.view()->hideView();
        ui::qt::useLanguage(*qApp, Language::Japanese);
    }
    ui::Answer ask(const ui::Prompt& pr) override {
        return pr.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    int wallSecond() override { return 30; }
    void endNow() override {}
    void runModal(ui::Form& form, ui::View* view) override {
        const QString name = QString::fromUtf8(form.name());
        if (view) view->showView();
        QCoreApplication::processEvents();
        listen(topLevel(name), told.facts);
        auto it = hands.find(name);
        if (it != hands.end()) {
            auto hand = std::move(it->second);
            hands.erase(it);
            hand();
        } else if (name == u"Houkoku") {
            ++reports;
            p.houkoku().frame1Click();
        } else {
            form.closeBox();
        }
    }
    // Runs `f` as one event; what a screen reader was told is noted as `moment`.
    void act(const char* moment, const std::function<void()>& f) {
        p.dispatch(f);
        QCoreApplication::processEvents();
        QString& n = told.news[QString::fromUtf8(moment)];
        n += (n.isEmpty() ? QString() : QStringLiteral("|")) + heard.join(u'|');
        heard.clear();
    }
    void months(int n) {
        for (int want = reports + n, i = 0; reports < want && i < 420 * n; ++i) {
            p.dispatch([&] { p.kivora().Timer1.fire(); });
            QCoreApplication::processEvents();  // the event loop between two ticks
        }
    }

    // The same moves in either language.
    void play() {
        Ears ears(heard);
        p.startUp();
        listen(topLevel(QStringLiteral("Start")), told.facts);
        act("title", [&] { p.start().command1Click(); });
        hands[QStringLiteral("Namer")] = [this] {
            p.namer().Text1 = QStringLiteral("Yamada");
            p.namer().command1Click();
        };
        act("a new game", [&] { p.main().fstaClick(); });
        act("building", [&] { p.kivora().gotFocus(); });
        act("building", [&] { p.kivora().label1Click(0); });
        act("階数ごと opens on floor 2", [&] { p.kivora().label2Click(1); });
        listen(topLevel(QStringLiteral("Main")), told.facts);
        act("↑", [&] { p.choiwin().upClick(); });
        act("Ctrl+P", [&] { p.main().command4Click(); });
        act("Ctrl+P again", [&] { p.main().command4Click(); });
        hands[QStringLiteral("Kakudai")] = [this] {
            act("▲", [&] { p.kakudai().command1Click(); });
            p.kakudai().command4Click();
        };
        act("拡大", [&] { p.main().command9Click(); });
        hands[QStringLiteral("Bank")] = [this] {
            p.dispatch([&] { p.bank().windowClick(1); });
            listen(topLevel(QStringLiteral("Bank")), told.facts, true);
            p.bank().command6Click();
        };
        act("銀行", [&] { p.main().command8Click(); });
        act("街&ビル opens", [&] { p.main().command1Click(); });
        hands[QStringLiteral("SetS")] = [this] {
            act("a faster speed", [&] { p.setS().Slider1.setValue(6); });
            p.setS().command2Click();
        };
        act("設定", [&] { p.main().command7Click(); });
        hands[QStringLiteral("Choic")] = [this] { p.choic().command2Click(); };
        act("業者を入れる", [&] { p.choiwin().追加Click(); });
        act("施設", [&] { p.game().label10Click(); });
        act("詳細", [&] { p.game().label9Click(); });
        listen(topLevel(QStringLiteral("Kaisyamei")), told.facts);
        act("詳細", [&] { p.kaisyamei().command1Click(); });
        act("推移", [&] { p.main().fsuiiClick(); });
        listen(topLevel(QStringLiteral("Main")), told.facts);
        act("a month end", [&] { months(1); });
        act("the year turn", [&] { months(11); });
    }
};

// One game in each language, played once for all the tables.
const Told& told(Language l) {
    static std::map<Language, Told> games;
    auto it = games.find(l);
    if (it == games.end()) {
        Listening game(l);
        game.play();
        it = games.emplace(l, std::move(game.told)).first;
    }
    return it->second;
}

// A control as a blind player must hear it, in Japanese and in English.
struct Row {
    const char* control;
    QAccessible::Role role;
    QString ja, en;  // its name
    QString jaSays = {}, enSays = {};  // its description
    bool press = false;
    const char* labelledBy = nullptr;  // not asked when null
};

void expectHeard(const std::vector<Row>& rows) {
    for (Language l : {Language::Japanese, Language::English}) {
        const bool ja = l == Language::Japanese;
        const Told& t = told(l);
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.control) + (ja ? " (ja)" : " (en)"));
            auto it = t.facts.find(QString::fromUtf8(r.control));
            ASSERT_NE(it, t.facts.end());
            const Facts& f = it->second;
            EXPECT_EQ(f.role, r.role);
            EXPECT_EQ(f.name, ja ? r.ja : r.en);
            EXPECT_EQ(f.description, ja ? r.jaSays : r.enSays);
            EXPECT_EQ(f.press, r.press);
            if (r.labelledBy) {
                EXPECT_EQ(f.labelledBy, QString::fromUtf8(r.labelledBy));
            }
        }
    }
}

using R = QAccessible::Role;

}  // namespace

// The frame and the windows inside it.
TEST(ScreenReader, TheFrameAndItsWindowsSayWhatTheyShow) {
    expectHeard({
        {"Main/OkaneH", R::StaticText, u"所持金 100,000,000円"_s, u"Money 100,000,000 yen"_s},
        {"Main/Simo", R::Client, {}, {}},      // read with the money
        {"Main/Okane", R::StaticText, {}, {}},  // hidden
        {"Main/Command2", R::Client, {}, {}},  // a blank bar
        {"Main/Command4", R::Button, u"停止"_s, u"Pause"_s, u"Ctrl+P, Pause"_s, u"Ctrl+P, Pause"_s, true},
        {"Kivora/Ye", R::StaticText, u"1年目"_s, u"Year 1"_s},
        {"Kivora/Label4", R::StaticText, {}, {}},  // the hidden tick counter
        {"Kivora/Label1_0", R::Button, u"1～10階"_s, u"Floors 1–10"_s, {}, {}, true},
        {"Kivora/Label1_1", R::Button, u"屋上"_s, u"Rooftop"_s, {}, {}, true},
        {"Kivora/Label1_2", R::Button, {}, {}},  // blank: nothing to press
        {"Kivora/Label2_1", R::Button, u"2階"_s, u"Floor 2"_s, {}, {}, true},
        {"Choiwin/Dansu", R::StaticText, u"2階です"_s, u"Floor 2"_s},
        {"Choiwin/Naisou", R::Graphic, u"空き室"_s, u"Vacant"_s},
        {"Choiwin/Up", R::Button, u"上の階"_s, u"Up a floor"_s, {}, {}, true},
        {"Choiwin/Down", R::Button, u"下の階"_s, u"Down a floor"_s, {}, {}, true},
        {"Game/Pop", R::StaticText, u"街人口 1030人"_s, u"Population 1030 people"_s},
        {"Game/Hatte", R::StaticText, u"発展度 村"_s, u"Town grade Village"_s},
        {"Game/Unit_1", R::Client, {}, {}},  // blank, and read with its figure
        {"Game/Label9", R::Link, u"詳細"_s, u"Details"_s, {}, {}, true},
        {"Suii/Table", R::Table, u"推移"_s, u"History"_s},
    });
}

// The dialogs: a question, a figure, a state is heard with the control it
// belongs to, and each opens with what it is about.
TEST(ScreenReader, TheDialogsSayWhatTheyShow) {
    expectHeard({
        {"Start", R::Dialog, u"Form1"_s, u"Form1"_s,
         u"ルーミエ、～ビル経営させて町を発展させよう！、Ver.1.00、テスクゲーム会社"_s,
         u"Rumie, ~ Run a building and make the town grow! ~, Ver.1.00, Tesk Games"_s},
        {"Namer/Text1", R::EditableText, u"お名前は？"_s, u"Your name, President?"_s, {}, {}, false, "Label1"},
        {"Kakudai", R::Dialog, u"会社の拡大"_s, u"Build up"_s, u"何回建てにしますか？、4階、費用は 0.5億円です"_s,
         u"How many floors in all?, 4 floors, The cost is 0.5 × ¥100M"_s},
        {"Kakudai/Command1", R::Button, u"一階増やす"_s, u"One floor more"_s, {}, {}, true},
        {"Kakudai/Command2", R::Button, u"一階減らす"_s, u"One floor less"_s, {}, {}, true},
        {"Bank/Command1", R::Button, u"窓口1"_s, u"Window 1"_s, u"借りています、返済は4年の4月です"_s,
         u"On loan, Repay in year 4, month 4"_s, true},
        {"Bank/Command2", R::Button, u"窓口2"_s, u"Window 2"_s, u"借りれます"_s, u"Free"_s, true},
        {"Houkoku/Frame1", R::Grouping, u"今月の結果報告"_s, u"This month's results"_s, u"合計 400万円"_s,
         u"Total 400 × ¥10k"_s},
        {"Houkoku/Syunyu", R::StaticText, u"会社収入 1000万円 +"_s, u"Rent 1000 × ¥10k +"_s},
        {"Houkoku/Keihi", R::StaticText, u"従業員給与 300万円 ※従業員 ×30万"_s,
         u"Wages 300 × ¥10k * employees × ¥300k"_s},
        {"Houkoku/Label1", R::Client, {}, {}},  // read with its figure
        {"Houkoku/An", R::StaticText, u"残金 40400万円"_s, u"Balance 40400 × ¥10k"_s},
        {"SetS/Slider1", R::Slider, u"速度設定"_s, u"Game speed"_s, u"現在の速度は 5秒で1週進みます"_s,
         u"One week passes every 5 seconds"_s, false, "Label1"},
        {"Choic/Na", R::List, u"会社設定"_s, u"Choose a tenant"_s},
        {"Choic/Ex", R::Graphic, u"右から選んで下さい"_s, u"Choose from the list"_s},
        {"Kaisyamei", R::Dialog, u"詳細"_s, u"Details"_s, u"ホテル 0社、レストラン 0社、会社 0社"_s,
         u"Hotel 0 tenants, Restaurant 0 tenants, Company 0 tenants"_s},
        {"Shisetu/List1", R::List, u"施設"_s, u"Facilities"_s},
    });
    // A kind of tenant is heard with its price.
    EXPECT_EQ(told(Language::Japanese).facts.at(u"Choic/Na"_s).firstItem, u"ホテル 2億円かかリます"_s);
    EXPECT_EQ(told(Language::English).facts.at(u"Choic/Na"_s).firstItem, u"Hotel 2 × ¥100M"_s);
}

// What changes by itself, or by a key that leaves the keyboard where it was,
// is said once, as it happens; nothing is said twice.
TEST(ScreenReader, NewsIsSaidOnceWhenItHappens) {
    const struct {
        const char* moment;
        QString ja, en;
    } rows[] = {
        {"a new game", u"所持金 100,000,000円"_s, u"Money 100,000,000 yen"_s},
        {"階数ごと opens on floor 2", u"2階です、空き室"_s, u"Floor 2, Vacant"_s},
        {"↑", u"3階です、空き室"_s, u"Floor 3, Vacant"_s},
        {"Ctrl+P", u"Yamada社長 - 停止中"_s, u"President Yamada - paused"_s},
        {"Ctrl+P again", u"Yamada社長 - 行動中"_s, u"President Yamada - running"_s},
        {"▲", u"5階、費用は 1億円です"_s, u"5 floors, The cost is 1 × ¥100M"_s},
        {"銀行", u"所持金 400,000,000円"_s, u"Money 400,000,000 yen"_s},
        {"街&ビル opens", u"街人口 1030人、発展度 村、従業員数 10人、評価 F"_s,
         u"Population 1030 people, Town grade Village, Employees 10 people, Building rank F"_s},
        {"a faster speed", u"現在の速度は 4秒で1週進みます"_s, u"One week passes every 4 seconds"_s},
        {"building", {}, {}},
        {"a month end", u"所持金 404,000,000円"_s, u"Money 404,000,000 yen"_s},
    };
    for (Language l : {Language::Japanese, Language::English}) {
        const Told& t = told(l);
        for (const auto& r : rows) {
            SCOPED_TRACE(r.moment);
            auto it = t.news.find(QString::fromUtf8(r.moment));
            ASSERT_NE(it, t.news.end());
            EXPECT_EQ(it->second, l == Language::Japanese ? r.ja : r.en);
        }
        // Each month end says the money; the turn of the year says the date with it.
        const QStringList months = t.news.at(u"the year turn"_s).split(u'|');
        EXPECT_EQ(months.size(), 11);
        EXPECT_TRUE(months.contains(l == Language::Japanese ? u"所持金 440,000,000円、2年目 1月 1週"_s
                                                            : u"Money 440,000,000 yen, Year 2 Month 1 Week 1"_s))
            << months.join(u'\n').toStdString();
    }
}

// Everything a screen reader could be told of the windows now: each
// widget's name and description, whether it shows, and a label's text.
QStringList whatCouldBeTold() {
    QStringList all;
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QWidget* w : top->findChildren<QWidget*>()) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            auto* l = qobject_cast<QLabel*>(w);
            all << placeOf(w) + u'=' + (i ? i->text(QAccessible::Name) + u'|' + i->text(QAccessible::Description) : QString()) +
                       u'|' + (l ? l->text() : QString()) + (w->isVisible() ? u'+' : u'-');
        }
    return all;
}

// A running clock says nothing: the hidden tick counter and every other
// label the player cannot see stay as they were, and a week that passes
// changes only the date line.
TEST(ScreenReader, ARunningClockChangesNothingButTheDate) {
    Listening game(Language::Japanese);
    game.p.startUp();
    game.act("title", [&] { game.p.start().command1Click(); });
    game.hands[QStringLiteral("Namer")] = [&] {
        game.p.namer().Text1 = QStringLiteral("Yamada");
        game.p.namer().command1Click();
    };
    game.act("a new game", [&] { game.p.main().fstaClick(); });
    const auto tick = [&] { game.p.dispatch([&] { game.p.kivora().Timer1.fire(); }); };
    const QStringList before = whatCouldBeTold();
    for (int i = 0; i < 100; ++i) tick();
    EXPECT_EQ(whatCouldBeTold(), before);
    while (game.p.kivora().We.text() == u"1") tick();
    QStringList changed = whatCouldBeTold();
    for (const QString& w : before) changed.removeOne(w);
    EXPECT_EQ(changed, QStringList{u"Kivora/We=2週||2+"_s});
}
