#include "platform/Validation.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

std::string TexteReel(double d) {
    char tampon[512];
    const double a = std::fabs(d);
    const bool bFixe = a == 0 || (a >= 1e-5 && a < 1e15);
    const auto r = bFixe
                       ? std::to_chars(tampon, tampon + sizeof tampon, d, std::chars_format::fixed)
                       : std::to_chars(tampon, tampon + sizeof tampon, d);
    return std::string(tampon, r.ptr);
}

std::string MessagePlageReel(double dMin, double dMax) {
    return "Please enter a number between " + TexteReel(dMin) + " and " + TexteReel(dMax) + ".";
}

std::string MessagePlageEntier(long nMin, long nMax) {
    return "Please enter an integer between " + std::to_string(nMin) + " and " +
           std::to_string(nMax) + ".";
}

std::string MessageLongueurMax(int nMax) {
    return "Please enter no more than " + std::to_string(nMax) + " characters.";
}

std::string MessageNombreInvalide() {
    return "Please enter a number.";
}

std::string MessageEntierInvalide() {
    return "Please enter an integer.";
}

CResultatValidation VerifierReel(int nChamp, double dValeur, double dMin, double dMax) {
    if (!(dValeur >= dMin && dValeur <= dMax)) { // NaN is refused too
        return CRefus{nChamp, MessagePlageReel(dMin, dMax)};
    }
    return std::nullopt;
}

CResultatValidation VerifierEntier(int nChamp, long nValeur, long nMin, long nMax) {
    if (nValeur < nMin || nValeur > nMax) {
        return CRefus{nChamp, MessagePlageEntier(nMin, nMax)};
    }
    return std::nullopt;
}

CResultatValidation VerifierLongueur(int nChamp, const std::string& str, int nMax) {
    if (static_cast<long>(str.size()) > nMax) {
        return CRefus{nChamp, MessageLongueurMax(nMax)};
    }
    return std::nullopt;
}

namespace {

std::string Nettoyer(const std::string& texte) {
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    while (debut < fin && std::isspace(static_cast<unsigned char>(texte[debut]))) {
        ++debut;
    }
    while (fin > debut && std::isspace(static_cast<unsigned char>(texte[fin - 1]))) {
        --fin;
    }
    std::string s = texte.substr(debut, fin - debut);
    if (!s.empty() && s[0] == '+') {
        s.erase(0, 1);
    }
    return s;
}

} // namespace

std::optional<double> LireReel(const std::string& texte) {
    const std::string s = Nettoyer(texte);
    double d = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), d);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(d)) {
        return std::nullopt;
    }
    return d;
}

std::optional<long> LireEntier(const std::string& texte) {
    const std::string s = Nettoyer(texte);
    long n = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return n;
}
