#include "ui/qt/ScreenReader.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <utility>
#include <vector>

#include "ui/qt/Language.h"

namespace ui::qt {

namespace {

// The mark a screen reader is told has the focus when the keyboard went back
// to a control unsaid (returnQuietly): it says nothing, and what the player
// moves to next is said from where the control stands.
const char* const kHere = "rumieHere";

QHash<const QObject*, Heard>& heardWidgets() {
    static QHash<const QObject*, Heard> all;
    return all;
}

const Heard* heardOf(const QObject* o) {
    auto it = heardWidgets().constFind(o);
    return it == heardWidgets().constEnd() ? nullptr : &*it;
}

// The interface of every widget the binder made: it asks the widget's
// entry at each question, so a label that starts to be clicked or joins a
// figure is heard so at once.
class HeardWidget : public QAccessibleWidget {
public:
    explicit HeardWidget(QWidget* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override {
        switch (kind()) {
        case Acts::Button: return QAccessible::Button;
        case Acts::Link: return QAccessible::Link;
        case Acts::Picture: return QAccessible::Graphic;
        case Acts::Silent: return QAccessible::Client;
        case Acts::News: return QAccessible::Notification;
        case Acts::Text: break;
        }
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name && t != QAccessible::Description) return QAccessibleWidget::text(t);
        // Never the title of the box around it, as Qt would give an empty label.
        const Heard* h = heardOf(object());
        if (!h || h->as == Acts::Silent || !seen(h)) return {};
        if (t == QAccessible::Description) return widget()->accessibleDescription();
        if (h->name) return h->name();
        if (const auto* l = qobject_cast<const QLabel*>(object())) return l->text().simplified();
        return widget()->accessibleName();
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (kind() == Acts::Silent) s.invisible = true;
        if (object()->property(kHere).toBool()) s.focusable = s.focused = true;
        if (kind() == Acts::Link) s.linked = true;
        return s;
    }

    int childCount() const override { return kind() == Acts::Silent ? 0 : QAccessibleWidget::childCount(); }

    // A label names its buddy, as Qt's own labels do, and words that describe
    // a control say so.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        const Heard* h = heardOf(object());
        if (!h || h->as == Acts::Silent || !seen(h)) return {};
        auto rels = QAccessibleWidget::relations(match);
        const auto* l = qobject_cast<const QLabel*>(object());
        QWidget* named = l && l->buddy() ? l->buddy() : h->describes.data();
        if ((match & QAccessible::Labelled) && named)
            if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(named))
                rels.append({i, QAccessible::Labelled});
        return rels;
    }

    QStringList actionNames() const override {
        const Heard* h = heardOf(object());
        QStringList names = QAccessibleWidget::actionNames();
        // A blank label has nothing to press.
        if (h && h->press && widget()->isEnabled() && !text(QAccessible::Name).isEmpty())
            names.prepend(QAccessibleActionInterface::pressAction());
        return names;
    }

    // Pressed after the screen reader's request has returned, as Qt's own
    // buttons are: the press may open a window that waits for the player.
    void doAction(const QString& action) override {
        const Heard* h = heardOf(object());
        if (action != QAccessibleActionInterface::pressAction() || !h || !h->press) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QMetaObject::invokeMethod(widget(), [w = QPointer<QWidget>(widget())] {
            const Heard* now = heardOf(w);
            if (w && w->isEnabled() && now && now->press) now->press();
        }, Qt::QueuedConnection);
    }

private:
    // What the player cannot see says nothing, not even the box it stands in;
    // news is heard as it shows for an instant.
    bool seen(const Heard* h) const { return h->as == Acts::News || widget()->isVisibleTo(widget()->window()); }
    Acts kind() const {
        const Heard* h = heardOf(object());
        return h ? h->as : Acts::Text;
    }
};

QAccessibleInterface* heardFactory(const QString&, QObject* o) {
    if (!heardOf(o) || !o->isWidgetType()) return nullptr;
    return new HeardWidget(static_cast<QWidget*>(o));
}

