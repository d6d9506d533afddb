#pragma once
#include "ui/drawnpicture.h"

#include <QString>

// The drawn pictures of the search and summary windows.
namespace SearchPictures {
// The result panel's banner: the title in white capitals on a blue band.
DrawnPicture::Painter banner(const QString &title);
// The filter panel's instructions, beside a magnifier.
DrawnPicture::Painter filterInstructions();
// How Trova works, beside a magnifier.
DrawnPicture::Painter findInstructions();
}
