#include "building/KivoraView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "building/Kivora.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace building {

namespace {
// The arrow keys walk the picker's labels that show text: Up and Down as the
// player reads them, down the blocks and on down the floors, Left to the
// blocks (the chosen one), Right to the floors (the first), Home and End to a
// column's ends. Enter and Space choose, as a click.
class PickerKeys : public QObject {
public:
    PickerKeys(std::vector<ui::qt::ClickLabel*> blocks, std::vector<ui::qt::ClickLabel*> floors, QObject* parent)
        : QObject(parent), columns_{std::move(blocks), std::move(floors)} {
        for (const auto& column : columns_)
            for (QLabel* l : column) l->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        int c = -1, r = -1;
        for (int col = 0; col < 2; ++col)
            for (int i = 0; i < static_cast<int>(columns_[col].size()); ++i)
                if (columns_[col][i] == o) c = col, r = i;
        if (c < 0) return false;
        QLabel* to = nullptr;
        switch (k->key()) {
        case Qt::Key_Up: to = c == 1 && !shown(1, r - 1, -1) ? lastBlock() : shown(c, r - 1, -1); break;
        case Qt::Key_Down: to = c == 0 && !shown(0, r + 1, 1) ? shown(1, 0, 1) : shown(c, r + 1, 1); break;
        case Qt::Key_Home: to = shown(c, 0, 1); break;
        case Qt::Key_End: to = shown(c, static_cast<int>(columns_[c].size()) - 1, -1); break;
        case Qt::Key_Left: to = c == 1 ? chosenBlock() : nullptr; break;
        case Qt::Key_Right: to = c == 0 ? shown(1, 0, 1) : nullptr; break;
        default: return false;
        }
        if (to) ui::qt::focusByKey(to);
        return true;  // at a column's end the keyboard stays
    }

private:
    // The first label from row `from` on, stepping by `step`, that takes the focus.
    QLabel* shown(int c, int from, int step) const {
        const auto& column = columns_[c];
        for (int i = from; i >= 0 && i < static_cast<int>(column.size()); i += step)
            if (ui::qt::takesKeyFocus(column[i])) return column[i];
        return nullptr;
    }
    QLabel* lastBlock() const { return shown(0, static_cast<int>(columns_[0].size()) - 1, -1); }
    // The block whose floors are listed (it wears the border), else the first.
    QLabel* chosenBlock() const {
        for (QLabel* l : columns_[0])
            if (ui::qt::takesKeyFocus(l) && l->frameStyle() != QFrame::NoFrame) return l;
        return shown(0, 0, 1);
    }
    std::vector<ui::qt::ClickLabel*> columns_[2];
};
}  // namespace

KivoraView::KivoraView(Program& p, QMdiArea* area) : MdiView(p, p.kivora(), area) {
    Kivora& k = p.kivora();
    auto* lay = new QVBoxLayout(body_);

    // The date line: year, month and week over the gaps of the frame text.
    auto* date = new QWidget;
    auto* dl = new QHBoxLayout(date);
    dl->setContentsMargins(0, 0, 0, 0);
    dl->setSpacing(2);
    QFont bold = date->font();
    bold.setPointSize(ui::qt::pt(14));
    bold.setBold(true);
    QFont plain = date->font();
    plain.setPointSize(ui::qt::pt(14));
    auto part = [&](QLabel* w, const QFont& f) {
        w->setFont(f);
        dl->addWidget(w);
    };
    // A number and its word, in the order of the player's language, heard
    // as one figure.
    auto pair = [&](QLabel* number, const char16_t* word) {
        QLabel* w = bind.words(QString::fromUtf16(word));
        if (ui::qt::unitsBeforeNumbers()) {  // "Year 1  Month 4  Week 1"
            part(w, plain);
            dl->addSpacing(4);
            part(number, bold);
            dl->addSpacing(10);
            bind.figure(number, {w});
        } else {
            part(number, bold);
            part(w, plain);
            bind.figure(number, {}, {w});
        }
        return number;
    };
    // The frame text's words are drawn between the numbers instead.
    bind.drawnElsewhere(new QLabel(date), k.Label3, "Label3");
    pair(bind.label(new QLabel, k.Ye, "Ye"), u"年目");
    pair(bind.label(new QLabel, k.Mon, "Mon"), u"月");
    pair(bind.label(new QLabel, k.We, "We"), u"週");
    dl->addStretch(1);
    auto* ticks = bind.label(new QLabel, k.Label4, "Label4");
    k.Label4.visible = false;
    dl->addWidget(ticks);
    lay->addWidget(date);

    auto* columns = new QHBoxLayout;
    std::vector<ui::qt::ClickLabel*> blocks, floors;
    auto* left = new QGroupBox;
    left->setObjectName(QStringLiteral("Frame2"));
    auto* ll = new QVBoxLayout(left);
    for (int i = 0; i < 11; ++i) {
        auto* w = new ui::qt::ClickLabel;
        bind.label(w, k.Label1[i], QStringLiteral("Label1_%1").arg(i).toUtf8().constData());
        w->setAlignment(Qt::AlignCenter);
        w->setMinimumHeight(ui::qt::px(26));
        w->setCursor(Qt::PointingHandCursor);
        bind.onClick(w, [&k, i] { k.label1Click(i); });
        blocks.push_back(w);
        ll->addWidget(w, 0, Qt::AlignHCenter);  // sized to its text: the border marks the words
    }
    ll->addStretch(1);
    auto* right = new QGroupBox;
    right->setObjectName(QStringLiteral("Frame1"));
    auto* rl = new QVBoxLayout(right);
    for (int i = 0; i < 10; ++i) {
        auto* w = new ui::qt::ClickLabel;
        bind.label(w, k.Label2[i], QStringLiteral("Label2_%1").arg(i).toUtf8().constData());
        w->setAlignment(Qt::AlignCenter);
        w->setMinimumHeight(ui::qt::px(30));
        w->setCursor(Qt::PointingHandCursor);
        bind.onClick(w, [&k, i] { k.label2Click(i); });
        // The prompt is no stop for the keyboard; a click on it still acts.
        w->stopOnlyWhen([&k, i] { return k.holdsFloor(i); });
        floors.push_back(w);
        rl->addWidget(w);
    }
    rl->addStretch(1);
    // A chosen block says what the floor column now holds: "1階から3階".
    const auto held = [&k] {
        QStringList out;
        for (int i = 0; i < 10; ++i)
            if (k.holdsFloor(i)) out << k.Label2[size_t(i)].text();
        return out;
    };
    bind.news(right, [held] { return held().join(u' '); }, [held] {
        const QStringList floors = held();
        if (floors.size() < 2) return floors.isEmpty() ? QString() : ui::qt::shown(floors.first());
        return ui::qt::shown(QStringLiteral("%1から%2").arg(floors.first(), floors.last()));
    });
    new PickerKeys(std::move(blocks), std::move(floors), body_);
    columns->addWidget(left, 2);
    columns->addWidget(right, 3);
    lay->addLayout(columns, 1);
    sub_->resize(ui::qt::px(QSize(460, 560)));
    sub_->move(0, 0);
}

}  // namespace building
