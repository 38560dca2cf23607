#pragma once

#include "platform/DC.h"

// The named pens and brushes of the program. Pens and brushes are values, so
// these are constants shared by every drawing routine.

// The 3-D view.
inline constexpr CBrosse g_brosseFond{CCouleur(92, 92, 92)};
inline constexpr CStylo g_styloFaces{CCouleur(255, 255, 255)};
inline constexpr CStylo g_styloRecepteurs{CCouleur(255, 255, 0)};
inline constexpr CStylo g_styloSelection{CCouleur(255, 0, 255)};
inline constexpr CStylo g_styloOuvertures{CCouleur(255, 0, 255), 1, EStyleTrait::Pointille};
inline constexpr CStylo g_styloCopie{CCouleur(0, 192, 255)};

// Overlays of the view.
inline constexpr CStylo g_styloTriedre{CCouleur(0, 192, 0), 2};
inline constexpr CStylo g_styloAxeClair{CCouleur(0, 255, 0), 2};
inline constexpr CStylo g_styloAxeSombre{CCouleur(0, 128, 0), 2};
inline constexpr CStylo g_styloNord{CCouleur(92, 128, 255)};
inline constexpr CStylo g_styloQuadrillage{CCouleur(128, 128, 128)};
inline constexpr CStylo g_styloRayon{CCouleur(255, 0, 0)};
inline constexpr CBrosse g_brosseBlanche{CCouleur(255, 255, 255)};
inline constexpr CBrosse g_brosseNoire{CCouleur(0, 0, 0)};
// The sun's path and its hour marks.
inline constexpr CStylo g_styloCourse{CCouleur(255, 176, 0)};
inline constexpr CBrosse g_brosseCourse{CCouleur(255, 176, 0)};

// Charts of the tool dialogs.
inline constexpr CStylo g_styloNoir{CCouleur(0, 0, 0)};
inline constexpr CStylo g_styloBleu{CCouleur(0, 0, 255), 2};
inline constexpr CStylo g_styloJaune{CCouleur(255, 255, 0), 2};
inline constexpr CStylo g_styloRouge{CCouleur(255, 0, 0), 2};

// Colours of texts.
inline constexpr CCouleur g_couleurBlanche{255, 255, 255};
inline constexpr CCouleur g_couleurNoire{0, 0, 0};
inline constexpr CCouleur g_couleurNord{92, 128, 255};
inline constexpr CCouleur g_couleurSoleil{255, 0, 0};
inline constexpr CCouleur g_couleurCourse{255, 176, 0};
