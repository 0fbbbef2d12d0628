// What a blind player hears: every control as a screen reader learns it
// through Qt's accessibility layer (role, name, description, relations,
// actions), the news spoken once when something changes by itself, and no
// word at all from what the player cannot see — in Japanese and in English.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <QListWidget>
#include <QMdiSubWindow>
#include <map>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "settings/Hajimete.h"
#include "settings/Help1.h"
#include "settings/SetS.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Start.h"
#include "support/ViewSupport.h"
#include "town/Game.h"
#include "town/Kaisyamei.h"
#include "ui/qt/Keyboard.h"
#include "ui/qt/Language.h"

using ui::qt::Language;
using namespace Qt::StringLiterals;

namespace {

struct Heard {
    QAccessible::Role role;
    QString says;  // "name — description (labelled by) ▸ first item"
    bool press;
};

// Where a widget stands in a table: "Bank/Command1", "Kivora/Ye".
QString placeOf(QWidget* w) {
    for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (up->isWindow() || up->inherits("QMdiSubWindow")) return up->objectName() + u'/' + w->objectName();
    return w->objectName();
}

// What a screen reader learns of each named control of `window` it has not
// heard before (of all of them `again`).
void listen(QWidget* window, std::map<QString, Heard>& into, bool again = false, const QString& moment = {}) {
    QList<QWidget*> all = window ? window->findChildren<QWidget*>() : QList<QWidget*>();
    if (window) all.prepend(window);
    for (QWidget* w : all) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        const QString place = moment + (w == window ? w->objectName() : placeOf(w));
        if (w->objectName().isEmpty() || !i || (!again && into.count(place))) continue;
        QString says = i->text(QAccessible::Name);
        if (const QString d = i->text(QAccessible::Description); !d.isEmpty()) says += u" — "_s + d;
        for (const auto& [other, rel] : i->relations(QAccessible::Label))
            if (other->object()) says += u" ("_s + other->object()->objectName() + u')';
        // A list says the row the keyboard is on, a table its first row.
        if (auto* list = qobject_cast<QListWidget*>(w); list && list->currentRow() >= 0)
            says += u" ▸ "_s + i->child(list->currentRow())->text(QAccessible::Name);
        if (QAccessibleTableInterface* t = i->tableInterface(); t && i->role() == QAccessible::Table && t->rowCount() > 0) {
            QStringList cells;
            for (int c = 0; c < t->columnCount(); ++c) cells << t->cellAt(0, c)->text(QAccessible::Name);
            says += u" ▸ "_s + cells.join(u'|');
        }
        QAccessibleActionInterface* a = i->actionInterface();
        into[place] = {i->role(), says, a && a->actionNames().contains(QAccessibleActionInterface::pressAction())};
    }
}

