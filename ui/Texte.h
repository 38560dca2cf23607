#pragma once

#include <QString>

#include <optional>
#include <string>

// The boundary between the core's strings and Qt's: stored and shown texts
// are Windows-1252 in the core, file paths are in the file system's encoding.

// A text of the core, for display.
QString DepuisCp1252(const std::string& cp1252);
// A typed text for the core; nothing, with the reason in *pErreur, when a
// character cannot be stored.
std::optional<std::string> VersCp1252(const QString& texte, QString* pErreur = nullptr);
// The message shown when a typed text cannot be stored: it names the first
// character the code page lacks by its code point (the message itself must be
// Windows-1252). Nothing when the whole text can be stored.
std::optional<std::string> RefusCp1252(const QString& texte);
// A text for display only: characters the code page lacks become '?'.
std::string VersCp1252Affichage(const QString& texte);

// File paths between Qt and the core's file functions.
std::string CheminLocal(const QString& chemin);
QString DepuisCheminLocal(const std::string& chemin);
