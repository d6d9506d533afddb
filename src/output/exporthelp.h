#pragma once
#include <QString>

class QWidget;

// Opens the help page of an export window; `archiveKindTag` is the kind tag
// of the archive exported ("anagrafica", "certificazioni", "atti").
void openExportHelp(QWidget *parent, const QString &archiveKindTag);