// The news as a screen reader gets it: each notification as it shows (Qt
// tells a screen reader of every widget that shows).
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
    std::map<QString, Heard> controls;
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
        for (const char* page : {"Help.html", "Help.en.html"})
            QFile::copy(QStringLiteral(RUMIE_BIN_DIR "/") + QLatin1String(page), dir.filePath(QLatin1String(page)));
        app::wire(*this, p);
    }
    ~Listening() override {
        if (p.main.view()) p.main.view()->hideView();
        ui::qt::useLanguage(*qApp, Language::Japanese);
    }
    ui::Answer ask(const ui::Prompt& q) override {
        return q.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    int wallSecond() override { return 30; }
    void endNow() override {}
    void runModal(ui::Form& form, ui::View* view) override {
        const QString name = QString::fromUtf8(form.name());
        if (view) view->showView();
        QCoreApplication::processEvents();
        listen(topLevel(name), told.controls);
        if (auto it = hands.find(name); it != hands.end()) {
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
    void newGame() {
        p.startUp();
        listen(topLevel(QStringLiteral("Start")), told.controls);
        act("title", [&] { p.start().command1Click(); });
        hands[QStringLiteral("Namer")] = [this] {
            p.namer().Text1 = QStringLiteral("Yamada");
            p.namer().command1Click();
        };
        act("a new game", [&] { p.main().fstaClick(); });
    }

    // The same moves in either language.
    void play() {
        Ears ears(heard);
        newGame();
        act("building", [&] { p.kivora().label1Click(0); });
        act("階数ごと opens on floor 2", [&] { p.kivora().label2Click(1); });
        act("階数ごと opened again on floor 2", [&] { p.kivora().label2Click(1); });
        listen(topLevel(QStringLiteral("Main")), told.controls);
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
            listen(topLevel(QStringLiteral("Bank")), told.controls, true);
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
        listen(topLevel(QStringLiteral("Kaisyamei")), told.controls);
        act("推移", [&] {
            p.kaisyamei().command1Click();
            p.main().fsuiiClick();
        });
        told.news[u"推移 takes the keyboard"_s] = placeOf(QApplication::focusWidget());
        act("目標", [&] { p.main().fmokuhyouClick(); });
        act("外観", [&] { p.main().fgaikanClick(); });
        listen(topLevel(QStringLiteral("Main")), told.controls);
        act("Ctrl+F4 on 情報", [&] {
            ui::qt::focusByKey(ui::qt::firstKeyFocus(topLevel(u"Main"_s)->findChild<QWidget*>(u"Game"_s)));
            QCoreApplication::processEvents();
            QTest::keyClick(topLevel(u"Main"_s)->windowHandle(), Qt::Key_F4, Qt::ControlModifier);
        });
        listen(topLevel(QStringLiteral("Main")), told.controls, true, u"closed: "_s);
        hands[QStringLiteral("Help1")] = [this] {
            // What a screen reader reads as the caret goes a line down the page.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QAccessibleTextInterface* page = QAccessible::queryAccessibleInterface(QApplication::focusWidget())->textInterface();
            int from = 0, to = 0;
            told.news[u"F1, ↓"_s] = page->textAtOffset(page->cursorPosition(), QAccessible::LineBoundary, &from, &to).trimmed();
            p.help1().closeBox();
        };
        act("F1", [&] { p.main().fhelpClick(); });
        act("a month end", [&] { months(1); });
        act("the year turn", [&] { months(11); });
        listen(topLevel(QStringLiteral("Main"))->findChild<QMdiSubWindow*>(QStringLiteral("Suii")), told.controls, true);
        act("Ctrl+M", [&] { ctrlM(); });
        act("Ctrl+M, the building closed", [&] {
            p.kivora().closeBox();
            ctrlM();
        });
        act("次へ", [&] { p.hajimete().tugiClick(); });
        act("閉じる", [&] { p.hajimete().toziruClick(); });
    }
    // Ctrl+M as the window system brings it to the frame.
    void ctrlM() {
        QWidget* frame = topLevel(QStringLiteral("Main"));
        frame->activateWindow();
        QCoreApplication::processEvents();
        QTest::keyClick(frame->windowHandle(), Qt::Key_M, Qt::ControlModifier);
    }
};

// One game in each language, played once for all the tables.
const Told& told(Language l) {
    static std::map<Language, Told> games;
    if (!games.count(l)) {
        Listening game(l);
        game.play();
        games[l] = std::move(game.told);
    }
    return games[l];
}

// A control as a blind player must hear it: its role, what it says in each
// language (its name, " — " its description) and whether it can be pressed.
struct Row {
    const char* control;
    QAccessible::Role role;
    QString ja, en;
    bool press = false;
};

void expectHeard(const std::vector<Row>& rows) {
    for (Language l : {Language::Japanese, Language::English})
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.control) + (l == Language::Japanese ? " (ja)" : " (en)"));
            const auto& all = told(l).controls;
            auto it = all.find(QString::fromUtf8(r.control));
            ASSERT_NE(it, all.end());
            EXPECT_EQ(it->second.role, r.role);
            EXPECT_EQ(it->second.says, l == Language::Japanese ? r.ja : r.en);
            EXPECT_EQ(it->second.press, r.press);
        }
}

using R = QAccessible::Role;

}  // namespace

