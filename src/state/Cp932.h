#pragma once
// Code page 932, the save file's encoding.
#include <QByteArray>
#include <QString>

namespace state {

// Can every character of the text be written in code page 932 and read back?
bool cp932CanHold(const QString& text);
QByteArray toCp932(const QString& text);
// Swaps the characters input methods here type for the look-alikes code page
// 932 has (〜 for ～, − for －, and so on); everything else stays.
QString toCp932LookAlikes(const QString& text);
QString fromCp932(const QByteArray& bytes);

}  // namespace state
