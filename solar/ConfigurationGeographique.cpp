#include "solar/ConfigurationGeographique.h"

#include "platform/Validation.h"
#include "solar/Saisie.h"

#include <cctype>
#include <cstdio>

namespace {

struct SVille {
    const char* pszNom;
    double dLatitude;
    double dLongitude;
};

// Not strictly alphabetical ("MURSMANK" precedes "MUNICH"): a row's index is
// its place in this list, which the dialog shows unsorted.
constexpr SVille s_villes[CConfigurationGeographique::kNombreVilles] = {
    {"Particular place", 0.0, 0.0}, {"ABIDJAN", 5.3, 4.0},         {"AJACCIO", 41.9, -8.7},
    {"AMSTERDAM", 52.4, -4.9},      {"ANCHORAGE", 61.2, 150.0},    {"ANKARA", 39.9, -32.8},
    {"ATHENS", 38.0, -23.7},        {"AVIGNON", 43.9, -4.8},       {"BANGKOK", 13.7, -100.5},
    {"BARCELONA", 41.4, -2.2},      {"BELFAST", 54.6, 5.9},        {"BELGRADE", 44.8, -20.5},
    {"BERLIN", 52.5, -13.4},        {"BIARRITZ", 43.5, 1.6},       {"BOMBAY", 18.9, -72.9},
    {"BORDEAUX", 44.8, 0.6},        {"BOSTON", 42.3, 71.1},        {"BRASILIA", -16.2, 44.5},
    {"BREST", 48.4, 4.5},           {"BRUSSELS", 50.8, -4.4},      {"BUCHAREST", 44.4, -26.1},
    {"BUDAPEST", 47.5, -19.1},      {"BUENOS AIRES", -34.7, 58.5}, {"CAIRO", 30.1, -31.3},
    {"CARACAS", 10.6, 66.9},        {"CHICAGO", 41.8, 87.8},       {"CLERMONT FERRAND", 45.8, -3.1},
    {"COPENHAGEN", 55.7, -12.6},    {"DAKAR", 14.6, 17.5},         {"DALLAS", 32.8, 96.9},
    {"DENVER", 39.8, 105.0},        {"DIJON", 47.3, -5.0},         {"DUBLIN", 53.3, 6.3},
    {"DURBAN", -29.9, -31.0},       {"FRANKFURT", 50.1, -8.7},     {"GENEVA", 46.2, -6.2},
    {"GLASGOW", 55.9, 4.3},         {"GOTEBORG", 57.8, -12.0},     {"HAMBURG", 53.6, -10.0},
    {"HELSINKI", 60.1, -25.0},      {"HONG KONG", 22.3, -114.2},   {"HONOLULU", 21.3, 157.8},
    {"HOUSTON", 29.8, 95.4},        {"ISTAMBUL", 41.0, -29.0},     {"JAKARTA", 6.1, -106.8},
    {"KIEV", 50.5, -30.5},          {"KINSHASA", -4.3, -15.3},     {"KOUROU", 5.1, 52.6},
    {"LA PAZ", -16.5, 68.2},        {"LILLE", 50.7, -3.1},         {"LIMA", -12.1, 77.1},
    {"LIMOGES", 45.8, -1.3},        {"LISBON", 38.7, 9.1},         {"LONDON", 51.5, 0.2},
    {"LOS ANGELES", 34.0, 118.3},   {"LYON", 45.8, -4.8},          {"MADRID", 40.4, 3.7},
    {"MANCHESTER", 53.5, 2.3},      {"MARSEILLE", 43.3, -5.4},     {"MELBOURNE", -37.8, -145.0},
    {"MEMPHIS", 35.2, 90.0},        {"MEXICO", 19.4, 99.2},        {"MIAMI", 25.8, 80.3},
    {"MILAN", 45.5, -9.2},          {"MONTPELLIER", 43.6, -3.9},   {"MONTREAL", 45.5, 73.6},
    {"MOSCOW", 55.8, -37.7},        {"MURSMANK", 69.0, -33.1},     {"MUNICH", 48.1, -11.6},
    {"NAIROBI", 1.3, 36.8},         {"NANTES", 47.2, 1.6},         {"NAPLES", 40.8, -14.3},
    {"NEW DELHI", 28.6, -77.2},     {"NEW YORK", 40.7, 73.8},      {"NICE", 43.7, -7.3},
    {"OSLO", 59.9, -10.8},          {"PARIS", 48.9, -2.3},         {"PERTH", -32.0, -115.8},
    {"PHOENIX", 33.5, 112.1},       {"PORTO", 41.2, 8.6},          {"PRAGUE", 50.1, -14.4},
    {"QUEBEC", 46.8, 71.3},         {"REIMS", 49.3, -4.0},         {"RENNES", 48.1, 1.7},
    {"REYKJAVIK", 64.2, 22.0},      {"RIGA", 56.9, -24.1},         {"ROME", 41.9, -12.9},
    {"ROUEN", 49.4, -1.1},          {"RIYAD", 24.7, -46.8},        {"SAN FRANCISCO", 37.8, 122.5},
    {"SANTIAGO", -33.5, 70.7},      {"SAO PAULO", -23.6, 46.7},    {"SEATTLE", 47.6, 122.3},
    {"SEVILLA", 37.4, 6.0},         {"SOFIA", 42.7, -23.3},        {"STOCKHOLM", 59.3, -18.1},
    {"STRASBOURG", 48.6, -7.8},     {"SYDNEY", -33.9, -151.2},     {"TOKYO", 35.7, -139.8},
    {"TOULOUSE", 43.6, -1.5},       {"TRONDHEIM", 63.6, -10.4},    {"TUNIS", 36.8, -10.2},
    {"VIENNA", 48.2, -16.4},        {"WASHINGTON", 38.9, 77.0},    {"WARSAW", 52.3, -21.0},
    {"WELLINGTON", -41.3, -174.8},  {"ZAGREB", 45.8, -16.0},
};

bool CommencePar(const std::string& strNom, const std::string& strDebut) {
    if (strDebut.size() > strNom.size()) {
        return false;
    }
    for (std::size_t i = 0; i < strDebut.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(strNom[i])) !=
            std::toupper(static_cast<unsigned char>(strDebut[i]))) {
            return false;
        }
    }
    return true;
}

