#include "ViewFactory.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include "building/ChoicView.h"
#include "building/ChoiwinView.h"
#include "building/GaikanView.h"
#include "building/KakudaiView.h"
#include "building/KivoraView.h"
#include "finance/BankView.h"
#include "finance/HoukokuView.h"
#include "settings/HajimeteView.h"
#include "settings/Help1View.h"
#include "settings/SetSView.h"
#include "shell/MainView.h"
#include "shell/NamerView.h"
#include "shell/StartView.h"
#include "town/GameView.h"
#include "town/KaisyameiView.h"
#include "town/MokuhyouView.h"
#include "town/ShisetuView.h"
#include "town/SuiiView.h"
#include "ui/qt/QtSeams.h"
#include "ui/qt/TextSize.h"

namespace app {

std::unique_ptr<ui::View> makeView(Program& p, ui::Form& form) {
    const QByteArray name = form.name();
    auto* mainView = static_cast<shell::MainView*>(p.main.view());
    QWidget* owner = mainView ? mainView->widget() : nullptr;
    QMdiArea* area = mainView ? mainView->area() : nullptr;
    if (name == "Main") return std::make_unique<shell::MainView>(p);
    if (name == "Start") return std::make_unique<shell::StartView>(p, owner);
    if (name == "Namer") return std::make_unique<shell::NamerView>(p, owner);
    if (name == "Kivora") return std::make_unique<building::KivoraView>(p, area);
    if (name == "Game") return std::make_unique<town::GameView>(p, area);
    if (name == "Choiwin") return std::make_unique<building::ChoiwinView>(p, area);
    if (name == "Houkoku") return std::make_unique<finance::HoukokuView>(p, owner);
    if (name == "Choic") return std::make_unique<building::ChoicView>(p, owner);
    if (name == "Kakudai") return std::make_unique<building::KakudaiView>(p, owner);
    if (name == "Bank") return std::make_unique<finance::BankView>(p, owner);
    if (name == "SetS") return std::make_unique<settings::SetSView>(p, owner);
    if (name == "Help1") return std::make_unique<settings::Help1View>(p, owner);
    if (name == "Shisetu") return std::make_unique<town::ShisetuView>(p, owner);
    if (name == "Kaisyamei") return std::make_unique<town::KaisyameiView>(p, owner);
    if (name == "Suii") return std::make_unique<town::SuiiView>(p, area);
    if (name == "Gaikan") return std::make_unique<building::GaikanView>(p, area);
    if (name == "Mokuhyou") return std::make_unique<town::MokuhyouView>(p, area);
    if (name == "Hajimete") return std::make_unique<settings::HajimeteView>(p, area);
    return nullptr;
}

void wire(ui::qt::QtSeams& seams, Program& p) {
    seams.attach(&p, [&p](ui::Form& form) { return makeView(p, form); });
    // The player's text size, before the first window.
    ui::qt::setTextStep(p.prefs.textStep());
}

void dressApplication(QApplication& app, ui::qt::Language language) {
    ui::qt::useLanguage(app, language);
    // The icon is drawn at build time among the game's files; an installed
    // copy has it once, in the icon theme's folders beside its own, where its
    // menu entry finds it too. Without it the windows simply keep the
    // toolkit's icon. Its files are picked by hand: a name filter would load
    // the regular expression library for this one look at a folder.
    QIcon icon;
    if (ui::qt::installedCopy()) {
        const QDir theme(ui::qt::filesFolder() + QStringLiteral("/../icons/hicolor"));
        for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort)) {
            const QString f = theme.filePath(size + QStringLiteral("/apps/" RUMIE_APP_ID ".png"));
            if (QFileInfo::exists(f)) icon.addFile(f);
        }
    } else {
        const QDir icons(ui::qt::filesFolder() + QStringLiteral("/icons"));
        for (const QString& f : icons.entryList(QDir::Files, QDir::NoSort))
            if (f.startsWith(QLatin1String("rumie-")) && f.endsWith(QLatin1String(".png")))
                icon.addFile(icons.filePath(f));
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

}  // namespace app
