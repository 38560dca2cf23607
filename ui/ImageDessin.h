#pragma once

#include "view/Images.h"

#include <QImage>

#include <string>

class QFont;

// Pictures of the core's drawings through the QPainter surface, with Qt's
// image formats; needs a QGuiApplication (a window system, or the offscreen
// one), but no widget.

// The drawing over the frame (in the routine's pixels) on a picture of the
// frame's size filled with the background, its texts in the font given.
QImage ImageDessin(const CRectangle& cadre, CCouleur fond, const FonctionDessin& dessin,
                   const QFont& police);

// Writes a picture as PNG, safely: a failure leaves any old file whole and
// says why in strErreur.
bool EnregistrerPng(const QImage& image, const std::string& chemin, std::string& strErreur);

// Writes the drawing as PNG or SVG, as the file's extension says; false with
// the reason (also for any other extension).
bool EnregistrerDessin(const std::string& chemin, const CRectangle& cadre, CCouleur fond,
                       const FonctionDessin& dessin, const QFont& police, std::string& strErreur);
