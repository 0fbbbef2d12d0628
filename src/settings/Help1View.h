#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

class QTextBrowser;

namespace settings {
// The help viewer: the form keeps its sizes in twips; this view turns them
// into pixels and back.
class Help1View : public ui::qt::DialogView {
public:
    Help1View(Program& p, QWidget* owner);
    ~Help1View() override;

    // Twips in one (device-independent) pixel.
    static constexpr int kTwipsPerPixel = 15;

private:
    QObject* resizeWatch_;
};
}  // namespace settings
