// Commands on the scene file itself: info, example, resave.
#include "cli/Commandes.h"
#include "cli/Json.h"

#include "document/Fichier.h"
#include "document/VantrelDoc.h"
#include "modelling/Exemples.h"

#include <cstdio>

namespace {

std::string Cite(const std::string& s) {
    return "\"" + s + "\"";
}

const char* OuiNon(int b) {
    return b ? "yes" : "no";
}

CJson Point(const CVecteur& p) {
    CJson point = CJson::Tableau();
    point.Ajouter(p.m_x);
    point.Ajouter(p.m_y);
    point.Ajouter(p.m_z);
    return point;
}

std::string TextePoint(const CVecteur& p) {
    // Appended piece by piece: the chained form trips a false -Wrestrict in GCC 12.
    std::string texte = "(";
    texte += TexteNombre(p.m_x);
    texte += ", ";
    texte += TexteNombre(p.m_y);
    texte += ", ";
    texte += TexteNombre(p.m_z);
    texte += ")";
    return texte;
}

// What a written file holds, for the report of example and resave.
std::string CompteRendu(const CArguments& arguments, CJson json, const std::string& chemin,
                        std::size_t nOctets) {
    json.Ajouter("output", chemin);
    json.Ajouter("faces", g_nFaces);
    json.Ajouter("bytes", static_cast<long long>(nOctets));
    if (arguments.Json()) {
        return json.Texte();
    }
    return "wrote " + Cite(chemin) + ": " + std::to_string(g_nFaces) + " faces, " +
           std::to_string(nOctets) + " bytes\n";
}

} // namespace

void ChargerScene(CContexte& c, const std::string& chemin) {
    std::vector<std::uint8_t> octets;
    std::string strErreur;
    if (!LireFichier(chemin, octets, strErreur)) {
        ErreurFichier(strErreur);
    }
    if (!c.doc.Lire(octets, strErreur)) {
        ErreurFichier(Cite(chemin) + " is not a valid scene file: " + strErreur);
    }
}

void EnregistrerScene(CContexte& c, const std::string& chemin) {
    std::string strErreur;
    if (!c.doc.Enregistrer(chemin, strErreur)) {
        ErreurFichier(strErreur);
    }
}

