#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The program password, kept scrambled in an INI file beside the program:
// section Accesso, key Valore. Its name does not reflect its content.
namespace PasswordStore {
inline constexpr const char *fileName = "unins000.dll";

// The canonical form compared and stored: trimmed, letters a to z in capitals,
// as Windows-1252 bytes.
QByteArray canonical(QStringView typed);

// The stored password, unscrambled and trimmed; empty when the file or the key
// is missing; nullopt when the store cannot be read or holds no hexadecimal.
std::optional<QByteArray> read();

// Stores the scrambled canonical password; false when it could not be written.
bool write(const QByteArray &canonicalPassword);

// Makes the store at the given path unless it already exists (installation).
bool install(const QString &path, QStringView initialPassword);
}
