#pragma once
// The desktop's own style, with what the text sizes and high contrast need
// of it: a child window's title bar as tall as its title and, in high
// contrast, light words and signs on a dark bar, in front or behind, with
// the keyboard in the window or not; a button's margins and a slider's
// handle as large as the text.

namespace ui::qt {

// Put in place once, around the style the desktop chose.
void useGameStyle();

}  // namespace ui::qt
