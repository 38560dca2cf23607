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

// Shortest text that reads back as the same double ("0.1", "-89.9", "1000000").
std::string TexteReel(double d);

// Parses a whole field as a number; nothing when the text is not one.
std::optional<double> LireReel(const std::string& texte);
std::optional<long> LireEntier(const std::string& texte);
