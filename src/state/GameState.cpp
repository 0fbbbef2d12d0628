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

}  // namespace state
