#include "settings/SetSView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/SetS.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace settings {

SetSView::SetSView(Program& p, QWidget* owner) : DialogView(p, p.setS(), owner) {
    SetS& s = p.setS();
    auto* lay = new QVBoxLayout(w_);
    lay->setContentsMargins(18, 14, 18, 14);
    lay->setSpacing(10);
    QLabel* heading = bind.label(new QLabel, s.Label1, "Label1");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    lay->addWidget(heading);

    auto* track = new QHBoxLayout;
    track->addWidget(bind.words(QStringLiteral("遅い")));
    auto* slider = bind.slider(new ui::qt::ClickSlider(Qt::Horizontal), s.Slider1, "Slider1",
                               [&s] { s.slider1Click(); });
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    focusFirst(slider);
    track->addWidget(slider, 1);
    track->addWidget(bind.words(QStringLiteral("速い")));
    lay->addLayout(track);

    // The sentence's words are drawn around the seconds instead.
    bind.drawnElsewhere(new QLabel(w_), s.Label2, "Label2");
    auto* sentence = new QHBoxLayout;
    QLabel* before = bind.words(QStringLiteral("現在の速度は"));
    sentence->addWidget(before);
    QLabel* speed = bind.label(new QLabel, s.Speed, "Speed");
    QFont big = speed->font();
    big.setPointSize(ui::qt::pt(14));
    big.setBold(true);
    speed->setFont(big);
    speed->setMinimumWidth(ui::qt::px(28));
    speed->setAlignment(Qt::AlignCenter);
    sentence->addWidget(speed);
    QLabel* after = bind.words(QStringLiteral("秒で1週進みます"));
    sentence->addWidget(after);
    sentence->addStretch(1);
    lay->addLayout(sentence);
    // The slider is named by the heading above it; the sentence is heard
    // with it, and again at each step it moves.
    heading->setBuddy(slider);
    bind.figure(speed, {before}, {after});
    bind.describe(slider, {speed});
    bind.news(speed, [&s] { return s.Speed.text(); }, [speed] { return ui::qt::spokenName(speed); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = bind.button(new QPushButton, s.Command1, "Command1", [&s] { s.command1Click(); });
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(bind.button(new QPushButton, s.Command2, "Command2", [&s] { s.command2Click(); }));
    lay->addLayout(buttons);
    w_->setFixedSize(ui::qt::px(QSize(340, 190)));
}

}  // namespace settings
