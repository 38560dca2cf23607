// The commands, their options and help, and the run of a command line.
#include "cli/Commandes.h"
#include "document/OptionsCalcul.h"
#include "lighting/HeuresSoleil.h"
#include "modelling/ImportModele.h"
#include "solar/ConfigurationGeographique.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>

namespace {

// The ranges of the site and options dialogs.
using CSite = CConfigurationGeographique;

constexpr const char* kProgramme = "vantrel-cli";

// How the parser checks an option's value.
enum class EValeur { Texte, Date, Heure, Reel, Entier, Pas };

// An option, or a positional argument when its name has no leading dash.
struct COptionCli {
    const char* szNom;     // "--date", "FILE"
    const char* szValeurs; // what follows the option ("D", "MIN MAX"); "" for a flag
    const char* szAide;
    bool bRequise = false;
    EValeur valeur = EValeur::Texte;
    double dMin = 0;
    double dMax = 0;
};

struct CCommandeCli {
    const char* szNom;
    const char* szSynopsis; // after "vantrel-cli "
    const char* szResume;   // one line for the list of commands
    const char* szAide;     // what --help says after the summary
    std::vector<COptionCli> options;
    FonctionCommande pExecuter;
};

const COptionCli kFichier = {"FILE", "", "the scene file (.vtl)", true};
const COptionCli kDate = {"--date", "D",
                          "a date of the list: an index 0 to 23, or its text (\"04 january\",\n"
                          "\"21 january\", ... \"21 december\"; the day may be written \"4\")",
                          true, EValeur::Date};
const COptionCli kHeure = {"--time", "HH:MM",
                           "the time of day, UT (or the Greenwich mean solar time when the\n"
                           "site ignores the longitude)",
                           true, EValeur::Heure};
const COptionCli kLatitude = {"--lat",
                              "L",
                              "latitude, -89.9 to 89.9 deg, north positive",
                              false,
                              EValeur::Reel,
                              CSite::kPlageLatitude.dMin,
                              CSite::kPlageLatitude.dMax};

const std::vector<CCommandeCli>& CommandesCli() {
    static const std::vector<CCommandeCli> s_commandes = {
        {"info",
         "info FILE [--json]",
         "the title, site, options and faces of a scene",
         "A row per face: index, kind, name, receiver, hidden, study side reversed,\n"
         "transmittivity and absorptivity (%) with their rate-law modes (0 uniform,\n"
         "1 modulated by cos(incidence), 2 interpolated), area and net area (m2),\n"
         "orientation and inclination (deg) as the face geometry report gives them,\n"
         "the four main points and the indices of its openings.",
         {kFichier},
         CommandeInfo},
        {"sun",
         "sun [FILE] --date D --time HH:MM [--lat L] [--lon L] [--ignore-longitude]\n"
         "                   [--north N] [--year Y] [--json]",
         "the sun's azimuth, altitude and direction",
         "For the site and year of FILE, or those of a new document (Paris, 2003)\n"
         "without it.",
         {{"FILE", "", "the scene file (.vtl) whose site and year are taken"},
          kDate,
          kHeure,
          kLatitude,
          {"--lon", "L", "longitude, -180 to 180 deg, west positive", false, EValeur::Reel,
           CSite::kPlageLongitude.dMin, CSite::kPlageLongitude.dMax},
          {"--ignore-longitude", "", "use the Greenwich mean solar time"},
          {"--north", "N", "direction of north, 0 to 360 deg from the Y axis", false, EValeur::Reel,
           CSite::kPlageDirectionNord.dMin, CSite::kPlageDirectionNord.dMax},
          {"--year", "Y", "year of reference, 2001 to 2040", false, EValeur::Entier,
           static_cast<double>(COptionsCalcul::kPlageAnnee.nMin),
           static_cast<double>(COptionsCalcul::kPlageAnnee.nMax)}},
         CommandeSoleil},
        {"lighting",
         "lighting FILE --date D --time HH:MM [--nodes CSV] [--json]",
         "the lighting of the receivers for one sun position",
         "Builds the receivers' meshes under the file's maximum processor weight and\n"
         "computes the scene's equivalent lighting (%) and incidence (deg), then each\n"
         "receiver's own equivalent and incidence, net area and node count. Shows its\n"
         "progress on standard error when that is a terminal and the work is long.",
         {kFichier,
          kDate,
          kHeure,
          {"--nodes", "CSV", "writes every node as \"face,node,x,y,z,value\""}},
         CommandeEclairement},
        {"day-report",
         "day-report FILE --date D [--step MIN] [--export TXT] [--chart PICTURE]\n"
         "                   [--json]",
         "the lighting through a whole day and its averages",
         "Samples the date from 00:00 every step, as the \"Day report\" dialog does;\n"
         "shows its progress on standard error when that is a terminal and the work\n"
         "is long.",
         {kFichier,
          kDate,
          {"--step", "MIN", "1, 2, 3, 4, 5, 6, 10, 12, 15, 20 or 30 (default: the file's)", false,
           EValeur::Pas},
          {"--export", "TXT", "writes the samples as the dialog's \"Export...\" does"},
          {"--chart", "PICTURE",
           "writes the dialog's chart as a .png or .svg picture (no display needed)"}},
         CommandeBilanJournalier},
        {"sun-hours",
         "sun-hours FILE (--date D | --year) [--threshold P] [--nodes CSV] [--json]",
         "the hours of direct sun at every receiver node",
         "Samples the date, or each of the 24 dates for the mean daily hours of the\n"
         "year, at the file's time step, as the \"Sun hours\" dialog does. A sample\n"
         "counts for a node whose lighting is above 0 and at least the threshold.\n"
         "Shows each receiver's mean, least and most hours; shows its progress on\n"
         "standard error when that is a terminal and the work is long.",
         {kFichier,
          {"--date", "D", "a date of the list, as for the other commands", false, EValeur::Date},
          {"--year", "", "the mean daily hours over the 24 dates"},
          {"--threshold", "P", "lighting that counts as sun, 0 to 100 % (default 0: above 0)",
           false, EValeur::Reel, CHeuresSoleil::kPlageSeuil.dMin, CHeuresSoleil::kPlageSeuil.dMax},
          {"--nodes", "CSV", "writes every node as \"face,node,x,y,z,hours\""}},
         CommandeHeuresSoleil},
        {"solar-info",
         "solar-info FILE --date D [--json]",
         "the daylight duration and the zenith point of a date",
         "At the site of FILE, scanned minute by minute.",
         {kFichier, kDate},
         CommandeInformationsSolaires},
        {"reversed",
         "reversed FILE [--azimuth MIN MAX] [--altitude MIN MAX] [--chart PICTURE]\n"
         "                   [--json]",
         "the minutes the sun spends in a cone of the sky, for each date",
         "At the site of FILE, for the 24 dates of the list; shows its progress on\n"
         "standard error when that is a terminal and the work is long.",
         {kFichier,
          {"--azimuth", "MIN MAX", "0 to 360 deg (default 160 200); no wrap past the north"},
          {"--altitude", "MIN MAX", "-90 to 90 deg (default 30 70)"},
          {"--chart", "PICTURE",
           "writes the dialog's chart as a .png or .svg picture (no display needed)"}},
         CommandeProblemeInverse},
        {"practical",
         "practical [--lat L] [--overhang M --canopy-altitude A]\n"
         "                   [--panel-size M --panel-altitude A --panel-inclination I] [--json]",
         "panel inclinations, canopy shadow and panel row spacing",
         "The \"Practical calculations\": recommended panel inclinations at the latitude,\n"
         "how far a canopy's shadow goes down, the minimum spacing of rows of panels.",
         {{"--lat", "L", "latitude, -89.9 to 89.9 deg (default 48.9)", false, EValeur::Reel,
           CSite::kPlageLatitude.dMin, CSite::kPlageLatitude.dMax},
          {"--overhang", "M", "canopy overhang, 0 to 100 m (default 1)"},
          {"--canopy-altitude", "A", "sun altitude, 0.01 to 89.99 deg (default 45)"},
          {"--panel-size", "M", "0 to 100 m (default 1)"},
          {"--panel-altitude", "A", "sun altitude, 0.01 to 89.99 deg (default 45)"},
          {"--panel-inclination", "I", "0 to 90 deg (default 45)"}},
         CommandeCalculsPratiques},
        {"example",
         "example NAME OUT [--json]\n       vantrel-cli example --list [--json]",
         "writes one of the bundled example scenes",
         "NAME is house, panels or street; OUT is the .vtl file to write.",
         {{"NAME", "", "the example: house, panels or street"},
          {"OUT", "", "the .vtl file to write"},
          {"--list", "", "lists the examples"}},
         CommandeExemple},
        {"resave",
         "resave IN OUT [--json]",
         "reads a scene and writes it back",
         "A file that the program wrote comes back byte for byte.",
         {{"IN", "", "the scene to read", true}, {"OUT", "", "the file to write", true}},
         CommandeReenregistrer},
        {"import",
         "import MODEL OUT [--scale S] [--z-up] [--json]",
         "builds a scene from a model made with another program",
         "Reads OBJ, STL, glTF and the other formats of the Assimp library. Each planar\n"
         "convex quadrilateral becomes a quadrilateral face, every other polygon\n"
         "triangles, named after their node or mesh; degenerate polygons are skipped\n"
         "and counted.",
         {{"MODEL", "", "the model file to read", true},
          {"OUT", "", "the .vtl file to write", true},
          {"--scale", "S", "metres per model unit, 0.0001 to 10000 (default 1)", false,
           EValeur::Reel, CImportModele::kPlageEchelle.dMin, CImportModele::kPlageEchelle.dMax},
          {"--z-up", "", "the model's Y axis points up: turn it to the scene's Z"}},
         CommandeImporter},
    };
    return s_commandes;
}

const CCommandeCli* CommandeCli(const std::string& strNom) {
    for (const CCommandeCli& c : CommandesCli()) {
        if (strNom == c.szNom) {
            return &c;
        }
    }
    return nullptr;
}

std::string Usage(const CLI::App* pApp) {
    const CCommandeCli* pCommande = pApp != nullptr ? CommandeCli(pApp->get_name()) : nullptr;
    if (pCommande == nullptr) {
        return std::string("usage: ") + kProgramme + " COMMAND [ARGUMENTS] [--json]\n       " +
               kProgramme + " COMMAND --help\n       " + kProgramme + " --version\n";
    }
    return std::string("usage: ") + kProgramme + " " + pCommande->szSynopsis + "\n";
}

// The help starts with the usage, as the usage that follows an error does.
class CFormeAide : public CLI::Formatter {
public:
    CFormeAide() {
        column_width(25);
        label("Positionals", "arguments");
    }
    std::string make_usage(const CLI::App* pApp, std::string) const override {
        return Usage(pApp) + "\n";
    }
    std::string make_description(const CLI::App* pApp) const override {
        const CCommandeCli* pCommande = CommandeCli(pApp->get_name());
        if (pCommande == nullptr) {
            return CLI::Formatter::make_description(pApp);
        }
        std::string resume = pCommande->szResume;
        resume[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(resume[0])));
        return resume + ".\n\n" + pCommande->szAide + "\n";
    }
    std::string make_help(const CLI::App* pApp, std::string strNom,
                          CLI::AppFormatMode mode) const override {
        return make_usage(pApp, strNom) + make_description(pApp) + make_positionals(pApp) +
               make_groups(pApp, mode) + make_subcommands(pApp, mode) + "\n" + make_footer(pApp);
    }
};

