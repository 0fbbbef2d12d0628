#include "town/Shisetu.h"

namespace town {

void Shisetu::command1Click() {
    Program& prog = p;  // this form is gone after the unload
    prog.shisetu.unload();
    prog.restartClock();
}

}  // namespace town
