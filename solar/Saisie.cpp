#include "solar/Saisie.h"

#include <cstdio>

CResultatValidation LireChampReel(int nChamp, const std::string& texte, double dMin, double dMax,
                                  double& dValeur) {
    const auto d = LireReel(texte);
    if (!d) {
        return CRefus{nChamp, MessageNombreInvalide()};
    }
    if (auto r = VerifierReel(nChamp, *d, dMin, dMax)) {
        return r;
    }
    dValeur = *d;
    return std::nullopt;
}

CResultatValidation LireChampEntier(int nChamp, const std::string& texte, long nMin, long nMax,
                                    int& nValeur) {
    const auto n = LireEntier(texte);
    if (!n) {
        return CRefus{nChamp, MessageEntierInvalide()};
    }
    if (auto r = VerifierEntier(nChamp, *n, nMin, nMax)) {
        return r;
    }
    nValeur = static_cast<int>(*n);
    return std::nullopt;
}

std::string TexteResultat(double d) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.15g", d);
    return tampon;
}
