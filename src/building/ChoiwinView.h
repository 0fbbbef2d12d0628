#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace building {
// The floor browser.
class ChoiwinView : public ui::qt::MdiView {
public:
    ChoiwinView(Program& p, QMdiArea* area);
};
// The built-in pictures shown before any floor picture is loaded.
void drawNothing(QPainter& painter, const QRect& area);
void drawChooseHint(QPainter& painter, const QRect& area);
// What a floor picture shows, as its sign reads ("hotel.bmp" → "ホテル"), in
// the player's language; empty for a file that is none of them.
QString floorPictureWords(const QString& file);
}  // namespace building
