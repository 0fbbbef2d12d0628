#include "ui/qt/Page.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

namespace ui::qt {

void reformat(QTextDocument* page, const std::function<QTextCharFormat(QTextCharFormat)>& change) {
    // The pieces first, then their new formats: a format set while walking
    // the pieces would move the walk.
    struct Piece {
        int from, to;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    for (QTextBlock b = page->begin(); b.isValid(); b = b.next()) {
        QTextCursor(b).setBlockCharFormat(change(b.charFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it)
            pieces.push_back({it.fragment().position(), it.fragment().position() + it.fragment().length(),
                              change(it.fragment().charFormat())});
    }
    QTextCursor c(page);
    for (const Piece& p : pieces) {
        c.setPosition(p.from);
        c.setPosition(p.to, QTextCursor::KeepAnchor);
        c.setCharFormat(p.format);
    }
}

}  // namespace ui::qt
