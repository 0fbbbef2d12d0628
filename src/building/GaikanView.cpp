#include "building/GaikanView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace building {

QColor plateColour(const Sign* s) { return ui::qt::readableOn(s->rgb, Qt::white, ui::qt::highContrast()); }

namespace {

constexpr int kTallest = 56;  // a low building stands tall enough to read, not lost in the sky
constexpr int kLowest = 3;    // a hundred floors still show each storey
constexpr int kSky = 26;      // room above the roof for its antenna
constexpr int kStep = 10;     // PageUp and PageDown

QColor plate(const Sign* s) { return plateColour(s); }

// Plates of like colours (the rooftop's and a company's blues, a hotel's and
// a restaurant's reds) are told apart by a pattern as well: the offices'
// windows, the hotel's balconies, the restaurant's awning. The pattern fills
// `ends` pixels at each end, clear of the words; all of it when 0.
void paintPlate(QPainter& p, const QRect& r, const Sign* s, int ends = 0) {
    const QColor c = plate(s);
    p.fillRect(r, c);
    Qt::BrushStyle pattern = Qt::NoBrush;
    if (s == &kTenantSigns[3]) pattern = Qt::VerPattern;
    else if (s == &kTenantSigns[1]) pattern = Qt::CrossPattern;
    else if (s == &kTenantSigns[2]) pattern = Qt::BDiagPattern;
    if (pattern == Qt::NoBrush) return;
    const QBrush marks(c.lighter(170), pattern);
    if (ends <= 0 || 2 * ends >= r.width()) {
        p.fillRect(r, marks);
        return;
    }
    p.fillRect(QRect(r.left(), r.top(), ends, r.height()), marks);
    p.fillRect(QRect(r.right() + 1 - ends, r.top(), ends, r.height()), marks);
}

// One storey as a screen reader sees it: an item of the building's list,
// named by its floor and its sign, that a press opens.
class StoreyItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    StoreyItem(Storeys* w, int i) : w_(w), i_(i) {}
    bool isValid() const override { return w_ && i_ < w_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return w_ ? w_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(w_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return w_ && t == QAccessible::Name ? w_->nameOf(i_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!w_) return {};
        const QRect r = w_->storeyRect(i_);
        return {w_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!w_) return s;
        s.focusable = s.selectable = true;
        s.invisible = !w_->isVisible();
        s.selected = w_->current() == i_;
        s.focused = s.selected && w_->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (w_ && name == pressAction() && isValid()) w_->open(i_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<Storeys> w_;
    int i_;
};

// The building as a list of its storeys, top first; the chosen one has the focus.
class StoreysList : public QAccessibleWidget {
public:
    explicit StoreysList(Storeys* w) : QAccessibleWidget(w, QAccessible::List) {}
    ~StoreysList() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return storeys()->count(); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount()) return nullptr;
        if (size_t(i) >= ids_.size()) ids_.resize(size_t(i) + 1, 0);
        if (!ids_[size_t(i)]) ids_[size_t(i)] = QAccessible::registerAccessibleInterface(new StoreyItem(storeys(), i));
        return QAccessible::accessibleInterface(ids_[size_t(i)]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (size_t i = 0; i < ids_.size() && int(i) < childCount(); ++i)
            if (ids_[i] && QAccessible::accessibleInterface(ids_[i]) == c) return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(storeys()->storeyAt(storeys()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return storeys()->hasFocus() ? child(storeys()->current()) : nullptr;
    }

private:
    Storeys* storeys() const { return static_cast<Storeys*>(widget()); }
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* storeysInterface(const QString&, QObject* o) {
    auto* w = dynamic_cast<Storeys*>(o);
    return w ? new StoreysList(w) : nullptr;
}

}  // namespace

Storeys::Storeys(QWidget* parent) : QWidget(parent) {
    static const bool known = (QAccessible::installFactory(storeysInterface), true);
    (void)known;
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Storeys::minimumSizeHint() const { return {200, kSky + 101 * kLowest + 24}; }

void Storeys::setStoreys(std::vector<Gaikan::Storey> storeys, QStringList names) {
    const int floor = current_ >= 0 ? storeys_[size_t(current_)].floor : -1;
    const bool sameCount = storeys.size() == storeys_.size();
    QStringList before = std::move(names_);
    storeys_ = std::move(storeys);
    names_ = std::move(names);
    // The chosen floor stays chosen while it stands.
    current_ = -1;
    for (int i = 0; i < count(); ++i)
        if (storeys_[size_t(i)].floor == floor) current_ = i;
    update();
    if (onChoose) onChoose();
    if (!QAccessible::isActive()) return;
    if (!sameCount) {
        QAccessibleEvent e(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&e);
        return;
    }
    for (int i = 0; i < count(); ++i)
        if (names_[i] != before.value(i)) {
            QAccessibleEvent e(this, QAccessible::NameChanged);
            e.setChild(i);
            QAccessible::updateAccessibility(&e);
        }
}

void Storeys::choose(int i) {
    if (i == current_ || i < 0 || i >= count()) return;
    current_ = i;
    update();
    if (onChoose) onChoose();
    say(QAccessible::Selection);
    if (hasFocus()) say(QAccessible::Focus);
}

void Storeys::say(int event) const {
    if (current_ < 0 || !QAccessible::isActive()) return;
    QAccessibleEvent e(const_cast<Storeys*>(this), QAccessible::Event(event));
    e.setChild(current_);
    QAccessible::updateAccessibility(&e);
}

void Storeys::open(int i) {
    if (i >= 0 && i < count() && onOpen) onOpen(storeys_[size_t(i)].floor);
}

// The storeys as tall as the room allows, up to a readable most, standing on
// the ground; the tower centred in the width.
Storeys::Shape Storeys::shape() const {
    const int ground = height() - std::max(10, height() / 32);
    const int n = std::max(1, count());
    const int storey = std::clamp((ground - kSky) / n, 1, kTallest);
    const int numbers = fontMetrics().horizontalAdvance(QStringLiteral("100")) + 10;
    const int room = width() - numbers - 2 * fontMetrics().height();
    const int wide = std::clamp(room, 40, 300);
    const int left = numbers + (room - wide) / 2;
    return {storey, QRect(left, ground - n * storey, wide, n * storey), ground};
}

QRect Storeys::storeyRect(int i) const {
    if (i < 0 || i >= count()) return {};
    const Shape s = shape();
    return {s.tower.left(), s.tower.top() + i * s.storey, s.tower.width(), s.storey};
}

// A storey's row, its floor number to the left included.
int Storeys::storeyAt(const QPoint& at) const {
    const Shape s = shape();
    if (at.x() < 0 || at.x() > s.tower.right() || at.y() < s.tower.top() || at.y() >= s.tower.bottom() + 1) return -1;
    return std::min(count() - 1, (at.y() - s.tower.top()) / s.storey);
}

void Storeys::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Shape s = shape();
    QLinearGradient sky(0, 0, 0, s.ground);  // the rooftop picture's sky
    sky.setColorAt(0, QColor(70, 140, 230));
    sky.setColorAt(1, QColor(190, 225, 255));
    p.fillRect(QRect(0, 0, width(), s.ground), sky);
    p.fillRect(QRect(0, s.ground, width(), height() - s.ground), QColor(120, 125, 130));
    if (storeys_.empty()) return;

    // The antenna of the rooftop, with its red lamp.
    const int mast = s.tower.left() + s.tower.width() / 4;
    const int tip = s.tower.top() - std::max(kSky - 8, s.storey * 2 / 3);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 3));
    p.drawLine(mast, s.tower.top(), mast, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawEllipse(QPoint(mast, tip - 2), 4, 4);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The floor numbers on a light band to the left: every floor when there
    // is room, else every 2nd, 5th, 10th… and the lobby where it fits.
    const QFontMetrics fm = fontMetrics();
    int step = 1;
    for (int k : {1, 2, 5, 10, 20, 50}) {
        step = k;
        if (k * s.storey >= fm.height()) break;
    }
    p.fillRect(QRect(0, s.tower.top(), s.tower.left() - 4, s.tower.height()), QColor(255, 255, 255, 170));

    QFont word = font();
    word.setBold(true);
    word.setPixelSize(std::clamp(s.storey * 11 / 20, ui::qt::px(9), ui::qt::px(20)));
    const QFontMetrics wm(word);
    const bool words = s.storey >= wm.height();
    for (int i = 0; i < count(); ++i) {
        const Gaikan::Storey& st = storeys_[size_t(i)];
        const QRect r(s.tower.left(), s.tower.top() + i * s.storey, s.tower.width(), s.storey);
        const QColor c = plate(st.sign);
        paintPlate(p, r, st.sign, std::max(8, r.width() / 8));
        if (s.storey >= 4) p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c.darker(150));
        if (words) {
            p.setFont(word);
            p.setPen(Qt::white);
            const QString text = ui::qt::shown(st.word());
            p.drawText(r, Qt::AlignCenter, wm.elidedText(text, Qt::ElideRight, r.width() - 4));
        }
        const bool lobby = st.floor == 1 && (step - 1) * s.storey >= fm.height();  // clear of the next number
        if (st.floor > 0 && (st.floor % step == 0 || lobby)) {
            p.setFont(font());
            p.setPen(QColor(20, 30, 50));
            const QRect line(0, r.center().y() - fm.height() / 2, s.tower.left() - 8, fm.height());
            p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(st.floor));
        }
    }
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(s.tower.adjusted(0, 0, -1, -1));

    // The chosen storey: a pointer at its right, and a frame while the keys are here.
    if (current_ >= 0) {
        const QRect r = storeyRect(current_);
        const int y = r.center().y(), a = fm.height() / 2;
        QPolygon pointer;
        pointer << QPoint(r.right() + 3, y) << QPoint(r.right() + 3 + a, y - a) << QPoint(r.right() + 3 + a, y + a);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 30, 50));
        p.drawPolygon(pointer);
        if (hasFocus()) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 215, 0), 3));
            p.drawRect(QRectF(r).adjusted(-1.5, -1.5, 1.5, 1.5));
        }
    }
}

