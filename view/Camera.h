#pragma once

#include "geometry/Vecteur.h"
#include "platform/PointEcran.h"

#include <span>

// The camera of the 3-D view, shared by every drawing routine: the images of
// the world axes in camera space (x right, y depth, z up), each g_dEchelle/32
// pixels per metre long, and the screen position of the world origin. It is
// not stored with the scene.
extern double g_dEchelle;
extern CPointEcran g_ptOrigine;
extern CVecteur g_axes[3];

// Reset: the origin at the centre of the client area, 64 pixels per metre,
// world X to the right, Z up, Y away from the viewer.
void InitialiserVue(const CRectangle& client);

// "Fit the scene": the same orientation, the scale and the origin such that
// the points project inside the client area, a twelfth of its width and
// height kept free on each side, and fill it in one direction. The scale is
// reduced when the origin would leave what a pixel position can hold. False,
// nothing changed, without a point.
bool AjusterVue(std::span<const CVecteur> points, const CRectangle& client);

// Turns the camera by a mouse displacement (1/256 radian per pixel) and brings
// every axis image back to g_dEchelle/32; Tourner(0, 0) only applies a changed
// scale.
void Tourner(double dy, double dx);

// Double to pixel by truncation toward zero. Values beyond what a drawing
// surface can address saturate, and a NaN gives 0, so that no conversion is
// undefined and the pixel arithmetic that follows cannot overflow.
int TronquerPixel(double d);