// The frame and the windows inside it. Read with their figures, the words
// beside a figure, a blank bar and a hidden label say nothing.
TEST(ScreenReader, TheFrameAndItsWindowsSayWhatTheyShow) {
    expectHeard({
        {"Main/OkaneH", R::StaticText, u"所持金 100,000,000円"_s, u"Money 100,000,000 yen"_s},
        {"Main/Simo", R::Client, {}, {}},
        {"Main/Command2", R::Client, {}, {}},
        {"Main/Command4", R::Button, u"停止 — Ctrl+P, Pause"_s, u"Pause — Ctrl+P, Pause"_s, true},
        {"Kivora/Ye", R::StaticText, u"1年目"_s, u"Year 1"_s},
        {"Kivora/Label4", R::StaticText, {}, {}},  // the tick counter
        {"Kivora/Label1_0", R::Button, u"1～10階"_s, u"Floors 1–10"_s, true},
        {"Kivora/Label1_2", R::Button, {}, {}},  // blank: nothing to press
        {"Kivora/Label2_1", R::Button, u"2階"_s, u"Floor 2"_s, true},
        {"Choiwin/Dansu", R::StaticText, u"2階です"_s, u"Floor 2"_s},
        {"Choiwin/Naisou", R::Graphic, u"空き室"_s, u"Vacant"_s},
        {"Choiwin/Up", R::Button, u"上の階"_s, u"Up a floor"_s, true},
        {"Game/Pop", R::StaticText, u"街人口 1030人 (Frame1)"_s, u"Population 1030 people (Frame1)"_s},
        {"Game/Unit_1", R::Client, {}, {}},  // blank, and not the box's title
        {"Game/Label9", R::Link, u"詳細 (Frame2)"_s, u"Details (Frame2)"_s, true},
        {"closed: Game/Pop", R::StaticText, {}, {}},  // 情報 closed by Ctrl+F4
        {"Suii/Table", R::Table, u"推移 ▸ 1年目5月|所持金 404,000,000円|合計 400万円|人口 1030人|従業員 10人|階数 3階"_s,
         u"History ▸ Year 1 Month 5|Money 404,000,000 yen|Total 400 × ¥10k|Population 1030 people|Employees 10 people|Floors 3 floors"_s},
        {"Suii/Chart1", R::Graphic, u"所持金と収支 — 1年目5月～2年目3月、所持金 最高 448,000,000円、最低 404,000,000円"_s,
         u"Money and results — Year 1 Month 5 to Year 2 Month 3, money highest 448,000,000 yen, lowest 404,000,000 yen"_s},
        {"Gaikan/Kaisu", R::StaticText, u"3階建て"_s, u"3 floors"_s},
        {"Gaikan/Hyouka", R::StaticText, u"評価 F"_s, u"Building rank F"_s},
        {"Gaikan/Sign_0", R::StaticText, u"屋上"_s, u"Rooftop"_s},
        {"Gaikan/Plate_0", R::Client, {}, {}},
        {"Mokuhyou/Kotoba_1", R::StaticText, u"次の発展度 町まで あと 971人 (Frame1)"_s,
         u"Next grade Town needs 971 people (Frame1)"_s},
        {"Mokuhyou/Kotoba_5", R::StaticText, u"評価 Sまで あと 2,491人 (Frame2)"_s,
         u"Building rank S needs 2,491 people (Frame2)"_s},
        {"Mokuhyou/Atai_7", R::StaticText, u"月末後の所持金 404,000,000円 (Frame3)"_s,
         u"Money after it 404,000,000 yen (Frame3)"_s},
        {"Mokuhyou/Atai_8", R::StaticText, u"負けまで あと 403,000,000円 (Frame3)"_s,
         u"To spare before the loss 403,000,000 yen (Frame3)"_s},
        {"Mokuhyou/Ato_5", R::Client, {}, {}},  // heard with its row
    });
}

