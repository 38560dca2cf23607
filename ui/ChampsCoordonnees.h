#pragma once

#include "platform/Validation.h"

class QLineEdit;

// The coordinate edits of the modeless modelling windows, which hold plain
// doubles: shown with 15 significant digits as the platform shows a double,
// read as typed; a text that is not a number is refused.
void FixerCoordonnee(QLineEdit* pEdit, double d);
CResultatValidation LireCoordonnee(const QLineEdit* pEdit, int nChamp, double& d);
