#include "shell/Start.h"

#include "building/Kivora.h"
#include "shell/Main.h"

namespace shell {

// "閉じる": the frame comes up (with the hidden building window); a running
// game gets its clock back, an idle frame keeps it stopped.
void Start::command1Click() {
    Program& prog = p;  // this form is gone after the unload
    prog.start.unload();
    prog.kivora();
    prog.main.show();
    if (prog.main().Command4.enabled) prog.restartClock();
}

// The close box at start-up leaves no window, so the program ends; over a
// running frame (the version screen) it behaves like "閉じる".
void Start::closeBox() {
    if (p.main.exists()) command1Click();
    else p.start.unload();
}

}  // namespace shell
