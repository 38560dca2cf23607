// Commands that light the receivers: lighting, day-report.
#include "cli/Commandes.h"
#include "cli/Images.h"
#include "cli/Json.h"
#include "cli/Progression.h"

#include "document/Fichier.h"
#include "document/VantrelDoc.h"
#include "geometry/Arrondi.h"
#include "view/Graphiques.h"

#include <cstdio>

void GenererMaillages(CContexte& c) {
    c.interaction.m_messages.clear();
    if (!c.doc.GenererMaillages()) {
        ErreurRefus(MessageSurUneLigne(c.interaction.DernierMessage("the meshes were refused")));
    }
}

namespace {

// Every node of every receiver: "face,node,x,y,z,value".
std::string TexteNoeuds(const CVantrelDoc& doc) {
    std::string texte = "face,node,x,y,z,value\n";
    for (int i = 0; i < g_nFaces; ++i) {
        const CMaillage* pMaillage = doc.Face(i)->m_pNoeuds.get();
        if (pMaillage == nullptr) {
            continue;
        }
        for (int k = 0; k < pMaillage->Taille(); ++k) {
            const auto n = static_cast<std::size_t>(k);
            texte += std::to_string(i) + ',' + std::to_string(k) + ',' +
                     TexteExact(pMaillage->m_x[n]) + ',' + TexteExact(pMaillage->m_y[n]) + ',' +
                     TexteExact(pMaillage->m_z[n]) + ',' + TexteExact(pMaillage->m_valeurs[n]) +
                     '\n';
        }
    }
    return texte;
}

} // namespace

std::string CommandeEclairement(CContexte& c, const CArguments& arguments) {
    ReglerDateHeure(c, arguments);
    const std::optional<std::string> noeuds = arguments.Valeur("--nodes");
    ChargerScene(c, *arguments.Valeur("FILE"));
    CVantrelDoc& doc = c.doc;
    CPositionSoleil& soleil = doc.m_positionSoleil;
    soleil.CalculerPosition();
    soleil.CalculerDirection();
    CProgression progression("lighting");
    GenererMaillages(c);
    doc.CalculerEclairement();
    const CEclairementRecepteurs& scene = doc.m_eclairementRecepteurs;

    CJson json = {{"azimuth", Decimale(soleil.m_dAzimut, 2)},
                  {"altitude", Decimale(soleil.m_dAltitude, 2)},
                  {"equivalent", Decimale(scene.m_dEquivalent, 2)},
                  {"incidence", Decimale(scene.m_dIncidence, 2)},
                  {"receivers", CJson::array()}};
    CTableau tableau({"#", "receiver", "equivalent %", "incidence deg", "net area m2", "nodes"},
                     {true, false, true, true, true, true});
    for (int i = 0; i < g_nFaces; ++i) {
        CFace& f = *doc.Face(i);
        if (!f.m_proprietes.m_bRecepteur) {
            continue;
        }
        // Rounded as the scene's results are.
        const double dEquivalent = Arrondi(f.m_dEclairement, 2);
        const double dIncidence = Arrondi(f.m_dIncidence, 2);
        const double dAireNette = f.AireNette();
        const int nNoeuds = f.m_pNoeuds ? f.m_pNoeuds->Taille() : 0;
        json["receivers"].push_back({{"index", i},
                                     {"name", TexteUtf8(f.m_proprietes.m_strNom)},
                                     {"equivalent", Decimale(dEquivalent, 2)},
                                     {"incidence", Decimale(dIncidence, 2)},
                                     {"net_area", dAireNette},
                                     {"nodes", nNoeuds}});
        tableau.AjouterLigne({std::to_string(i), TexteAffiche(f.m_proprietes.m_strNom),
                              TexteNombre(dEquivalent), TexteNombre(dIncidence),
                              TexteNombre(Arrondi(dAireNette, 4)), std::to_string(nNoeuds)});
    }
    if (noeuds) {
        std::string strErreur;
        if (!EnregistrerTexte(*noeuds, TexteNoeuds(doc), strErreur)) {
            ErreurFichier(strErreur);
        }
    }
    doc.DetruireMaillages();

    if (arguments.Json()) {
        return TexteJson(json);
    }
    std::string texte = "sun        " +
                        TexteDateHeure(soleil.m_nIndexDate, soleil.m_nHeure, soleil.m_nMinute) +
                        ": azimuth " + TexteNombre(soleil.m_dAzimut) + " deg, altitude " +
                        TexteNombre(soleil.m_dAltitude) + " deg\n";
    texte += "equivalent " + TexteNombre(scene.m_dEquivalent) + " %\n";
    texte += "incidence  " + TexteNombre(scene.m_dIncidence) + " deg\n\n";
    return texte + tableau.Texte();
}

