#include "ui/qt/Binder.h"

#include <QAccessible>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace ui::qt {

// A plain line in the highlight colour, with nothing filled: the words inside
// stay as they were. Like the style's own focus marks it shows once the
// keyboard has moved the focus in the window, so a mouse player sees no change.
void drawFocusFrame(QWidget* w, QWidget* on, const QRect& area) {
    if (!w->hasFocus() || !w->window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    QPainter painter(on);
    painter.setPen(QPen(w->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(e);
}

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    if (isClickKey(e)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

FigureLabel::FigureLabel(QWidget* parent) : QLabel(parent) { followText(); }

void FigureLabel::followText() {
    const bool shows = !text().isEmpty() && (!stop_ || stop_());
    // What can be clicked is underlined, as a link is: its colour alone
    // would not tell it from the words around it.
    if (qobject_cast<ClickLabel*>(this) && font().underline() != shows) {
        QFont f = font();
        f.setUnderline(shows);
        setFont(f);
    }
    if (shows == (focusPolicy() != Qt::NoFocus)) return;
    setFocusPolicy(shows ? Qt::StrongFocus : Qt::NoFocus);
    // The keyboard does not stay on a label that went blank.
    if (!shows && hasFocus()) focusNextPrevChild(true);
}

// The keyboard's place must be seen: a focus frame around the focused label.
void FigureLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    drawFocusFrame(this, this, rect());
}

void ClickSlider::mouseReleaseEvent(QMouseEvent* e) {
    QSlider::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

void ClickSlider::paintEvent(QPaintEvent* e) {
    QSlider::paintEvent(e);
    drawFocusFrame(this, this, rect());
}

PictureBox::PictureBox(Builtin builtin, QWidget* parent) : QFrame(parent), builtin_(std::move(builtin)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMinimumSize(px(QSize(202, 192)));
}

void PictureBox::sync(const ui::Picture& p) {
    if (p.loads == loads_) return;
    loads_ = p.loads;
    showBuiltin_ = p.builtin;
    // Read from disk at every load; a missing or broken file leaves it empty.
    pixmap_ = p.builtin || p.file.isEmpty() ? QPixmap() : QPixmap(inPlayersLanguage(p.file));
    file_ = QFileInfo(p.file).fileName();
    update();
}

void PictureBox::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter painter(this);
    const QRect area = contentsRect();
    if (showBuiltin_ && builtin_) builtin_(painter, area);
    else if (!pixmap_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(area, pixmap_);
    }
}

namespace {
// Rows drawn with no focus mark: the list's frame shows the focus.
class RowsUnmarked : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        o.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, o, index);
    }
};
}  // namespace

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) { setItemDelegate(new RowsUnmarked(this)); }

void ListBoxWidget::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    if (selectedItems().isEmpty() && count() > 0 && e->reason() != Qt::MouseFocusReason)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    sayCurrentRow();
}

// The toolkit tells a screen reader that the list has the focus once the
// focus has arrived; the row is told after it, so that it is what is said.
void ListBoxWidget::sayCurrentRow() {
    if (!QAccessible::isActive()) return;
    QMetaObject::invokeMethod(this, [this] {
        if (!hasFocus() || currentRow() < 0) return;
        QAccessibleEvent row(this, QAccessible::Focus);
        row.setChild(currentRow());
        QAccessible::updateAccessibility(&row);
    }, Qt::QueuedConnection);
}

void ListBoxWidget::keyPressEvent(QKeyEvent* e) {
    const bool arrow = e->key() == Qt::Key_Down || e->key() == Qt::Key_Up;
    if (arrow && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && selectedItems().isEmpty() &&
        currentRow() >= 0) {
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        sayCurrentRow();  // the row stays where it was: no move tells of it
        return;
    }
    QListWidget::keyPressEvent(e);
}

// Along the inner edge of the list, clear of the rows' words.
void ListBoxWidget::paintEvent(QPaintEvent* e) {
    QListWidget::paintEvent(e);
    drawFocusFrame(this, viewport(), viewport()->rect());
}

Binder::~Binder() {
    for (const auto& c : connections_) QObject::disconnect(c);
}

