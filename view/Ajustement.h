#pragma once

#include "platform/PointEcran.h"

class CVantrelDoc;

// "Fit the scene": the camera keeps its orientation and frames every face,
// hidden ones too: all their main points and the arcs of the curved kinds
// project inside the client area with a margin. False, the camera as it was,
// when there is no face.
bool AjusterScene(CVantrelDoc& doc, const CRectangle& client);
