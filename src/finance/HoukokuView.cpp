#include "finance/HoukokuView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "finance/Houkoku.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace finance {

namespace {
// A frame whose own area (not the labels in it) takes the click; with the
// focus, Enter or Space dismiss the report as a click would.
class ClickFrame : public QGroupBox {
public:
    ClickFrame() { setFocusPolicy(Qt::StrongFocus); }
    std::function<void()> clicked;
protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && childAt(e->position().toPoint()) == nullptr && clicked)
            clicked();
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (ui::qt::isClickKey(e) && clicked) {
            clicked();
            return;
        }
        QGroupBox::keyPressEvent(e);
    }
};

QFrame* rule() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    return line;
}
}  // namespace

HoukokuView::HoukokuView(Program& p, QWidget* owner) : DialogView(p, p.houkoku(), owner) {
    Houkoku& h = p.houkoku();
    ui::Runtime* rt = &p;
    auto* lay = new QVBoxLayout(w_);
    auto frame = [&](ui::Label& title, const char* name, std::function<void()> click) {
        auto* box = new ClickFrame;
        box->setObjectName(QString::fromUtf8(name));
        box->setTitle(ui::qt::shown(title.text()));
        box->clicked = [rt, click] { rt->dispatch(click); };
        lay->addWidget(box);
        return box;
    };
    // Each figure is a stop for the keyboard, heard with its caption, its
    // unit and its mark as one text: "会社収入 1000万円 +".
    auto value = [&](ui::Label& l, const char* name) {
        QLabel* w = bind.label(new ui::qt::FigureLabel, l, name);
        w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w->setMinimumWidth(ui::qt::px(80));
        return w;
    };
    auto unit = [&] { return bind.words(QStringLiteral("万円")); };

    auto* f1 = frame(h.Frame1, "Frame1", [&h] { h.frame1Click(); });
    auto* g1 = new QGridLayout(f1);
    struct Row { ui::Label* caption; const char* cname; ui::Label* v; const char* vname; ui::Label* side; const char* sname; };
    const Row rows[] = {{&h.Label1, "Label1", &h.Syunyu, "Syunyu", &h.Plus1, "Plus1"},
                        {&h.Label2, "Label2", &h.Keihi, "Keihi", &h.Note1, "Note1"},
                        {&h.Label3, "Label3", &h.Izi, "Izi", &h.Note2, "Note2"},
                        {&h.Label4, "Label4", &h.Other, "Other", &h.Minus1, "Minus1"}};
    int r = 0;
    for (const Row& row : rows) {
        QLabel* caption = bind.label(new QLabel, *row.caption, row.cname);
        g1->addWidget(caption, r, 0);
        QLabel* v = value(*row.v, row.vname);
        g1->addWidget(v, r, 1);
        QLabel* u = unit();
        g1->addWidget(u, r, 2);
        QLabel* side = bind.label(new QLabel, *row.side, row.sname);
        g1->addWidget(side, r, 3);
        bind.figure(v, {caption}, {u, side});
        ++r;
    }
    g1->addWidget(rule(), r++, 0, 1, 4);
    QLabel* kei = bind.label(new QLabel, h.Kei, "Kei");
    g1->addWidget(kei, r, 0);
    QLabel* gou = value(h.Gou, "Gou");
    g1->addWidget(gou, r, 1);
    QLabel* u = unit();
    g1->addWidget(u, r, 2);
    bind.figure(gou, {kei}, {u});

    focusFirst(f1);  // Enter on it dismisses the report
    auto* f2 = frame(h.Frame2, "Frame2", [&h] { h.frame2Click(); });
    auto* g2 = new QGridLayout(f2);
    QLabel* syozi = value(h.Syozi, "Syozi");
    g2->addWidget(syozi, 0, 1);
    g2->addWidget(u = unit(), 0, 2);
    bind.figure(syozi, {ui::qt::shown(QStringLiteral("所持金"))}, {u});
    QLabel* plus = bind.label(new QLabel, h.Plus2, "Plus2");
    g2->addWidget(plus, 1, 0, Qt::AlignRight);
    QLabel* gou2 = value(h.Gou2, "Gou2");
    g2->addWidget(gou2, 1, 1);
    g2->addWidget(u = unit(), 1, 2);
    bind.figure(gou2, {plus}, {u});
    g2->addWidget(rule(), 2, 0, 1, 3);
    QLabel* an = value(h.An, "An");
    QFont bold = an->font();
    bold.setBold(true);
    an->setFont(bold);
    g2->addWidget(an, 3, 1);
    g2->addWidget(u = unit(), 3, 2);
    bind.figure(an, {ui::qt::shown(h.Frame2.text())}, {u});
    g2->setColumnStretch(0, 1);
    // The report opens on its first frame: the month's 合計 is heard with it,
    // the balance with the second.
    bind.describe(f1, {gou});
    bind.describe(f2, {an});
    // The report is heard with the month it reports as it opens.
    w_->setAccessibleDescription(ui::qt::shown(h.month()));
    w_->setMinimumWidth(ui::qt::px(380));
    // The clock opens it: closed, the money is the news, not where the keyboard was.
    returnQuietly();
}

}  // namespace finance
