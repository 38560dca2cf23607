// Writes the benchmark scenes as scene files, for timing the command-line
// tool on them (city10k.vtl: the city of the face scaling at 10,000 faces):
//
//   ./build/release/bench/vantrel-scenes-banc DIR
//   /usr/bin/time -v ./build/release/cli/vantrel-cli day-report DIR/block.vtl --date "21 june"
#include "bench/ScenesBanc.h"
#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <cstdio>
#include <functional>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string strDossier = argv[1];
    const std::pair<const char*, std::function<void(CVantrelDoc&)>> scenes[] = {
        {"street.vtl", ConstruireRueBanc},
        {"block.vtl", ConstruireIlot},
        {"ground5M.vtl", [](CVantrelDoc& doc) { ConstruireSolEtMur(doc, 4900000); }},
        {"city10k.vtl", [](CVantrelDoc& doc) { ConstruireVille(doc, 1681, 1000000); }},
    };
    for (const auto& [szNom, construire] : scenes) {
        CInteractionScriptee ui;
        CVantrelDoc doc(ui);
        construire(doc);
        std::string strErreur;
        const std::string strChemin = strDossier + "/" + szNom;
        if (!doc.Enregistrer(strChemin, strErreur)) {
            std::fprintf(stderr, "%s: %s\n", strChemin.c_str(), strErreur.c_str());
            return 1;
        }
        std::printf("%s: %d faces\n", strChemin.c_str(), g_nFaces);
    }
    return 0;
}
