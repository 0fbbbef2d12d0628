#pragma once
// How a failed comparison shows Qt's strings and the game's values: as text,
// not as the bytes of the object. Included into every test file by the build,
// so no comparison can miss it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

#include "ui/Variant.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < l.size(); ++i) {
        if (i) *os << ", ";
        PrintTo(l[i], os);
    }
    *os << '}';
}

inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << "bytes \"" << b.toPercentEncoding(" ,.-+:;/\\\"'").toStdString() << '"';
}

namespace ui {
inline void PrintTo(const Variant& v, std::ostream* os) {
    if (v.isEmpty())
        *os << "(empty)";
    else if (v.isText())
        ::PrintTo(v.toText(), os);
    else
        *os << (v.isWhole() ? "whole " : "real ") << v.toText().toStdString();
}
}  // namespace ui
