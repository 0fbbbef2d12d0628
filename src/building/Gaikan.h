#pragma once
// The window "外観": the building as it stands, one storey a floor from the
// lobby up to the top floor and the rooftop above, each marked by the sign of
// its floor picture. It keeps nothing of its own: it reads the floors and the
// rank from the game, and a storey's click is the building window's floor click.
#include <vector>

#include "building/Signs.h"
#include "shell/Program.h"

namespace building {

class Gaikan : public ui::Form {
public:
    explicit Gaikan(Program& p);
    const char* name() const override { return "Gaikan"; }

    struct Storey {
        int floor;  // 1 (the lobby) up to the top floor; 0 for the rooftop
        const Sign* sign;
        QString floorText() const;  // "12階"; empty for the rooftop
        QString word() const { return QString::fromUtf16(sign->word); }
        bool operator==(const Storey&) const = default;
    };
    // The rooftop first, then each floor from the top down to the lobby.
    std::vector<Storey> storeys() const;
    QString floorCount() const;  // "12階建て"
    QString rank() const;        // the panel's 評価

    // Opens the storey's floor (0: the rooftop) in 階数ごと.
    void storeyClick(int floor);

private:
    Program& p;
};

}  // namespace building
