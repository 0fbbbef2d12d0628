#pragma once
// Code page 932, the save file's encoding.
#include <QByteArray>
#include <QString>
#include <optional>

namespace state {

// Can every character of the text be written in code page 932 and read back?
bool cp932CanHold(const QString& text);
QByteArray toCp932(const QString& text);
// Swaps the characters input methods here type for the look-alikes code page
// 932 has (〜 for ～, − for －, and so on); everything else stays.
QString toCp932LookAlikes(const QString& text);
QString fromCp932(const QByteArray& bytes);
// The text, or nothing when the bytes are not whole code page 932 text
// (a byte no character starts with, or a character cut in half).
std::optional<QString> fromCp932Exact(const QByteArray& bytes);

}  // namespace state
