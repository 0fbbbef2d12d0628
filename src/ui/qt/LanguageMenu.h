#pragma once
// The 言語 submenu: the language of the next start.
#include <QString>
#include <functional>

class QMenu;
namespace ui { class Runtime; }

namespace ui::qt {

// Each language by its own name, so a player who cannot read this one finds
// theirs; `kept` ("ja", "en", or empty for the running one) is checked.
// A choice is kept by `keep`; the windows and the toolkit's own words cannot
// all change under a running game, so a language other than the running one
// is told to come at the next start.
void addLanguageMenu(QMenu* into, ui::Runtime& rt, const QString& kept, std::function<void(const QString&)> keep);

}  // namespace ui::qt
