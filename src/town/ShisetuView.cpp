#include "town/ShisetuView.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "town/Shisetu.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace town {

namespace {
// No rule adds a facility: the empty list says so, as the game's other
// empty places do, rather than stand blank.
class FacilityList : public ui::qt::ListBoxWidget {
protected:
    void paintEvent(QPaintEvent* e) override {
        ui::qt::ListBoxWidget::paintEvent(e);
        if (count() > 0) return;
        QPainter p(viewport());
        p.setPen(palette().color(QPalette::Text));
        p.drawText(viewport()->rect(), Qt::AlignCenter, ui::qt::shown(QStringLiteral("なし")));
    }
};
}  // namespace

ShisetuView::ShisetuView(Program& p, QWidget* owner) : DialogView(p, p.shisetu(), owner) {
    Shisetu& s = p.shisetu();
    auto* lay = new QVBoxLayout(w_);
    auto* list = bind.list(new FacilityList, s.List1, "List1", {});
    list->setAccessibleName(ui::qt::shown(s.caption));  // the window's title is all that names it
    lay->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = bind.button(new QPushButton, s.Command1, "Command1", [&s] { s.command1Click(); });
    close->setDefault(true);
    buttons->addWidget(close);
    lay->addLayout(buttons);
    w_->resize(ui::qt::px(QSize(260, 240)));
}

}  // namespace town
