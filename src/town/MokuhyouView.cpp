#include "town/MokuhyouView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "town/Mokuhyou.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace town {

MokuhyouView::MokuhyouView(Program& p, QMdiArea* area) : MdiView(p, p.mokuhyou(), area) {
    Mokuhyou& m = p.mokuhyou();
    auto* lay = new QVBoxLayout(body_);
    QLabel* goal = bind.label(new QLabel, m.Label1, "Label1");
    QFont bold = goal->font();
    bold.setBold(true);
    goal->setFont(bold);
    goal->setWordWrap(true);
    lay->addWidget(goal);
    auto name = [](const char* kind, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(i).toUtf8(); };
    auto frame = [&](ui::Label& title, const char* frameName, int from, int to) -> QGroupBox* {
        auto* box = new QGroupBox;
        box->setObjectName(QString::fromUtf8(frameName));
        bind.sync([box, &title] { box->setTitle(ui::qt::shown(title.text())); });
        auto* grid = new QGridLayout(box);
        for (int i = from; i < to; ++i) {
            const auto at = size_t(i);
            const int r = i - from;
            QLabel* caption = bind.label(new QLabel, m.Koumoku[at], name("Koumoku", i).constData());
            // The row's stop for the keyboard: its word, or the money where
            // there is no word; the rest of the row is heard with it.
            const bool money = i >= Mokuhyou::kFirstMoney;
            QLabel* word = bind.label(money ? new QLabel : new ui::qt::FigureLabel, m.Kotoba[at],
                                      name("Kotoba", i).constData());
            QLabel* ato = bind.label(new QLabel, m.Ato[at], name("Ato", i).constData());
            QLabel* figure = bind.label(money ? new ui::qt::FigureLabel : new QLabel, m.Atai[at],
                                        name("Atai", i).constData());
            figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QLabel* unit = bind.label(new QLabel, m.Unit[at], name("Unit", i).constData());
            if (money)
                bind.figure(figure, {caption, word, ato}, {unit});
            else
                bind.figure(word, {caption}, {ato, figure, unit});
            int column = 0;
            for (QLabel* l : {caption, word, ato, figure, unit}) grid->addWidget(l, r, column++);
        }
        grid->setColumnStretch(3, 1);
        lay->addWidget(box);
        return box;
    };
    frame(m.Frame1, "Frame1", 0, 3);
    frame(m.Frame2, "Frame2", 3, 6);
    QGroupBox* money = frame(m.Frame3, "Frame3", Mokuhyou::kFirstMoney, Mokuhyou::kRows);
    // The loss the next month end would bring, in the money's own frame,
    // said once as it comes true.
    QLabel* warning = bind.label(new QLabel, m.Keikoku, "Keikoku");
    warning->setWordWrap(true);
    QFont strong = warning->font();
    strong.setBold(true);
    warning->setFont(strong);
    static_cast<QGridLayout*>(money->layout())->addWidget(warning, Mokuhyou::kRows - Mokuhyou::kFirstMoney, 0, 1, 5);
    bind.news(warning, [&m] { return m.Keikoku.visible ? m.Keikoku.text() : QString(); },
              [warning, &m] { return m.Keikoku.visible ? warning->text() : QString(); });
    QLabel* when = bind.label(new QLabel, m.Label2, "Label2");
    when->setWordWrap(true);
    lay->addWidget(when);
    lay->addStretch(1);
    warning_ = warning;
    sub_->resize(ui::qt::px(QSize(340, 480)));
    sub_->move(470, 40);  // beside the building window, as 情報 is
}

// Opened, it is as tall as its rows ask at the text size in use, and as wide
// as its design at least: its rows hold their words only now.
void MokuhyouView::showView() {
    if (sub_ && !sub_->isVisible()) sub_->resize(sub_->sizeHint().expandedTo(QSize(ui::qt::px(340), 0)));
    MdiView::showView();
}

// The warning takes room only while it shows: the window grows for it.
void MokuhyouView::refresh() {
    MdiView::refresh();
    if (!sub_ || !sub_->isVisible() || warning_->isHidden()) return;
    const QSize asks = sub_->sizeHint();
    if (sub_->height() < asks.height()) {
        sub_->resize(sub_->width(), asks.height());
        keepInside();
    }
}


}  // namespace town
