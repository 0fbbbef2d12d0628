#pragma once
// The frame: menu bar, tool row with the money, and the ways out.
#include "shell/Program.h"

namespace shell {

// The game's two saves: the player's, and the one each month end keeps.
enum class Slot { Player, Auto };

class Main : public ui::Form {
public:
    explicit Main(Program& p);
    const char* name() const override { return "Main"; }

    // Tool row, left to right.
    ui::Command Command3{QStringLiteral("保存"), false};
    ui::Command Command6{QStringLiteral("ロード")};
    ui::Command Command7{QStringLiteral("設定")};
    ui::Command Command4{QStringLiteral("停止"), false};
    ui::Command Command9{QStringLiteral("拡大"), false};
    ui::Command Command8{QStringLiteral("銀行"), false};
    ui::Command Command2{QString(), false};
    ui::Label Okane{QStringLiteral("0")};  // the money in millions of yen, hidden
    ui::Label OkaneH;
    ui::Label Simo{QStringLiteral("円")};

    // Menu bar.
    ui::Command File{QStringLiteral("ファイル")};
    ui::Command FSta{QStringLiteral("始める")};
    ui::Command Fcon{QStringLiteral("続きから")};
    ui::Command Fauto{QStringLiteral("自動保存から再開"), false};
    ui::Command Fsa{QStringLiteral("セーブして終わる"), false};
    ui::Command Fset{QStringLiteral("環境設定")};
    ui::Command Open{QStringLiteral("表示")};
    ui::Command Command1{QStringLiteral("情報"), false};
    ui::Command Command5{QStringLiteral("ビルの詳細"), false};
    ui::Command Fsuii{QStringLiteral("推移"), false};
    ui::Command Fgaikan{QStringLiteral("外観"), false};
    ui::Command Fmokuhyou{QStringLiteral("目標"), false};
    ui::Command Fcontrast{QStringLiteral("ハイコントラスト")};  // the view switches it
    ui::Command Help{QStringLiteral("ヘルプ")};
    ui::Command Fhelp{QStringLiteral("ヘルプ")};
    ui::Command Fhajimete{QStringLiteral("はじめてのかたへ")};
    ui::Command Fver{QStringLiteral("バージョン")};

    void load() override;
    bool queryUnload() override;

    void fstaClick();
    void fileClick();  // the menu opens: is there a game to come back to?
    void fconClick();
    void fautoClick();
    void command6Click();
    void fsaClick();
    void command3Click();
    void fsetClick();
    void command7Click() { fsetClick(); }
    void command1Click();
    void command5Click();
    void fsuiiClick();
    void fgaikanClick();
    void fmokuhyouClick();
    void fhelpClick();
    void fhajimeteClick();
    void fverClick();
    void command9Click();
    void command8Click();
    void command4Click();

    // Reads a save (the player's, or the automatic one) into the game; a
    // file that is missing or not whole changes nothing and says so. True
    // when the game was loaded.
    bool FileRead(Slot slot);

    // A game is on (new or loaded): its controls can be used.
    void enableGame();

    // A month end the clock brought is wholly done: the game is kept, unless
    // it is over.
    void monthEndDone();
    // The automatic save: the whole game written beside the save, silently;
    // gone with a game that ended.
    void AutoWrite();
    void AutoDrop();

private:
    void saveAndQuit();
    void FileWrite();
    bool loadFrom(Slot slot);
    Program& p;
};

// The player's save, and the automatic one beside it. Everything that reads
// or writes them asks here.
QString saveFile(const Program& p, Slot slot = Slot::Player);
// A save's history "推移", beside it.
QString historyFile(const Program& p, Slot slot = Slot::Player);
// Does the automatic save hold a whole game?
bool autoSaveReads(const Program& p);

}  // namespace shell
