#include "building/ChoiwinView.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "building/Choiwin.h"
#include "building/Signs.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace building {

namespace {
// In high contrast a picture of words is words on the window's own ground.
bool plainWords(QPainter& painter, const QRect& area, const QString& text, int flags) {
    if (!ui::qt::highContrast()) return false;
    const QPalette pal = QApplication::palette();
    painter.fillRect(area, pal.color(QPalette::Window));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(area, flags, text);
    return true;
}
}  // namespace

void drawNothing(QPainter& painter, const QRect& area) {
    QFont f = painter.font();
    f.setPointSize(ui::qt::pt(28));
    painter.setFont(f);
    const QString text = ui::qt::shown(QStringLiteral("なし"));
    if (plainWords(painter, area, text, Qt::AlignCenter)) return;
    painter.fillRect(area, QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(Qt::blue);
    painter.drawText(area, Qt::AlignCenter, text);
}

void drawChooseHint(QPainter& painter, const QRect& area) {
    QFont f = painter.font();
    f.setPointSize(ui::qt::pt(13));
    f.setBold(true);
    painter.setFont(f);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QString text = ui::qt::shown(QStringLiteral("右から選んで下さい"));
    if (plainWords(painter, area, text, flags)) return;
    painter.fillRect(area, Qt::red);
    // Green on red reads poorly: a black edge round each letter lets it be
    // read, as thick as the letters have grown.
    painter.setPen(Qt::black);
    const int e = ui::qt::px(1);
    for (const QPoint d : {QPoint(-e, 0), QPoint(e, 0), QPoint(0, -e), QPoint(0, e), QPoint(-e, -e), QPoint(e, e),
                           QPoint(-e, e), QPoint(e, -e)})
        painter.drawText(area.translated(d), flags, text);
    painter.setPen(QColor(0, 0xC0, 0));
    painter.drawText(area, flags, text);
}

QString floorPictureWords(const QString& file) {
    static const std::pair<const char*, const Sign*> signs[] = {
        {"oku.bmp", &kRoofSign},          {"robey.bmp", &kLobbySign},           {"mu.bmp", &kTenantSigns[0]},
        {"hotel.bmp", &kTenantSigns[1]}, {"restaurant.bmp", &kTenantSigns[2]}, {"office.bmp", &kTenantSigns[3]}};
    for (auto [name, sign] : signs)
        if (file == QLatin1String(name)) return ui::qt::shown(QString::fromUtf16(sign->word));
    return {};
}

ChoiwinView::ChoiwinView(Program& p, QMdiArea* area) : MdiView(p, p.choiwin(), area) {
    Choiwin& c = p.choiwin();
    auto* lay = new QVBoxLayout(body_);
    auto* line = new QHBoxLayout;
    QFont big = body_->font();
    big.setPointSize(ui::qt::pt(16));
    auto floor = std::pair{&c.Dansu, "Dansu"}, unit = std::pair{&c.Tr, "Tr"};
    if (ui::qt::unitsBeforeNumbers()) std::swap(floor, unit);  // "Floor 12"
    std::vector<QLabel*> words;
    for (auto [label, name] : {floor, unit, std::pair{&c.Label1, "Label1"}}) {
        QLabel* w = bind.label(new QLabel, *label, name);
        w->setFont(big);
        line->addWidget(w);
        words.push_back(w);
    }
    line->setSpacing(ui::qt::unitsBeforeNumbers() ? 8 : 0);
    line->addStretch(1);
    lay->addLayout(line);
    // "2階です" is one figure, before the number or after it.
    QLabel* number = words[ui::qt::unitsBeforeNumbers() ? 1 : 0];
    if (ui::qt::unitsBeforeNumbers()) bind.figure(number, {words[0]}, {words[2]});
    else bind.figure(number, {}, {words[1], words[2]});
    auto* picture = bind.picture(new ui::qt::PictureBox(drawNothing), c.Naisou, "Naisou", floorPictureWords,
                                 ui::qt::shown(QStringLiteral("なし")));
    picture->setFixedSize(ui::qt::px(QSize(244, 232)));  // the same on every floor and on the rooftop
    lay->addWidget(picture, 0, Qt::AlignHCenter);
    auto* buttons = new QGridLayout;
    // Buttons hidden on the lobby and the rooftop keep their place, so
    // nothing moves from floor to floor.
    auto place = [&](QPushButton* b, int row, int col) {
        QSizePolicy sp = b->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        b->setSizePolicy(sp);
        buttons->addWidget(b, row, col);
    };
    // The arrows are called by what they do.
    auto* up = bind.button(new QPushButton, c.Up, "Up", [&c] { c.upClick(); });
    up->setAccessibleName(ui::qt::shown(QStringLiteral("上の階")));
    place(up, 0, 0);
    auto* down = bind.button(new QPushButton, c.Down, "Down", [&c] { c.downClick(); });
    down->setAccessibleName(ui::qt::shown(QStringLiteral("下の階")));
    place(down, 1, 0);
    place(bind.button(new QPushButton, c.追加, "追加", [&c] { c.追加Click(); }), 0, 1);
    auto* close = bind.button(new QPushButton, c.Command1, "Command1", [&c] { c.command1Click(); });
    place(close, 1, 1);
    // Escape closes the browser like "閉じる".
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), body_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, close, &QPushButton::click);
    lay->addLayout(buttons);
    // The floor and what it holds are said as the browser opens on a floor,
    // the one it shows too, and as the arrows walk to another.
    bind.news(number, [&c] { return c.Dansu.text() + u'|' + c.Tr.text() + u'|' + c.Naisou.file + u'|' + QString::number(c.opened); },
              [number, picture] {
                  return ui::qt::spokenList({ui::qt::spokenName(number), ui::qt::spokenName(picture)});
              },
              true);
    sub_->setFixedSize(ui::qt::px(QSize(300, 400)));
    sub_->move(ui::qt::px(780), 0);
}

}  // namespace building
