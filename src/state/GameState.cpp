#include "state/GameState.h"

namespace state {

int GameState::slot(int index) {
    if (index < 1 || index > 100) throw ui::Abandon{};
    return index - 1;
}

QString GameState::Ckai(int index) const { return QString::number(KaiTable[slot(index)]); }

void GameState::setCkai(int index, const QString& text) {
    const int s = slot(index);
    KaiTable[s] = ui::toU8(text);
}

uint8_t GameState::code(int index) const { return KaiTable[slot(index)]; }

void GameState::clearForNewGame() {
    KaiTable.fill(0);
    M1ye = M1mo = M2ye = M2mo = M3ye = M3mo = M4ye = M4mo = M5ye = M5mo = 0;
    CK = 0;
    CF.clear();
}

}  // namespace state
