// ルーミエ: starts Qt and the game, nothing else.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "ViewFactory.h"
#include "settings/Preferences.h"
#include "shell/Program.h"
#include "ui/qt/Contrast.h"
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
    // The toolkit's own options (with one dash or two) are the toolkit's:
    // known here only so that they and their values are passed over, and
    // the application below takes them.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
                             "qwindowtitle", "title", "qwindowicon", "icon", "display", "session", "style", "stylesheet",
                             "qmljsdebugger", "dialogs", "fontengine", "name"}) {
        QCommandLineOption toolkits(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        toolkits.setFlags(QCommandLineOption::HiddenFromHelp);
        args.addOption(toolkits);
    }
    for (const char* name : {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"}) {
        QCommandLineOption toolkits(QString::fromLatin1(name));
        toolkits.setFlags(QCommandLineOption::HiddenFromHelp);
        args.addOption(toolkits);
    }

    // Nothing on the line needs a window system to be answered: --help,
    // --version, an option the game does not know and a language it does not
    // speak are answered before one is asked for, so they work in a terminal
    // or over SSH with no display. Unknown words with one dash may still be
    // the window system's own: a line that carries such a word is judged once
    // the application below has taken them.
    args.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList words;
    for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    const bool parsed = args.parse(words);
    const auto faultIsOurs = [&] {
        if (args.unknownOptionNames().isEmpty()) return true;  // a value missing
        for (const QString& name : args.unknownOptionNames())
            for (const QString& w : words)
                if (w == QStringLiteral("--") + name || w.startsWith(QStringLiteral("--") + name + u'=')) return true;
        return false;
    };
    if (parsed ? args.isSet(help) || args.isSet(version) : faultIsOurs()) {
        QCoreApplication core(argc, argv);
        args.process(core);  // prints the answer or the fault and ends the program
    }
    // --lang, else the language the player chose last, else the desktop's;
    // what --lang names is kept for the next start.
    const auto chooseLanguage = [&] {
        settings::Preferences prefs(ui::qt::QtSeams::settingsPath());
        const QString asked = args.isSet(lang) ? args.value(lang) : QString();
        const auto language = ui::qt::chooseLanguage(asked, prefs, [](const char* name) { return qgetenv(name); });
        if (!language) std::fprintf(stderr, "rumie: --lang takes en or ja, not \"%s\"\n", qPrintable(asked));
        return language;
    };
    std::optional<ui::qt::Language> language;
    if (parsed && !(language = chooseLanguage())) return 2;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.rumie.Rumie"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it is over
    args.process(app);
    if (!parsed && !(language = chooseLanguage())) return 2;

    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    // High contrast from the first window on: the player's own choice, else
    // what the desktop asked for last time. The desktop is asked again once
    // the title is up (its tools take a while to answer, and the title does
    // not wait for them); a change of its mind switches every window then.
    const auto chosen = program.prefs.highContrastChoice();
    ui::qt::useHighContrast(app, chosen ? *chosen : program.prefs.desktopHighContrast());
    // English is the title's language already; the Japanese game waits for
    // the toolkit's translations until the title is up (below).
    if (*language == ui::qt::Language::English) ui::qt::useLanguage(app, *language);
    program.startUp();
    // The title needs neither the icon's seven sizes nor the toolkit's
    // translations to appear; both come in the first turn of the event loop,
    // once the title is on the screen, and before the player can open
    // anything else. The title takes its icon then too.
    QTimer::singleShot(0, &app, [&app, l = *language] { app::dressApplication(app, l); });
    QTimer::singleShot(1000, &app, [&app, &program] {
        ui::qt::askDesktopHighContrast(&app, [&app, &program](bool on) {
            program.prefs.setDesktopHighContrast(on);
            if (program.prefs.highContrastChoice() || on == ui::qt::highContrast()) return;
            program.dispatch([&app, on] { ui::qt::useHighContrast(app, on); });
        });
    });
    return app.exec();
}