std::string CommandeInfo(CContexte& c, const CArguments& arguments) {
    ChargerScene(c, arguments.m_positionnels[0]);
    CVantrelDoc& doc = c.doc;
    const CConfigurationGeographique& site = doc.m_configurationGeographique;
    const COptionsCalcul& options = doc.m_optionsCalcul;

    CJson json = CJson::Objet();
    json.Ajouter("title", TexteUtf8(doc.Titre()));
    CJson& jsonSite = json.Ajouter("site", CJson::Objet());
    jsonSite.Ajouter("place", TexteUtf8(site.m_strLieu));
    jsonSite.Ajouter("latitude", site.m_dLatitude);
    jsonSite.Ajouter("longitude", site.m_dLongitude);
    jsonSite.Ajouter("ignore_longitude", site.m_bIgnorerLongitude != 0);
    jsonSite.Ajouter("north", site.m_dDirectionNord);
    jsonSite.Ajouter("horizon", site.m_dLigneHorizon);
    CJson& jsonOptions = json.Ajouter("options", CJson::Objet());
    jsonOptions.Ajouter("cadence", options.m_dCadence);
    jsonOptions.Ajouter("max_weight", options.m_nPoidsMax);
    jsonOptions.Ajouter("year", options.m_nAnnee);
    jsonOptions.Ajouter("step_minutes", options.m_nPasMinutes);
    CJson& jsonFaces = json.Ajouter("faces", CJson::Tableau());

    CTableau faces({"#", "kind", "name", "receiver", "hidden", "reversed", "T %", "A %", "T law",
                    "A law", "area", "net area", "orient.", "incl.", "openings"},
                   {true, false, false, false, false, false, true, true, true, true, true, true,
                    true, true, false});
    CTableau points({"#", "P1", "P2", "P3", "P4"}, {true});
    for (int i = 0; i < g_nFaces; ++i) {
        CFace& f = *doc.Face(i);
        const CProprietes& p = f.m_proprietes;
        // The face geometry report's own values, rounded as it shows them.
        CGeometrieFace& geometrie = doc.m_geometrieFace;
        geometrie.Calculer(f, site.m_dDirectionNord);

        CJson& jf = jsonFaces.Ajouter(CJson::Objet());
        jf.Ajouter("index", i);
        jf.Ajouter("kind", f.NomClasse());
        jf.Ajouter("name", TexteUtf8(p.m_strNom));
        jf.Ajouter("receiver", p.m_bRecepteur != 0);
        jf.Ajouter("hidden", p.m_bMasquee != 0);
        jf.Ajouter("reversed", p.m_bCoteInverse != 0);
        jf.Ajouter("transmittivity", p.m_dTransmittivite);
        jf.Ajouter("absorptivity", p.m_dAbsorptivite);
        jf.Ajouter("transmittivity_mode", p.m_correlationTransmittivite.m_nMode);
        jf.Ajouter("absorptivity_mode", p.m_correlationAbsorptivite.m_nMode);
        jf.Ajouter("area", geometrie.m_dAire);
        jf.Ajouter("net_area", geometrie.m_dAireRetenue);
        jf.Ajouter("orientation", geometrie.m_dOrientation);
        jf.Ajouter("inclination", geometrie.m_dInclinaison);
        CJson& jp = jf.Ajouter("points", CJson::Tableau());
        for (const CVecteur& pt : f.m_points) {
            jp.Ajouter(Point(pt));
        }
        CJson& jo = jf.Ajouter("openings", CJson::Tableau());
        std::string strOuvertures;
        for (const CFace* pOuverture : f.m_ouvertures.m_faces) {
            const int k = doc.Indice(pOuverture);
            jo.Ajouter(k);
            if (!strOuvertures.empty()) {
                strOuvertures += ',';
            }
            strOuvertures += std::to_string(k);
        }

        faces.AjouterLigne(
            {std::to_string(i), f.NomClasse(), TexteAffiche(p.m_strNom), OuiNon(p.m_bRecepteur),
             OuiNon(p.m_bMasquee), OuiNon(p.m_bCoteInverse), TexteNombre(p.m_dTransmittivite),
             TexteNombre(p.m_dAbsorptivite), std::to_string(p.m_correlationTransmittivite.m_nMode),
             std::to_string(p.m_correlationAbsorptivite.m_nMode), TexteNombre(geometrie.m_dAire),
             TexteNombre(geometrie.m_dAireRetenue), TexteNombre(geometrie.m_dOrientation),
             TexteNombre(geometrie.m_dInclinaison), strOuvertures});
        points.AjouterLigne({std::to_string(i), TextePoint(f.m_points[0]),
                             TextePoint(f.m_points[1]), TextePoint(f.m_points[2]),
                             TextePoint(f.m_points[3])});
    }
    if (arguments.Json()) {
        return json.Texte();
    }

    std::string texte = "title     " + TexteAffiche(doc.Titre()) + "\n";
    texte += "site      " + TexteAffiche(site.m_strLieu) + ", latitude " +
             TexteNombre(site.m_dLatitude) + ", longitude " + TexteNombre(site.m_dLongitude) +
             (site.m_bIgnorerLongitude ? " (ignored)" : "") + ", north " +
             TexteNombre(site.m_dDirectionNord) + ", horizon " + TexteNombre(site.m_dLigneHorizon) +
             "\n";
    texte += "options   cadence " + TexteNombre(options.m_dCadence) + " Hz, maximum weight " +
             std::to_string(options.m_nPoidsMax) + ", year " + std::to_string(options.m_nAnnee) +
             ", step " + std::to_string(options.m_nPasMinutes) + " min\n";
    texte += "faces     " + std::to_string(g_nFaces) + "\n";
    if (g_nFaces > 0) {
        texte += '\n';
        texte += faces.Texte();
        texte += "\nMain points\n";
        texte += points.Texte();
    }
    return texte;
}

std::string CommandeExemple(CContexte& c, const CArguments& arguments) {
    if (arguments.Present("--list")) {
        if (!arguments.m_positionnels.empty()) {
            ErreurUsage("--list takes no NAME or OUT");
        }
        CJson json = CJson::Objet();
        CJson& liste = json.Ajouter("examples", CJson::Tableau());
        CTableau tableau({"name", "description"});
        for (const CExemple& e : Exemples()) {
            CJson& je = liste.Ajouter(CJson::Objet());
            je.Ajouter("name", e.szNom);
            je.Ajouter("description", e.szDescription);
            tableau.AjouterLigne({e.szNom, e.szDescription});
        }
        return arguments.Json() ? json.Texte() : tableau.Texte();
    }
    if (arguments.m_positionnels.size() != 2) {
        ErreurUsage("example needs NAME and OUT, or --list");
    }
    const std::string& strNom = arguments.m_positionnels[0];
    const CExemple* pExemple = Exemple(strNom);
    if (pExemple == nullptr) {
        std::string noms;
        for (const CExemple& e : Exemples()) {
            noms += (noms.empty() ? "" : ", ") + std::string(e.szNom);
        }
        ErreurUsage("no example is named " + Cite(strNom) + " (the examples: " + noms + ")");
    }
    pExemple->pConstruire(c.doc);
    const std::string& chemin = arguments.m_positionnels[1];
    EnregistrerScene(c, chemin);
    CJson json = CJson::Objet();
    json.Ajouter("example", pExemple->szNom);
    return CompteRendu(arguments, std::move(json), chemin, c.doc.Ecrire().size());
}

std::string CommandeReenregistrer(CContexte& c, const CArguments& arguments) {
    const std::string& entree = arguments.m_positionnels[0];
    const std::string& sortie = arguments.m_positionnels[1];
    ChargerScene(c, entree);
    EnregistrerScene(c, sortie);
    CJson json = CJson::Objet();
    json.Ajouter("input", entree);
    return CompteRendu(arguments, std::move(json), sortie, c.doc.Ecrire().size());
}