// The dialogs: a question, a figure, a state is heard with the control it
// belongs to, and each opens with what it is about.
TEST(ScreenReader, TheDialogsSayWhatTheyShow) {
    expectHeard({
        {"Start", R::Dialog, u"Form1 — ルーミエ、～ビル経営させて町を発展させよう！、Ver.1.00、テスクゲーム会社"_s,
         u"Form1 — Rumie, ~ Run a building and make the town grow! ~, Ver.1.00, Tesk Games"_s},
        {"Namer/Text1", R::EditableText, u"お名前は？ (Label1)"_s, u"Your name, President? (Label1)"_s},
        {"Kakudai", R::Dialog, u"会社の拡大 — 何回建てにしますか？、4階、費用は 0.5億円です"_s,
         u"Build up — How many floors in all?, 4 floors, the cost is 0.5 × ¥100M"_s},
        {"Kakudai/Command1", R::Button, u"一階増やす"_s, u"One floor more"_s, true},
        {"Bank/Command1", R::Button, u"窓口1 — 借りています、返済は4年の4月です"_s,
         u"Window 1 — On loan, repay in year 4, month 4"_s, true},
        {"Bank/Command2", R::Button, u"窓口2 — 借りれます"_s, u"Window 2 — Free"_s, true},
        {"Houkoku", R::Dialog, u"報告書 — 1年目5月"_s, u"Monthly report — Year 1 Month 5"_s},
        {"Houkoku/Frame1", R::Grouping, u"今月の結果報告 — 合計 400万円"_s, u"This month's results — Total 400 × ¥10k"_s},
        {"Houkoku/Syunyu", R::StaticText, u"会社収入 1000万円 + (Frame1)"_s, u"Rent 1000 × ¥10k + (Frame1)"_s},
        {"Houkoku/Keihi", R::StaticText, u"従業員給与 300万円 ※従業員 ×30万 (Frame1)"_s,
         u"Wages 300 × ¥10k * employees × ¥300k (Frame1)"_s},
        {"SetS/Slider1", R::Slider, u"速度設定 — 現在の速度は 5秒で1週進みます (Label1)"_s,
         u"Game speed — One week passes every 5 seconds (Label1)"_s},
        {"Help1/Tesk", R::StaticText, u"ルーミエ ヘルプ"_s, u"Rumie Help"_s},
        {"Choic/Na", R::List, u"会社設定 ▸ ホテル 2億円かかリます"_s, u"Choose a tenant ▸ Hotel 2 × ¥100M"_s},
        {"Choic/価格", R::Client, {}, {}},  // each row says its price
        {"Choic/Ex", R::Graphic, u"右から選んで下さい"_s, u"Choose from the list"_s},
        {"Kaisyamei", R::Dialog, u"詳細 — ホテル 0社、レストラン 0社、会社 0社"_s,
         u"Details — Hotel 0 tenants, restaurant 0 tenants, company 0 tenants"_s},
        {"Shisetu/List1", R::List, u"施設 — なし"_s, u"Facilities — None"_s},
    });
}

