// Commands that light the receivers: lighting, day-report.
#include "cli/Commandes.h"
#include "cli/Json.h"

#include "document/Fichier.h"
#include "document/VantrelDoc.h"
#include "geometry/Arrondi.h"

#include <cstdio>

#include <unistd.h>

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
                     TexteNombreJson(pMaillage->m_x[n]) + ',' + TexteNombreJson(pMaillage->m_y[n]) +
                     ',' + TexteNombreJson(pMaillage->m_z[n]) + ',' +
                     TexteNombreJson(pMaillage->m_valeurs[n]) + '\n';
        }
    }
    return texte;
}

// The day report's progress on a terminal, on one line redrawn in place.
class CProgression {
public:
    explicit CProgression(int nEchantillons)
        : m_bActive(::isatty(STDERR_FILENO) == 1), m_nEchantillons(nEchantillons) {}
    ~CProgression() { Effacer(); }
    CProgression(const CProgression&) = delete;
    CProgression& operator=(const CProgression&) = delete;

    void Avancer() {
        ++m_nFaits;
        const int nPourcent = m_nFaits * 100 / m_nEchantillons;
        if (m_bActive && nPourcent != m_nPourcent) {
            m_nPourcent = nPourcent;
            std::fprintf(stderr, "\rday report: %3d %%", nPourcent);
            std::fflush(stderr);
        }
    }

private:
    void Effacer() {
        if (m_bActive && m_nPourcent >= 0) {
            std::fprintf(stderr, "\r                  \r");
            std::fflush(stderr);
        }
    }

    bool m_bActive;
    int m_nEchantillons;
    int m_nFaits = 0;
    int m_nPourcent = -1;
};

} // namespace

std::string CommandeEclairement(CContexte& c, const CArguments& arguments) {
    ReglerDateHeure(c, arguments);
    const std::optional<std::string> noeuds = arguments.Valeur("--nodes");
    ChargerScene(c, arguments.m_positionnels[0]);
    CVantrelDoc& doc = c.doc;
    CPositionSoleil& soleil = doc.m_positionSoleil;
    soleil.CalculerPosition();
    soleil.CalculerDirection();
    GenererMaillages(c);
    doc.CalculerEclairement();
    const CEclairementRecepteurs& scene = doc.m_eclairementRecepteurs;

    CJson json = CJson::Objet();
    json.Ajouter("azimuth", soleil.m_dAzimut);
    json.Ajouter("altitude", soleil.m_dAltitude);
    json.Ajouter("equivalent", scene.m_dEquivalent);
    json.Ajouter("incidence", scene.m_dIncidence);
    CJson& recepteurs = json.Ajouter("receivers", CJson::Tableau());
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
        CJson& r = recepteurs.Ajouter(CJson::Objet());
        r.Ajouter("index", i);
        r.Ajouter("name", TexteUtf8(f.m_proprietes.m_strNom));
        r.Ajouter("equivalent", dEquivalent);
        r.Ajouter("incidence", dIncidence);
        r.Ajouter("net_area", dAireNette);
        r.Ajouter("nodes", nNoeuds);
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
        return json.Texte();
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
    const int nIndexDate = LireDateCli("--date", ValeurExigee(arguments, "--date"));
    int nIndexPas = -1;
    if (const auto v = arguments.Valeur("--step")) {
        const std::optional<long> n = LireEntier(*v);
        for (int i = 0; n && i < COptionsCalcul::kNombrePas; ++i) {
            if (COptionsCalcul::s_minutesPas[static_cast<std::size_t>(i)] == *n) {
                nIndexPas = i;
            }
        }
        if (nIndexPas < 0) {
            ErreurUsage("--step: \"" + *v +
                        "\" is not a step of the list (1, 2, 3, 4, 5, 6, 10, 12, 15, 20 or 30 "
                        "minutes)");
        }
    }
    const std::optional<std::string> export_ = arguments.Valeur("--export");
    ChargerScene(c, arguments.m_positionnels[0]);
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
        CProgression progression(CBilanJournalier::kEchantillonsMax / bilan.PasMinutes());
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

    CJson json = CJson::Objet();
    CJson& echantillons = json.Ajouter("samples", CJson::Tableau());
    CTableau tableau({"time", "equivalent %", "incidence deg", "altitude deg"},
                     {false, true, true, true});
    for (int k = 0; k < bilan.m_nEchantillons; ++k) {
        const CEchantillon& e = bilan.m_echantillons[static_cast<std::size_t>(k)];
        CJson& je = echantillons.Ajouter(CJson::Objet());
        je.Ajouter("hour", e.m_nHeure);
        je.Ajouter("minute", e.m_nMinute);
        je.Ajouter("equivalent", e.m_dEquivalent);
        je.Ajouter("incidence", e.m_dIncidence);
        je.Ajouter("altitude", e.m_dAltitude);
        char heure[16];
        std::snprintf(heure, sizeof heure, "%02d:%02d", e.m_nHeure, e.m_nMinute);
        tableau.AjouterLigne({heure, TexteNombre(e.m_dEquivalent), TexteNombre(e.m_dIncidence),
                              TexteNombre(e.m_dAltitude)});
    }
    CJson& moyennes = json.Ajouter("averages", CJson::Objet());
    moyennes.Ajouter("equivalent", bilan.m_dEquivalentMoyen);
    moyennes.Ajouter("incidence", bilan.m_dIncidenceMoyenne);
    moyennes.Ajouter("altitude", bilan.m_dAltitudeMoyenne);
    if (arguments.Json()) {
        return json.Texte();
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
