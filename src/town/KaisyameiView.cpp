#include "town/KaisyameiView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "town/Kaisyamei.h"
#include "ui/qt/TextSize.h"

namespace town {

KaisyameiView::KaisyameiView(Program& p, QWidget* owner) : DialogView(p, p.kaisyamei(), owner) {
    Kaisyamei& k = p.kaisyamei();
    auto* lay = new QVBoxLayout(w_);
    lay->setContentsMargins(18, 14, 18, 12);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    const struct {
        ui::Label& caption;
        const char* captionName;
        ui::Label& count;
        const char* countName;
        ui::Label& unit;
        const char* unitName;
    } rows[] = {{k.Label1, "Label1", k.HO, "HO", k.Label4, "Label4"},
                {k.Label2, "Label2", k.RE, "RE", k.Label5, "Label5"},
                {k.Label3, "Label3", k.KA, "KA", k.Label6, "Label6"}};
    int r = 0;
    std::vector<QWidget*> counts;
    for (const auto& row : rows) {
        QLabel* caption = bind.label(new QLabel, row.caption, row.captionName);
        grid->addWidget(caption, r, 0);
        QLabel* count = bind.label(new QLabel, row.count, row.countName);
        counts.push_back(count);
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(ui::qt::px(48));
        QFont f = count->font();
        f.setBold(true);
        count->setFont(f);
        grid->addWidget(count, r, 1);
        QLabel* unit = bind.label(new QLabel, row.unit, row.unitName);
        grid->addWidget(unit, r, 2);
        bind.figure(count, {caption}, {unit});
        ++r;
    }
    // The counts are heard as the window opens: "ホテル 1社、…".
    bind.describe(w_, counts);
    lay->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = bind.button(new QPushButton, k.Command1, "Command1", [&k] { k.command1Click(); });
    close->setDefault(true);  // Enter closes it, as Escape and the close box do
    buttons->addWidget(close);
    lay->addLayout(buttons);
    lay->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace town
