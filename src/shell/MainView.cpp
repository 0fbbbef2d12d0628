#include "shell/MainView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScrollBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "shell/Main.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/LanguageMenu.h"
#include "ui/qt/ScreenReader.h"
#include "ui/qt/SizeMenu.h"
#include "ui/qt/SpokenDate.h"
#include "ui/qt/TextSize.h"
#include "ui/qt/WorkArea.h"

namespace shell {

namespace {
// The frame's usual size at 標準.
constexpr QSize kUsual(1100, 720);

// What lies `step` places from `here` round a ring of widgets; from outside
// the ring, the first going forwards and the last going back.
template <class W>
W* around(const std::vector<W*>& ring, const QWidget* here, int step) {
    const int n = static_cast<int>(ring.size());
    const auto at = std::find(ring.begin(), ring.end(), here);
    const int from = at == ring.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - ring.begin());
    return ring[(from + step + n) % n];
}
}  // namespace

// The tool row is one pane for the keyboard: Tab, Shift+Tab and the arrow
// keys go round its enabled buttons and never leave it.
class ToolRow : public QWidget {
public:
    std::vector<QPushButton*> buttons;

    QPushButton* firstEnabled() const {
        for (QPushButton* b : buttons)
            if (ui::qt::takesKeyFocus(b)) return b;
        return nullptr;
    }

protected:
    bool focusNextPrevChild(bool next) override {
        std::vector<QPushButton*> on;
        for (QPushButton* b : buttons)
            if (ui::qt::takesKeyFocus(b)) on.push_back(b);
        if (on.empty()) return false;
        ui::qt::focusByKey(around(on, QApplication::focusWidget(), next ? 1 : -1));
        return true;
    }
};

namespace {
// The names of the keys for a tooltip, as the desktop writes them.
QString keyNames(std::initializer_list<QKeySequence> keys) {
    QStringList names;
    for (const QKeySequence& k : keys) names << k.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

class Frame : public QMainWindow {
public:
    Frame(Program& p) : p_(p) {}
protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();  // the exit question decides
        p_.dispatch([this] { p_.main().closeBox(); });
    }
private:
    Program& p_;
};
}  // namespace

