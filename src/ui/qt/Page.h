#pragma once
// A rich-text page (the help page) given new character formats: each block's
// own (a list's number is drawn in it) and every run of words or picture.
#include <QTextCharFormat>
#include <functional>

class QTextDocument;

namespace ui::qt {

void reformat(QTextDocument* page, const std::function<QTextCharFormat(QTextCharFormat)>& change);

}  // namespace ui::qt
