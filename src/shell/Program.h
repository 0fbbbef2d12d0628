#pragma once
// The one object that owns the windows of the game, the game state record and
// the seams. Handlers reach the other windows through it.
#include <QString>

#include "state/GameState.h"
#include "settings/Preferences.h"
#include "state/History.h"
#include "ui/Runtime.h"

namespace shell { class Main; class Start; class Namer; }
namespace building { class Kivora; class Choiwin; class Choic; class Kakudai; class Gaikan; }
namespace town { class Game; class Shisetu; class Kaisyamei; class Suii; class Mokuhyou; }
namespace settings { class SetS; class Help1; class Hajimete; }
namespace finance { class Houkoku; class Bank; }

// What the player did, as the window that saw it says: the rules tell it
// and go on; whoever teaches the game (the first-game guide) listens.
enum class Act { Block, Floor, Tenant, Floors, Report, Info, Goals, Bank };
class ActListener {
public:
    virtual ~ActListener() = default;
    virtual void saw(Act act) = 0;
};

class Program : public ui::Runtime {
public:
    explicit Program(ui::Seams& seams);
    ~Program();

    state::GameState state;
    state::History history;  // the month ends of this game, for "推移"
    settings::Preferences prefs;  // the player's, kept between runs
    std::optional<QRect> keptPlace(const QString& window) const override { return prefs.place(window); }
    void keepPlace(const QString& window, const QRect& place) override { prefs.setPlace(window, place); }

    ui::Holder<shell::Main> main;  // the frame first: the children name it
    ui::Holder<shell::Start> start;
    ui::Holder<shell::Namer> namer;
    ui::Holder<building::Kivora> kivora;
    ui::Holder<town::Game> game;
    ui::Holder<building::Choiwin> choiwin;
    ui::Holder<finance::Houkoku> houkoku;
    ui::Holder<building::Choic> choic;
    ui::Holder<building::Kakudai> kakudai;
    ui::Holder<finance::Bank> bank;
    ui::Holder<settings::SetS> setS;
    ui::Holder<settings::Help1> help1;
    ui::Holder<town::Shisetu> shisetu;
    ui::Holder<town::Kaisyamei> kaisyamei;  // not modal: it closes with the frame
    ui::Holder<town::Suii> suii;            // not modal: the weeks go on
    ui::Holder<building::Gaikan> gaikan;    // not modal: the weeks go on
    ui::Holder<town::Mokuhyou> mokuhyou;    // not modal: the weeks go on
    ui::Holder<settings::Hajimete> hajimete;  // not modal: the weeks go on

    // Start-up: the title screen alone.
    void startUp();
    // A file of the program folder, named as the game names it ("\hotel.bmp").
    QString programFile(const QString& literal) const;

    // Clock rule shared by every window that holds the game still.
    void stopClock();
    void restartClock();

    // The player did `act`; the one listener, if any, hears it.
    void did(Act act) const {
        if (listener_) listener_->saw(act);
    }
    void listen(ActListener* l) { listener_ = l; }
    void stopListening(const ActListener* l) {
        if (listener_ == l) listener_ = nullptr;
    }

private:
    ActListener* listener_ = nullptr;
};
