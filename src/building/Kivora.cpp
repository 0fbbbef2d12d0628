#include "building/Kivora.h"

#include <algorithm>

#include "building/Choiwin.h"
#include "sim/Clock.h"

namespace building {

namespace {
const QString kPrompt = QStringLiteral("右側を選んでください");
const QString kRoof = QStringLiteral("屋上");
constexpr int kFloorType = 16;
}  // namespace

Kivora::Kivora(Program& p) : ui::Form(p), Timer1(p.seams.clockDriver()), p(p) {
    caption = QStringLiteral("ルーミエ - 詳細");
    for (ui::Label& l : Label1) l.colour = 0xFF0000;
    for (ui::Label& l : Label2) {
        l.setText(kPrompt);
        l.colour = 0x0000FF;
    }
    Timer1.onTick = [&p] { sim::timer1Tick(p); };
    We.onChange = [&p] { sim::weChange(p); };
    Mon.onChange = [&p] { sim::monChange(p); };
    Ye.onChange = [&p] { sim::yeChange(p); };
}

// Blocks that hold floors: 3 floors give 1, 11 give 2, 100 give 10.
int Kivora::blocks() const { return std::clamp((p.state.Kai + 9) / 10, 0, 10); }

void Kivora::gotFocus() { listBlocks(); }

void Kivora::listBlocks() {
    for (ui::Label& l : Label1) {
        l.setText({});
        l.border = false;
    }
    const int n = blocks();
    for (int j = 0; j < n; ++j)
        Label1[j].setText(QStringLiteral("%1～%2階").arg(10 * j + 1).arg(10 * j + 10));
    Label1[n].setText(kRoof);
}

void Kivora::floorsChanged() {
    // Blocks never listed (the window has not had the focus yet) wait for it.
    if (std::all_of(Label1.begin(), Label1.end(), [](const ui::Label& l) { return l.text().isEmpty(); })) return;
    int chosen = -1;
    for (int i = 0; i < int(Label1.size()); ++i)
        if (Label1[size_t(i)].border) chosen = i;
    const bool roof = chosen >= 0 && Label1[size_t(chosen)].text() == kRoof;
    listBlocks();
    if (chosen < 0) return;
    // The rooftop moves up with the building; a block it no longer reaches lists nothing.
    // The floor the game keeps as picked stays what the player picked.
    const int now = roof ? blocks() : chosen;
    const uint8_t picked = p.state.CK;
    if (roof || now < blocks()) listFloors(now);
    else for (ui::Label& l : Label2) l.setText({});
    p.state.CK = picked;
}

void Kivora::label1Click(int i) {
    if (i < 0 || i > 10) return;
    const bool roof = Label1[i].text() == kRoof;
    // An empty label, or a block the building no longer reaches, lists nothing.
    if (Label1[i].text().isEmpty() || (!roof && i > blocks() - 1)) return;
    listFloors(i);
    if (!roof) p.did(Act::Block);
}

void Kivora::listFloors(int i) {
    const bool roof = Label1[i].text() == kRoof;
    const int top = blocks() - 1;
    const int rest = p.state.Kai - 10 * top;

    for (ui::Label& l : Label1) l.border = false;
    for (ui::Label& l : Label2) l.setText({});
    for (int k = 0; k < 10; ++k) {
        if (!roof) {
            const int floor = 10 * i + k + 1;
            p.state.CK = ui::toU8(floor);
            Label2[k].setText(QString::number(floor) + QStringLiteral("階"));
            Label2[k].tag = QString::number(floor);
        } else {
            Label2[0].setText(kRoof);
            Label2[k].tag = kRoof;
        }
        Label2[k].fontSize = kFloorType;
        Label1[i].border = true;
    }
    if (!roof && i == top)
        for (int k = rest; k < 10; ++k) Label2[k].setText({});
}

bool Kivora::holdsFloor(int i) const {
    if (i < 0 || i > 9) return false;
    const QString& text = Label2[size_t(i)].text();
    return !text.isEmpty() && text != kPrompt;
}

void Kivora::label2Click(int i) {
    if (i < 0 || i > 9) return;
    const QString text = Label2[i].text();
    if (text == kPrompt) {
        // No block chosen yet: the browser opens as it stood. One that never
        // showed a floor would stand at its design "0階", a floor the
        // building has not, so it stays shut.
        const Choiwin* w = p.choiwin.peek();
        if (w && w->Dansu.text() != QStringLiteral("0")) p.choiwin.show();
        return;
    }
    if (text.isEmpty()) return;  // no floor there
    floorClick(Label2[i].tag);
}

void Kivora::floorClick(const QString& tag) {
    if (tag != kRoof && ui::strictNumber(tag) > p.state.Kai) return;
    p.state.CF = tag;
    if (tag != kRoof) {
        p.choiwin().Dansu.setText(tag);
        p.choiwin().Tr.setText(QStringLiteral("階"));
    } else {
        p.choiwin().Dansu.setText({});
        p.choiwin().Tr.setText(tag);
    }
    ++p.choiwin().opened;
    p.choiwin.show();
    // The lobby takes no tenant: the guide waits for a floor that does.
    if (tag != kRoof && ui::strictNumber(tag) >= 2) p.did(Act::Floor);
}

}  // namespace building
