// Commands on the sun alone: sun, solar-info, reversed, practical.
#include "cli/Commandes.h"
#include "cli/Images.h"
#include "cli/Json.h"
#include "cli/Progression.h"

#include "document/VantrelDoc.h"
#include "view/Graphiques.h"

#include <cstdio>
#include <tuple>

namespace {

// A refused field of a dialog, reported with the option that gave it.
void Refuser(const CResultatValidation& refus, const std::vector<const char*>& options) {
    if (refus) {
        const auto i = static_cast<std::size_t>(refus->nChamp);
        ErreurUsage(std::string(i < options.size() ? options[i] : "value") + ": " +
                    refus->strMessage);
    }
}

std::string TexteDate(int nIndexDate) {
    return CPositionSoleil::s_dates[static_cast<std::size_t>(nIndexDate)];
}

} // namespace

std::string TexteDateHeure(int nIndexDate, int nHeure, int nMinute) {
    char heure[16];
    std::snprintf(heure, sizeof heure, " %02d:%02d", nHeure, nMinute);
    return TexteDate(nIndexDate) + heure;
}

void ReglerDateHeure(CContexte& c, const CArguments& arguments) {
    CPositionSoleil& soleil = c.doc.m_positionSoleil;
    soleil.m_nIndexDate = arguments.Date();
    std::tie(soleil.m_nHeure, soleil.m_nMinute) = arguments.Heure();
}

std::string CommandeSoleil(CContexte& c, const CArguments& arguments) {
    // The parser checked the date, time and overrides (with the ranges of
    // the site and options dialogs) before the file is read.
    const int nIndexDate = arguments.Date();
    const auto [nHeure, nMinute] = arguments.Heure();
    const std::optional<double> latitude = arguments.Reel("--lat");
    const std::optional<double> longitude = arguments.Reel("--lon");
    const std::optional<double> nord = arguments.Reel("--north");
    const std::optional<long> annee = arguments.Entier("--year");

    if (const auto fichier = arguments.Valeur("FILE")) {
        ChargerScene(c, *fichier);
    }
    CConfigurationGeographique& site = c.doc.m_configurationGeographique;
    if (latitude) {
        site.m_dLatitude = *latitude;
    }
    if (longitude) {
        site.m_dLongitude = *longitude;
    }
    if (arguments.Present("--ignore-longitude")) {
        site.m_bIgnorerLongitude = 1;
    }
    if (nord) {
        site.m_dDirectionNord = *nord;
        site.CalculerNord();
    }
    if (annee) {
        c.doc.m_optionsCalcul.m_nAnnee = static_cast<int>(*annee);
    }

    CPositionSoleil& soleil = c.doc.m_positionSoleil;
    soleil.m_nIndexDate = nIndexDate;
    soleil.m_nHeure = nHeure;
    soleil.m_nMinute = nMinute;
    soleil.CalculerPosition();
    soleil.CalculerDirection();

    if (arguments.Json()) {
        const CVecteur& d = soleil.m_direction;
        return TexteJson({{"azimuth", Decimale(soleil.m_dAzimut, 2)},
                          {"altitude", Decimale(soleil.m_dAltitude, 2)},
                          {"direction", {d.m_x, d.m_y, d.m_z}}});
    }
    std::string texte = "date       " + TexteDateHeure(nIndexDate, nHeure, nMinute) + " " +
                        soleil.ReferenceTemps() + ", year " +
                        std::to_string(c.doc.m_optionsCalcul.m_nAnnee) + "\n";
    texte += "site       latitude " + TexteNombre(site.m_dLatitude) + ", longitude " +
             TexteNombre(site.m_dLongitude) + (site.m_bIgnorerLongitude ? " (ignored)" : "") +
             ", north " + TexteNombre(site.m_dDirectionNord) + "\n";
    texte += "azimuth    " + TexteNombre(soleil.m_dAzimut) + " deg\n";
    texte += "altitude   " + TexteNombre(soleil.m_dAltitude) + " deg\n";
    char direction[160];
    std::snprintf(direction, sizeof direction, "direction  (%.6f, %.6f, %.6f)\n",
                  soleil.m_direction.m_x, soleil.m_direction.m_y, soleil.m_direction.m_z);
    return texte + direction;
}

std::string CommandeInformationsSolaires(CContexte& c, const CArguments& arguments) {
    const int nIndexDate = arguments.Date();
    ChargerScene(c, *arguments.Valeur("FILE"));
    CInformationsSolaires& infos = c.doc.m_informationsSolaires;
    infos.ChoisirDate(nIndexDate);

    if (arguments.Json()) {
        return TexteJson({{"daylight_hours", Decimale(infos.m_dDureeJour, 2)},
                          {"daylight_percent", Decimale(infos.m_dDureeJourPourcent, 2)},
                          {"zenith_altitude", Decimale(infos.m_dAltitudeZenith, 2)},
                          {"zenith_hour", infos.m_nHeureZenith},
                          {"zenith_minute", infos.m_nMinuteZenith}});
    }
    char zenith[64];
    std::snprintf(zenith, sizeof zenith, "%02d:%02d", infos.m_nHeureZenith, infos.m_nMinuteZenith);
    std::string texte = "date                   " + TexteDate(nIndexDate) + "\n";
    texte += "daylight duration      " + TexteNombre(infos.m_dDureeJour) + " h (" +
             TexteNombre(infos.m_dDureeJourPourcent) + " %)\n";
    texte += "zenith point           " + std::string(zenith) + " " +
             c.doc.m_positionSoleil.ReferenceTemps() + ", altitude " +
             TexteNombre(infos.m_dAltitudeZenith) + " deg\n";
    return texte;
}