MainView::MainView(Program& p) : p_(p), bind(p), w_(new Frame(p)), area_(new QMdiArea) {
    Main& m = p.main();
    w_->setObjectName(QStringLiteral("Main"));
    ui::qt::fitOnScreen(w_, ui::qt::px(kUsual), given_);
    area_->setObjectName(QStringLiteral("MdiArea"));
    // A small frame scrolls to its child windows instead of cutting them off.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    w_->setCentralWidget(area_);

    QMenuBar* bar = w_->menuBar();
    QMenu* file = bar->addMenu(ui::qt::shown(m.File.caption));
    file->setObjectName(QStringLiteral("File"));
    bind.action(file->addAction(QString()), m.FSta, "FSta", [&m] { m.fstaClick(); });
    bind.action(file->addAction(QString()), m.Fcon, "Fcon", [&m] { m.fconClick(); });
    bind.action(file->addAction(QString()), m.Fauto, "Fauto", [&m] { m.fautoClick(); });
    QObject::connect(file, &QMenu::aboutToShow, w_, [&p, &m] { p.dispatch([&m] { m.fileClick(); }); });
    bind.action(file->addAction(QString()), m.Fsa, "Fsa", [&m] { m.fsaClick(); });
    file->addSeparator()->setObjectName(QStringLiteral("senn"));
    bind.action(file->addAction(QString()), m.Fset, "Fset", [&m] { m.fsetClick(); });
    QMenu* open = bar->addMenu(ui::qt::shown(m.Open.caption));
    open->setObjectName(QStringLiteral("Open"));
    bind.action(open->addAction(QString()), m.Command1, "Command1", [&m] { m.command1Click(); });
    bind.action(open->addAction(QString()), m.Command5, "Command5", [&m] { m.command5Click(); });
    bind.action(open->addAction(QString()), m.Fsuii, "Fsuii", [&m] { m.fsuiiClick(); });
    // 外観 has a key of its own, shown beside it; disabled, the key does nothing.
    bind.action(open->addAction(QString()), m.Fgaikan, "Fgaikan", [&m] { m.fgaikanClick(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    bind.action(open->addAction(QString()), m.Fmokuhyou, "Fmokuhyou", [&m] { m.fmokuhyouClick(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    // The text size, the look and the language are the player's, not the
    // game's: no rule reads them, so they live here and in the settings file only.
    open->addSeparator();
    sizes_ = new ui::qt::SizeMenu(open, [this](int step) { textSize(step); });
    // High contrast changes every window at once and is kept for the next
    // run; the clock and the game go on untouched.
    QAction* contrast = open->addAction(QString());
    bind.action(contrast, m.Fcontrast, "Fcontrast",
                ui::qt::contrastSwitch(contrast, [&p](bool on) { p.prefs.setHighContrast(on); }));
    // The desktop may switch it too, when it answers after the frame is up.
    bind.sync([contrast] {
        if (contrast->isChecked() != ui::qt::highContrast()) contrast->setChecked(ui::qt::highContrast());
    });
    ui::qt::addLanguageMenu(open, p, p.prefs.language(), [&p](const QString& code) { p.prefs.setLanguage(code); });
    QMenu* help = bar->addMenu(ui::qt::shown(m.Help.caption));
    help->setObjectName(QStringLiteral("Help"));
    // What a menu opens is said; the frame the menu gives back is not, again.
    for (QMenu* menu : {file, open, help})
        QObject::connect(menu, &QMenu::aboutToHide, w_, [w = w_] { ui::qt::menuClosesQuietly(w); });
    bind.action(help->addAction(QString()), m.Fhelp, "Fhelp", [&m] { m.fhelpClick(); });
    bind.action(help->addAction(QString()), m.Fhajimete, "Fhajimete", [&m] { m.fhajimeteClick(); });
    help->addSeparator()->setObjectName(QStringLiteral("sen"));
    bind.action(help->addAction(QString()), m.Fver, "Fver", [&m] { m.fverClick(); });

    // The tool row: six buttons on a bar, the money at the right.
    auto* row = new QToolBar;
    row->setObjectName(QStringLiteral("Picture1"));
    row->setMovable(false);
    row->setFloatable(false);
    row->toggleViewAction()->setVisible(false);
    auto* strip = row_ = new ToolRow;
    auto* lay = new QHBoxLayout(strip);
    lay->setContentsMargins(4, 2, 4, 2);
    auto addButton = [&](ui::Command& c, const char* name, std::function<void()> f) {
        auto* b = bind.button(new QPushButton, c, name, std::move(f));
        // As wide as its caption asks, whatever the text size: never cut.
        b->setSizePolicy(QSizePolicy::Minimum, b->sizePolicy().verticalPolicy());
        lay->addWidget(b);
        row_->buttons.push_back(b);
    };
    addButton(m.Command3, "Command3", [&m] { m.command3Click(); });
    addButton(m.Command6, "Command6", [&m] { m.command6Click(); });
    addButton(m.Command7, "Command7", [&m] { m.command7Click(); });
    addButton(m.Command4, "Command4", [&m] { m.command4Click(); });
    addButton(m.Command9, "Command9", [&m] { m.command9Click(); });
    addButton(m.Command8, "Command8", [&m] { m.command8Click(); });
    auto* barButton = bind.button(new QPushButton, m.Command2, "Command2", {});
    barButton->setFlat(true);
    barButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    lay->addWidget(barButton, 1);
    bind.label(new QLabel(strip), m.Okane, "Okane");  // hidden: the money as text
    QFont money = strip->font();
    money.setPointSize(ui::qt::pt(14));
    money.setBold(true);
    auto* okaneH = bind.label(new QLabel, m.OkaneH, "OkaneH");
    okaneH->setFont(money);
    money_ = {okaneH};
    okaneH->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* simo = bind.label(new QLabel, m.Simo, "Simo");
    simo->setFont(money);
    money_.push_back(simo);
    lay->addWidget(okaneH);
    lay->setSpacing(6);
    lay->addWidget(simo);
    lay->insertSpacing(lay->indexOf(simo), -6);  // the suffix follows the digits directly
    row->addWidget(strip);
    w_->addToolBar(Qt::TopToolBarArea, row);
    // A screen reader hears the money as one figure, and hears it again each
    // time it changes; the pause as the frame's title says it.
    bind.figure(okaneH, {ui::qt::shown(QStringLiteral("所持金"))}, {simo});
    bind.news(okaneH, [&m] { return m.OkaneH.visible ? m.OkaneH.text() + m.Simo.text() : QString(); },
              [okaneH] { return ui::qt::spokenName(okaneH); });
    bind.news(w_, [&m] { return m.Command4.caption; }, [frame = w_] { return frame->windowTitle(); });
    // The turn of the year is news; the weeks pass quietly.
    bind.news(w_, [&p] { return p.state.Ye1 > 1 ? QString::number(p.state.Ye1) : QString(); },
              [&p] { return p.state.Ye1 > 1 ? ui::qt::spokenDate(p.state.Ye1, p.state.Mon1, p.state.We1) : QString(); });
    keys();
    ui::qt::followKeyboard(area_);
    focus_ = QObject::connect(qApp, &QApplication::focusChanged, w_, [this] {
        if (QWidget* pane = paneWithFocus()) lastPane_ = pane == row_ ? QString() : pane->objectName();
    });
}

void MainView::keys() {
    // A held key acts once, as a click does.
    auto key = [this](const QKeySequence& k, std::function<void()> f) {
        auto* s = new QShortcut(k, w_);
        s->setContext(Qt::WindowShortcut);
        s->setAutoRepeat(false);
        QObject::connect(s, &QShortcut::activated, w_, std::move(f));
    };
    // A shortcut does what its button does, and nothing while the button cannot be pressed.
    auto shortcut = [&](const char* name, std::initializer_list<QKeySequence> ks) {
        QPushButton* b = w_->findChild<QPushButton*>(QString::fromUtf8(name));
        b->setToolTip(keyNames(ks));
        for (const QKeySequence& k : ks)
            key(k, [b] {
                if (b->isEnabled() && b->isVisible()) b->click();
            });
    };
    shortcut("Command3", {QKeySequence(Qt::CTRL | Qt::Key_S)});
    shortcut("Command6", {QKeySequence(Qt::CTRL | Qt::Key_O)});
    shortcut("Command4", {QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    shortcut("Command9", {QKeySequence(Qt::CTRL | Qt::Key_E)});
    shortcut("Command8", {QKeySequence(Qt::CTRL | Qt::Key_B)});

    // The menus open from the keyboard with their captions as they are.
    QMenuBar* bar = w_->menuBar();
    auto menu = [&](Qt::Key letter, const char* name) {
        QMenu* m = bar->findChild<QMenu*>(QString::fromUtf8(name));
        key(QKeySequence(Qt::ALT | letter), [bar, m] {
            bar->setActiveAction(m->menuAction());
            for (QAction* a : m->actions())
                if (a->isEnabled() && a->isVisible() && !a->isSeparator()) {
                    m->setActiveAction(a);
                    break;
                }
        });
    };
    menu(Qt::Key_F, "File");
    menu(Qt::Key_V, "Open");
    menu(Qt::Key_H, "Help");
    // The money and the date, said at once wherever the keyboard is.
    key(QKeySequence(Qt::CTRL | Qt::Key_M), [this] {
        ui::qt::announce(w_, [this] {
            return ui::qt::spokenList({ui::qt::spokenName(w_->findChild<QLabel*>(QStringLiteral("OkaneH"))),
                                       ui::qt::spokenDate(p_.state.Ye1, p_.state.Mon1, p_.state.We1)});
        });
    });
    QAction* help = w_->findChild<QAction*>(QStringLiteral("Fhelp"));
    key(QKeySequence(Qt::Key_F1), [help] {
        if (help->isEnabled()) help->trigger();
    });

    key(QKeySequence(Qt::Key_F6), [this] { nextPane(1, false); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F6), [this] { nextPane(-1, false); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { nextPane(1, true); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { nextPane(-1, true); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { nextPane(-1, true); });
    // Ctrl+F4 is the child windows' own: their window menu's close runs the
    // close box. A second binding here would make the key ambiguous.
}

void MainView::textSize(int step) {
    p_.prefs.setTextStep(step);
    // Where the keyboard was: the tool row, or a child window by its name;
    // under a dialog, where it goes back to when the dialog closes.
    QWidget* pane = paneWithFocus();
    const bool onRow = pane ? pane == row_ : lastPane_.isEmpty();
    const QString active = onRow ? QString() : pane ? pane->objectName() : lastPane_;
    const bool underDialog = !pane && QApplication::activeModalWidget();
    ui::qt::setTextStep(step);
    for (QLabel* l : money_) {
        QFont f = l->font();
        f.setPointSize(ui::qt::pt(14));
        l->setFont(f);
    }
    for (QPushButton* b : row_->buttons) {
        QPushButton probe(QStringLiteral("あA"));  // the height the binder gave it, at the new size
        probe.setFont(b->font());
        b->setMinimumHeight(probe.sizeHint().height());
    }
    ui::qt::fitOnScreen(w_, ui::qt::px(kUsual), given_);
    // The frame laid out at the new size first: its work area is the room
    // the windows are placed in.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // The child windows are made afresh at the new size, where they were
    // before the work area was scrolled; the game inside them and its clock
    // are not touched. A dialog is made afresh too, and keeps the keyboard.
    area_->horizontalScrollBar()->setValue(0);
    area_->verticalScrollBar()->setValue(0);
    p_.dispatch([this] { p_.redrawViews(&p_.main); });
    // A dialog drawn afresh takes the keyboard from there as it opens; a
    // message box still up keeps it.
    const QWidget* modal = QApplication::activeModalWidget();
    if ((!pane && !underDialog) || (modal && modal->isVisible())) return;
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (!onRow && sub->objectName() == active && sub->isVisible()) return enterPane(sub);
    enterPane(row_);
}

std::vector<QWidget*> MainView::panes() const {
    std::vector<QWidget*> out;
    if (row_->firstEnabled()) out.push_back(row_);
    for (QMdiSubWindow* s : area_->subWindowList(QMdiArea::CreationOrder))
        if (s->isVisible()) out.push_back(s);
    return out;
}

QWidget* MainView::paneWithFocus() const {
    QWidget* f = QApplication::focusWidget();
    for (QWidget* pane : panes())
        if (f && (f == pane || pane->isAncestorOf(f))) return pane;
    return nullptr;
}

void MainView::enterPane(QWidget* pane) {
    if (pane == row_) {
        ui::qt::focusByKey(row_->firstEnabled());
        return;
    }
    auto* sub = static_cast<QMdiSubWindow*>(pane);
    area_->setActiveSubWindow(sub);  // as a click on it: its focus handler runs
    // Back to where the keyboard was in that window, else its first control.
    QWidget* f = QApplication::focusWidget();
    if (!(f && sub->isAncestorOf(f) && ui::qt::takesKeyFocus(f))) f = sub->widget() ? sub->widget()->focusWidget() : nullptr;
    if (!(f && sub->isAncestorOf(f) && ui::qt::takesKeyFocus(f))) f = ui::qt::firstKeyFocus(sub);
    ui::qt::focusByKey(f ? f : sub);
}

void MainView::nextPane(int step, bool childrenOnly) {
    std::vector<QWidget*> all = panes();
    if (childrenOnly) std::erase(all, static_cast<QWidget*>(row_));
    if (all.empty()) return;
    QWidget* here = childrenOnly ? area_->activeSubWindow() : paneWithFocus();
    if (childrenOnly && here && !paneWithFocus()) here = nullptr;
    enterPane(around(all, here, step));
}

MainView::~MainView() {
    // The frame goes later than this view: nothing in it calls the view.
    QObject::disconnect(focus_);
    delete sizes_;
    ui::qt::forgetNews(w_);
    w_->hide();
    w_->deleteLater();
}

void MainView::showView() {
    w_->show();
    w_->raise();
    w_->activateWindow();
    // The keyboard starts on the tool row, not nowhere.
    if (!w_->focusWidget())
        if (QPushButton* b = row_->firstEnabled()) b->setFocus(Qt::OtherFocusReason);
}

void MainView::hideView() { w_->hide(); }

void MainView::refresh() {
    const QString c = ui::qt::shown(p_.main().caption);
    if (w_->windowTitle() != c) w_->setWindowTitle(c);
    // Grey between the windows; in high contrast a dark grey, so that black
    // windows still stand out from it.
    const QColor between = ui::qt::highContrast() ? QColor(0x40, 0x40, 0x40) : QColor(0x80, 0x80, 0x80);
    if (area_->background().color() != between) area_->setBackground(between);
    bind.refresh();
}

}  // namespace shell
