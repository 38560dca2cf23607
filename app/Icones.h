#pragma once

#include <QIcon>

// The toolbar image of a command, 16 x 15 pixels, drawn for the program
// (SVG resources); a null icon for a command without a button.
QIcon IconeCommande(int nId);

// The program's icon and the splash picture.
QIcon IconeProgramme();
QPixmap ImageAccueil(); // 490 x 196