CLI::Validator ValidateurOption(const COptionCli& o) {
    switch (o.valeur) {
    case EValeur::Date:
        return ValidateurDate();
    case EValeur::Heure:
        return ValidateurHeure();
    case EValeur::Reel:
        return ValidateurReel(o.dMin, o.dMax);
    case EValeur::Entier:
        return ValidateurEntier(static_cast<long>(o.dMin), static_cast<long>(o.dMax));
    case EValeur::Pas:
        return ValidateurPas();
    case EValeur::Texte:
        break;
    }
    return CLI::Validator();
}

void Declarer(CLI::App& app) {
    app.formatter(std::make_shared<CFormeAide>());
    // "--flag=value" is refused; a repeated option keeps its last value.
    app.option_defaults()->group("options")->disable_flag_override()->multi_option_policy(
        CLI::MultiOptionPolicy::TakeLast);
    app.set_help_flag("-h,--help", "this help");
    app.set_version_flag("--version", std::string(kProgramme) + " " + VANTREL_VERSION,
                         "the program's version");
    app.description("Every computation of Vantrel on .vtl scene files, for batch work and "
                    "scripts.");
    app.footer("exit codes: 0 success, 1 bad usage, 2 a file that cannot be read or written,\n"
               "3 a computation refused.");
    app.require_subcommand(1);
    for (const CCommandeCli& c : CommandesCli()) {
        CLI::App* pCommande = app.add_subcommand(c.szNom, c.szResume);
        pCommande->group("commands");
        pCommande->set_help_flag("-h,--help", "this help");
        for (const COptionCli& o : c.options) {
            const std::string strValeurs = o.szValeurs;
            if (o.szNom[0] == '-' && strValeurs.empty()) {
                pCommande->add_flag(o.szNom)->description(o.szAide);
                continue;
            }
            CLI::Option* pOption = pCommande->add_option(o.szNom)->description(o.szAide);
            if (o.szNom[0] == '-') {
                // "MIN MAX" takes both words each time.
                const auto nMots = std::count(strValeurs.begin(), strValeurs.end(), ' ') + 1;
                pOption->type_size(static_cast<int>(nMots));
                pOption->option_text(strValeurs);
                pOption->type_name("VALUE"); // "--azimuth: 2 required VALUE missing"
            } else {
                pOption->type_name("");
            }
            pOption->check(ValidateurOption(o));
            if (o.bRequise) {
                pOption->required();
            }
        }
        pCommande->add_flag("--json")->description(
            "machine-readable output: each result exactly as computed,\n"
            "or as the decimal it was rounded to");
    }
}