bool Storeys::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int i = storeyAt(help->pos());
        if (i >= 0) QToolTip::showText(help->globalPos(), nameOf(i), this, storeyRect(i));
        else QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void Storeys::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? storeyAt(e->position().toPoint()) : -1;
    choose(pressed_);
}

void Storeys::mouseReleaseEvent(QMouseEvent* e) {
    const int at = storeyAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && at >= 0 && at == pressed_) open(at);
    pressed_ = -1;
}

// Up and Down a storey, PageUp and PageDown ten, Home the rooftop, End the
// lobby; Enter or Space opens the floor, as a click.
void Storeys::keyPressEvent(QKeyEvent* e) {
    if (ui::qt::isClickKey(e)) {
        open(current_);
        return;
    }
    const int last = count() - 1;
    const int from = current_ < 0 ? last : current_;
    int to = from;
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (plain ? e->key() : 0) {
        case Qt::Key_Up: to = from - 1; break;
        case Qt::Key_Down: to = from + 1; break;
        case Qt::Key_PageUp: to = from - kStep; break;
        case Qt::Key_PageDown: to = from + kStep; break;
        case Qt::Key_Home: to = 0; break;
        case Qt::Key_End: to = last; break;
        default: QWidget::keyPressEvent(e); return;
    }
    choose(std::clamp(to, 0, last));
}

