#pragma once
// The help viewer: the program folder's "Help.html" in a browser view.
#include "shell/Program.h"

namespace settings {

class Help1 : public ui::Form {
public:
    explicit Help1(Program& p) : ui::Form(p) { caption = QStringLiteral("Form1"); }
    const char* name() const override { return "Help1"; }

    // The window's size and the browser's place, in twips.
    static constexpr int kWidth = 10185, kHeight = 8595;  // as the window opens
    int Width = kWidth;
    int Height = kHeight;
    ui::Browser Tesk{120, 120, 10005, 7725};

    // Each time the window changes size, and when it is first shown.
    void formResize();
};

}  // namespace settings
