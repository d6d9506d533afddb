#pragma once

class ArchiveWindow;

// The export command of an archive window: opens the export window of the
// window's archive (chosen by its kind tag) modally and frees it on close.
// Does nothing for a kind tag without an export.
void openExport(ArchiveWindow *window);
