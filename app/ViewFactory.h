#pragma once
// The composition root: the one place that knows which view draws each form.
#include <memory>

#include "ui/Runtime.h"
#include "ui/qt/Language.h"

class Program;
class QApplication;
namespace ui::qt { class QtSeams; }

namespace app {

std::unique_ptr<ui::View> makeView(Program& p, ui::Form& form);
// Gives the seams the program to drive and the views to draw it with.
void wire(ui::qt::QtSeams& seams, Program& p);
// The game's own icon on every window, and the player's language for the
// game's texts and the toolkit's own (the buttons of message boxes).
void dressApplication(QApplication& app, ui::qt::Language language = ui::qt::Language::Japanese);

}  // namespace app
