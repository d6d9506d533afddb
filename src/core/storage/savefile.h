#pragma once
class QSaveFile;

namespace SaveFile {
// Makes what was written to `file` replace the old file, or keeps the old
// file and returns false. QSaveFile::commit() alone takes a failure of its
// last flush for success, so a full disk would put a short or empty file in
// place of the old one; the buffer is therefore flushed and checked first.
bool commit(QSaveFile &file);
}
