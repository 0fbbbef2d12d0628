#pragma once
// A value that is empty, a whole number, a floating number or text, and keeps
// whichever kind was stored last (the name, the money copies, Last).
#include <QString>
#include <cstdint>
#include <variant>

#include "ui/Number.h"

namespace ui {

class Variant {
public:
    Variant() = default;
    static Variant whole(int64_t v) { Variant x; x.v_ = v; return x; }
    static Variant real(double v) { Variant x; x.v_ = v; return x; }
    static Variant text(QString s) { Variant x; x.v_ = std::move(s); return x; }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    bool isNumber() const { return isWhole() || isReal(); }
    bool isWhole() const { return std::holds_alternative<int64_t>(v_); }
    bool isReal() const { return std::holds_alternative<double>(v_); }
    bool isText() const { return std::holds_alternative<QString>(v_); }

    // Joined into a caption: text as it is, a number as its decimal text.
    QString toText() const {
        if (isWhole()) return QString::number(std::get<int64_t>(v_));
        if (isReal()) return numberText(std::get<double>(v_));
        if (isText()) return std::get<QString>(v_);
        return {};
    }
    // As a number: empty is 0, text is read strictly.
    double toNumber() const {
        if (isWhole()) return double(std::get<int64_t>(v_));
        if (isReal()) return std::get<double>(v_);
        if (isText()) return strictNumber(std::get<QString>(v_));
        return 0;
    }
    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, int64_t, double, QString> v_;
};

}  // namespace ui