std::string TexteUneDecimale(double d) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.1f", d);
    return tampon;
}

} // namespace

CConfigurationGeographique::CConfigurationGeographique() {
    for (int i = 0; i < kNombreVilles; ++i) {
        m_villes[i] = CVille{s_villes[i].pszNom, s_villes[i].dLatitude, s_villes[i].dLongitude};
    }
    CalculerNord();
}

void CConfigurationGeographique::CalculerNord() {
    m_nord = CVecteur(0, 1, 0).Rotation(CVecteur(0, 0, 1), -m_dDirectionNord);
}

int CConfigurationGeographique::IndexLieu() const {
    for (int i = 0; i < kNombreVilles; ++i) {
        if (CommencePar(m_villes[i].m_strNom, m_strLieu)) {
            return i;
        }
    }
    return -1;
}

CTamponConfigurationGeographique CConfigurationGeographique::Ouvrir() const {
    CTamponConfigurationGeographique t;
    t.strLatitude = TexteReel(m_dLatitude);
    t.strLongitude = TexteReel(m_dLongitude);
    // A place that matches no row falls back to the particular place, which
    // keeps the stored coordinates.
    const int nLieu = IndexLieu();
    ChoisirLieu(t, nLieu < 0 ? 0 : nLieu);
    CocherIgnorerLongitude(t, m_bIgnorerLongitude != 0);
    t.strDirectionNord = TexteReel(m_dDirectionNord);
    t.strLigneHorizon = TexteReel(m_dLigneHorizon);
    return t;
}

void CConfigurationGeographique::ChoisirLieu(CTamponConfigurationGeographique& t, int nLieu) const {
    if (nLieu < 0 || nLieu >= kNombreVilles) {
        return;
    }
    t.nLieu = nLieu;
    t.bCoordonneesLectureSeule = nLieu != 0;
    if (nLieu > 0) {
        t.strLatitude = TexteUneDecimale(m_villes[nLieu].m_dLatitude);
        t.strLongitude = TexteUneDecimale(m_villes[nLieu].m_dLongitude);
    }
}

void CConfigurationGeographique::CocherIgnorerLongitude(CTamponConfigurationGeographique& t,
                                                        bool bCoche) {
    t.bIgnorerLongitude = bCoche;
    t.bLongitudeActive = !bCoche;
}

CResultatValidation CConfigurationGeographique::Valider(const CTamponConfigurationGeographique& t) {
    double dLatitude = 0;
    double dLongitude = 0;
    double dDirectionNord = 0;
    double dLigneHorizon = 0;
    if (auto r = LireChampReel(kChampLatitude, t.strLatitude, kPlageLatitude.dMin,
                               kPlageLatitude.dMax, dLatitude)) {
        return r;
    }
    // Checked and stored even while the check box disables the edit.
    if (auto r = LireChampReel(kChampLongitude, t.strLongitude, kPlageLongitude.dMin,
                               kPlageLongitude.dMax, dLongitude)) {
        return r;
    }
    if (auto r = LireChampReel(kChampDirectionNord, t.strDirectionNord, kPlageDirectionNord.dMin,
                               kPlageDirectionNord.dMax, dDirectionNord)) {
        return r;
    }
    if (auto r = LireChampReel(kChampLigneHorizon, t.strLigneHorizon, kPlageLigneHorizon.dMin,
                               kPlageLigneHorizon.dMax, dLigneHorizon)) {
        return r;
    }
    const int nLieu = t.nLieu >= 0 && t.nLieu < kNombreVilles ? t.nLieu : 0;
    m_strLieu = m_villes[nLieu].m_strNom;
    m_dLatitude = dLatitude;
    m_dLongitude = dLongitude;
    m_dDirectionNord = dDirectionNord;
    m_dLigneHorizon = dLigneHorizon;
    m_bIgnorerLongitude = t.bIgnorerLongitude ? 1 : 0;
    CalculerNord();
    return std::nullopt;
}