// What changes by itself, or by a key that leaves the keyboard where it was,
// is said once, as it happens.
TEST(ScreenReader, NewsIsSaidOnceWhenItHappens) {
    const struct {
        const char* moment;
        QString ja, en;
    } rows[] = {
        // The first game's guide says each new step with the news of the act that brought it.
        {"a new game",
         u"所持金 100,000,000円、ステップ 1 / 7 ビルの窓「ルーミエ - 詳細」の左の列で、階のまとまり「1～10階」を選んでください。"
         u" 右の列に、そのまとまりの階が並びます。 キー：F6 でビルの窓へ移り、↑ ↓ で選んで Enter"_s,
         u"Money 100,000,000 yen, step 1 / 7 In the building window “Rumie - Building”, choose the block “Floors 1–10” in"
         u" the left column. The right column then lists the floors of that block. Keys: F6 to the building window, ↑ ↓ to"
         u" choose, Enter"_s},
        {"building",
         u"1階から3階、ステップ 2 / 7 右の列で「2階」などの階を選ぶと、その階が「階数ごと」の窓に開きます。"
         u" 1階はロビーです。テナントは2階から上に入れます。 キー：→ で右の列へ移り、↑ ↓ で選んで Enter"_s,
         u"Floors 1 to 3, step 2 / 7 Choose a floor such as “Floor 2” in the right column: it opens in the window “Floor by"
         u" floor”. Floor 1 is the lobby. Tenants go on floor 2 and up. Keys: → to the right column, ↑ ↓ to choose, Enter"_s},
        {"階数ごと opens on floor 2",
         u"2階です、空き室、ステップ 3 / 7 「階数ごと」の「業者を入れる」を押して、その階に入れるテナントを選びます。"
         u" ホテル：2億円、従業員 30人、家賃 毎月 3000万円 レストラン：0.5億円、従業員 30人、家賃 毎月 1000万円"
         u" 会社：1.5億円、従業員 10人、家賃 毎月 2000万円 価格は月末の決算で引かれます。給与は従業員ひとり 毎月 30万円です。"
         u" 入れると、次の月末の所持金は ホテル -75,000,000円、レストラン 55,000,000円、会社 -29,000,000円 です。"
         u" 100万円を切るテナントは、先に「銀行」で借りないと月末でゲームオーバーです。"
         u" キー：Tab で「業者を入れる」へ移って Enter、↑ ↓ で種類を選んで OK"_s,
         u"Floor 2, vacant, step 3 / 7 In “Floor by floor”, press “Bring in a tenant” and choose a tenant for that floor."
         u" Hotel: 2 × ¥100M, 30 employees, rent 3000 × ¥10k a month Restaurant: 0.5 × ¥100M, 30 employees, rent 1000 ×"
         u" ¥10k a month Company: 1.5 × ¥100M, 10 employees, rent 2000 × ¥10k a month The price is taken at the month end."
         u" Wages are 30 × ¥10k a month for each employee. Put in now, after the next month end you would have: hotel"
         u" ¥-75,000,000, restaurant ¥55,000,000, company ¥-29,000,000. A tenant that leaves less than ¥1,000,000 ends the"
         u" game at the month end unless you borrow at the Bank first. Keys: Tab to “Bring in a tenant”, Enter, ↑ ↓ to"
         u" choose the kind, OK"_s},
        {"階数ごと opened again on floor 2", u"2階です、空き室"_s, u"Floor 2, vacant"_s},
        {"↑", u"3階です、空き室"_s, u"Floor 3, vacant"_s},
        {"Ctrl+P", u"Yamada社長 - 停止中"_s, u"President Yamada - paused"_s},
        {"Ctrl+P again", u"Yamada社長 - 行動中"_s, u"President Yamada - running"_s},
        {"▲", u"5階、費用は 1億円です"_s, u"5 floors, the cost is 1 × ¥100M"_s},
        {"銀行", u"所持金 400,000,000円"_s, u"Money 400,000,000 yen"_s},
        {"街&ビル opens", u"発展度 村、従業員数 10人、評価 F"_s,  // the population has the focus: said as it gets it
         u"Town grade Village, employees 10 people, building rank F"_s},
        {"a faster speed", u"現在の速度は 4秒で1週進みます"_s, u"One week passes every 4 seconds"_s},
        {"a month end", u"所持金 404,000,000円"_s, u"Money 404,000,000 yen"_s},
        {"Ctrl+M", u"所持金 448,000,000円、2年目 3月 1週"_s, u"Money 448,000,000 yen, year 2 month 3 week 1"_s},
        {"Ctrl+M, the building closed", u"所持金 448,000,000円、2年目 3月 1週"_s,
         u"Money 448,000,000 yen, year 2 month 3 week 1"_s},
        {"推移 takes the keyboard", u"Suii/Table"_s, u"Suii/Table"_s},
        {"F1, ↓", u"～ビル経営させて町を発展させよう！"_s, u"~ Run a building and make the town grow! ~"_s},
        {"次へ",
         u"ステップ 4 / 7 ツールの列の「拡大」で、ビルに階を足します。 一階 0.5億円で、月末の決算で引かれます。"
         u"維持費は一階 毎月 100万円です。 いまのままなら、次の月末の収入は 10,000,000円、費用は 6,000,000円で、"
         u"所持金は 452,000,000円になります。 一階足すごとに、所持金は 51,000,000円減ります。 キー：Ctrl+E、▲ ▼ で階数を決めて OK"_s,
         u"Step 4 / 7 Add floors to the building with “Build up” in the tool row. A floor costs 0.5 × ¥100M, taken at the"
         u" month end. Upkeep is 100 × ¥10k a month for each floor. As things stand, the next month end brings in"
         u" ¥10,000,000 and costs ¥6,000,000, leaving ¥452,000,000. Each floor you add takes ¥51,000,000 from that. Keys:"
         u" Ctrl+E, ▲ ▼ to set the floors, OK"_s},
        {"閉じる", u""_s, u""_s},
    };
    for (Language l : {Language::Japanese, Language::English}) {
        const bool ja = l == Language::Japanese;
        const Told& t = told(l);
        for (const auto& r : rows) {
            SCOPED_TRACE(r.moment);
            EXPECT_EQ(t.news.at(QString::fromUtf8(r.moment)), ja ? r.ja : r.en);
        }
        // Each month end says the money; the turn of the year says the date with it.
        const QStringList months = t.news.at(u"the year turn"_s).split(u'|');
        EXPECT_EQ(months.size(), 11);
        EXPECT_TRUE(months.contains(ja ? u"所持金 440,000,000円、2年目 1月 1週"_s
                                       : u"Money 440,000,000 yen, year 2 month 1 week 1"_s))
            << months.join(u'\n').toStdString();
    }
}