// The news of one event, said by a notification that shows for an instant:
// the screen reader reads its name when the showing reaches it.
std::vector<std::pair<QPointer<const QObject>, std::function<QString()>>> pending;

// The frame while there is one: a screen reader says news from it alone,
// where from a dialog it would say the dialog's name and words again first.
QWidget* speakingWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    return QApplication::activeWindow();
}

void sayPending() {
    QStringList words;
    for (const auto& [about, news] : std::exchange(pending, {}))
        if (about) words << news();
    words.removeDuplicates();  // news of the same thing twice in one event says the same
    const QString news = spokenList(words);
    QWidget* window = speakingWindow();
    if (news.isEmpty() || !window) return;
    QWidget* notice = window->findChild<QWidget*>(QStringLiteral("News"), Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QWidget(window);
        notice->setObjectName(QStringLiteral("News"));
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setGeometry(0, 0, 1, 1);
        notice->hide();
        // Kept where no event reports its change: the notice sends nothing
        // but its showing.
        hear(notice, {Acts::News, [notice] { return notice->property("news").toString(); }, {}});
    }
    notice->setProperty("news", news);
    notice->show();
    notice->hide();
}

// A return to the frame that is not to be said: the frame's activation and
// the first focus in it, each once.
struct Hush {
    QPointer<QWidget> window;
    bool activation = false;
    bool focus = false;
};
Hush hushed;
QAccessible::UpdateHandler handlerBefore = nullptr;

// Whether a screen reader is told of `e`: not of the return's own activation
// and first focus.
bool told(QAccessibleEvent* e) {
    QObject* o = e->object();
    if (!hushed.window || !o || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != hushed.window) return true;
    if (e->type() == QAccessible::StateChanged && o == hushed.window && hushed.activation)
        return !static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().active;
    if (e->type() == QAccessible::Focus && hushed.focus) {
        hushed.focus = false;
        return false;
    }
    return true;
}

void hushedUpdate(QAccessibleEvent* e);

void passOn(QAccessibleEvent* e) {
    if (handlerBefore) {
        handlerBefore(e);
        return;
    }
    // Qt's own way to the screen reader, taken with this handler aside.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(hushedUpdate);
}

// A silent mark beside `control`, in the same box.
QWidget* markBeside(QWidget* control) {
    QWidget* box = control->parentWidget() ? control->parentWidget() : control;
    auto* here = box->findChild<QWidget*>(QStringLiteral("Here"), Qt::FindDirectChildrenOnly);
    if (!here) {
        here = new QWidget(box);
        here->setObjectName(QStringLiteral("Here"));
        here->setProperty(kHere, true);
        here->setFocusPolicy(Qt::NoFocus);
        here->setAttribute(Qt::WA_TransparentForMouseEvents);
        here->setGeometry(0, 0, 1, 1);
        here->hide();
        hear(here, {Acts::Silent, {}, {}});
    }
    return here;
}

void hushedUpdate(QAccessibleEvent* e) {
    if (told(e)) {
        passOn(e);
    } else if (e->type() == QAccessible::Focus) {
        // The screen reader's focus goes beside the control without a word,
        // so that the next move is said with where it leads, as ever.
        QAccessibleEvent here(markBeside(static_cast<QWidget*>(e->object())), QAccessible::Focus);
        passOn(&here);
    }
}

// Qt's screen-reader bridge tells of a window's activation from the window
// system's own WindowActivate event, which no update handler sees: the frame
// gets the event as a copy, which the bridge takes for the program's own,
// and the window system's is kept from it. A key or a click of the player
// before the return is made leaves their next move to be said.
struct QuietReturn : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!e->spontaneous() || !hushed.window) return false;
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) hushed.focus = false;
        if (e->type() != QEvent::WindowActivate || o != hushed.window || !hushed.activation) return false;
        hushed.activation = false;
        QEvent copy(QEvent::WindowActivate);
        QCoreApplication::sendEvent(o, &copy);
        return true;
    }
};

}  // namespace

