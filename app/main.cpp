// ルーミエ: starts Qt and the game, nothing else.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "ViewFactory.h"
#include "shell/Program.h"
#include "ui/qt/Language.h"
#include "ui/qt/QtSeams.h"

int main(int argc, char** argv) {
    QApplication::setApplicationName(QStringLiteral("rumie"));  // names the data folder
    QApplication::setApplicationVersion(QStringLiteral(RUMIE_VERSION));

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Rumie (ルーミエ), a building-management game."));
    const QCommandLineOption help = args.addHelpOption();
    const QCommandLineOption version = args.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Play in English (en) or Japanese (ja)."),
                                  QStringLiteral("en|ja"));
    args.addOption(lang);

    // --help and --version need no window system: they are answered before
    // one is asked for, so they work in a terminal or over SSH with no
    // display. A line that also carries the window system's own options
    // (-display, -platform) is read once the application below has taken them.
    QStringList words;
    for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    if (args.parse(words) && (args.isSet(help) || args.isSet(version))) {
        QCoreApplication core(argc, argv);
        args.process(core);  // prints the answer and ends the program
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.rumie.Rumie"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it is over
    args.process(app);
    // The desktop's language unless --lang names one.
    const QString asked = args.isSet(lang) ? args.value(lang) : QString();
    const auto language = ui::qt::chooseLanguage(asked, [](const char* name) { return qgetenv(name); });
    if (!language) {
        std::fprintf(stderr, "rumie: --lang takes en or ja, not \"%s\"\n", qPrintable(asked));
        return 2;
    }

    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    // English is the title's language already; the Japanese game waits for
    // the toolkit's translations until the title is up (below).
    if (*language == ui::qt::Language::English) ui::qt::useLanguage(app, *language);
    program.startUp();
    // The title needs neither the icon's seven sizes nor the toolkit's
    // translations to appear; both come in the first turn of the event loop,
    // once the title is on the screen, and before the player can open
    // anything else. The title takes its icon then too.
    QTimer::singleShot(0, &app, [&app, l = *language] { app::dressApplication(app, l); });
    return app.exec();
}
