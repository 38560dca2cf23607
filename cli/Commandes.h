#pragma once

#include "cli/Arguments.h"
#include "cli/Console.h"

#include <string>
#include <vector>

class CVantrelDoc;

// What a command works on: the process's one document and its interaction.
struct CContexte {
    CVantrelDoc& doc;
    CInteractionConsole& interaction;
};

// A command returns the text for standard output (a readable table, or JSON
// with --json); it throws CErreurCli on failure, before writing anything.
using FonctionCommande = std::string (*)(CContexte& contexte, const CArguments& arguments);

// Runs a whole command line (the words after the program name): writes the
// output or the help to standard output, and a one-line message on failure
// to standard error, with the usage for a usage error. Returns the exit code.
int ExecuterLigneCommande(std::vector<std::string> mots, CContexte& contexte);

// ----- The commands (one file per family)
std::string CommandeInfo(CContexte& contexte, const CArguments& arguments);
std::string CommandeExemple(CContexte& contexte, const CArguments& arguments);
std::string CommandeReenregistrer(CContexte& contexte, const CArguments& arguments);
std::string CommandeSoleil(CContexte& contexte, const CArguments& arguments);
std::string CommandeInformationsSolaires(CContexte& contexte, const CArguments& arguments);
std::string CommandeProblemeInverse(CContexte& contexte, const CArguments& arguments);
std::string CommandeCalculsPratiques(CContexte& contexte, const CArguments& arguments);
std::string CommandeEclairement(CContexte& contexte, const CArguments& arguments);
std::string CommandeBilanJournalier(CContexte& contexte, const CArguments& arguments);
std::string CommandeHeuresSoleil(CContexte& contexte, const CArguments& arguments);
std::string CommandeImporter(CContexte& contexte, const CArguments& arguments);

// ----- Shared steps
// Replaces the document with the scene file; a file error otherwise.
void ChargerScene(CContexte& contexte, const std::string& chemin);
// Saves the document (safely: nothing is left at the path on failure).
void EnregistrerScene(CContexte& contexte, const std::string& chemin);
// The sun's date and time from --date and --time (both required).
void ReglerDateHeure(CContexte& contexte, const CArguments& arguments);
// Every receiver's mesh; a refusal carries the program's message.
void GenererMaillages(CContexte& contexte);
// The date of the list and the time, as "21 june 12:00".
std::string TexteDateHeure(int nIndexDate, int nHeure, int nMinute);
