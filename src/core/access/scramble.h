#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The password store keeps the password scrambled: one byte after another is
// XORed with the high byte of a running 16-bit key, which then advances with
// the scrambled byte. Each byte becomes two upper-case hexadecimal digits.
// The password is scrambled as its Windows-1252 bytes, so every character
// that can be typed into the password boxes comes back as itself.
namespace Scrambler {
QString scramble(const QByteArray &plain);
// nullopt when the text holds a pair that is not hexadecimal; a final odd
// digit is ignored.
std::optional<QByteArray> unscramble(QStringView hex);
}
