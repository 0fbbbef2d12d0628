#include "settings/Help1.h"

#include <algorithm>

namespace settings {

namespace {
constexpr int kSideMargin = 800;    // twips the browser leaves of the window's width
constexpr int kBottomMargin = 300;  // and of its height
}  // namespace

// A window smaller than the margins (a minimised one, say) leaves the browser
// at no size at all rather than a negative one.
void Help1::formResize() {
    Tesk.height = std::max(0, Height - kBottomMargin);
    Tesk.width = std::max(0, Width - kSideMargin);
}

}  // namespace settings