namespace {
void hush(QWidget* window, bool focus) {
    if (!window) return;
    // Ahead of whatever came since (the bridge starts with the screen reader,
    // which may be after the game): the last filter in is the first to see.
    static QuietReturn* filter = new QuietReturn;
    qApp->removeEventFilter(filter);
    qApp->installEventFilter(filter);
    if (QAccessible::UpdateHandler was = QAccessible::installUpdateHandler(hushedUpdate); was != hushedUpdate)
        handlerBefore = was;
    static int returns = 0;
    hushed = {window, true, focus};
    // A return the window system never makes (the frame was active all
    // along) must not hush a move much later.
    QTimer::singleShot(1000, window, [n = ++returns] {
        if (n == returns) hushed = {};
    });
}
}  // namespace

void returnQuietly(QWidget* window) { hush(window, true); }
void menuClosesQuietly(QWidget* window) { hush(window, false); }

void hear(QWidget* w, Heard h) {
    static const bool installed = [] {
        QAccessible::installFactory(heardFactory);
        return true;
    }();
    (void)installed;
    const bool known = heardOf(w);
    heardWidgets()[w] = std::move(h);
    if (known) return;
    QObject::connect(w, &QObject::destroyed, [w] { heardWidgets().remove(w); });
    // An interface Qt made before the widget was ours is replaced by ours.
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (i && !dynamic_cast<HeardWidget*>(i)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

Heard heardAs(const QWidget* w) {
    const Heard* h = heardOf(w);
    return h ? *h : Heard{};
}

QString spokenName(QWidget* w) {
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return i ? i->text(QAccessible::Name) : QString();
}

namespace {
// Japanese words follow a figure with no space between ("1000人", "2階です"),
// as do the thousands of a number split over two labels ("100" ",000,000円").
bool gluedToTheFigure(const QString& words) {
    const QChar c = words.front();
    return c.unicode() >= 0x3000 || c == u',' || c == u'.';
}
}  // namespace

QString figureWords(const QStringList& before, const QString& own, const QStringList& after) {
    QString name;
    for (const QString& w : before + QStringList{own})
        if (const QString t = w.simplified(); !t.isEmpty()) name += (name.isEmpty() ? QString() : QStringLiteral(" ")) + t;
    for (const QString& w : after)
        if (const QString t = w.simplified(); !t.isEmpty())
            name += (name.isEmpty() || gluedToTheFigure(t) ? QString() : QStringLiteral(" ")) + t;
    return name;
}

namespace {
// In English the words after a comma go on in lower case ("Floor 2,
// vacant"), unless they begin with a name ("Tesk Games") or are no word
// ("Ver.1.00", "~ Run a building").
QString goingOn(QString words) {
    static const QRegularExpression plainWord(QStringLiteral("^[A-Z][a-z]+(?: [^A-Z]|$)"));
    if (language() == Language::English && plainWord.match(words).hasMatch()) words[0] = words[0].toLower();
    return words;
}
}  // namespace

QString spokenList(const QStringList& words) {
    QStringList said;
    for (const QString& w : words)
        if (!w.isEmpty()) said << (said.isEmpty() ? w : goingOn(w));
    return said.join(shown(QStringLiteral("、")));
}

void forgetNews(const QWidget* window) {
    std::erase_if(pending, [window](const auto& entry) {
        for (const QObject* o = entry.first; o; o = o->parent())
            if (o == window) return true;
        return false;
    });
}

void announce(const QObject* about, std::function<QString()> news) {
    if (!about || !news) return;
    if (pending.empty()) QMetaObject::invokeMethod(qApp, sayPending, Qt::QueuedConnection);
    pending.emplace_back(about, std::move(news));
}

}  // namespace ui::qt
