#pragma once
// The name dialog that starts a new game.
#include "shell/Program.h"

namespace shell {

class Namer : public ui::Form {
public:
    explicit Namer(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("What your name ?"); }
    const char* name() const override { return "Namer"; }

    ui::Label Label1{QStringLiteral("お名前は？")};
    QString Text1;  // the one-line text box
    ui::Command Command1{QStringLiteral("スタート")};

    void command1Click();

private:
    Program& p;
};

// Does the text hold nothing that would break a line of the save file?
bool fitsOneSaveLine(const QString& text);

// Puts the whole game into its opening position (after the name is taken).
void openingPosition(Program& p);

}  // namespace shell
