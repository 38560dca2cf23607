#pragma once

#include "platform/Validation.h"

#include <string>

// Reading the edits of the solar dialogs: a text that is not a number gets
// the platform's "enter a number" message, an out-of-range one the range
// message. The value is written only when accepted.
CResultatValidation LireChampReel(int nChamp, const std::string& texte, double dMin, double dMax,
                                  double& dValeur);
CResultatValidation LireChampEntier(int nChamp, const std::string& texte, long nMin, long nMax,
                                    int& nValeur);

// Text of a read-only result edit: 15 significant digits, as the platform
// shows a double, so that 21.099999999999994 reads "21.1".
std::string TexteResultat(double d);