QLabel* Binder::label(QLabel* w, ui::Label& l, const char* name) {
    w->setObjectName(QString::fromUtf8(name));
    hear(w, heardAs(w));
    auto* figure = qobject_cast<FigureLabel*>(w);  // clickable labels too
    syncs_.push_back([w, &l, figure, which = QByteArray(name)] {
        const QString text = shown(l.text(), which.constData());
        if (l.visible && w->text() != text) w->setText(text);
        if (figure) figure->followText();
        if (w->isHidden() == l.visible) w->setVisible(l.visible);
        QPalette pal = w->palette();
        const QColor c = shownColour(l.colour);
        if (pal.color(QPalette::WindowText) != c) {
            pal.setColor(QPalette::WindowText, c);
            w->setPalette(pal);
        }
        const int frame = l.border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame;
        if (w->frameStyle() != frame) w->setFrameStyle(frame);
        // A framed label is the one chosen: its words are bold too, so that
        // neither the frame's colour nor a focus frame beside it is all that says so.
        if (qobject_cast<ClickLabel*>(w) && w->font().bold() != l.border) {
            QFont f = w->font();
            f.setBold(l.border);
            w->setFont(f);
        }
        if (l.fontSize > 0 && w->font().pointSize() != pt(l.fontSize)) {
            QFont f = w->font();
            f.setPointSize(pt(l.fontSize));
            w->setFont(f);
        }
    });
    return w;
}

QLabel* Binder::words(const QString& japanese) {
    auto* w = new QLabel;
    hear(w, {});
    w->setText(shown(japanese));
    return w;
}

QLabel* Binder::drawnElsewhere(QLabel* w, ui::Label& l, const char* name) {
    w->setObjectName(QString::fromUtf8(name));
    hear(w, {Acts::Silent, {}, {}});
    w->hide();
    syncs_.push_back([w, &l] {
        if (w->text() != l.text()) w->setText(l.text());
    });
    return w;
}

QPushButton* Binder::button(QPushButton* w, ui::Command& c, const char* name, std::function<void()> click) {
    w->setObjectName(QString::fromUtf8(name));
    w->setAutoDefault(false);
    pressOnEnter(w);
    // Latin and Japanese captions come from fonts of different heights: give
    // every button the height of a Japanese one, so a row lines up.
    QPushButton probe(QStringLiteral("あA"));
    probe.setFont(w->font());
    w->setMinimumHeight(probe.sizeHint().height());
    // A button that never shows a caption is a bar to look at, not a control.
    if (c.caption.isEmpty()) hear(w, {Acts::Silent, {}, {}});
    syncs_.push_back([w, &c] {
        const QString caption = shown(c.caption);
        if (w->text() != caption) w->setText(caption);
        w->setEnabled(c.enabled);
        if (w->isHidden() == c.visible) w->setVisible(c.visible);
    });
    if (click) {
        ui::Runtime* rt = &rt_;
        connectEvent(QObject::connect(w, &QPushButton::clicked, [rt, click] { rt->dispatch(click); }));
    }
    return w;
}

QAction* Binder::action(QAction* a, ui::Command& c, const char* name, std::function<void()> click) {
    a->setObjectName(QString::fromUtf8(name));
    syncs_.push_back([a, &c] {
        const QString caption = shown(c.caption);
        if (a->text() != caption) a->setText(caption);
        a->setEnabled(c.enabled);
    });
    if (click) {
        ui::Runtime* rt = &rt_;
        connectEvent(QObject::connect(a, &QAction::triggered, [rt, click] { rt->dispatch(click); }));
    }
    return a;
}

PictureBox* Binder::picture(PictureBox* w, ui::Picture& p, const char* name,
                            std::function<QString(const QString& file)> words, QString builtin) {
    w->setObjectName(QString::fromUtf8(name));
    hear(w, {Acts::Picture,
             [w, words = std::move(words), builtin = std::move(builtin)] {
                 if (w->showsBuiltin()) return builtin;
                 const QString file = w->fileShown();
                 return file.isEmpty() || !words ? QString() : words(file);
             },
             {}});
    syncs_.push_back([w, &p] { w->sync(p); });
    return w;
}

