// The password store as found beside the program: any content reads without
// harm, and a password written over it is the one read back.
#include "inicheck.h"

#include "core/access/passwordstore.h"
#include "core/access/scramble.h"
#include "core/storage/cp1252.h"
#include "core/storage/programfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView content = Fuzz::bytes(data, size);
    ProgramFolder::setPath(Fuzz::scratchFolder());
    const QString path = ProgramFolder::file(QString::fromLatin1(PasswordStore::fileName));
    const QString section = QStringLiteral("Accesso"), key = QStringLiteral("Valore");

    Fuzz::writeFile(path, content);
    const auto stored = PasswordStore::read();
    const auto unscrambled = Scrambler::unscramble(IniFile::valueIn(content, section, key));
    FUZZ_REQUIRE(stored.has_value() == unscrambled.has_value());
    if (stored) {
        FUZZ_REQUIRE(stored->size() <= unscrambled->size());
        FUZZ_REQUIRE(unscrambled->contains(*stored));
    }

    // A password typed from the last bytes, stored over whatever was there.
    const QString typed = Cp1252::decode(content.last(qMin(content.size(), qsizetype(40))));
    const QByteArray canonical = PasswordStore::canonical(typed);
    Fuzz::writeFile(path, content);
    FUZZ_REQUIRE(PasswordStore::write(canonical));
    FUZZ_REQUIRE(PasswordStore::read() == canonical);

    Fuzz::checkIniWrite(path, content, section, key, Scrambler::scramble(canonical),
                        Scrambler::scramble(canonical));
    return 0;
}
