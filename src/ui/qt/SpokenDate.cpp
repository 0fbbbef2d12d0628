#include "ui/qt/SpokenDate.h"

#include <QStringList>

#include "ui/qt/Language.h"
#include "ui/qt/ScreenReader.h"

namespace ui::qt {

QString spokenDate(int year, int month, int week) {
    if (year < 1) return {};
    QStringList parts;
    for (auto [n, unit] : {std::pair{year, u"年目"}, {month, u"月"}, {week, u"週"}}) {
        const QString word = shown(QString::fromUtf16(unit));
        parts << (unitsBeforeNumbers() ? figureWords({word}, QString::number(n), {})
                                       : figureWords({}, QString::number(n), {word}));
        if (parts.size() > 1) parts.back()[0] = parts.back()[0].toLower();  // "Year 2 month 1 week 1"
    }
    return parts.join(u' ');
}

}  // namespace ui::qt
