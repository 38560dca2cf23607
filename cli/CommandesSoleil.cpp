// Commands on the sun alone: sun, solar-info, reversed, practical.
#include "cli/Commandes.h"
#include "cli/Json.h"

#include "document/VantrelDoc.h"

#include <cstdio>

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

std::string ValeurExigee(const CArguments& arguments, const std::string& strOption) {
    const std::optional<std::string> valeur = arguments.Valeur(strOption);
    if (!valeur) {
        ErreurUsage("the option " + strOption + " is required");
    }
    return *valeur;
}

void ReglerDateHeure(CContexte& c, const CArguments& arguments) {
    // Both are read before the sun changes, so a refusal leaves it alone.
    const int nIndexDate = LireDateCli("--date", ValeurExigee(arguments, "--date"));
    int nHeure = 0;
    int nMinute = 0;
    LireHeureCli("--time", ValeurExigee(arguments, "--time"), nHeure, nMinute);
    CPositionSoleil& soleil = c.doc.m_positionSoleil;
    soleil.m_nIndexDate = nIndexDate;
    soleil.m_nHeure = nHeure;
    soleil.m_nMinute = nMinute;
}

std::string CommandeSoleil(CContexte& c, const CArguments& arguments) {
    // The date, time and overrides are checked before the file is read, so
    // that a usage error is reported as such whatever the file.
    const int nIndexDate = LireDateCli("--date", ValeurExigee(arguments, "--date"));
    int nHeure = 0;
    int nMinute = 0;
    LireHeureCli("--time", ValeurExigee(arguments, "--time"), nHeure, nMinute);
    const auto reel = [&](const char* szOption, const CPlage& plage) -> std::optional<double> {
        if (const auto v = arguments.Valeur(szOption)) {
            return LireReelCli(szOption, *v, plage.dMin, plage.dMax);
        }
        return std::nullopt;
    };
    // The ranges of the site and options dialogs.
    using CSite = CConfigurationGeographique;
    const std::optional<double> latitude = reel("--lat", CSite::kPlageLatitude);
    const std::optional<double> longitude = reel("--lon", CSite::kPlageLongitude);
    const std::optional<double> nord = reel("--north", CSite::kPlageDirectionNord);
    std::optional<int> annee;
    if (const auto v = arguments.Valeur("--year")) {
        const CPlageEntier plage = COptionsCalcul::kPlageAnnee;
        annee =
            LireEntierCli("--year", *v, static_cast<int>(plage.nMin), static_cast<int>(plage.nMax));
    }

    if (!arguments.m_positionnels.empty()) {
        ChargerScene(c, arguments.m_positionnels[0]);
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
        c.doc.m_optionsCalcul.m_nAnnee = *annee;
    }

    CPositionSoleil& soleil = c.doc.m_positionSoleil;
    soleil.m_nIndexDate = nIndexDate;
    soleil.m_nHeure = nHeure;
    soleil.m_nMinute = nMinute;
    soleil.CalculerPosition();
    soleil.CalculerDirection();

    if (arguments.Json()) {
        CJson json = CJson::Objet();
        json.Ajouter("azimuth", soleil.m_dAzimut);
        json.Ajouter("altitude", soleil.m_dAltitude);
        CJson& direction = json.Ajouter("direction", CJson::Tableau());
        direction.Ajouter(soleil.m_direction.m_x);
        direction.Ajouter(soleil.m_direction.m_y);
        direction.Ajouter(soleil.m_direction.m_z);
        return json.Texte();
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
    const int nIndexDate = LireDateCli("--date", ValeurExigee(arguments, "--date"));
    ChargerScene(c, arguments.m_positionnels[0]);
    CInformationsSolaires& infos = c.doc.m_informationsSolaires;
    infos.ChoisirDate(nIndexDate);

    if (arguments.Json()) {
        CJson json = CJson::Objet();
        json.Ajouter("daylight_hours", infos.m_dDureeJour);
        json.Ajouter("daylight_percent", infos.m_dDureeJourPourcent);
        json.Ajouter("zenith_altitude", infos.m_dAltitudeZenith);
        json.Ajouter("zenith_hour", infos.m_nHeureZenith);
        json.Ajouter("zenith_minute", infos.m_nMinuteZenith);
        return json.Texte();
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
    // The cone starts as the dialog shows it, and the options replace its
    // edits; the dialog's own checks then apply.
    CTamponProblemeInverse tampon = probleme.Ouvrir();
    if (arguments.Present("--azimuth")) {
        tampon.strAzimutMin = arguments.Valeurs("--azimuth")[0];
        tampon.strAzimutMax = arguments.Valeurs("--azimuth")[1];
    }
    if (arguments.Present("--altitude")) {
        tampon.strAltitudeMin = arguments.Valeurs("--altitude")[0];
        tampon.strAltitudeMax = arguments.Valeurs("--altitude")[1];
    }
    // "Compute" checks and stores the cone (and computes, which is cheap)
    // before the file is read, so that a usage error is reported as such
    // whatever the file; the durations are then those of the file's site.
    Refuser(probleme.Calculer(tampon),
            {"--azimuth (MIN)", "--azimuth (MAX)", "--altitude (MIN)", "--altitude (MAX)"});
    ChargerScene(c, arguments.m_positionnels[0]);
    probleme.CalculerDurees();

    if (arguments.Json()) {
        CJson json = CJson::Objet();
        CJson& durees = json.Ajouter("durations", CJson::Tableau());
        for (const double d : probleme.m_dDurees) {
            durees.Ajouter(d);
        }
        return json.Texte();
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
    if (const auto v = arguments.Valeur("--lat")) {
        const CPlage plage = CConfigurationGeographique::kPlageLatitude;
        c.doc.m_configurationGeographique.m_dLatitude =
            LireReelCli("--lat", *v, plage.dMin, plage.dMax);
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
        CJson json = CJson::Objet();
        json.Ajouter("winter_inclination", calculs.m_dInclinaisonHiver);
        json.Ajouter("summer_inclination", calculs.m_dInclinaisonEte);
        json.Ajouter("shadow_descent", calculs.m_dDescenteOmbre);
        json.Ajouter("spacing", calculs.m_dEspacement);
        return json.Texte();
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
