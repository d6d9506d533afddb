#pragma once
#include "core/storage/programfolder.h"

#include <QTemporaryDir>

// A fresh program folder for one test: archives, stores and settings go here.
class TestFolder
{
public:
    TestFolder() { ProgramFolder::setPath(m_dir.path()); }
    ~TestFolder() { ProgramFolder::setPath(QString()); }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
