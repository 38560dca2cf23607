// Building a scene from a model made with another program.
#include "cli/Commandes.h"
#include "cli/Json.h"

#include "document/VantrelDoc.h"
#include "import/LectureModele.h"

std::string CommandeImporter(CContexte& c, const CArguments& arguments) {
    const std::string modele = *arguments.Valeur("MODEL");
    const std::string sortie = *arguments.Valeur("OUT");
    CImportModele import;
    import.m_dEchelle = arguments.Reel("--scale").value_or(1.0);
    import.m_bYHaut = arguments.Present("--z-up");

    std::vector<CPolygoneModele> polygones;
    std::string strErreur;
    if (!LireModele(modele, polygones, strErreur)) {
        ErreurFichier(strErreur);
    }
    CBilanImport bilan;
    if (!import.Importer(c.doc, polygones, bilan, strErreur)) {
        ErreurRefus(strErreur);
    }
    EnregistrerScene(c, sortie);

    if (arguments.Json()) {
        return TexteJson({{"input", modele},
                          {"output", sortie},
                          {"faces", bilan.Faces()},
                          {"quadrilaterals", bilan.nQuadrilateres},
                          {"triangles", bilan.nTriangles},
                          {"skipped_degenerate", bilan.nDegeneres},
                          {"skipped_out_of_range", bilan.nHorsLimites},
                          {"bytes", c.doc.Ecrire().size()}});
    }
    return "wrote \"" + sortie + "\": " + CImportModele::Message(bilan) + "\n";
}
