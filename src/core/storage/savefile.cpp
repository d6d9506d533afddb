#include "core/storage/savefile.h"

#include <QSaveFile>

bool SaveFile::commit(QSaveFile &file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
