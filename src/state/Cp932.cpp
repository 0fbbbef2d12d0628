#include "state/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace state {

namespace {
constexpr const char* kCodec = "windows-31j";
}

QByteArray toCp932(const QString& text) {
    QStringEncoder enc(kCodec);
    return enc.encode(text);
}

QString fromCp932(const QByteArray& bytes) {
    QStringDecoder dec(kCodec);
    return dec.decode(bytes);
}

QString toCp932LookAlikes(const QString& text) {
    static constexpr struct { char16_t from, to; } kSwaps[] = {
        {u'\u301C', u'\uFF5E'},  // wave dash → fullwidth tilde
        {u'\u2212', u'\uFF0D'},  // minus sign → fullwidth hyphen-minus
        {u'\u2016', u'\u2225'},  // double vertical line → parallel to
        {u'\u00A2', u'\uFFE0'},  // cent sign
        {u'\u00A3', u'\uFFE1'},  // pound sign
        {u'\u00AC', u'\uFFE2'},  // not sign
        {u'\u2014', u'\u2015'},  // em dash → horizontal bar
    };
    QString out = text;
    for (QChar& c : out)
        for (const auto& s : kSwaps)
            if (c.unicode() == s.from) c = QChar(s.to);
    return out;
}

std::optional<QString> fromCp932Exact(const QByteArray& bytes) {
    QStringDecoder dec(kCodec, QStringConverter::Flag::Stateless);
    QString text = dec.decode(bytes);
    if (!dec.isValid() || dec.hasError()) return std::nullopt;
    return text;
}

bool cp932CanHold(const QString& text) {
    QStringEncoder enc(kCodec);
    if (!enc.isValid()) return false;
    const QByteArray bytes = enc.encode(text);
    if (enc.hasError()) return false;
    // Substitutions show up as a different text on the way back.
    return fromCp932(bytes) == text;
}

}  // namespace state
