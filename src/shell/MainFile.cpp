// The frame's save and load: "保存" and "セーブして終わる" write the game and
// end the program; "続きから" and "ロード" read it back. The month end keeps
// an automatic save beside it, which "自動保存から再開" reads back.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>

#include "building/Kivora.h"
#include "finance/LoanRecord.h"
#include "finance/LoanTerms.h"
#include "shell/Main.h"
#include "state/History.h"
#include "state/SaveFile.h"
#include "town/Game.h"
#include "town/People.h"

namespace shell {

// An installed copy (its install leaves the file "installed" beside the
// program) keeps the save in the player's data folder, whoever runs it: the
// installation belongs to the package manager, even when the superuser could
// write into it. Any other copy, run where it was built or unpacked, keeps it
// beside the program as it always has, unless that folder cannot be written.
QString saveFile(const Program& p, Slot slot) {
    const QString data = p.seams.dataFolder();
    const bool installed = QFileInfo::exists(p.programFile(QStringLiteral("installed")));
    const QString name = QString::fromLatin1(slot == Slot::Player ? state::kSaveFile : state::kAutoSaveFile);
    if (data.isEmpty() || (!installed && QFileInfo(p.seams.programFolder()).isWritable()))
        return p.programFile(name);
    return data + u'/' + name;
}

// The history lies beside its save, wherever the save lies.
QString historyFile(const Program& p, Slot slot) {
    const char* name = slot == Slot::Player ? state::kHistoryFile : state::kAutoHistoryFile;
    return QFileInfo(saveFile(p, slot)).dir().filePath(QString::fromLatin1(name));
}

namespace {

// The labels of lines 1 to 10, in file order.
std::array<ui::Label*, state::kFigures> figureLabels(Program& p) {
    town::Game& g = p.game();
    return {&p.main().Okane, &g.Zyuu, &g.Apart, &g.Kouz,     &g.Hat,
            &g.CBuil,        &g.Kibo, &g.Kaisu, &g.Zyuugyou, &g.Kaisya};
}

state::SaveGame snapshot(Program& p) {
    state::SaveGame g;
    const auto labels = figureLabels(p);
    for (int k = 0; k < state::kFigures; ++k) g.figures[k] = labels[k]->text();
    const state::GameState& s = p.state;
    g.CK = s.CK;
    g.CF = s.CF;
    g.Ye1 = s.Ye1;
    g.Mon1 = s.Mon1;
    g.We1 = s.We1;
    g.Spe = s.Spe;
    g.Last = s.Last;
    for (int n = 1; n <= finance::kLoanWindows; ++n) {
        const finance::LoanRecord r = finance::loanRecord(p.state, n);
        g.loans[2 * n - 2] = r.ye;
        g.loans[2 * n - 1] = r.mo;
    }
    g.Player = s.Player;
    for (int i = 1; i <= 100; ++i) g.floors[i - 1] = s.code(i);
    return g;
}

// Opens a file's replacement and writes it whole, uncommitted.
// Unbuffered, so a short write (a full disk, a size limit) shows in the count:
// a buffered flush can lose the tail and still let the commit succeed.
bool stage(QSaveFile& f, const QByteArray& bytes) {
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    return f.write(bytes) == bytes.size() && f.size() == bytes.size();
}

// The whole file, checked, before anything in the game changes. A file
// whose first lines are not what it should be is refused before the rest of
// it is read: a large foreign file costs no more than its first piece.
std::optional<QByteArray> readBytes(const QString& path, const std::function<bool(const QByteArray& head)>& startsRight) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes;
    for (;;) {  // in pieces: the name may belong to something endless
        const QByteArray piece = f.read(64 * 1024);
        if (piece.isEmpty()) break;
        if (bytes.isEmpty()) {
            if (!f.atEnd() && !startsRight(piece)) return std::nullopt;
            bytes.reserve(qMin(f.size(), state::kLargestSave + 1));  // one block: grown by pieces it is copied
        }
        bytes += piece;
        if (bytes.size() > state::kLargestSave) return std::nullopt;
    }
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// A save and its history "推移" never part: both are written whole beside the
// old pair before either replaces it, and a save whose history cannot go
// with it is not written. Should the save's own replacing fail after its
// history's, the old history goes back, so the last pair that matches stays.
bool writePair(Program& p, Slot slot, const QByteArray& save) {
    const QString path = saveFile(p, slot);
    const QString historyPath = historyFile(p, slot);
    const std::optional<QByteArray> history = state::writeHistory({state::fingerprint(save), p.history.rows()});
    if (!history) return false;
    QDir().mkpath(QFileInfo(path).path());  // the data folder may not exist yet
    // Held open, the old history stays readable after the new one takes its
    // name; it is read only in the rare case that the save then fails.
    QFile old(historyPath);
    const bool hadOld = old.open(QIODevice::ReadOnly);
    QSaveFile saveOut(path), historyOut(historyPath);  // uncommitted, they leave nothing behind
    if (!stage(saveOut, save) || !stage(historyOut, *history) || !historyOut.commit()) return false;
    if (saveOut.commit()) return true;
    QSaveFile back(historyPath);
    if (hadOld && stage(back, old.read(state::kLargestSave)))
        back.commit();
    else
        QFile::remove(historyPath);
    return false;
}

// A saved game the rules can play on: the file whole, and the homes the town
// panel works out from its counts still a figure line 2 holds, or the next
// save of the game could not be read.
std::optional<state::SaveGame> playable(const QByteArray& bytes) {
    std::optional<state::SaveGame> g = state::readSave(bytes);
    if (!g) return std::nullopt;
    const auto count = [&](state::Figure f) { return ui::strictNumber(g->figures[f]); };
    if (!town::countable(count(state::kEmployees), count(state::kBuildings), count(state::kApartments)))
        return std::nullopt;
    return g;
}

// The game as a file, or nothing when the file would not give it back: a
// save that would not load is never written over one that does.
std::optional<QByteArray> gameBytes(Program& p) {
    std::optional<QByteArray> bytes = state::writeSave(snapshot(p));
    if (bytes && !playable(*bytes)) return std::nullopt;
    return bytes;
}

}  // namespace

void Main::fsaClick() { saveAndQuit(); }
void Main::command3Click() { saveAndQuit(); }

void Main::saveAndQuit() {
    Program& prog = p;
    if (prog.ask(QStringLiteral("保存して終了しますか"), ui::Prompt::Buttons::YesNo,
                 ui::Prompt::Icon::Question) != ui::Answer::Yes)
        return;
    if (prog.state.end == state::GameState::End::Over) return;
    prog.main().FileWrite();
}

// A save that fails keeps the old file and the game; one that succeeds ends
// the program.
void Main::FileWrite() {
    Program& prog = p;
    prog.state.SavePath = ui::Variant::text(saveFile(prog));
    const std::optional<QByteArray> bytes = gameBytes(prog);
    if (!bytes || !writePair(prog, Slot::Player, *bytes)) {
        prog.ask(QStringLiteral("保存できませんでした"), ui::Prompt::Buttons::Ok,
                 ui::Prompt::Icon::Warning);
        return;
    }
    // The game the player saved is the one they leave: nothing moves on, nor
    // is kept, while the last message waits.
    prog.stopClock();
    prog.ask(QStringLiteral("保存終了"));
    prog.endNow();
}

// "続きから": the load, then the controls and a fresh week count.
void Main::fconClick() {
    Program& prog = p;
    if (!loadFrom(Slot::Player)) return;
    Main& m = prog.main();
    m.OkaneH.visible = true;
    m.enableGame();
    prog.kivora().Label4.setText(QStringLiteral("0"));
}

// "ロード": the same load; the week count goes on.
void Main::command6Click() { loadFrom(Slot::Player); }

// "自動保存から再開": the automatic save, loaded as "ロード" loads the save.
void Main::fautoClick() { loadFrom(Slot::Auto); }

void Main::fileClick() { Fauto.enabled = autoSaveReads(p); }

// The one load, from either save. While the guard is up a month the load
// writes skips its settlement: loading restores the saved game and books
// nothing; the next week change lowers it. The money shows its unit, or a
// hundred million yen would read "100円".
bool Main::loadFrom(Slot slot) {
    Program& prog = p;
    const uint8_t before = prog.state.Era;
    prog.state.Era = 1;
    if (!prog.main().FileRead(slot)) {
        prog.state.Era = before;
        return false;
    }
    prog.main().Simo.setText(QStringLiteral(",000,000円"));
    return true;
}

bool Main::FileRead(Slot slot) {
    Program& prog = p;
    state::GameState& s = prog.state;
    s.SavePath = ui::Variant::text(saveFile(prog));
    const std::optional<QByteArray> bytes = readBytes(saveFile(prog, slot), state::startsLikeSave);
    const std::optional<state::SaveGame> loaded = bytes ? playable(*bytes) : std::nullopt;
    if (!loaded) {
        prog.ask(QStringLiteral("セーブデータを読み込めませんでした"), ui::Prompt::Buttons::Ok,
                 ui::Prompt::Icon::Warning);
        return false;
    }
    const state::SaveGame& g = *loaded;
    // The history comes with its save; a missing, broken or foreign one only
    // starts it afresh.
    const std::optional<QByteArray> history = readBytes(historyFile(prog, slot), [&](const QByteArray& head) {
        return state::historyMayBeFor(head, *bytes, g.Ye1, g.Mon1);
    });
    prog.history.reset(history ? state::historyFor(*history, *bytes, g.Ye1, g.Mon1) : std::vector<state::MonthRow>{});

    // The record, in file order.
    s.Money = ui::Variant::real(ui::strictNumber(g.figures[state::kMoney]));
    int32_t* buffers[] = {&s.Hou, &s.Man, &s.Kou, &s.Hata, &s.Bui, &s.Kib, &s.Kai, &s.Sag, &s.Sha};
    for (int k = state::kHousing; k < state::kFigures; ++k)
        *buffers[k - state::kHousing] = ui::toI32(g.figures[k]);
    s.CK = g.CK;
    s.CF = g.CF;
    s.Ye1 = g.Ye1;
    s.Mon1 = g.Mon1;
    s.We1 = g.We1;
    s.Spe = g.Spe;
    s.Last = g.Last;
    for (int n = 1; n <= finance::kLoanWindows; ++n) {
        finance::LoanRecord r = finance::loanRecord(s, n);
        r.ye = g.loans[2 * n - 2];
        r.mo = g.loans[2 * n - 1];
    }
    s.Player = g.Player;
    for (int i = 1; i <= 100; ++i) {
        s.KaiBuffer[i - 1] = g.floors[i - 1];
        s.setCkai(i, QString::number(s.KaiBuffer[i - 1]));
    }

    // Then the windows: the money first (it may end the game), the figures,
    // the clock, the date.
    prog.main().Okane.setText(g.figures[state::kMoney]);
    const auto labels = figureLabels(prog);
    for (int k = state::kHousing; k < state::kFigures; ++k) labels[k]->setText(g.figures[k]);
    // The population, the grade and the rank are not in the file; they show
    // what the loaded figures earn, as the panel's own rules would give them,
    // so the panel never mixes the old game's people with the new grade.
    // Housing keeps the file's figure until the panel's next focus, as in
    // the game that was saved: a game loaded and saved again is the same file.
    prog.game().Change();
    prog.game().Zyuu.setText(g.figures[state::kHousing]);
    const QString grade = town::gradeFor(prog.game().population());
    if (!grade.isEmpty()) prog.game().Hatte.setText(grade);
    const QString rank = town::rankFor(prog.game().Zyuugyou.leading());
    if (!rank.isEmpty()) prog.game().Hyouka.setText(rank);

    prog.restartClock();
    // Floors bought in the game this one replaces are not this game's to pay.
    prog.kivora().コスト = 0;
    prog.kivora().Ye.setText(QString::number(g.Ye1));
    prog.kivora().Mon.setText(QString::number(g.Mon1));
    prog.kivora().We.setText(QString::number(g.We1));

    Main& m = prog.main();
    // A game loaded while paused stays paused, and says so.
    const bool paused = m.Command4.caption == QStringLiteral("開始");
    m.caption = s.Player.toText() + (paused ? QStringLiteral("社長 - 停止中") : QStringLiteral("社長 - 行動中"));
    m.enableGame();
    prog.kivora.show();
    prog.main().OkaneH.visible = true;
    return true;
}

bool autoSaveReads(const Program& p) {
    const std::optional<QByteArray> bytes = readBytes(saveFile(p, Slot::Auto), state::startsLikeSave);
    return bytes && playable(*bytes);
}

void Main::monthEndDone() {
    if (p.state.end == state::GameState::End::Playing) AutoWrite();
}

// Written as the save is, whole or not at all, with its own history. A write
// that fails leaves the last one and says nothing: the next month end tries again.
void Main::AutoWrite() {
    if (!p.seams.autoSaves()) return;
    const std::optional<QByteArray> bytes = gameBytes(p);
    if (bytes && writePair(p, Slot::Auto, *bytes)) Fauto.enabled = true;
}

void Main::AutoDrop() {
    QFile::remove(saveFile(p, Slot::Auto));
    QFile::remove(historyFile(p, Slot::Auto));
    Fauto.enabled = false;
}

}  // namespace shell
