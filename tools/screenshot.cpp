// Plays a short game through the real windows and saves a picture of it:
//   rumie_screenshot OUT.png [WINDOW]
// WINDOW is "frame" (the default: a game in progress) or the name of a
// dialog to picture while it is open (Bank, Choic, Help1, Houkoku, Kakudai, Kaisyamei, Namer,
// SetS, Shisetu), or Suii for the history window over three years of play.
// Used to make the README's screenshots and to look at windows by eye; the
// language is the environment's, as for the game (LANGUAGE=en for English).
#include <QApplication>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <deque>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "settings/Help1.h"
#include "settings/SetS.h"
#include "town/Game.h"
#include "ui/qt/QtSeams.h"

namespace {

// The window as the desktop shows it, with the title bar and border a
// window manager draws around it when one runs (scripts/screenshot starts
// one); without one, just the window.
void save(QWidget* w, const QString& out) {
    const QRect outer = w->frameGeometry();
    QPixmap shot = w->screen()->grabWindow(0, outer.x(), outer.y(), outer.width(), outer.height());
    if (shot.isNull()) shot = w->grab();
    shot.save(out);
}

class ShotSeams : public ui::qt::QtSeams {
public:
    Program* p = nullptr;
    QString dialog;       // the dialog to picture while it is open
    QString out;
    bool shot = false;
    std::deque<int> picks;  // tenant list rows, one per tenant placed

    ui::Answer ask(const ui::Prompt& prompt) override {
        return prompt.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    void runModal(ui::Form& form, ui::View* view) override {
        const QString name = QString::fromUtf8(form.name());
        if (name == dialog) {
            dialog.clear();  // once
            QTimer::singleShot(400, [this, &form] {
                if (QWidget* w = QApplication::activeModalWidget()) save(w, out);
                shot = true;
                p->dispatch([&form] { form.closeBox(); });
            });
            QtSeams::runModal(form, view);
            return;
        }
        if (name == u"Namer") {
            p->namer().Text1 = QStringLiteral("山田");
            p->namer().command1Click();
        } else if (name == u"Houkoku") {
            p->houkoku().frame1Click();
        } else if (name == u"Choic" && !picks.empty()) {
            building::Choic& c = p->choic();
            c.Na.selected = picks.front();
            picks.pop_front();
            c.naClick();
            c.command1Click();
        } else if (name == u"Bank") {
            for (int n = 1; n <= 3; ++n) p->bank().windowClick(n);
            p->bank().command6Click();
        } else if (name == u"Kakudai") {
            for (int i = 0; i < 3; ++i) p->kakudai().command1Click();
            p->kakudai().command3Click();
        } else {
            form.closeBox();
        }
    }
    int wallSecond() override { return 30; }  // no chance growth: the same picture every time
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) return 2;
    ShotSeams seams;
    Program p(seams);
    app::wire(seams, p);
    app::dressApplication(app, ui::qt::languageFromEnvironment([](const char* name) { return qgetenv(name); }));
    seams.p = &p;
    seams.out = QString::fromLocal8Bit(argv[1]);
    const QString window = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("frame");

    seams.dialog = window;
    p.startUp();
    p.dispatch([&] { p.start().command1Click(); });
    p.dispatch([&] { p.main().fstaClick(); });
    if (seams.shot) return 0;

    // Three loans, four more floors, and tenants on floors 2 to 6.
    p.dispatch([&] { p.main().command8Click(); });
    if (seams.shot) return 0;
    p.dispatch([&] { p.main().command9Click(); });
    if (seams.shot) return 0;
    building::Kivora& k = p.kivora();
    const int tenants[][2] = {{2, 0}, {3, 2}, {4, 1}, {5, 2}, {6, 0}};
    for (const auto& t : tenants) {
        p.dispatch([&] { k.gotFocus(); });
        p.dispatch([&] { k.label1Click(0); });
        p.dispatch([&] { k.label2Click(t[0] - 1); });
        seams.picks.push_back(t[1]);
        p.dispatch([&] { p.choiwin().追加Click(); });
        if (seams.shot) return 0;
    }
    // Half a year of play (three years for the history), every tick through the real clock.
    const int months = window == u"Suii" ? 36 : 6;
    for (int i = 0; i < 101 * 4 * months + 150 && !p.ended(); ++i) {
        p.dispatch([&] { k.Timer1.fire(); });
        if (seams.shot) return 0;
    }
    p.dispatch([&] { p.main().command1Click(); });
    // The windows opened from the frame and the panel, over a game in progress.
    if (window == u"SetS") p.dispatch([&] { p.main().command7Click(); });
    if (window == u"Help1") p.dispatch([&] { p.main().fhelpClick(); });
    if (window == u"Shisetu") p.dispatch([&] { p.game().label10Click(); });
    if (seams.shot) return 0;
    if (window == u"Kaisyamei") p.dispatch([&] { p.game().label9Click(); });
    p.dispatch([&] { k.gotFocus(); });
    p.dispatch([&] { k.label1Click(0); });
    p.dispatch([&] { k.label2Click(1); });
    if (window == u"Suii") p.dispatch([&] { p.main().fsuiiClick(); });
    QTimer::singleShot(500, [&] {
        const QString top = window == u"Kaisyamei" ? window : QStringLiteral("Main");
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == top && w->isVisible()) save(w, seams.out);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
