// The command table, the help, and the dispatch of a command line.
#include "cli/Commandes.h"

#include <cctype>
#include <cstdio>
#include <exception>

namespace {

constexpr const char* kProgramme = "vantrel-cli";

const char* const kAideDate =
    "  --date D          a date of the list: an index 0 to 23, or its text (\"04 january\",\n"
    "                    \"21 january\", ... \"21 december\"; the day may be written \"4\")\n";
const char* const kAideHeure =
    "  --time HH:MM      the time of day, UT (or the Greenwich mean solar time when the\n"
    "                    site ignores the longitude)\n";
const char* const kAideJson =
    "  --json            machine-readable output; doubles round-trip exactly\n";

std::string Usage(const CCommandeCli& commande) {
    return std::string("usage: ") + kProgramme + " " + commande.szSynopsis + "\n";
}

bool PrendOption(const CCommandeCli& commande, const std::string& strNom) {
    for (const COptionCli& o : commande.options) {
        if (strNom == o.szNom) {
            return true;
        }
    }
    return false;
}

std::string AideCommande(const CCommandeCli& commande) {
    std::string resume = commande.szResume;
    resume[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(resume[0])));
    std::string texte = Usage(commande) + "\n" + resume + ".\n\n" + commande.szAide + "options:\n";
    if (PrendOption(commande, "--date")) {
        texte += kAideDate;
    }
    if (PrendOption(commande, "--time")) {
        texte += kAideHeure;
    }
    return texte + commande.szOptions + kAideJson + "  --help            this help\n";
}

std::string AideGenerale() {
    std::string texte = std::string("usage: ") + kProgramme +
                        " COMMAND [ARGUMENTS] [--json]\n"
                        "       " +
                        kProgramme +
                        " COMMAND --help\n\n"
                        "Every computation of Vantrel on .vtl scene files, for batch work and "
                        "scripts.\n\ncommands:\n";
    for (const CCommandeCli& c : CommandesCli()) {
        char ligne[256];
        std::snprintf(ligne, sizeof ligne, "  %-12s %s\n", c.szNom, c.szResume);
        texte += ligne;
    }
    texte += "\nexit codes: 0 success, 1 bad usage, 2 a file that cannot be read or written,\n"
             "3 a computation refused.\n";
    return texte;
}

// Strings written whole, so that a command's output never mixes with a
// message.
// False when the stream refused the text (a full disk behind a redirection).
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

