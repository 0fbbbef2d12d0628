// ルーミエ: starts Qt and the game, nothing else.
#include <QApplication>
#include <QTimer>

#include "ViewFactory.h"
#include "shell/Program.h"
#include "ui/qt/QtSeams.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rumie"));  // names the data folder
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.rumie.Rumie"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it is over
    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    program.startUp();
    // The title needs neither the icon's seven sizes nor the toolkit's
    // translations to appear; both come in the first turn of the event loop,
    // once the title is on the screen, and before the player can open
    // anything else. The title takes its icon then too.
    QTimer::singleShot(0, &app, [&app] { app::dressApplication(app); });
    return app.exec();
}
