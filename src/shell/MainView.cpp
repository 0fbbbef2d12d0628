#include "shell/MainView.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QToolBar>

#include "shell/Main.h"

namespace shell {

namespace {
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
    w_->resize(1100, 720);
    area_->setObjectName(QStringLiteral("MdiArea"));
    area_->setBackground(QColor(0x80, 0x80, 0x80));
    // A small frame scrolls to its child windows instead of cutting them off.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    w_->setCentralWidget(area_);

    QMenuBar* bar = w_->menuBar();
    QMenu* file = bar->addMenu(m.File.caption);
    file->setObjectName(QStringLiteral("File"));
    bind.action(file->addAction(QString()), m.FSta, "FSta", [&m] { m.fstaClick(); });
    bind.action(file->addAction(QString()), m.Fcon, "Fcon", [&m] { m.fconClick(); });
    bind.action(file->addAction(QString()), m.Fsa, "Fsa", [&m] { m.fsaClick(); });
    file->addSeparator()->setObjectName(QStringLiteral("senn"));
    bind.action(file->addAction(QString()), m.Fset, "Fset", [&m] { m.fsetClick(); });
    QMenu* open = bar->addMenu(m.Open.caption);
    open->setObjectName(QStringLiteral("Open"));
    bind.action(open->addAction(QString()), m.Command1, "Command1", [&m] { m.command1Click(); });
    bind.action(open->addAction(QString()), m.Command5, "Command5", [&m] { m.command5Click(); });
    bind.action(open->addAction(QString()), m.Fsuii, "Fsuii", [&m] { m.fsuiiClick(); });
    QMenu* help = bar->addMenu(m.Help.caption);
    help->setObjectName(QStringLiteral("Help"));
    bind.action(help->addAction(QString()), m.Fhelp, "Fhelp", [&m] { m.fhelpClick(); });
    help->addSeparator()->setObjectName(QStringLiteral("sen"));
    bind.action(help->addAction(QString()), m.Fver, "Fver", [&m] { m.fverClick(); });

    // The tool row: six buttons on a bar, the money at the right.
    auto* row = new QToolBar;
    row->setObjectName(QStringLiteral("Picture1"));
    row->setMovable(false);
    row->setFloatable(false);
    row->toggleViewAction()->setVisible(false);
    auto* strip = new QWidget;
    auto* lay = new QHBoxLayout(strip);
    lay->setContentsMargins(4, 2, 4, 2);
    auto addButton = [&](ui::Command& c, const char* name, std::function<void()> f) {
        auto* b = bind.button(new QPushButton, c, name, std::move(f));
        b->setMinimumWidth(72);
        lay->addWidget(b);
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
    money.setPointSize(14);
    money.setBold(true);
    auto* okaneH = bind.label(new QLabel, m.OkaneH, "OkaneH");
    okaneH->setFont(money);
    okaneH->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* simo = bind.label(new QLabel, m.Simo, "Simo");
    simo->setFont(money);
    lay->addWidget(okaneH);
    lay->setSpacing(6);
    lay->addWidget(simo);
    lay->insertSpacing(lay->indexOf(simo), -6);  // the suffix follows the digits directly
    row->addWidget(strip);
    w_->addToolBar(Qt::TopToolBarArea, row);
}

MainView::~MainView() {
    w_->hide();
    w_->deleteLater();
}

void MainView::showView() {
    w_->show();
    w_->raise();
}

void MainView::hideView() { w_->hide(); }

void MainView::refresh() {
    const QString& c = p_.main().caption;
    if (w_->windowTitle() != c) w_->setWindowTitle(c);
    bind.refresh();
}

}  // namespace shell
