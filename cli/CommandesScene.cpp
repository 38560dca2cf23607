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
    json["output"] = chemin;
    json["faces"] = g_nFaces;
    json["bytes"] = nOctets;
    if (arguments.Json()) {
        return TexteJson(json);
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
    ChargerScene(c, *arguments.Valeur("FILE"));
    CVantrelDoc& doc = c.doc;
    const CConfigurationGeographique& site = doc.m_configurationGeographique;
    const COptionsCalcul& options = doc.m_optionsCalcul;

    CJson json = {{"title", TexteUtf8(doc.Titre())},
                  {"site",
                   {{"place", TexteUtf8(site.m_strLieu)},
                    {"latitude", site.m_dLatitude},
                    {"longitude", site.m_dLongitude},
                    {"ignore_longitude", site.m_bIgnorerLongitude != 0},
                    {"north", site.m_dDirectionNord},
                    {"horizon", site.m_dLigneHorizon}}},
                  {"options",
                   {{"cadence", options.m_dCadence},
                    {"max_weight", options.m_nPoidsMax},
                    {"year", options.m_nAnnee},
                    {"step_minutes", options.m_nPasMinutes}}},
                  {"faces", CJson::array()}};

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

        CJson sommets = CJson::array();
        for (const CVecteur& pt : f.m_points) {
            sommets.push_back({pt.m_x, pt.m_y, pt.m_z});
        }
        CJson ouvertures = CJson::array();
        std::string strOuvertures;
        for (const CFace* pOuverture : f.m_ouvertures.m_faces) {
            const int k = doc.Indice(pOuverture);
            ouvertures.push_back(k);
            if (!strOuvertures.empty()) {
                strOuvertures += ',';
            }
            strOuvertures += std::to_string(k);
        }

        json["faces"].push_back({{"index", i},
                                 {"kind", f.NomClasse()},
                                 {"name", TexteUtf8(p.m_strNom)},
                                 {"receiver", p.m_bRecepteur != 0},
                                 {"hidden", p.m_bMasquee != 0},
                                 {"reversed", p.m_bCoteInverse != 0},
                                 {"transmittivity", p.m_dTransmittivite},
                                 {"absorptivity", p.m_dAbsorptivite},
                                 {"transmittivity_mode", p.m_correlationTransmittivite.m_nMode},
                                 {"absorptivity_mode", p.m_correlationAbsorptivite.m_nMode},
                                 {"area", Decimale(geometrie.m_dAire, 4)},
                                 {"net_area", Decimale(geometrie.m_dAireRetenue, 4)},
                                 {"orientation", Decimale(geometrie.m_dOrientation, 4)},
                                 {"inclination", Decimale(geometrie.m_dInclinaison, 4)},
                                 {"points", std::move(sommets)},
                                 {"openings", std::move(ouvertures)}});
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
        return TexteJson(json);
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
        if (arguments.Present("NAME")) {
            ErreurUsage("--list takes no NAME or OUT");
        }
        CJson json = {{"examples", CJson::array()}};
        CTableau tableau({"name", "description"});
        for (const CExemple& e : Exemples()) {
            json["examples"].push_back({{"name", e.szNom}, {"description", e.szDescription}});
            tableau.AjouterLigne({e.szNom, e.szDescription});
        }
        return arguments.Json() ? TexteJson(json) : tableau.Texte();
    }
    if (!arguments.Present("OUT")) {
        ErreurUsage("example needs NAME and OUT, or --list");
    }
    const std::string strNom = *arguments.Valeur("NAME");
    const CExemple* pExemple = Exemple(strNom);
    if (pExemple == nullptr) {
        std::string noms;
        for (const CExemple& e : Exemples()) {
            noms += (noms.empty() ? "" : ", ") + std::string(e.szNom);
        }
        ErreurUsage("no example is named " + Cite(strNom) + " (the examples: " + noms + ")");
    }
    pExemple->pConstruire(c.doc);
    const std::string chemin = *arguments.Valeur("OUT");
    EnregistrerScene(c, chemin);
    return CompteRendu(arguments, {{"example", pExemple->szNom}}, chemin, c.doc.Ecrire().size());
}

std::string CommandeReenregistrer(CContexte& c, const CArguments& arguments) {
    const std::string entree = *arguments.Valeur("IN");
    const std::string sortie = *arguments.Valeur("OUT");
    ChargerScene(c, entree);
    EnregistrerScene(c, sortie);
    return CompteRendu(arguments, {{"input", entree}}, sortie, c.doc.Ecrire().size());
}
