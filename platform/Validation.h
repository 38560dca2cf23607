#pragma once

#include <optional>
#include <string>

// Field checks of the dialogs. A dialog's Validate returns the first field
// that failed with the platform's standard message for it; the window layer
// shows the message, focuses that field and stores nothing.
struct CRefus {
    int nChamp;             // identifier of the refused field, chosen by each dialog
    std::string strMessage; // e.g. "Please enter a number between -89.9 and 89.9."
};

using CResultatValidation = std::optional<CRefus>;

// The accepted interval of a field, bounds included. Each range is written
// once, beside the member it bounds, and read both by its dialog and by the
// scene file reader.
struct CPlage {
    double dMin;
    double dMax;
    bool Contient(double d) const { return d >= dMin && d <= dMax; } // NaN is outside
};
struct CPlageEntier {
    long nMin;
    long nMax;
    bool Contient(long n) const { return n >= nMin && n <= nMax; }
};

// The standard messages.
std::string MessagePlageReel(double dMin, double dMax);
std::string MessagePlageEntier(long nMin, long nMax);
std::string MessageLongueurMax(int nMax);
std::string MessageNombreInvalide();
std::string MessageEntierInvalide();

// Range checks; nothing when the value is accepted (bounds included).
CResultatValidation VerifierReel(int nChamp, double dValeur, double dMin, double dMax);
CResultatValidation VerifierEntier(int nChamp, long nValeur, long nMin, long nMax);
CResultatValidation VerifierLongueur(int nChamp, const std::string& str, int nMax);
inline CResultatValidation VerifierReel(int nChamp, double dValeur, const CPlage& plage) {
    return VerifierReel(nChamp, dValeur, plage.dMin, plage.dMax);
}
inline CResultatValidation VerifierEntier(int nChamp, long nValeur, const CPlageEntier& plage) {
    return VerifierEntier(nChamp, nValeur, plage.nMin, plage.nMax);
}

// Shortest text that reads back as the same double ("0.1", "-89.9", "1000000").
std::string TexteReel(double d);

// Parses a whole field as a number; nothing when the text is not one.
std::optional<double> LireReel(const std::string& texte);
std::optional<long> LireEntier(const std::string& texte);