// The keyboard arrives at the lobby, or where it was. The toolkit tells a
// screen reader that the list has the focus once this returns; the storey
// is told after it, so that it is what the reader says last.
void Storeys::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (current_ < 0 && e->reason() != Qt::MouseFocusReason) choose(count() - 1);
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, [this] { if (hasFocus()) say(QAccessible::Focus); }, Qt::QueuedConnection);
    update();
}

void Storeys::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

GaikanView::GaikanView(Program& p, QMdiArea* area) : MdiView(p, p.gaikan(), area), f_(p.gaikan()) {
    auto* lay = new QHBoxLayout(body_);
    lay->setContentsMargins(0, 0, 8, 0);
    storeys_ = new Storeys;
    storeys_->setObjectName(QStringLiteral("Storeys"));
    storeys_->setAccessibleName(ui::qt::shown(f_.caption));
    lay->addWidget(storeys_, 1);

    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 8, 0, 8);
    QFont big = body_->font();
    big.setPointSize(ui::qt::pt(14));
    big.setBold(true);
    // The height, the rank and the legend are figures like any other: the
    // keyboard stops on each and a screen reader reads it.
    kaisu_ = new ui::qt::FigureLabel;
    kaisu_->setObjectName(QStringLiteral("Kaisu"));
    kaisu_->setFont(big);
    side->addWidget(kaisu_);
    auto* rank = new QHBoxLayout;
    auto* rankWord = new QLabel(ui::qt::shown(QStringLiteral("評価")));
    rankWord->setObjectName(QStringLiteral("Koumoku"));
    hyouka_ = new ui::qt::FigureLabel;
    hyouka_->setObjectName(QStringLiteral("Hyouka"));
    hyouka_->setFont(big);
    bind.figure(kaisu_, {});
    bind.figure(hyouka_, {rankWord});
    rank->addWidget(rankWord);
    rank->addWidget(hyouka_, 1);
    side->addLayout(rank);
    side->addSpacing(12);

    // The legend: each sign's plate and word, top to bottom as a building has them.
    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(8);
    const Sign* signs[] = {&kRoofSign, &kTenantSigns[1], &kTenantSigns[2], &kTenantSigns[3], &kTenantSigns[0],
                           &kLobbySign};
    int row = 0, widest = 0;
    for (const Sign* s : signs) {
        auto* swatch = new QLabel;
        swatch->setObjectName(QStringLiteral("Plate_%1").arg(row));
        swatch->setFixedSize(ui::qt::px(QSize(28, 16)));
        swatch->setAutoFillBackground(true);
        // Painted again when the contrast changes: a plate may darken.
        bind.sync([swatch, s, drawn = std::make_shared<int>(-1)] {
            if (*drawn == int(ui::qt::highContrast())) return;
            *drawn = ui::qt::highContrast();
            QPixmap face(swatch->size());
            QPainter painter(&face);
            paintPlate(painter, face.rect(), s);
            painter.end();
            QPalette pal = swatch->palette();
            pal.setBrush(QPalette::Window, QBrush(face));
            swatch->setPalette(pal);
        });
        ui::qt::hear(swatch, {ui::qt::Acts::Silent, {}, {}});  // its word says it
        auto* word = new ui::qt::FigureLabel;
        word->setText(ui::qt::shown(QString::fromUtf16(s->word)));
        word->followText();
        bind.figure(word, {});
        word->setObjectName(QStringLiteral("Sign_%1").arg(row));
        legend->addWidget(swatch, row, 0);
        legend->addWidget(word, row, 1);
        const QString named = ui::qt::shown(QStringLiteral("100階")) + u' ' + word->text();
        widest = std::max(widest, word->fontMetrics().horizontalAdvance(named));
        ++row;
    }
    side->addLayout(legend);
    side->addStretch(1);
    // The chosen storey in words, as thin storeys cannot carry them.
    chosen_ = new QLabel;
    chosen_->setObjectName(QStringLiteral("Chosen"));
    chosen_->setMinimumWidth(widest + 4);
    side->addWidget(chosen_);
    lay->addLayout(side);

    storeys_->onChoose = [this] { chosen_->setText(storeys_->nameOf(storeys_->current())); };
    ui::Runtime* rt = &p;
    Gaikan* f = &f_;
    storeys_->onOpen = [rt, f](int floor) { rt->dispatch([f, floor] { f->storeyClick(floor); }); };
    sub_->resize(ui::qt::px(QSize(500, 600)));
}

void GaikanView::refresh() {
    if (!sub_) return;  // the frame took the window with it
    MdiView::refresh();
    std::vector<Gaikan::Storey> now = f_.storeys();
    if (now != drawn_) {
        QStringList names;
        for (const Gaikan::Storey& s : now) {
            const QString word = ui::qt::shown(s.word());
            names << (s.floor > 0 ? ui::qt::shown(s.floorText()) + u' ' + word : word);
        }
        storeys_->setStoreys(now, names);
        kaisu_->setText(ui::qt::shown(f_.floorCount()));
        kaisu_->followText();
        drawn_ = std::move(now);
    }
    const QString rank = f_.rank();
    if (rank != rank_) {
        hyouka_->setText(ui::qt::shown(rank));
        hyouka_->followText();
        rank_ = rank;
    }
}

}  // namespace building