std::string CommandeBilanJournalier(CContexte& c, const CArguments& arguments) {
    const int nIndexDate = arguments.Date();
    int nIndexPas = -1; // the parser let only the steps of the list through
    if (const std::optional<long> n = arguments.Entier("--step")) {
        for (int i = 0; i < COptionsCalcul::kNombrePas; ++i) {
            if (COptionsCalcul::s_minutesPas[static_cast<std::size_t>(i)] == *n) {
                nIndexPas = i;
            }
        }
    }
    const std::optional<std::string> export_ = arguments.Valeur("--export");
    const std::optional<std::string> graphique = arguments.Valeur("--chart");
    if (graphique) {
        VerifierImage(*graphique);
    }
    ChargerScene(c, *arguments.Valeur("FILE"));
    CVantrelDoc& doc = c.doc;
    if (nIndexPas >= 0) {
        doc.m_optionsCalcul.m_nIndexPas = nIndexPas;
        doc.m_optionsCalcul.m_nPasMinutes =
            COptionsCalcul::s_minutesPas[static_cast<std::size_t>(nIndexPas)];
    }

    CBilanJournalier& bilan = doc.m_bilanJournalier;
    bilan.m_nIndexDate = nIndexDate;
    bilan.Ouvrir();
    GenererMaillages(c);
    {
        CProgression progression("day report",
                                 CBilanJournalier::kEchantillonsMax / bilan.PasMinutes());
        bilan.Calculer(doc.Faces(), [&progression] { progression.Avancer(); });
    }
    doc.DetruireMaillages();
    bilan.CalculerMoyennes();

    if (export_) {
        // The dialog exports nothing below two samples; a file of the
        // program always gives more, a damaged step may not.
        if (!bilan.PeutExporter()) {
            ErreurRefus("fewer than two samples: nothing to export");
        }
        std::string strErreur;
        if (!bilan.Exporter(*export_, strErreur)) {
            ErreurFichier(strErreur);
        }
    }

    if (graphique) {
        EnregistrerGraphique(*graphique, g_cadreGraphiqueBilan, [&bilan](CDC* pDC) {
            DessinerGraphiqueBilan(pDC, bilan.m_echantillons.data(), bilan.m_nEchantillons,
                                   bilan.PasMinutes());
        });
    }

    CJson json = {{"samples", CJson::array()}};
    CTableau tableau({"time", "equivalent %", "incidence deg", "altitude deg"},
                     {false, true, true, true});
    for (int k = 0; k < bilan.m_nEchantillons; ++k) {
        const CEchantillon& e = bilan.m_echantillons[static_cast<std::size_t>(k)];
        json["samples"].push_back({{"hour", e.m_nHeure},
                                   {"minute", e.m_nMinute},
                                   {"equivalent", Decimale(e.m_dEquivalent, 2)},
                                   {"incidence", Decimale(e.m_dIncidence, 2)},
                                   {"altitude", Decimale(e.m_dAltitude, 2)}});
        char heure[16];
        std::snprintf(heure, sizeof heure, "%02d:%02d", e.m_nHeure, e.m_nMinute);
        tableau.AjouterLigne({heure, TexteNombre(e.m_dEquivalent), TexteNombre(e.m_dIncidence),
                              TexteNombre(e.m_dAltitude)});
    }
    json["averages"] = {{"equivalent", Decimale(bilan.m_dEquivalentMoyen, 2)},
                        {"incidence", Decimale(bilan.m_dIncidenceMoyenne, 2)},
                        {"altitude", Decimale(bilan.m_dAltitudeMoyenne, 2)}};
    if (arguments.Json()) {
        return TexteJson(json);
    }
    std::string texte =
        "day report " +
        std::string(CPositionSoleil::s_dates[static_cast<std::size_t>(nIndexDate)]) + ", every " +
        std::to_string(bilan.PasMinutes()) + " min, " + std::to_string(bilan.m_nEchantillons) +
        " samples\n\n";
    texte += tableau.Texte();
    texte += "\naverages   equivalent " + TexteNombre(bilan.m_dEquivalentMoyen) + " %, incidence " +
             TexteNombre(bilan.m_dIncidenceMoyenne) + " deg, altitude " +
             TexteNombre(bilan.m_dAltitudeMoyenne) + " deg\n";
    return texte;
}

