// vantrel-cli: every computation of Vantrel from the command line.
#include "cli/Commandes.h"
#include "document/VantrelDoc.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> mots(argv + 1, argv + argc);
    // One document per process: the program's globals follow it.
    CInteractionConsole interaction;
    CVantrelDoc doc(interaction);
    CContexte contexte{doc, interaction};
    return ExecuterLigneCommande(mots, contexte);
}
