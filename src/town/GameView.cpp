#include "town/GameView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "town/Game.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace town {

namespace {
const char* const kValueNames[12] = {"Pop",   "Hatte", "Zyuu",  "Apart",    "Kouz",   "Hat",
                                     "CBuil", "Kibo",  "Kaisu", "Zyuugyou", "Kaisya", "Hyouka"};
}

GameView::GameView(Program& p, QMdiArea* area) : MdiView(p, p.game(), area) {
    Game& g = p.game();
    auto* lay = new QVBoxLayout(body_);
    const auto rows = g.rows();
    std::array<QLabel*, 12> figures{};
    auto frame = [&](ui::Label& title, const char* name, int from, int to) {
        auto* box = new QGroupBox;
        box->setObjectName(QString::fromUtf8(name));
        bind.sync([box, &title] { box->setTitle(ui::qt::shown(title.text())); });
        auto* grid = new QGridLayout(box);
        for (int i = from; i < to; ++i) {
            const int r = i - from;
            QLabel* caption =
                bind.label(new QLabel, g.Koumoku[i], QStringLiteral("Koumoku_%1").arg(i).toUtf8().constData());
            grid->addWidget(caption, r, 0);
            // Each figure is a stop for the keyboard, heard with its caption
            // and unit: "街人口 1000人".
            auto* value = bind.label(new ui::qt::FigureLabel, *rows[i], kValueNames[i]);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setMinimumWidth(ui::qt::px(90));
            grid->addWidget(value, r, 1);
            figures[i] = value;
            if (i == 7 || i == 10) {
                auto* link = new ui::qt::ClickLabel;
                ui::Label& l = i == 7 ? g.Label10 : g.Label9;
                bind.label(link, l, i == 7 ? "Label10" : "Label9");
                l.colour = 0x0000FF;
                link->setCursor(Qt::PointingHandCursor);
                bind.onClick(link, [&g, i] { i == 7 ? g.label10Click() : g.label9Click(); }, ui::qt::Acts::Link);
                grid->addWidget(link, r, 2);
                bind.figure(value, {caption});
            } else {
                QLabel* unit =
                    bind.label(new QLabel, g.Unit[i], QStringLiteral("Unit_%1").arg(i).toUtf8().constData());
                grid->addWidget(unit, r, 2);
                bind.figure(value, {caption}, {unit});
            }
        }
        lay->addWidget(box);
    };
    frame(g.Frame1, "Frame1", 0, 8);
    frame(g.Frame2, "Frame2", 8, 12);
    lay->addStretch(1);
    // The figures that decide a win are heard each time the window opens or
    // is chosen, once its focus handler has brought them up to date; the one
    // the keyboard lands on is heard as it gets the focus, once is enough.
    QMdiSubWindow* mine = sub_;
    if (area)
        QObject::connect(area, &QMdiArea::subWindowActivated, sub_, [mine, figures](QMdiSubWindow* w) {
            if (w != mine) return;
            ui::qt::announce(figures[0], [figures] {
                QStringList heard;
                for (int i : {0, 1, 9, 11})
                    if (!figures[size_t(i)]->hasFocus()) heard << ui::qt::spokenName(figures[size_t(i)]);
                return ui::qt::spokenList(heard);
            });
        });
    sub_->resize(ui::qt::px(QSize(300, 470)));
    sub_->move(470, 0);
}

}  // namespace town