std::string CommandeHeuresSoleil(CContexte& c, const CArguments& arguments) {
    const bool bAnnee = arguments.Present("--year");
    if (bAnnee == arguments.Valeur("--date").has_value()) {
        ErreurUsage(bAnnee ? "--date and --year exclude each other"
                           : "--date or --year is required");
    }
    const std::optional<std::string> noeuds = arguments.Valeur("--nodes");
    ChargerScene(c, *arguments.Valeur("FILE"));
    CVantrelDoc& doc = c.doc;
    CHeuresSoleil& heures = doc.m_heuresSoleil;
    // The dialog's own buffer and checks; the parser has kept the threshold in range.
    CTamponHeuresSoleil tampon = heures.Ouvrir();
    tampon.bAnnee = bAnnee ? 1 : 0;
    tampon.nIndexDate = bAnnee ? tampon.nIndexDate : arguments.Date();
    if (const std::optional<std::string> seuil = arguments.Valeur("--threshold")) {
        tampon.strSeuil = *seuil;
    }
    if (const CResultatValidation r = heures.Valider(tampon)) {
        ErreurUsage(r->strMessage);
    }
    GenererMaillages(c);
    {
        CProgression progression("sun hours", heures.EchantillonsTotal());
        heures.Calculer(doc.Faces(), [&progression] { progression.Avancer(); });
    }
    doc.DetruireMaillages();

    if (noeuds) {
        std::string texte = "face,node,x,y,z,hours\n";
        for (const CHeuresRecepteur& r : heures.m_recepteurs) {
            const CMaillage& m = r.noeuds;
            for (std::size_t k = 0; k < m.m_x.size(); ++k) {
                texte += std::to_string(r.nFace) + ',' + std::to_string(k) + ',' +
                         TexteExact(m.m_x[k]) + ',' + TexteExact(m.m_y[k]) + ',' +
                         TexteExact(m.m_z[k]) + ',' + TexteExact(m.m_valeurs[k]) + '\n';
            }
        }
        std::string strErreur;
        if (!EnregistrerTexte(*noeuds, texte, strErreur)) {
            ErreurFichier(strErreur);
        }
    }

    CJson json = {{"period", heures.m_strPeriode},
                  {"step", heures.PasMinutes()},
                  {"threshold", heures.m_dSeuil},
                  {"receivers", CJson::array()}};
    CTableau tableau({"#", "receiver", "mean h", "min h", "max h", "nodes"},
                     {true, false, true, true, true, true});
    for (const CHeuresRecepteur& r : heures.m_recepteurs) {
        const double dMoyenne = Arrondi(r.dMoyenne, 2);
        const double dMin = Arrondi(r.dMin, 2);
        const double dMax = Arrondi(r.dMax, 2);
        json["receivers"].push_back({{"index", r.nFace},
                                     {"name", TexteUtf8(r.strNom)},
                                     {"mean", Decimale(dMoyenne, 2)},
                                     {"min", Decimale(dMin, 2)},
                                     {"max", Decimale(dMax, 2)},
                                     {"nodes", r.noeuds.Taille()}});
        tableau.AjouterLigne({std::to_string(r.nFace), TexteAffiche(r.strNom),
                              TexteNombre(dMoyenne), TexteNombre(dMin), TexteNombre(dMax),
                              std::to_string(r.noeuds.Taille())});
    }
    if (arguments.Json()) {
        return TexteJson(json);
    }
    return "sun hours " + heures.m_strPeriode + ", every " + std::to_string(heures.PasMinutes()) +
           " min, sunlit " +
           (heures.m_dSeuil > 0 ? "from " + TexteNombre(heures.m_dSeuil) : std::string("above 0")) +
           " %\n\n" + tableau.Texte();
}
