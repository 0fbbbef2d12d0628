// ルーミエ: starts Qt and the game, nothing else.
#include <QApplication>

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
    app::dressApplication(app);
    program.startUp();
    return app.exec();
}
