#pragma once
#include "ui/formkit.h"

// The attach window's design as data: the banner, the three slots and the
// buttons under them at their pixel positions on the 634 x 534 window.
namespace AttachmentsForm {

using FormKit::ButtonDesign;
using FormKit::FontDesign;
using FormKit::LabelDesign;
using FormKit::SurfaceDesign;

inline constexpr int windowWidth = 634, windowHeight = 534;
inline constexpr const char *caption = " Allega file";
inline constexpr SurfaceDesign banner = {"imgLogo", 20, 20, 543, 49};
inline constexpr const char *memory = "lblMemory";   // the kind tag of the archive window served

// Three slots, each slotStep below the one before; these are the pieces of
// the first. Every name ends in the slot's number (01..03) but the captions',
// which count on from lblCampo01; the captions take the slot's ordinal.
inline constexpr int slotCount = 3, slotStep = 120;
inline constexpr SurfaceDesign group = {"shpGruppo", 16, 80, 577, 113};
inline constexpr FontDesign captionFont = {9, false, "Arial"};
inline constexpr LabelDesign nameCaption = {"lblCampo", "Nome %1° file allegato:", 28, 90, 0, 0, captionFont};
inline constexpr SurfaceDesign fileBox = {"txtFile", 28, 108, 338, 22};
inline constexpr FontDesign fileFont = {9, true, "Arial"};
inline constexpr SurfaceDesign eraser = {"imgCancella", 370, 108, 22, 22};
inline constexpr ButtonDesign browseButton = {"btnSfoglia", "Sfoglia...", 400, 104, 86, 28};
inline constexpr ButtonDesign openButton = {"btnApri", "Apri", 494, 104, 86, 28};
inline constexpr LabelDesign descriptionCaption = {"lblCampo", "Descrizione %1° file allegato:", 28, 140, 0, 0,
                                                   captionFont};
inline constexpr SurfaceDesign descriptionBox = {"txtDesc", 28, 158, 552, 22};
inline constexpr FontDesign descriptionFont = {12, true};

// Under the slots, after them in tab order.
inline constexpr ButtonDesign cancel = {"btnAnnulla", "Annulla", 312, 456, 126, 32};
inline constexpr ButtonDesign apply = {"btnApplica", "Applica e chiudi", 447, 456, 154, 32};
inline constexpr SurfaceDesign progress = {"pgbCopia", 28, 462, 270, 20};   // shown while a large file is copied

}
