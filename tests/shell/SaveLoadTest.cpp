// Saving and loading as the player does it: "保存" and "セーブして終わる",
// "続きから" and "ロード", with the file in the program folder.
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "building/Kakudai.h"
#include "finance/Money.h"
#include "state/History.h"
#include "town/Suii.h"
#include "state/SaveFile.h"
#include "support/TestSeams.h"

using ui::Answer;

namespace {

const QString kAsk = QStringLiteral("保存して終了しますか");
const QString kSaved = QStringLiteral("保存終了");
const QString kNotSaved = QStringLiteral("保存できませんでした");
const QString kNotLoaded = QStringLiteral("セーブデータを読み込めませんでした");
const QString kDefeat = QStringLiteral("ゲームオーバー。所持金が0になりました…。");
const QString kName = QStringLiteral(" 髙橋,\"～－\" 007");

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray golden() { return readFile(QStringLiteral(RUMIE_TEST_DATA "/state/data/new_game.teskdata")); }

// The golden file with one record replaced.
QByteArray withLine(int line, const QByteArray& text, QByteArray bytes = golden()) {
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

// Everything a load may touch, as text: equal pictures mean nothing changed.
QStringList picture(Program& p) {
    QStringList out;
    shell::Main& m = p.main();
    out << m.caption << m.Okane.text() << m.OkaneH.text() << QString::number(m.OkaneH.visible)
        << m.Simo.text();
    for (ui::Command* c : {&m.Command1, &m.Command2, &m.Command3, &m.Command4, &m.Command5, &m.Command6,
                           &m.Command7, &m.Command8, &m.Command9, &m.Fsa, &m.Fcon, &m.FSta})
        out << c->caption + QString::number(c->enabled);
    if (town::Game* g = p.game.peek()) {
        for (ui::Label* l : g->rows()) out << l->text();
        out << QString::number(g->visible);
    } else {
        out << QStringLiteral("no panel");
    }
    building::Kivora& k = p.kivora();
    out << k.Label4.text() << k.Ye.text() << k.Mon.text() << k.We.text()
        << QString::number(k.Timer1.interval()) << QString::number(k.Timer1.enabled())
        << QString::number(k.visible);
    const state::GameState& s = p.state;
    out << s.Money.toText() << s.Last.toText() << s.Player.toText() << s.CF;
    for (int v : {int(s.Ye1), int(s.Mon1), int(s.We1), s.Spe, s.Kai, int(s.CK), int(s.Era),
                  int(s.end), s.Hou, s.Man, s.Kou, s.Hata, s.Bui, s.Kib, s.Sag, s.Sha,
                  int(s.M1ye), int(s.M1mo), int(s.M2ye), int(s.M2mo), int(s.M3ye), int(s.M3mo),
                  int(s.M4ye), int(s.M4mo), int(s.M5ye), int(s.M5mo)})
        out << QString::number(v);
    for (int i = 1; i <= 100; ++i) out << s.Ckai(i);
    return out;
}

// What the file carries and what the screen shows of it.
QStringList savedGame(Program& p) {
    QStringList out;
    shell::Main& m = p.main();
    town::Game& g = p.game();
    building::Kivora& k = p.kivora();
    out << m.caption << m.OkaneH.text() << m.Simo.text();
    for (ui::Label* l : {&m.Okane, &g.Zyuu, &g.Apart, &g.Kouz, &g.Hat, &g.CBuil, &g.Kibo, &g.Kaisu,
                         &g.Zyuugyou, &g.Kaisya, &g.Hatte, &g.Hyouka, &k.Ye, &k.Mon, &k.We})
        out << l->text();
    out << QString::number(k.Timer1.interval());
    const state::GameState& s = p.state;
    out << s.Last.toText() << s.Player.toText() << s.CF;
    for (int v : {int(s.Ye1), int(s.Mon1), int(s.We1), s.Spe, s.Kai, int(s.CK), int(s.M1ye),
                  int(s.M1mo), int(s.M2ye), int(s.M2mo), int(s.M3ye), int(s.M3mo), int(s.M4ye),
                  int(s.M4mo), int(s.M5ye), int(s.M5mo)})
        out << QString::number(v);
    for (int i = 1; i <= 100; ++i) out << s.Ckai(i);
    return out;
}

// One program run with its own seams and folder, for stories that need more
// than one run.
template <class Seams = TestSeams>
struct SessionOf {
    Seams seams;
    Program prog{seams};
    QStringList report;  // the figures of the last report shown

    SessionOf() {
        seams.modalDefault["Houkoku"] = [this] {
            finance::Houkoku& h = prog.houkoku();
            report.clear();
            for (ui::Label* l : {&h.Syunyu, &h.Keihi, &h.Izi, &h.Other, &h.Gou, &h.Syozi, &h.Gou2, &h.An})
                report << l->text();
            h.frame1Click();
        };
    }
    void act(const std::function<void()>& f) { prog.dispatch(f); }
    void tick(int n) {
        for (int i = 0; i < n && !prog.ended(); ++i) act([&] { prog.kivora().Timer1.fire(); });
    }
    void openFrame() {
        prog.startUp();
        act([&] { prog.start().command1Click(); });
    }
    void startGame(const QString& name = QStringLiteral("田中")) {
        openFrame();
        seams.modal["Namer"].push_back([this, name] {
            prog.namer().Text1 = name;
            prog.namer().command1Click();
        });
        act([&] { prog.main().fstaClick(); });
    }
    QString saveFile() { return shell::saveFile(prog); }
    void loadBy(bool continueMenu) {
        act([&] {
            if (continueMenu)
                prog.main().fconClick();
            else
                prog.main().command6Click();
        });
    }
    QString date() {
        building::Kivora& k = prog.kivora();
        return k.Ye.text() + u'/' + k.Mon.text() + u'/' + k.We.text();
    }

    // A game in its second month: 48 floors with a hotel, a company and a
    // restaurant high up, two loans, the fastest clock, money with a fraction
    // of a million, the rooftop picked, in the middle of a month.
    void playMidYear() {
        startGame(kName);
        act([&] {
            state::GameState& s = prog.state;
            town::Game& g = prog.game();
            g.Kaisu.setText(QStringLiteral("48"));
            s.setCkai(2, QStringLiteral("1"));
            s.setCkai(17, QStringLiteral("3"));
            s.setCkai(48, QStringLiteral("2"));
            g.Zyuugyou.setNumber(10 + 30 + 10 + 30);
            s.M1ye = 4, s.M1mo = 6, s.M3ye = 2, s.M3mo = 5;
            s.Spe = 20;
            prog.restartClock();
            prog.main().Okane.setText(QStringLiteral("1234.565"));
        });
        act([&] { prog.main().command1Click(); });  // the panel works out the grade
        tick(405);                                  // a month end: month 5
        act([&] {
            prog.state.CK = 48;
            prog.state.CF = QStringLiteral("屋上");
        });
        tick(250);
    }
    // Ticks up to the next report.
    void toNextMonthEnd() {
        const QString month = prog.kivora().Mon.text();
        for (int i = 0; i < 500 && prog.kivora().Mon.text() == month; ++i) tick(1);
    }
};

using Session = SessionOf<>;

// A program folder and a data folder that nobody, not even the superuser,
// can write into.
struct SealedFolderSeams : TestSeams {
    QString programFolder() override { return QStringLiteral("/proc"); }
    QString dataFolder() override { return QStringLiteral("/proc/rumie"); }
};

class SaveLoadTest : public GameTest {
protected:
    QString saveFile() { return shell::saveFile(prog); }
    void putSave(const QByteArray& bytes) { writeFile(saveFile(), bytes); }
    void loadBy(bool continueMenu) {
        act([&] {
            if (continueMenu)
                prog.main().fconClick();
            else
                prog.main().command6Click();
        });
    }
    // A save that fails: the message, no end, the game going on.
    void expectSaveFails() {
        seams.expect(kAsk, Answer::Yes);
        seams.expect(kNotSaved);
        act([&] { prog.main().command3Click(); });
        EXPECT_FALSE(seams.endedNow);
        EXPECT_EQ(seams.shown().icon, ui::Prompt::Icon::Warning);
        EXPECT_TRUE(prog.main().Command3.enabled);
        tick(102);
        EXPECT_EQ(date(), QStringLiteral("1/4/2"));
    }
};

}  // namespace

TEST_F(SaveLoadTest, SavingANewGameWritesTheGoldenFileAndEnds) {
    startGame();
    seams.expect(kAsk, Answer::Yes);
    seams.expect(kSaved);
    act([&] { prog.main().command3Click(); });
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(seams.shown(0).icon, ui::Prompt::Icon::Question);
    EXPECT_EQ(seams.shown(0).buttons, ui::Prompt::Buttons::YesNo);
    EXPECT_EQ(readFile(saveFile()), golden());
    EXPECT_EQ(prog.state.SavePath.toText(), seams.folder.path() + QStringLiteral("/Kivora.teskdata"));
    // The history "推移" beside it, in a file of its own.
    EXPECT_EQ(QDir(seams.folder.path()).entryList(QDir::Files), QStringList({"Kivora.suii", "Kivora.teskdata"}));
}

TEST_F(SaveLoadTest, NoOrAGameAlreadyLostWritesNothing) {
    startGame();
    seams.expect(kAsk, Answer::No);
    act([&] { prog.main().fsaClick(); });
    EXPECT_FALSE(QFile::exists(saveFile()));
    EXPECT_FALSE(seams.endedNow);
    prog.state.end = state::GameState::End::Over;
    seams.expect(kAsk, Answer::Yes);
    act([&] { prog.main().fsaClick(); });
    EXPECT_FALSE(QFile::exists(saveFile()));
    EXPECT_FALSE(seams.endedNow);
}

TEST_F(SaveLoadTest, AFolderInThePlaceOfTheFileFailsTheSave) {
    startGame();
    ASSERT_TRUE(QDir(seams.folder.path()).mkdir(QStringLiteral("Kivora.teskdata")));
    expectSaveFails();
    EXPECT_TRUE(QFileInfo(saveFile()).isDir());
}

// A save and its history never part: a history that cannot be written stops
// the save, and the old pair stays as it was.
TEST_F(SaveLoadTest, AHistoryThatCannotBeWrittenStopsTheSave) {
    startGame();
    const QByteArray old = withLine(28, "old game");
    putSave(old);
    ASSERT_TRUE(QDir(seams.folder.path()).mkdir(QStringLiteral("Kivora.suii")));
    expectSaveFails();
    EXPECT_EQ(readFile(saveFile()), old);
}

TEST_F(SaveLoadTest, AMissingFolderFailsTheSave) {
    startGame();
    ASSERT_TRUE(seams.folder.remove());
    // Nor can the player's data folder be made: a file stands in its place.
    const QString data = seams.data.path();
    ASSERT_TRUE(seams.data.remove());
    writeFile(data, "in the way");
    expectSaveFails();
    QFile::remove(data);
    EXPECT_FALSE(QFile::exists(saveFile()));
}

TEST_F(SaveLoadTest, AFullDiskKeepsTheOldSaveByteForByte) {
    startGame();
    const QByteArray old = withLine(28, "old game");
    putSave(old);
    act([&] { prog.main().Okane.setText(QStringLiteral("250")); });
    // The file may grow to 64 bytes only, as on a disk that is full.
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    rlimit tight = was;
    tight.rlim_cur = 64;
    auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    seams.expect(kAsk, Answer::Yes);
    seams.expect(kNotSaved);
    act([&] { prog.main().command3Click(); });
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(seams.endedNow);
    EXPECT_EQ(readFile(saveFile()), old);
    EXPECT_EQ(QDir(seams.folder.path()).entryList(QDir::Files), QStringList{"Kivora.teskdata"});
    tick(102);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
}

// Where the one save lives: an installed copy (its install leaves "installed"
// beside the program) always in the player's data folder, even where it could
// write beside the program, as the superuser can; any other copy beside the
// program, unless nobody may write there.
TEST_F(SaveLoadTest, OnlyAnInstalledOrUnwritableProgramFolderSendsTheSaveToTheDataFolder) {
    const QString beside = seams.folder.path() + QStringLiteral("/Kivora.teskdata");
    const QString inData = seams.data.path() + QStringLiteral("/Kivora.teskdata");
    const QString marker = seams.folder.path() + QStringLiteral("/installed");
    struct Row {
        bool installed, writable;
        QString expected;
    };
    for (const Row& r : {Row{false, true, beside}, Row{true, true, inData}, Row{false, false, inData},
                         Row{true, false, inData}}) {
        SCOPED_TRACE(std::string(r.installed ? "installed" : "not installed") + (r.writable ? ", writable" : ", read-only"));
        if (!r.writable && geteuid() == 0) continue;  // the superuser writes into read-only folders
        QFile::remove(marker);
        if (r.installed) writeFile(marker, "installed\n");
        QFile::setPermissions(seams.folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                       (r.writable ? QFile::WriteOwner : QFile::Permissions()));
        EXPECT_EQ(saveFile().toStdString(), r.expected.toStdString());
        QFile::setPermissions(seams.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// An installed copy saves into the player's data folder, both ways of loading
// find the game there, and nothing in its program folder changes: not even a
// save left there by an older copy. The install test hands over a real
// installed program folder; alone, the test marks a folder of its own.
TEST(SaveLocation, AnInstalledCopySavesInTheDataFolderWhoeverRunsIt) {
    struct InstalledSeams : TestSeams {
        QString given = qEnvironmentVariable("RUMIE_INSTALLED_PROGRAM_FOLDER");
        QString programFolder() override { return given.isEmpty() ? folder.path() : given; }
        InstalledSeams() {
            if (given.isEmpty()) writeFile(folder.path() + QStringLiteral("/installed"), "installed\n");
        }
    };
    SessionOf<InstalledSeams> s;
    const QDir program(s.seams.programFolder());
    const QString beside = program.filePath(QStringLiteral("Kivora.teskdata"));
    if (s.seams.given.isEmpty()) writeFile(beside, "an old save\r\n");
    const QByteArray before = readFile(beside);
    const QStringList files = program.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    s.startGame();
    s.toNextMonthEnd();  // a row of history, kept beside the save
    s.act([&] { s.prog.main().Okane.setText(QStringLiteral("250")); });
    s.seams.expect(kAsk, Answer::Yes);
    s.seams.expect(kSaved);
    s.act([&] { s.prog.main().command3Click(); });
    EXPECT_TRUE(s.seams.endedNow);
    const QString saved = s.seams.data.path() + QStringLiteral("/Kivora.teskdata");
    EXPECT_TRUE(QFile::exists(saved));
    const QString history = s.seams.data.path() + QStringLiteral("/Kivora.suii");
    EXPECT_TRUE(QFile::exists(history));
    EXPECT_EQ(readFile(beside), before);
    EXPECT_EQ(program.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    for (bool continueMenu : {true, false}) {
        SessionOf<InstalledSeams> next;
        QFile::copy(saved, next.seams.data.path() + QStringLiteral("/Kivora.teskdata"));
        QFile::copy(history, next.seams.data.path() + QStringLiteral("/Kivora.suii"));
        next.openFrame();
        next.act([&] { continueMenu ? next.prog.main().fconClick() : next.prog.main().command6Click(); });
        EXPECT_EQ(next.prog.main().Okane.text(), QStringLiteral("250"));
        EXPECT_EQ(next.prog.main().caption, QStringLiteral("田中社長 - 行動中"));
        EXPECT_EQ(next.prog.history.rows().size(), 1u);
    }
}

TEST(SaveLoadStory, AFolderNobodyCanWriteFailsTheSave) {
    SessionOf<SealedFolderSeams> r;
    r.startGame();
    r.seams.expect(kAsk, Answer::Yes);
    r.seams.expect(kNotSaved);
    r.act([&] { r.prog.main().command3Click(); });
    EXPECT_FALSE(r.seams.endedNow);
    EXPECT_TRUE(r.seams.prompts.empty());
    r.tick(102);
    EXPECT_EQ(r.date(), QStringLiteral("1/4/2"));
}

TEST_F(SaveLoadTest, AGameTheFileCannotHoldIsNotWrittenOverTheOldSave) {
    startGame();
    const QByteArray old = golden();
    putSave(old);
    prog.state.Player = ui::Variant::text(QStringLiteral("😀"));  // no code page 932 for it
    expectSaveFails();
    EXPECT_EQ(readFile(saveFile()), old);
}

TEST(SaveLoadStory, AGameSavedMidYearComesBackWholeAndGoesOnAlike) {
    for (const bool continueMenu : {false, true}) {
        SCOPED_TRACE(continueMenu ? "続きから" : "ロード");
        Session saved;
        saved.playMidYear();
        saved.seams.expect(kAsk, Answer::Yes);
        saved.seams.expect(kSaved);
        saved.act([&] { saved.prog.main().command3Click(); });
        ASSERT_TRUE(saved.seams.endedNow);
        const QByteArray file = readFile(saved.saveFile());

        Session original;  // the same game, never saved
        original.playMidYear();
        ASSERT_EQ(original.prog.kivora().Mon.text(), QStringLiteral("5"));
        ASSERT_EQ(original.prog.state.Last.toText(), QStringLiteral("123256.5"));

        Session loaded;
        loaded.openFrame();
        writeFile(loaded.saveFile(), file);
        loaded.loadBy(continueMenu);
        EXPECT_TRUE(loaded.seams.prompts.empty());
        EXPECT_TRUE(loaded.report.isEmpty()) << "the load ran a month end";
        EXPECT_EQ(savedGame(loaded.prog), savedGame(original.prog));
        EXPECT_EQ(loaded.prog.main().caption, kName + QStringLiteral("社長 - 行動中"));
        EXPECT_EQ(loaded.prog.main().OkaneH.text(), QStringLiteral("1,233"));
        EXPECT_EQ(loaded.prog.kivora().Timer1.interval(), 20);

        loaded.toNextMonthEnd();
        original.toNextMonthEnd();
        EXPECT_FALSE(loaded.report.isEmpty());
        EXPECT_EQ(loaded.report, original.report);
        EXPECT_EQ(savedGame(loaded.prog), savedGame(original.prog));
    }
}

TEST_F(SaveLoadTest, AFileThatDoesNotLoadChangesNothing) {
    const std::pair<const char*, QByteArray> files[] = {
        {"short", golden().left(200)},
        {"empty", QByteArray()},
        {"not a number", withLine(9, "ten")},
        {"floors 0", withLine(8, "0")},
        {"floors 101", withLine(8, "101")},
        {"month 13", withLine(14, " 13 ")},
        {"week 5", withLine(15, " 5 ")},
        {"code 4", withLine(30, "4")},
        {"loan month 13", withLine(19, " 13 ")},
        {"code 4 above the roof", withLine(128, "4")},
        {"money as text", withLine(1, "lots")},
        {"cut code page 932", withLine(28, "\x82")},
        // 10 employees: homes of 2,147,483,703, past what line 2 holds
        {"other buildings the homes cannot count", withLine(6, "21474837")},
    };
    startGame();
    tick(150);
    act([&] { prog.main().command4Click(); });  // paused: nothing may move by itself
    for (const bool continueMenu : {false, true}) {
        for (const auto& [what, bytes] : files) {
            SCOPED_TRACE(std::string(what) + (continueMenu ? " by 続きから" : " by ロード"));
            putSave(bytes);
            const QStringList before = picture(prog);
            seams.expect(kNotLoaded);
            loadBy(continueMenu);
            EXPECT_EQ(picture(prog), before);
            EXPECT_EQ(seams.shown().icon, ui::Prompt::Icon::Warning);
        }
    }
    // No file at all, or a folder by its name.
    QFile::remove(saveFile());
    for (int i = 0; i < 2; ++i) {
        const QStringList before = picture(prog);
        seams.expect(kNotLoaded);
        loadBy(i == 0);
        EXPECT_EQ(picture(prog), before);
    }
    ASSERT_TRUE(QDir(seams.folder.path()).mkdir(QStringLiteral("Kivora.teskdata")));
    const QStringList before = picture(prog);
    seams.expect(kNotLoaded);
    loadBy(true);
    EXPECT_EQ(picture(prog), before);
}

TEST_F(SaveLoadTest, ContinueWithNoSaveLeavesTheIdleFrameIdle) {
    openFrame();
    const QStringList before = picture(prog);
    seams.expect(kNotLoaded);
    act([&] { prog.main().fconClick(); });
    EXPECT_EQ(picture(prog), before);
    auto& m = prog.main();
    for (auto* c : {&m.Command3, &m.Command4, &m.Command8, &m.Command9, &m.Fsa, &m.Command1, &m.Command5})
        EXPECT_FALSE(c->enabled);
    EXPECT_EQ(prog.state.Era, 0);
    tick(500);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
}

TEST_F(SaveLoadTest, LinesAfterTheLastRecordAreNotRead) {
    openFrame();
    putSave(golden() + "129\r\n\"unclosed\r\n\xff\xff\r\n");
    act([&] { prog.main().command6Click(); });
    EXPECT_EQ(prog.main().caption, QStringLiteral("田中社長 - 行動中"));
    EXPECT_EQ(money(), QStringLiteral("100"));
}

TEST(SaveLoadStory, LoadFromTheIdleFrameStartsTheGameAndShowsTheUnit) {
    for (const bool continueMenu : {false, true}) {
        SCOPED_TRACE(continueMenu ? "続きから" : "ロード");
        Session r;
        r.openFrame();
        writeFile(r.saveFile(), golden());
        r.loadBy(continueMenu);
        Program& p = r.prog;
        shell::Main& m = p.main();
        EXPECT_EQ(m.caption, QStringLiteral("田中社長 - 行動中"));
        EXPECT_EQ(m.OkaneH.text() + m.Simo.text(), QStringLiteral("100,000,000円"));
        EXPECT_TRUE(m.OkaneH.visible);
        for (auto* c : {&m.Command3, &m.Command4, &m.Command8, &m.Command9, &m.Fsa, &m.Command1, &m.Command5})
            EXPECT_TRUE(c->enabled);
        EXPECT_TRUE(p.kivora().visible);
        EXPECT_FALSE(p.game().visible);
        EXPECT_EQ(p.kivora().Timer1.interval(), 50);
        EXPECT_EQ(r.date(), QStringLiteral("1/4/1"));
        EXPECT_EQ(p.state.Kai, 3);
        EXPECT_EQ(p.game().Hatte.text(), QStringLiteral("村"));
        EXPECT_EQ(p.game().Hyouka.text(), QStringLiteral("F"));
        EXPECT_TRUE(r.seams.prompts.empty());
        r.tick(102);
        EXPECT_EQ(r.date(), QStringLiteral("1/4/2"));
    }
}

TEST_F(SaveLoadTest, ContinueRestartsTheWeekCountLoadKeepsIt) {
    startGame();
    tick(150);  // week 2, 48 ticks into it
    putSave(golden());
    act([&] { prog.main().command6Click(); });
    EXPECT_EQ(prog.kivora().Label4.text(), QStringLiteral("49"));
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    EXPECT_EQ(prog.state.Era, 0) << "the week changed and lowered the guard";
    tick(150);
    act([&] { prog.main().fconClick(); });
    EXPECT_EQ(prog.kivora().Label4.text(), QStringLiteral("0"));
    EXPECT_EQ(prog.state.Era, 0);
}

TEST(SaveLoadStory, TheGuardStaysUpUntilTheNextWeekWhenTheWeekIsTheSame) {
    for (const bool continueMenu : {false, true}) {
        SCOPED_TRACE(continueMenu ? "続きから" : "ロード");
        Session r;
        r.startGame();
        writeFile(r.saveFile(), golden());
        r.loadBy(continueMenu);
        EXPECT_EQ(r.prog.state.Era, 1);
        r.tick(102);
        EXPECT_EQ(r.prog.state.Era, 0);
        EXPECT_EQ(r.date(), QStringLiteral("1/4/2"));
    }
}

TEST(SaveLoadStory, ALoadIntoAnotherMonthRunsNoSettlement) {
    for (const bool continueMenu : {false, true}) {
        SCOPED_TRACE(continueMenu ? "続きから" : "ロード");
        Session r;
        r.startGame();
        r.tick(405 + 101);  // month 5, week 2
        ASSERT_EQ(r.date(), QStringLiteral("1/5/2"));
        writeFile(r.saveFile(), golden());
        r.report.clear();
        r.seams.modalShown.clear();
        r.loadBy(continueMenu);
        EXPECT_TRUE(r.seams.modalShown.empty()) << "a report was shown while loading";
        EXPECT_EQ(r.prog.main().Okane.text(), QStringLiteral("100"));
        EXPECT_EQ(r.date(), QStringLiteral("1/4/1"));
        EXPECT_EQ(r.prog.state.Last, ui::Variant::whole(10000));
        EXPECT_EQ(r.prog.state.Era, 0);
    }
}

TEST_F(SaveLoadTest, LoadingWhilePausedStaysPaused) {
    startGame();
    act([&] { prog.main().command4Click(); });
    putSave(withLine(16, " 30 "));
    act([&] { prog.main().command6Click(); });
    EXPECT_EQ(prog.main().caption, QStringLiteral("田中社長 - 停止中"));
    EXPECT_EQ(prog.main().Command4.caption, QStringLiteral("開始"));
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
    EXPECT_EQ(prog.kivora().Timer1.interval(), 30);
    tick(300);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
}

TEST_F(SaveLoadTest, MoneyBelowOneInTheFileEndsTheGame) {
    openFrame();
    putSave(withLine(1, "0.5"));
    seams.expect(kDefeat);
    act([&] { prog.main().fconClick(); });
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(prog.state.end, state::GameState::End::Over);
}

TEST_F(SaveLoadTest, GradeAndRankShowWhatTheLoadedFiguresEarn) {
    // 2501 employees and 1000 other buildings: population 1,007,503.
    QByteArray b = withLine(9, "2501");
    b = withLine(6, "1000", b);
    b = withLine(8, "100", b);
    startGame();
    act([&] { prog.main().command1Click(); });  // the panel stays open over the load
    putSave(b);
    act([&] { prog.main().command6Click(); });
    EXPECT_EQ(prog.game().Pop.text(), QStringLiteral("1007503"));
    EXPECT_EQ(prog.game().Hatte.text(), QStringLiteral("首都"));
    EXPECT_EQ(prog.game().Hyouka.text(), QStringLiteral("S"));
    // And down again with the next file.
    putSave(golden());
    act([&] { prog.main().command6Click(); });
    EXPECT_EQ(prog.game().Pop.text(), QStringLiteral("1030"));
    EXPECT_EQ(prog.game().Hatte.text(), QStringLiteral("村"));
    EXPECT_EQ(prog.game().Hyouka.text(), QStringLiteral("F"));
}

TEST_F(SaveLoadTest, ADigitNameComesBackAsTyped) {
    openFrame();
    newGame(QStringLiteral("007"));
    seams.expect(kAsk, Answer::Yes);
    seams.expect(kSaved);
    act([&] { prog.main().command3Click(); });
    const QByteArray file = readFile(saveFile());

    Session next;
    next.openFrame();
    writeFile(next.saveFile(), file);
    next.act([&] { next.prog.main().fconClick(); });
    EXPECT_EQ(next.prog.main().caption, QStringLiteral("007社長 - 行動中"));
    EXPECT_EQ(next.prog.state.Player, ui::Variant::text(QStringLiteral("007")));
    // Saved again at once, the loaded game is the same file.
    next.seams.expect(kAsk, Answer::Yes);
    next.seams.expect(kSaved);
    next.act([&] { next.prog.main().command3Click(); });
    EXPECT_EQ(readFile(next.saveFile()), file);
}

// A load moves no money: a loan due in the loaded month waits for the next
// month end, and a floor bought in the game it replaced is not charged.
TEST(SaveLoadStory, ALoadBooksNothingAndChargesNothingOfTheOldGame) {
    QByteArray file = withLine(1, "1000");
    file = withLine(13, " 5 ", file);
    file = withLine(14, " 1 ", file);
    file = withLine(18, " 5 ", file);
    file = withLine(19, " 1 ", file);
    for (const bool continueMenu : {false, true}) {
        SCOPED_TRACE(continueMenu ? "続きから" : "ロード");
        Session r;
        r.startGame();
        r.seams.modal["Kakudai"].push_back([&] { r.prog.kakudai().command3Click(); });
        r.act([&] { r.prog.main().command9Click(); });  // one floor, paid at the month end
        ASSERT_GT(r.prog.kivora().コスト, 0);
        writeFile(r.saveFile(), file);
        r.loadBy(continueMenu);  // an unexpected message fails here
        EXPECT_EQ(r.prog.main().Okane.text(), QStringLiteral("1000"));
        EXPECT_EQ(r.prog.state.M1mo, 1);
        r.seams.expect(QStringLiteral("窓口1の融資返済です"));
        r.toNextMonthEnd();
        ASSERT_EQ(r.report.size(), 8);
        EXPECT_EQ(r.report[3], QStringLiteral("0")) << "construction of the old game";
        EXPECT_EQ(r.prog.main().Okane.text(), QStringLiteral("554"));
        EXPECT_EQ(r.prog.state.M1mo, 0);
    }
}

// "推移": one row a month end with the figures the report and the frame
// showed, dated by the month it enters as the date line dates it; the turn
// of the year's two reports make one January. The money is the frame's after
// the month's loan is repaid.
TEST(HistoryStory, EveryMonthEndAddsTheFiguresItShowed) {
    Session s;
    s.startGame();
    EXPECT_TRUE(s.prog.main().Fsuii.enabled);
    EXPECT_TRUE(s.prog.history.rows().empty());
    s.act([&] {
        s.prog.main().Okane.setText(QStringLiteral("1000"));
        s.prog.state.M1ye = 1, s.prog.state.M1mo = 7;
    });
    s.seams.expect(QStringLiteral("窓口1の融資返済です"));
    QStringList months;
    QStringList totals;  // every report's 合計
    s.seams.modalDefault["Houkoku"] = [&, shown = s.seams.modalDefault["Houkoku"]] {
        totals << s.prog.houkoku().Gou.text();
        shown();
    };
    while (s.prog.kivora().Ye.text() == QStringLiteral("1")) {
        const size_t before = s.prog.history.rows().size();
        s.toNextMonthEnd();
        ASSERT_EQ(s.prog.history.rows().size(), before + 1);
        const state::MonthRow& row = s.prog.history.rows().back();
        months << town::Suii::monthText(row);
        const int twice = s.prog.kivora().Mon.text() == u'1' ? totals.at(totals.size() - 2).toInt() : 0;
        EXPECT_EQ(row.result, totals.last().toInt() + twice);
        EXPECT_EQ(finance::grouped(row.money), s.prog.main().OkaneH.text());
        EXPECT_EQ(row.population, s.prog.game().population());
        EXPECT_EQ(row.employees, s.prog.game().Zyuugyou.number());
        EXPECT_EQ(row.floors, s.prog.game().Kaisu.number());
    }
    EXPECT_EQ(months, QStringList({"1年目5月", "1年目6月", "1年目7月", "1年目8月", "1年目9月", "1年目10月",
                                   "1年目11月", "1年目12月", "2年目1月"}));
    EXPECT_EQ(totals.size(), 10);

    // The window reads them while the weeks go on.
    const int interval = s.prog.kivora().Timer1.interval();
    s.act([&] { s.prog.main().fsuiiClick(); });
    EXPECT_TRUE(s.prog.suii().visible);
    EXPECT_EQ(s.prog.kivora().Timer1.interval(), interval);
    EXPECT_TRUE(s.prog.kivora().Timer1.enabled());
    EXPECT_EQ(s.prog.suii().cell(0, 0), QStringLiteral("1年目5月"));
    shell::Main& m = s.prog.main();
    EXPECT_EQ(s.prog.suii().cell(8, 1), m.OkaneH.text() + m.Simo.text());
}

// The history goes with its save; one that is missing, broken or not this
// save's starts afresh, and the save loads as it always did.
TEST(HistoryStory, OnlyTheSavesOwnHistoryComesBackAndNoneStopsTheLoad) {
    Session saved;
    saved.startGame(kName);
    saved.toNextMonthEnd();
    saved.toNextMonthEnd();
    const std::vector<state::MonthRow> rows = saved.prog.history.rows();
    ASSERT_EQ(rows.size(), 2u);
    saved.seams.expect(kAsk, Answer::Yes);
    saved.seams.expect(kSaved);
    saved.act([&] { saved.prog.main().command3Click(); });
    const QByteArray save = readFile(saved.saveFile());
    const QString historyPath = QFileInfo(saved.saveFile()).dir().filePath(QStringLiteral("Kivora.suii"));
    const QByteArray history = readFile(historyPath);
    ASSERT_FALSE(history.isEmpty());

    auto withRow = [&](std::function<void(state::MonthRow&)> change) {
        state::HistoryFile f{state::fingerprint(save), rows};
        change(f.rows.back());
        return *state::writeHistory(f);
    };
    const struct {
        const char* what;
        std::optional<QByteArray> file;  // nothing: no history file at all
        bool kept;
    } cases[] = {
        {"its own", history, true},
        {"none", std::nullopt, false},
        {"empty", QByteArray(), false},
        {"cut short", history.chopped(1), false},
        {"a row short", history.left(history.lastIndexOf('\n', history.size() - 2) + 1), false},
        {"a figure that is no number", QByteArray(history).replace(" 3\n", " x\n"), false},
        {"another header", QByteArray(history).replace("rumie-suii 2", "rumie-suii 1"), false},
        // left by an earlier game of the same name whose history was not replaced
        {"an older save's", *state::writeHistory({state::fingerprint(golden()), rows}), false},
        {"a month after the save", withRow([](state::MonthRow& r) { ++r.month; }), false},
        {"a year after the save", withRow([](state::MonthRow& r) { ++r.year; }), false},
        {"the save's own month", withRow([](state::MonthRow&) {}), true},
    };
    std::optional<QStringList> asBefore;  // the game a load without history gives
    for (const auto& c : cases) {
        for (const bool continueMenu : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (continueMenu ? " 続きから" : " ロード"));
            Session loaded;
            loaded.openFrame();
            writeFile(loaded.saveFile(), save);
            if (c.file) writeFile(QFileInfo(loaded.saveFile()).dir().filePath(QStringLiteral("Kivora.suii")), *c.file);
            loaded.loadBy(continueMenu);
            EXPECT_TRUE(loaded.prog.main().Fsuii.enabled);
            EXPECT_EQ(loaded.prog.history.rows(), c.kept ? rows : std::vector<state::MonthRow>());
            if (!asBefore) asBefore = savedGame(loaded.prog);
            EXPECT_EQ(savedGame(loaded.prog), *asBefore);
            // The next month end adds to what came back.
            loaded.toNextMonthEnd();
            EXPECT_EQ(loaded.prog.history.rows().size(), (c.kept ? rows.size() : 0) + 1);
        }
    }
}

// The automatic save: at each month end the whole game as 保存 would write it,
// with its history, beside the save; "自動保存から再開" brings it back as ロード
// does, into the idle frame or over another game, keeping that game's pause.
TEST(AutoSaveStory, EveryMonthEndKeepsTheGameAndTheMenuBringsItBack) {
    Session played;
    played.startGame(kName);
    const QString autoSave = QFileInfo(played.saveFile()).dir().filePath(QStringLiteral("Kivora.auto"));
    EXPECT_FALSE(played.prog.main().Fauto.enabled);
    played.act([&] { played.prog.state.M1ye = 2, played.prog.state.M1mo = 1; });
    played.act([&] { played.prog.main().Okane.setText(QStringLiteral("1000")); });
    played.act([&] { played.prog.kivora().Mon.setText(QStringLiteral("11")); });  // a month end too
    played.act([&] { played.prog.main().command1Click(); });  // the panel works out the grade
    played.seams.expect(QStringLiteral("窓口1の融資返済です"));
    for (int i = 0; i < 3; ++i) {  // over the turn of the year
        played.toNextMonthEnd();
        EXPECT_TRUE(played.prog.main().Fauto.enabled);
    }
    ASSERT_EQ(played.date(), QStringLiteral("2/2/1"));
    const QByteArray kept = readFile(autoSave);
    const std::vector<state::MonthRow> rows = played.prog.history.rows();
    const QStringList game = savedGame(played.prog);
    played.seams.expect(kAsk, Answer::Yes);
    played.seams.expect(kSaved);
    played.act([&] { played.prog.main().command3Click(); });
    EXPECT_EQ(readFile(played.saveFile()), kept) << "not the game 保存 writes";

    for (const char* over : {"the idle frame", "a running game", "a paused game"}) {
        SCOPED_TRACE(over);
        Session back;  // the program started again after it was killed
        if (std::string(over) == "the idle frame") back.openFrame();
        else back.startGame();
        if (std::string(over) == "a paused game") back.act([&] { back.prog.main().command4Click(); });
        writeFile(QFileInfo(back.saveFile()).dir().filePath(QStringLiteral("Kivora.auto")), kept);
        writeFile(QFileInfo(back.saveFile()).dir().filePath(QStringLiteral("Kivora.auto.suii")),
                  readFile(autoSave + QStringLiteral(".suii")));
        back.act([&] { back.prog.main().fileClick(); });
        ASSERT_TRUE(back.prog.main().Fauto.enabled);
        back.act([&] { back.prog.main().fautoClick(); });
        EXPECT_TRUE(back.report.isEmpty()) << "the load booked a month end";
        EXPECT_EQ(back.prog.history.rows(), rows);
        QStringList now = savedGame(back.prog), then = game;
        const bool paused = std::string(over) == "a paused game";
        EXPECT_EQ(now.takeFirst(), kName + (paused ? QStringLiteral("社長 - 停止中") : QStringLiteral("社長 - 行動中")));
        then.removeFirst();
        EXPECT_EQ(now, then);
        EXPECT_EQ(back.prog.kivora().Timer1.enabled(), !paused);
    }
}

// A write that fails leaves the last automatic save whole and says nothing;
// the next month end tries again. A game that ends takes it with it, and no
// month end run while its last message waits writes it again.
TEST_F(SaveLoadTest, TheAutomaticSaveSurvivesFaultsAndGoesWithTheGame) {
    startGame();
    const QString autoSave = QFileInfo(saveFile()).dir().filePath(QStringLiteral("Kivora.auto"));
    // A folder in its place: nothing kept, not even a history, and nothing to resume.
    ASSERT_TRUE(QDir().mkdir(autoSave));
    tick(405);
    EXPECT_FALSE(prog.main().Fauto.enabled);
    EXPECT_EQ(QDir(seams.folder.path()).entryList(QDir::Files), QStringList());
    ASSERT_TRUE(QDir().rmdir(autoSave));
    // A game whose save would not load again (more homes than a save counts): none kept either.
    act([&] {
        prog.game().Zyuugyou.setText(QStringLiteral("160"));
        prog.game().CBuil.setText(QStringLiteral("21474836"));
    });
    tick(404);
    EXPECT_FALSE(prog.main().Fauto.enabled);
    EXPECT_EQ(QDir(seams.folder.path()).entryList(QDir::Files), QStringList());
    act([&] {
        prog.game().Zyuugyou.setText(QStringLiteral("10"));
        prog.game().CBuil.setText(QStringLiteral("1"));
    });
    tick(404);
    const QByteArray first = readFile(autoSave);
    ASSERT_TRUE(state::readSave(first));
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    const struct {
        const char* what;
        std::function<void()> fault, mend;
    } faults[] = {
        {"a full disk",
         [] {
             rlimit tight{};
             getrlimit(RLIMIT_FSIZE, &tight);
             tight.rlim_cur = 64;
             std::signal(SIGXFSZ, SIG_IGN);
             setrlimit(RLIMIT_FSIZE, &tight);
         },
         [&] {
             setrlimit(RLIMIT_FSIZE, &was);
             std::signal(SIGXFSZ, SIG_DFL);
         }},
        {"a folder nobody can write",
         [&] { QFile::setPermissions(seams.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner); },
         [&] { QFile::setPermissions(seams.folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); }},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.what);
        const QByteArray before = readFile(autoSave);
        f.fault();
        tick(404);  // a month end, silently
        f.mend();
        if (getuid() != 0 || std::string(f.what) == "a full disk") {
            EXPECT_EQ(readFile(autoSave), before);
        }
        EXPECT_EQ(QDir(seams.folder.path()).entryList(QDir::Files),
                  QStringList({"Kivora.auto", "Kivora.auto.suii"}));
        tick(404);
        EXPECT_NE(readFile(autoSave), before) << "not tried again";
    }
    // Lost: while the message waits the weeks go on, and nothing is kept.
    seams.expect(kDefeat, Answer::Ok, [&] {
        EXPECT_FALSE(QFile::exists(autoSave));
        tick(405);
    });
    act([&] { prog.main().Okane.setText(QStringLiteral("0.5")); });
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(QDir(seams.folder.path()).entryList(QDir::Files), QStringList());
}

// A broken automatic save is refused as a broken save is, and changes nothing.
TEST_F(SaveLoadTest, ABrokenAutomaticSaveIsRefused) {
    startGame();
    tick(150);
    writeFile(QFileInfo(saveFile()).dir().filePath(QStringLiteral("Kivora.auto")), golden().left(300));
    act([&] { prog.main().fileClick(); });
    EXPECT_FALSE(prog.main().Fauto.enabled);
    const QStringList before = picture(prog);
    seams.expect(kNotLoaded);
    act([&] { prog.main().fautoClick(); });
    EXPECT_EQ(picture(prog), before);
}

// Only a month end the clock brought, wholly done, in a game still played,
// keeps the game: every other moment leaves the last automatic save byte for
// byte, and the game's own next month end then writes it.
TEST(AutoSaveStory, OnlyAWholeClockMonthEndKeepsTheGame) {
    const struct {
        const char* what;
        std::function<void(Session&, const std::function<void()>& unchanged)> moment;
        bool keptAfter;  // the next clock month end writes it again
    } cases[] = {
        {"a new game over this one",
         [](Session& s, const std::function<void()>& unchanged) {
             s.seams.expect(QStringLiteral("終了しますか？"), Answer::No);
             s.seams.modal["Namer"].push_back([&s] {
                 s.prog.namer().Text1 = QStringLiteral("鈴木");
                 s.prog.namer().command1Click();
             });
             s.act([&] { s.prog.main().fstaClick(); });
             EXPECT_EQ(s.date(), QStringLiteral("1/4/1"));
             unchanged();
         },
         true},
        {"a load into another month",
         [](Session& s, const std::function<void()>& unchanged) {
             writeFile(s.saveFile(), withLine(14, " 9 "));
             s.loadBy(false);
             EXPECT_EQ(s.date(), QStringLiteral("1/9/1"));
             unchanged();
         },
         true},
        {"a month end inside another, waiting on a message",
         [](Session& s, const std::function<void()>& unchanged) {
             s.seams.second = 6;  // an apartment block, and its message
             s.act([&] { s.prog.game().Pop.setText(QStringLiteral("50000")); });
             s.seams.expect(QStringLiteral("マンションが建ちました"), Answer::Ok, [&] {
                 s.seams.second = 30;
                 s.tick(404);
                 unchanged();
             });
             s.toNextMonthEnd();
         },
         true},
        {"the wait on 保存終了",
         [](Session& s, const std::function<void()>& unchanged) {
             s.seams.expect(kAsk, Answer::Yes);
             s.seams.expect(kSaved, Answer::Ok, [&] { s.tick(808); });
             s.act([&] { s.prog.main().command3Click(); });
             unchanged();
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        s.startGame();
        s.toNextMonthEnd();  // the first month end keeps the game
        const QString autoSave = shell::saveFile(s.prog, shell::Slot::Auto);
        const QString autoHistory = shell::historyFile(s.prog, shell::Slot::Auto);
        const QByteArray save = readFile(autoSave), history = readFile(autoHistory);
        ASSERT_TRUE(state::readSave(save));
        const auto unchanged = [&] {
            EXPECT_EQ(readFile(autoSave), save);
            EXPECT_EQ(readFile(autoHistory), history);
        };
        c.moment(s, unchanged);
        if (!c.keptAfter) continue;
        if (readFile(autoSave) == save) s.toNextMonthEnd();
        EXPECT_NE(readFile(autoSave), save) << "the game's own month end kept nothing";
        EXPECT_TRUE(s.prog.main().Fauto.enabled);
    }
}

// A game at the largest counts a save holds plays every month end it
// reaches: the accounts never overflow, and the town grows no further than
// the homes its save can count, so each month end keeps a game that loads.
TEST(SaveLoadStory, AGameAtTheLargestCountsPlaysOnAndStillSaves) {
    const struct {
        const char* buildings;
        const char* after;  // other buildings after the month end
    } rows[] = {
        {"15032384", "15032385"},  // the last building whose homes line 2 holds
        {"15032385", "15032385"},  // one more would not fit
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.buildings);
        Session s;
        s.openFrame();
        QByteArray save = withLine(1, " 99999999999 ");
        save = withLine(9, "2147483647", save);
        save = withLine(3, "10000000", save);  // apartment blocks: people enough to build on
        writeFile(s.saveFile(), withLine(6, r.buildings, save));
        s.loadBy(false);
        ASSERT_EQ(s.date(), QStringLiteral("1/4/1"));
        s.seams.second = 16;  // the draw that may build another company's building
        if (QByteArray(r.buildings) != r.after) s.seams.expect(QStringLiteral("他社のビルが建ちました"));
        s.toNextMonthEnd();
        EXPECT_EQ(s.date(), QStringLiteral("1/5/1"));
        ASSERT_EQ(s.report.size(), 8);
        EXPECT_EQ(s.report[4], QStringLiteral("-64424508710"));  // 1000 − 30 × 2,147,483,647 − 300
        EXPECT_EQ(s.prog.game().CBuil.text(), QString::fromLatin1(r.after));
        EXPECT_TRUE(s.prog.main().Fauto.enabled) << "the month end kept no game";
        EXPECT_TRUE(shell::autoSaveReads(s.prog));
    }
}
