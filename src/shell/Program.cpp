#include "shell/Program.h"

#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Gaikan.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "settings/Hajimete.h"
#include "settings/Help1.h"
#include "settings/SetS.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Start.h"
#include "town/Game.h"
#include "town/Kaisyamei.h"
#include "town/Mokuhyou.h"
#include "town/Shisetu.h"
#include "town/Suii.h"

namespace {
template <typename T>
auto maker(Program* p) {
    return [p] { return std::make_unique<T>(*p); };
}
}  // namespace

Program::Program(ui::Seams& seams)
    : ui::Runtime(seams),
      prefs(seams.settingsFile()),
      main(*this, maker<shell::Main>(this)),
      start(*this, maker<shell::Start>(this)),
      namer(*this, maker<shell::Namer>(this)),
      kivora(*this, maker<building::Kivora>(this), &main),
      game(*this, maker<town::Game>(this), &main),
      choiwin(*this, maker<building::Choiwin>(this), &main),
      houkoku(*this, maker<finance::Houkoku>(this)),
      choic(*this, maker<building::Choic>(this)),
      kakudai(*this, maker<building::Kakudai>(this)),
      bank(*this, maker<finance::Bank>(this)),
      setS(*this, maker<settings::SetS>(this)),
      help1(*this, maker<settings::Help1>(this)),
      shisetu(*this, maker<town::Shisetu>(this)),
      kaisyamei(*this, maker<town::Kaisyamei>(this), &main),
      suii(*this, maker<town::Suii>(this), &main),
      gaikan(*this, maker<building::Gaikan>(this), &main),
      mokuhyou(*this, maker<town::Mokuhyou>(this), &main),
      hajimete(*this, maker<settings::Hajimete>(this), &main) {
    allWindowsGone = [this] { return !main.exists() && !start.exists(); };
    prefs.unwritable = [this] {
        dispatch([this] {
            ask(QStringLiteral("設定を保存できませんでした。この回の設定は次には残りません。"), ui::Prompt::Buttons::Ok,
                ui::Prompt::Icon::Warning);
        });
    };
}

Program::~Program() = default;

void Program::startUp() {
    dispatch([this] { start.show(); });
}

QString Program::programFile(const QString& literal) const {
    QString name = literal;
    if (name.startsWith(u'\\')) name.remove(0, 1);
    return seams.programFolder() + u'/' + name;
}

void Program::stopClock() { kivora().Timer1.setInterval(0); }
void Program::restartClock() { kivora().Timer1.setInterval(state.Spe); }