// Strings written whole, so that a command's output never mixes with a
// message. False when the stream refused the text (a full disk behind a
// redirection).
bool Ecrire(std::FILE* flux, const std::string& texte) {
    const std::size_t n = std::fwrite(texte.data(), 1, texte.size(), flux);
    return std::fflush(flux) == 0 && n == texte.size();
}

std::string UneLigne(std::string texte) {
    for (char& c : texte) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return texte;
}

} // namespace

int ExecuterLigneCommande(std::vector<std::string> mots, CContexte& contexte) {
    CLI::App app(std::string(), kProgramme);
    Declarer(app);
    if (mots.empty()) {
        Ecrire(stderr, app.help());
        return kSortieUsage;
    }
    // "help COMMAND" is "COMMAND --help".
    if (mots[0] == "help") {
        mots = mots.size() > 1 && CommandeCli(mots[1]) != nullptr
                   ? std::vector<std::string>{mots[1], "--help"}
                   : std::vector<std::string>{"--help"};
    }
    if (mots[0][0] != '-' && CommandeCli(mots[0]) == nullptr) {
        Ecrire(stderr, std::string(kProgramme) + ": unknown command \"" + UneLigne(mots[0]) +
                           "\" (try \"" + kProgramme + " --help\")\n");
        return kSortieUsage;
    }
    const auto commande = [&app]() -> const CLI::App* {
        const std::vector<CLI::App*> choisies = app.get_subcommands();
        return choisies.empty() ? nullptr : choisies.front();
    };
    const auto prefixe = [&]() {
        const CLI::App* pCommande = commande();
        return std::string(kProgramme) + ": " +
               (pCommande != nullptr ? pCommande->get_name() + ": " : std::string());
    };
    try {
        std::reverse(mots.begin(), mots.end()); // the parser takes the words last first
        app.parse(mots);
        const CLI::App* pCommande = commande();
        const std::string sortie =
            CommandeCli(pCommande->get_name())->pExecuter(contexte, CArguments(*pCommande));
        if (!Ecrire(stdout, sortie)) {
            ErreurFichier("cannot write to the standard output");
        }
        return kSortieSucces;
    } catch (const CLI::CallForHelp&) {
        Ecrire(stdout, app.help());
        return kSortieSucces;
    } catch (const CLI::CallForVersion& e) {
        Ecrire(stdout, std::string(e.what()) + "\n");
        return kSortieSucces;
    } catch (const CLI::ParseError& e) {
        Ecrire(stderr, prefixe() + UneLigne(e.what()) + "\n" + Usage(commande()));
        return kSortieUsage;
    } catch (const CErreurCli& e) {
        Ecrire(stderr, prefixe() + UneLigne(e.what()) + "\n");
        if (e.Code() == kSortieUsage) {
            Ecrire(stderr, Usage(commande()));
        }
        return e.Code();
    } catch (const std::bad_alloc&) {
        Ecrire(stderr, prefixe() + "not enough memory\n");
        return kSortieRefus;
    }
}
