#pragma once

#include "view/Images.h"

#include <string>

// A usage error unless the file is a .png or an .svg, and .png only when the
// tool was built with Qt. Checked before any computation.
void VerifierImage(const std::string& chemin);

// Writes the chart as the file's extension says, on the dialogs' grey; a
// file error otherwise. PNG pictures are painted offscreen, without a display.
void EnregistrerGraphique(const std::string& chemin, const CRectangle& cadre,
                          const FonctionDessin& dessin);
