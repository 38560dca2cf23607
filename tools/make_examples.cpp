// Writes the example scenes into a folder, one .vtl file each (house.vtl,
// panels.vtl, street.vtl), through the document's own writer. The committed
// files of examples/ come from here; a test checks that they still match.
//
//   vantrel-make-examples examples
#include "document/VantrelDoc.h"
#include "modelling/Exemples.h"
#include "platform/Interaction.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// Nothing asks the user while a scene is built; say so loudly if it happens.
class CInteractionOutil : public CInteraction {
public:
    EReponse Message(const std::string& strTexte, const std::string& strTitre, EIcone,
                     EBoutons) override {
        std::fprintf(stderr, "vantrel-make-examples: %s: %s\n", strTitre.c_str(), strTexte.c_str());
        return EReponse::Annuler;
    }
    std::optional<std::string> ChoisirFichierEnregistrement(const CChoixFichier&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChoisirFichierOuverture(const CChoixFichier&) override {
        return std::nullopt;
    }
    void RedessinerVues() override {}
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantrel-make-examples FOLDER\n"
                             "Writes house.vtl, panels.vtl and street.vtl into FOLDER.\n");
        return 2;
    }
    const std::filesystem::path dossier(argv[1]);
    if (!std::filesystem::is_directory(dossier)) {
        std::fprintf(stderr, "vantrel-make-examples: \"%s\" is not a folder\n", argv[1]);
        return 1;
    }
    for (const CExemple& e : Exemples()) {
        // A fresh document each time: "&New" would keep the previous
        // example's site, options and view parameters.
        CInteractionOutil interaction;
        CVantrelDoc doc(interaction);
        e.pConstruire(doc);
        const std::string chemin = (dossier / (std::string(e.szNom) + ".vtl")).string();
        std::string strErreur;
        if (!doc.Enregistrer(chemin, strErreur)) {
            std::fprintf(stderr, "vantrel-make-examples: %s\n", strErreur.c_str());
            return 1;
        }
        std::printf("%s: %d faces, %s\n", chemin.c_str(), g_nFaces, e.szDescription);
    }
    return 0;
}