const std::vector<CCommandeCli>& CommandesCli() {
    static const std::vector<CCommandeCli> s_commandes = {
        {"info",
         "info FILE [--json]",
         "the title, site, options and faces of a scene",
         "A row per face: index, kind, name, receiver, hidden, study side reversed,\n"
         "transmittivity and absorptivity (%) with their rate-law modes (0 uniform,\n"
         "1 modulated by cos(incidence), 2 interpolated), area and net area (m2),\n"
         "orientation and inclination (deg) as the face geometry report gives them,\n"
         "the four main points and the indices of its openings.\n\n",
         "",
         1,
         1,
         {},
         CommandeInfo},
        {"sun",
         "sun [FILE] --date D --time HH:MM [--lat L] [--lon L] [--ignore-longitude]\n"
         "                   [--north N] [--year Y] [--json]",
         "the sun's azimuth, altitude and direction",
         "For the site and year of FILE, or those of a new document (Paris, 2003)\n"
         "without it.\n\n",
         "  --lat L           latitude, -89.9 to 89.9 deg, north positive\n"
         "  --lon L           longitude, -180 to 180 deg, west positive\n"
         "  --ignore-longitude  use the Greenwich mean solar time\n"
         "  --north N         direction of north, 0 to 360 deg from the Y axis\n"
         "  --year Y          year of reference, 2001 to 2040\n",
         0,
         1,
         {{"--date", 1},
          {"--time", 1},
          {"--lat", 1},
          {"--lon", 1},
          {"--ignore-longitude", 0},
          {"--north", 1},
          {"--year", 1}},
         CommandeSoleil},
        {"lighting",
         "lighting FILE --date D --time HH:MM [--nodes CSV] [--json]",
         "the lighting of the receivers for one sun position",
         "Builds the receivers' meshes under the file's maximum processor weight and\n"
         "computes the scene's equivalent lighting (%) and incidence (deg), then each\n"
         "receiver's own equivalent and incidence, net area and node count.\n\n",
         "  --nodes CSV       writes every node as \"face,node,x,y,z,value\"\n",
         1,
         1,
         {{"--date", 1}, {"--time", 1}, {"--nodes", 1}},
         CommandeEclairement},
        {"day-report",
         "day-report FILE --date D [--step MIN] [--export TXT] [--json]",
         "the lighting through a whole day and its averages",
         "Samples the date from 00:00 every step, as the \"Day report\" dialog does;\n"
         "shows its progress on standard error when that is a terminal.\n\n",
         "  --step MIN        1, 2, 3, 4, 5, 6, 10, 12, 15, 20 or 30 (default: the file's)\n"
         "  --export TXT      writes the samples as the dialog's \"Export...\" does\n",
         1,
         1,
         {{"--date", 1}, {"--step", 1}, {"--export", 1}},
         CommandeBilanJournalier},
        {"solar-info",
         "solar-info FILE --date D [--json]",
         "the daylight duration and the zenith point of a date",
         "At the site of FILE, scanned minute by minute.\n\n",
         "",
         1,
         1,
         {{"--date", 1}},
         CommandeInformationsSolaires},
        {"reversed",
         "reversed FILE [--azimuth MIN MAX] [--altitude MIN MAX] [--json]",
         "the minutes the sun spends in a cone of the sky, for each date",
         "At the site of FILE, for the 24 dates of the list.\n\n",
         "  --azimuth MIN MAX   0 to 360 deg (default 160 200); no wrap past the north\n"
         "  --altitude MIN MAX  -90 to 90 deg (default 30 70)\n",
         1,
         1,
         {{"--azimuth", 2}, {"--altitude", 2}},
         CommandeProblemeInverse},
        {"practical",
         "practical [--lat L] [--overhang M --canopy-altitude A]\n"
         "                   [--panel-size M --panel-altitude A --panel-inclination I] [--json]",
         "panel inclinations, canopy shadow and panel row spacing",
         "The \"Practical calculations\": recommended panel inclinations at the latitude,\n"
         "how far a canopy's shadow goes down, the minimum spacing of rows of panels.\n\n",
         "  --lat L                latitude, -89.9 to 89.9 deg (default 48.9)\n"
         "  --overhang M           canopy overhang, 0 to 100 m (default 1)\n"
         "  --canopy-altitude A    sun altitude, 0.01 to 89.99 deg (default 45)\n"
         "  --panel-size M         0 to 100 m (default 1)\n"
         "  --panel-altitude A     sun altitude, 0.01 to 89.99 deg (default 45)\n"
         "  --panel-inclination I  0 to 90 deg (default 45)\n",
         0,
         0,
         {{"--lat", 1},
          {"--overhang", 1},
          {"--canopy-altitude", 1},
          {"--panel-size", 1},
          {"--panel-altitude", 1},
          {"--panel-inclination", 1}},
         CommandeCalculsPratiques},
        {"example",
         "example NAME OUT [--json]\n       vantrel-cli example --list [--json]",
         "writes one of the bundled example scenes",
         "NAME is house, panels or street; OUT is the .vtl file to write.\n\n",
         "  --list            lists the examples\n",
         0,
         2,
         {{"--list", 0}},
         CommandeExemple},
        {"resave",
         "resave IN OUT [--json]",
         "reads a scene and writes it back",
         "A file that the program wrote comes back byte for byte.\n\n",
         "",
         2,
         2,
         {},
         CommandeReenregistrer},
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

int ExecuterLigneCommande(const std::vector<std::string>& mots, CContexte& contexte) {
    if (mots.empty()) {
        Ecrire(stderr, AideGenerale());
        return kSortieUsage;
    }
    const std::string& strNom = mots[0];
    if (strNom == "--help" || strNom == "-h" || strNom == "help") {
        if (mots.size() > 1 && strNom == "help") {
            if (const CCommandeCli* pCommande = CommandeCli(mots[1])) {
                Ecrire(stdout, AideCommande(*pCommande));
                return kSortieSucces;
            }
        }
        Ecrire(stdout, AideGenerale());
        return kSortieSucces;
    }
    const CCommandeCli* pCommande = CommandeCli(strNom);
    if (pCommande == nullptr) {
        Ecrire(stderr, std::string(kProgramme) + ": unknown command \"" + UneLigne(strNom) +
                           "\" (try \"" + kProgramme + " --help\")\n");
        return kSortieUsage;
    }
    const std::string prefixe = std::string(kProgramme) + ": " + pCommande->szNom + ": ";
    try {
        const std::vector<std::string> suite(mots.begin() + 1, mots.end());
        const CArguments arguments = CArguments::Analyser(suite, pCommande->options);
        if (arguments.Present("--help")) {
            Ecrire(stdout, AideCommande(*pCommande));
            return kSortieSucces;
        }
        const int n = static_cast<int>(arguments.m_positionnels.size());
        if (n < pCommande->nPositionnelsMin) {
            ErreurUsage("missing arguments");
        }
        if (n > pCommande->nPositionnelsMax) {
            ErreurUsage("unexpected argument \"" + arguments.m_positionnels.back() + "\"");
        }
        const std::string sortie = pCommande->pExecuter(contexte, arguments);
        if (!Ecrire(stdout, sortie)) {
            ErreurFichier("cannot write to the standard output");
        }
        return kSortieSucces;
    } catch (const CErreurCli& e) {
        Ecrire(stderr, prefixe + UneLigne(e.what()) + "\n");
        if (e.Code() == kSortieUsage) {
            Ecrire(stderr, Usage(*pCommande));
        }
        return e.Code();
    } catch (const std::bad_alloc&) {
        Ecrire(stderr, prefixe + "not enough memory\n");
        return kSortieRefus;
    }
}
