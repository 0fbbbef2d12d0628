#include "building/KakudaiView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "building/Kakudai.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace building {

KakudaiView::KakudaiView(Program& p, QWidget* owner) : DialogView(p, p.kakudai(), owner) {
    Kakudai& k = p.kakudai();
    auto* lay = new QVBoxLayout(w_);
    QFont big = w_->font();
    big.setPointSize(ui::qt::pt(14));
    QLabel* question = bind.label(new QLabel, k.Label1, "Label1");
    lay->addWidget(question);
    auto* target = new QHBoxLayout;
    QLabel* zou = bind.label(new QLabel, k.Zou, "Zou");
    zou->setFont(big);
    zou->setMinimumWidth(ui::qt::px(50));
    zou->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    target->addWidget(zou);
    QLabel* floors = bind.label(new QLabel, k.Label2, "Label2");
    target->addWidget(floors);
    auto* steps = new QVBoxLayout;
    auto* up = bind.button(new QPushButton, k.Command1, "Command1", [&k] { k.command1Click(); });
    focusFirst(up);  // not on OK: one key must not buy a floor
    steps->addWidget(up);
    auto* down = bind.button(new QPushButton, k.Command2, "Command2", [&k] { k.command2Click(); });
    steps->addWidget(down);
    // The arrows are called by what they do.
    up->setAccessibleName(ui::qt::shown(QStringLiteral("一階増やす")));
    down->setAccessibleName(ui::qt::shown(QStringLiteral("一階減らす")));
    target->addLayout(steps);
    target->addStretch(1);
    lay->addLayout(target);
    // The price stands in the wide blanks of the sentence.
    auto* price = new QHBoxLayout;
    // The sentence's words are drawn around the price instead.
    bind.drawnElsewhere(new QLabel(w_), k.Label3, "Label3");
    QLabel* before = bind.words(QStringLiteral("費用は"));
    price->addWidget(before);
    QLabel* hiyou = bind.label(new QLabel, k.Hiyou, "Hiyou");
    hiyou->setFont(big);
    price->addWidget(hiyou);
    QLabel* after = bind.words(QStringLiteral("億円です"));
    price->addWidget(after);
    price->addStretch(1);
    lay->addLayout(price);
    // The question, the floors and the price are heard as the window opens,
    // and the floors and the price again at every ▲ and ▼.
    bind.figure(zou, {}, {floors});
    bind.figure(hiyou, {before}, {after});
    bind.describe(w_, {question, zou, hiyou});
    bind.news(zou, [&k] { return k.Zou.text(); }, [zou, hiyou] {
        return ui::qt::spokenList({ui::qt::spokenName(zou), ui::qt::spokenName(hiyou)});
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = bind.button(new QPushButton, k.Command3, "Command3", [&k] { k.command3Click(); });
    ok->setDefault(true);  // Enter confirms, Escape closes like the close box
    buttons->addWidget(ok);
    buttons->addWidget(bind.button(new QPushButton, k.Command4, "Command4", [&k] { k.command4Click(); }));
    lay->addLayout(buttons);
    w_->setFixedSize(ui::qt::px(QSize(300, 200)));
}

}  // namespace building
