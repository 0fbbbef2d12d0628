#include "finance/HoukokuView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "finance/Houkoku.h"
#include "ui/qt/Language.h"

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
    auto value = [&](ui::Label& l, const char* name) {
        QLabel* w = bind.label(new QLabel, l, name);
        w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w->setMinimumWidth(80);
        return w;
    };
    auto unit = [] { return new QLabel(ui::qt::shown(QStringLiteral("万円"))); };

    auto* f1 = frame(h.Frame1, "Frame1", [&h] { h.frame1Click(); });
    auto* g1 = new QGridLayout(f1);
    struct Row { ui::Label* caption; const char* cname; ui::Label* v; const char* vname; ui::Label* side; const char* sname; };
    const Row rows[] = {{&h.Label1, "Label1", &h.Syunyu, "Syunyu", &h.Plus1, "Plus1"},
                        {&h.Label2, "Label2", &h.Keihi, "Keihi", &h.Note1, "Note1"},
                        {&h.Label3, "Label3", &h.Izi, "Izi", &h.Note2, "Note2"},
                        {&h.Label4, "Label4", &h.Other, "Other", &h.Minus1, "Minus1"}};
    int r = 0;
    for (const Row& row : rows) {
        g1->addWidget(bind.label(new QLabel, *row.caption, row.cname), r, 0);
        g1->addWidget(value(*row.v, row.vname), r, 1);
        g1->addWidget(unit(), r, 2);
        g1->addWidget(bind.label(new QLabel, *row.side, row.sname), r, 3);
        ++r;
    }
    g1->addWidget(rule(), r++, 0, 1, 4);
    g1->addWidget(bind.label(new QLabel, h.Kei, "Kei"), r, 0);
    g1->addWidget(value(h.Gou, "Gou"), r, 1);
    g1->addWidget(unit(), r, 2);

    focusFirst(f1);  // Enter on it dismisses the report
    auto* f2 = frame(h.Frame2, "Frame2", [&h] { h.frame2Click(); });
    auto* g2 = new QGridLayout(f2);
    g2->addWidget(value(h.Syozi, "Syozi"), 0, 1);
    g2->addWidget(unit(), 0, 2);
    g2->addWidget(bind.label(new QLabel, h.Plus2, "Plus2"), 1, 0, Qt::AlignRight);
    g2->addWidget(value(h.Gou2, "Gou2"), 1, 1);
    g2->addWidget(unit(), 1, 2);
    g2->addWidget(rule(), 2, 0, 1, 3);
    QLabel* an = value(h.An, "An");
    QFont bold = an->font();
    bold.setBold(true);
    an->setFont(bold);
    g2->addWidget(an, 3, 1);
    g2->addWidget(unit(), 3, 2);
    g2->setColumnStretch(0, 1);
    w_->setMinimumWidth(380);
}

}  // namespace finance
