#include "building/ChoicView.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "building/Choic.h"
#include "building/ChoiwinView.h"

namespace building {

ChoicView::ChoicView(Program& p, QWidget* owner) : DialogView(p, p.choic(), owner) {
    Choic& c = p.choic();
    auto* grid = new QGridLayout(w_);
    auto* preview = bind.picture(new ui::qt::PictureBox(drawChooseHint), c.Ex, "Ex");
    grid->addWidget(preview, 0, 0, 2, 1);
    auto* list = bind.list(new ui::qt::ListBoxWidget, c.Na, "Na", [&c] { c.naClick(); });
    QFont f = list->font();
    f.setPointSize(14);
    list->setFont(f);
    list->setMaximumWidth(180);
    focusFirst(list);  // Up and Down choose, Enter presses OK
    grid->addWidget(list, 0, 1);
    auto* price = new QHBoxLayout;
    QLabel* amount = bind.label(new QLabel, c.価格, "価格");
    QFont pf = amount->font();
    pf.setPointSize(14);
    pf.setBold(true);
    amount->setFont(pf);
    price->addWidget(amount);
    price->addWidget(bind.label(new QLabel, c.Label1, "Label1"));
    price->addStretch(1);
    grid->addLayout(price, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = bind.button(new QPushButton, c.Command1, "Command1", [&c] { c.command1Click(); });
    ok->setDefault(true);  // Enter confirms, Escape closes like the close box
    buttons->addWidget(ok);
    buttons->addWidget(bind.button(new QPushButton, c.Command2, "Command2", [&c] { c.command2Click(); }));
    grid->addLayout(buttons, 2, 0, 1, 2);
}

}  // namespace building