// A running clock says nothing: the hidden tick counter and every other
// label the player cannot see stay as they were (a new text of a label is
// an event for a screen reader), and a week that passes changes the date.
TEST(ScreenReader, ARunningClockChangesNothingButTheDate) {
    Listening game(Language::Japanese);
    game.newGame();
    const auto couldBeTold = [] {
        QStringList all;
        for (QWidget* top : QApplication::topLevelWidgets())
            for (QWidget* w : top->findChildren<QWidget*>()) {
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
                auto* l = qobject_cast<QLabel*>(w);
                all << placeOf(w) + u'=' + (i ? i->text(QAccessible::Name) + u'|' + i->text(QAccessible::Description) : QString()) +
                           u'|' + (l ? l->text() : QString());
            }
        return all;
    };
    const auto tick = [&] { game.p.dispatch([&] { game.p.kivora().Timer1.fire(); }); };
    const QStringList before = couldBeTold();
    for (int i = 0; i < 100; ++i) tick();
    EXPECT_EQ(couldBeTold(), before);
    while (game.p.kivora().We.text() == u"1") tick();
    QStringList changed = couldBeTold();
    for (const QString& w : before) changed.removeOne(w);
    EXPECT_EQ(changed, QStringList{u"Kivora/We=2週||2"_s});
}

// The report the clock opens closes with nothing said but the money: the
// frame and the control the keyboard goes back to are not told again (the
// player never left them), and the player's next move is told as ever.
TEST(ScreenReader, AReportClosesWithNothingSaidButTheMoney) {
    // What Qt's screen-reader bridge learns: a window's activation, from the
    // window system's event (headless, Qt tells of no focus at all).
    struct Activations : QObject {
        QStringList seen;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::WindowActivate && e->spontaneous()) seen << u"activated "_s + o->objectName();
            return false;
        }
    } bridge;
    qApp->installEventFilter(&bridge);
    Listening game(Language::Japanese);
    Ears ears(game.heard);
    game.newGame();
    ui::qt::focusByKey(topLevel(u"Main"_s)->findChild<QWidget*>(u"Label1_0"_s));
    game.hands[u"Houkoku"_s] = [&] {
        ++game.reports;
        bridge.seen.clear();
        game.heard.clear();
        game.p.houkoku().frame1Click();
    };
    game.months(1);
    EXPECT_EQ(bridge.seen + game.heard, QStringList{u"所持金 104,000,000円"_s});
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"Label1_0"_s);
    qApp->removeEventFilter(&bridge);
}
