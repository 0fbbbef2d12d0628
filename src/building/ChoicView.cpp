#include "building/ChoicView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>

#include "building/Choic.h"
#include "building/ChoiwinView.h"
#include "building/Tenants.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace building {

ChoicView::ChoicView(Program& p, QWidget* owner) : DialogView(p, p.choic(), owner) {
    Choic& c = p.choic();
    auto* grid = new QGridLayout(w_);
    auto* preview = bind.picture(new ui::qt::PictureBox(drawChooseHint), c.Ex, "Ex", floorPictureWords,
                                 ui::qt::shown(QStringLiteral("右から選んで下さい")));
    grid->addWidget(preview, 0, 0, 2, 1);
    auto* list = bind.list(new ui::qt::ListBoxWidget, c.Na, "Na", [&c] { c.naClick(); });
    // Named by the window's title; each kind is heard with its price, as the
    // price beside the list will show it once chosen: "ホテル 2億円かかリます".
    list->setAccessibleName(ui::qt::shown(c.caption));
    bind.sync([list, &c] {
        // As wide as its longest kind, in the list's own large type.
        int need = 0;
        for (int i = 0; i < list->count(); ++i)
            need = std::max(need, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
        need += 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width() + 8;
        if (list->minimumWidth() != need) {
            list->setMinimumWidth(need);
            list->setMaximumWidth(std::max(need, ui::qt::px(180)));
        }
        for (int i = 0; i < list->count() && i < c.Na.items.size(); ++i) {
            const TenantKind* kind = tenantByName(c.Na.items[i]);
            const QString heard = kind ? ui::qt::figureWords({list->item(i)->text()}, building::priceText(*kind),
                                                             {ui::qt::shown(c.Label1.text())})
                                       : QString();
            if (list->item(i)->data(Qt::AccessibleTextRole).toString() != heard)
                list->item(i)->setData(Qt::AccessibleTextRole, heard);
        }
    });
    QFont f = list->font();
    f.setPointSize(ui::qt::pt(14));
    list->setFont(f);
    list->setMaximumWidth(ui::qt::px(180));
    focusFirst(list);  // Up and Down choose, Enter presses OK
    grid->addWidget(list, 0, 1);
    auto* price = new QHBoxLayout;
    QLabel* amount = bind.label(new QLabel, c.価格, "価格");
    QFont pf = amount->font();
    pf.setPointSize(ui::qt::pt(14));
    pf.setBold(true);
    amount->setFont(pf);
    price->addWidget(amount);
    QLabel* unit = bind.label(new QLabel, c.Label1, "Label1");
    price->addWidget(unit);
    // Each row of the list says its price: the dialog's words do not say it
    // again, nor "0" before a choice.
    for (QLabel* said : {amount, unit}) ui::qt::hear(said, {ui::qt::Acts::Silent, {}, {}});
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