QListWidget* Binder::list(QListWidget* w, ui::ListBox& l, const char* name, std::function<void()> click) {
    w->setObjectName(QString::fromUtf8(name));
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    syncs_.push_back([w, &l] {
        const QSignalBlocker quiet(w);  // drawing the form is not the player's choice
        QStringList drawn;
        for (int i = 0; i < w->count(); ++i) drawn << w->item(i)->text();
        const QStringList items = shown(l.items);
        if (drawn != items) {
            w->clear();
            w->addItems(items);
        }
        // A screen reader says nothing of a list with no rows: it says so.
        const QString none = items.isEmpty() ? shown(QStringLiteral("なし")) : QString();
        if (w->accessibleDescription() != none) w->setAccessibleDescription(none);
        const QList<QListWidgetItem*> sel = w->selectedItems();
        const int row = sel.isEmpty() ? -1 : w->row(sel.first());
        if (row == l.selected) return;
        if (l.selected >= 0) {
            w->setCurrentRow(l.selected);
        } else {
            w->clearSelection();
            w->selectionModel()->clearCurrentIndex();
        }
        w->viewport()->update();
    });
    ui::Runtime* rt = &rt_;
    connectEvent(QObject::connect(w, &QListWidget::itemSelectionChanged, [rt, w, &l, click] {
        const QList<QListWidgetItem*> sel = w->selectedItems();
        const int row = sel.isEmpty() ? -1 : w->row(sel.first());
        if (row < 0 || row == l.selected) return;
        rt->dispatch([&l, row, click] {
            l.selected = row;
            if (click) click();
        });
    }));
    return w;
}

ClickSlider* Binder::slider(ClickSlider* w, ui::Slider& s, const char* name, std::function<void()> click) {
    w->setObjectName(QString::fromUtf8(name));
    syncs_.push_back([w, &s] {
        // Drawing the control's state is not the player moving it.
        const QSignalBlocker quiet(w);
        if (w->minimum() != s.minimum() || w->maximum() != s.maximum()) w->setRange(s.minimum(), s.maximum());
        if (w->value() != s.value()) w->setValue(s.value());
        const QString tip = shown(s.tipText);
        if (w->toolTip() != tip) w->setToolTip(tip);
        w->setEnabled(s.enabled);
    });
    ui::Runtime* rt = &rt_;
    connectEvent(QObject::connect(w, &QSlider::valueChanged, [rt, &s](int v) {
        rt->dispatch([&s, v] { s.setValue(v); });
    }));
    if (click) connectEvent(QObject::connect(w, &ClickSlider::clicked, [rt, click] { rt->dispatch(click); }));
    return w;
}

void Binder::onClick(ClickLabel* w, std::function<void()> click, Acts as) {
    ui::Runtime* rt = &rt_;
    connectEvent(QObject::connect(w, &ClickLabel::clicked, [rt, click] { rt->dispatch(click); }));
    Heard h = heardAs(w);
    h.as = as;
    h.press = [w] { emit w->clicked(); };
    hear(w, std::move(h));
}

void Binder::figure(QLabel* w, std::vector<Piece> before, std::vector<Piece> after) {
    for (const auto* pieces : {&before, &after})
        for (const Piece& p : *pieces)
            if (p.label) hear(p.label, {Acts::Silent, {}, {}});
    Heard h = heardAs(w);
    h.name = [w, before = std::move(before), after = std::move(after)] {
        const auto words = [](const std::vector<Piece>& pieces) {
            QStringList out;
            for (const Piece& p : pieces) out << (p.label ? p.label->text() : p.text);
            return out;
        };
        return figureWords(words(before), w->text(), words(after));
    };
    hear(w, std::move(h));
}

void Binder::describe(QWidget* w, std::vector<QWidget*> by) {
    for (QWidget* b : by) {
        Heard h = heardAs(b);
        h.describes = w;
        hear(b, std::move(h));
    }
    syncs_.push_back([w, by = std::move(by)] {
        QStringList words;
        for (QWidget* b : by) words << spokenName(b);
        const QString d = spokenList(words);
        if (w->accessibleDescription() != d) w->setAccessibleDescription(d);
    });
}

void Binder::news(QWidget* about, std::function<QString()> key, std::function<QString()> says, bool atFirst) {
    news_.push_back({about, std::move(key), std::move(says), atFirst, std::nullopt});
}

void Binder::refresh() {
    for (auto& s : syncs_) s();
    for (News& n : news_) {
        const QString k = n.key();
        const bool changed = n.last ? *n.last != k : n.atFirst;
        n.last = k;
        if (changed) announce(n.about, n.says);
    }
}

}  // namespace ui::qt
