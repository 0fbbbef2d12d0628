#include "shell/NamerView.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/Namer.h"
#include "ui/qt/TextSize.h"

namespace shell {

NamerView::NamerView(Program& p, QWidget* owner) : DialogView(p, p.namer(), owner) {
    Namer& n = p.namer();
    auto* lay = new QVBoxLayout(w_);
    QLabel* question = bind.label(new QLabel, n.Label1, "Label1");
    lay->addWidget(question);
    auto* text = new QLineEdit;
    question->setBuddy(text);  // the field is named by its question
    text->setObjectName(QStringLiteral("Text1"));
    // Every change counts, typed or set by an input method or a screen reader.
    QObject::connect(text, &QLineEdit::textChanged, [&n](const QString& s) { n.Text1 = s; });
    bind.sync([text, &n] { if (text->text() != n.Text1) text->setText(n.Text1); });
    lay->addWidget(text);
    auto* start = bind.button(new QPushButton, n.Command1, "Command1", [&n] { n.command1Click(); });
    start->setDefault(true);
    start->setAutoDefault(true);
    lay->addWidget(start, 0, Qt::AlignRight);
    w_->setMinimumWidth(ui::qt::px(320));
}

}  // namespace shell
