// ルーミエ: starts Qt and the game, nothing else.
#include <QApplication>

#include "ViewFactory.h"
#include "shell/Program.h"
#include "ui/qt/QtSeams.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ルーミエ"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it is over
    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    app::dressApplication(app);
    program.startUp();
    return app.exec();
}
