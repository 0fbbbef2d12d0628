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
