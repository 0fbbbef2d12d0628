#include "shell/StartView.h"

#include <QVBoxLayout>

#include "shell/Start.h"
#include "ui/qt/TextSize.h"

namespace shell {

StartView::StartView(Program& p, QWidget* owner) : DialogView(p, p.start(), owner) {
    Start& s = p.start();
    // Every word of the title, the Latin ones too, in the one Japanese face
    // the toolkit opens anyway, the name emboldened from it: a Latin face to
    // fall back from and the bold face beside it would cost the title about a
    // third of its start-up and 2.7 MB.
    QFont face = w_->font();
    face.setFamilies({QStringLiteral("Noto Sans CJK JP")});
    w_->setFont(face);
    auto* lay = new QVBoxLayout(w_);
    lay->setContentsMargins(40, 30, 40, 24);
    lay->setSpacing(14);
    auto add = [&](ui::Label& l, const char* name, int size, bool bold) {
        QLabel* w = bind.label(new QLabel, l, name);
        QFont f = w->font();
        f.setPointSize(ui::qt::pt(size));
        f.setBold(bold);
        if (bold) f.setStyleName(QStringLiteral("Regular"));  // drawn bolder, not the bold face
        w->setFont(f);
        w->setAlignment(Qt::AlignCenter);
        lay->addWidget(w);
        return w;
    };
    // The title's words are heard as the screen opens.
    QLabel* name = add(s.Label1, "Label1", 40, true);
    QLabel* motto = add(s.Label3, "Label3", 14, false);
    motto->setWordWrap(true);  // on two lines where a small screen holds the title narrower than it
    bind.describe(w_, {name, motto, add(s.Label2, "Label2", 11, false), add(s.Label4, "Label4", 11, false)});
    auto* close = bind.button(new QPushButton, s.Command1, "Command1", [&s] { s.command1Click(); });
    close->setDefault(true);
    lay->addWidget(close, 0, Qt::AlignCenter);
    w_->setFixedSize(ui::qt::px(QSize(520, 320)));
}

}  // namespace shell
