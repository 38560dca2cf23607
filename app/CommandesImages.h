#pragma once

#include "app/CommandesEtude.h"

class CInteraction;
class CMainFrame;
class CVantrelDoc;

// "Save the view as a picture...": the size (the view's by default), the
// file, then the view drawn at that size with the same framing and saved as
// PNG.
void BrancherImages(Gestionnaires& gestionnaires, CMainFrame& fenetre, CVantrelDoc& doc,
                    CInteraction& interaction);
