#pragma once

#include "view/Images.h"

class QFont;

// "Save the chart...": asks for the file (PNG or SVG, with the overwrite
// question), writes the chart on the dialogs' grey, and says why in a
// message when it cannot.
void EnregistrerGraphique(CInteraction& interaction, const CRectangle& cadre,
                          const FonctionDessin& dessin, const QFont& police);
// The failure of a picture's save, as the failure of an export is told.
void SignalerEchecImage(CInteraction& interaction, const std::string& strErreur);