std::string CommandeProblemeInverse(CContexte& c, const CArguments& arguments) {
    CProblemeInverse& probleme = c.doc.m_problemeInverse;
    const std::optional<std::string> graphique = arguments.Valeur("--chart");
    if (graphique) {
        VerifierImage(*graphique);
    }
    // The cone starts as the dialog shows it, and the options replace its
    // edits; the dialog's own checks then apply.
    CTamponProblemeInverse tampon = probleme.Ouvrir();
    if (const std::vector<std::string> v = arguments.Valeurs("--azimuth"); v.size() == 2) {
        tampon.strAzimutMin = v[0];
        tampon.strAzimutMax = v[1];
    }
    if (const std::vector<std::string> v = arguments.Valeurs("--altitude"); v.size() == 2) {
        tampon.strAltitudeMin = v[0];
        tampon.strAltitudeMax = v[1];
    }
    // "Compute" checks and stores the cone (and computes, which is cheap)
    // before the file is read, so that a usage error is reported as such
    // whatever the file; the durations are then those of the file's site.
    Refuser(probleme.Calculer(tampon),
            {"--azimuth (MIN)", "--azimuth (MAX)", "--altitude (MIN)", "--altitude (MAX)"});
    ChargerScene(c, *arguments.Valeur("FILE"));
    {
        CProgression progression("reversed problem");
        probleme.CalculerDurees();
    }
    if (graphique) {
        EnregistrerGraphique(*graphique, g_cadreGraphiqueProblemeInverse, [&probleme](CDC* pDC) {
            DessinerGraphiqueProblemeInverse(pDC, probleme.m_dDurees, probleme.m_bCalcule);
        });
    }

    if (arguments.Json()) {
        return TexteJson({{"durations", probleme.m_dDurees}});
    }
    std::string texte = "position cone: azimuth " + TexteNombre(probleme.m_dAzimutMin) + " to " +
                        TexteNombre(probleme.m_dAzimutMax) + " deg, altitude " +
                        TexteNombre(probleme.m_dAltitudeMin) + " to " +
                        TexteNombre(probleme.m_dAltitudeMax) + " deg\n\n";
    CTableau tableau({"date", "minutes"}, {false, true});
    for (int i = 0; i < CPositionSoleil::kNombreDates; ++i) {
        tableau.AjouterLigne(
            {TexteDate(i), TexteNombre(probleme.m_dDurees[static_cast<std::size_t>(i)])});
    }
    return texte + tableau.Texte();
}

std::string CommandeCalculsPratiques(CContexte& c, const CArguments& arguments) {
    if (const auto latitude = arguments.Reel("--lat")) {
        c.doc.m_configurationGeographique.m_dLatitude = *latitude;
    }
    CCalculsPratiques& calculs = c.doc.m_calculsPratiques;
    CTamponCalculsPratiques tampon = calculs.Ouvrir();
    const struct {
        const char* szOption;
        std::string& edit;
    } champs[] = {{"--overhang", tampon.strAvancee},
                  {"--panel-size", tampon.strTaillePanneaux},
                  {"--canopy-altitude", tampon.strAltitudeAuvent},
                  {"--panel-altitude", tampon.strAltitudePanneaux},
                  {"--panel-inclination", tampon.strInclinaisonPanneaux}};
    for (const auto& champ : champs) {
        if (const auto v = arguments.Valeur(champ.szOption)) {
            champ.edit = *v;
        }
    }
    // Both groups are computed, each with the given values or the dialog's.
    const std::vector<const char*> options = {"--overhang", "--panel-size", "--canopy-altitude",
                                              "--panel-altitude", "--panel-inclination"};
    Refuser(calculs.CalculerAuvent(tampon), options);
    Refuser(calculs.CalculerPanneaux(tampon), options);

    if (arguments.Json()) {
        return TexteJson({{"winter_inclination", calculs.m_dInclinaisonHiver},
                          {"summer_inclination", calculs.m_dInclinaisonEte},
                          {"shadow_descent", Decimale(calculs.m_dDescenteOmbre, 3)},
                          {"spacing", Decimale(calculs.m_dEspacement, 3)}});
    }
    const double dLatitude = c.doc.m_configurationGeographique.m_dLatitude;
    std::string texte = "latitude " + TexteNombre(dLatitude) + " deg\n\n";
    texte += "Recommended inclination of solar panels (southern aspect)\n";
    texte += "  winter             " + TexteNombre(calculs.m_dInclinaisonHiver) + " deg\n";
    texte += "  summer             " + TexteNombre(calculs.m_dInclinaisonEte) + " deg\n";
    texte += "Canopy shadow: overhang " + TexteNombre(calculs.m_dAvancee) + " m, sun altitude " +
             TexteNombre(calculs.m_dAltitudeAuvent) + " deg\n";
    texte += "  shadow descent     " + TexteNombre(calculs.m_dDescenteOmbre) + " m\n";
    texte += "Rows of panels: size " + TexteNombre(calculs.m_dTaillePanneaux) + " m, inclination " +
             TexteNombre(calculs.m_dInclinaisonPanneaux) + " deg, sun altitude " +
             TexteNombre(calculs.m_dAltitudePanneaux) + " deg\n";
    texte += "  minimum spacing    " + TexteNombre(calculs.m_dEspacement) + " m\n";
    return texte;
}
