#include "building/KivoraView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "building/Kivora.h"
#include "ui/qt/Language.h"

namespace building {

KivoraView::KivoraView(Program& p, QMdiArea* area) : MdiView(p, p.kivora(), area) {
    Kivora& k = p.kivora();
    auto* lay = new QVBoxLayout(body_);

    // The date line: year, month and week over the gaps of the frame text.
    auto* date = new QWidget;
    auto* dl = new QHBoxLayout(date);
    dl->setContentsMargins(0, 0, 0, 0);
    dl->setSpacing(2);
    QFont bold = date->font();
    bold.setPointSize(14);
    bold.setBold(true);
    QFont plain = date->font();
    plain.setPointSize(14);
    auto part = [&](QLabel* w, const QFont& f) {
        w->setFont(f);
        dl->addWidget(w);
    };
    // A number and its word, in the order of the player's language.
    auto pair = [&](QLabel* number, const char16_t* word) {
        auto* w = new QLabel(ui::qt::shown(QString::fromUtf16(word)));
        if (ui::qt::unitsBeforeNumbers()) {  // "Year 1  Month 4  Week 1"
            part(w, plain);
            dl->addSpacing(4);
            part(number, bold);
            dl->addSpacing(10);
        } else {
            part(number, bold);
            part(w, plain);
        }
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
    auto* left = new QGroupBox;
    left->setObjectName(QStringLiteral("Frame2"));
    auto* ll = new QVBoxLayout(left);
    for (int i = 0; i < 11; ++i) {
        auto* w = new ui::qt::ClickLabel;
        bind.label(w, k.Label1[i], QStringLiteral("Label1_%1").arg(i).toUtf8().constData());
        w->setAlignment(Qt::AlignCenter);
        w->setMinimumHeight(26);
        w->setCursor(Qt::PointingHandCursor);
        bind.onClick(w, [&k, i] { k.label1Click(i); });
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
        w->setMinimumHeight(30);
        w->setCursor(Qt::PointingHandCursor);
        bind.onClick(w, [&k, i] { k.label2Click(i); });
        rl->addWidget(w);
    }
    rl->addStretch(1);
    columns->addWidget(left, 2);
    columns->addWidget(right, 3);
    lay->addLayout(columns, 1);
    sub_->resize(460, 560);
    sub_->move(0, 0);
}

}  // namespace building
