#include "solar/PositionSoleil.h"

#include "document/OptionsCalcul.h"
#include "geometry/Arrondi.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/Saisie.h"

#include <cmath>

double Modulo2Pi(double x) {
    return x - std::floor(x * 0.15915494309189535) * 6.283185307179586;
}

const std::array<const char*, CPositionSoleil::kNombreDates> CPositionSoleil::s_dates = {
    "04 january", "21 january", "04 february", "21 february", "04 march",     "21 march",
    "04 april",   "21 april",   "04 may",      "21 may",      "04 june",      "21 june",
    "04 july",    "21 july",    "04 august",   "21 august",   "04 september", "21 september",
    "04 october", "21 october", "04 november", "21 november", "04 december",  "21 december"};

CPositionSoleil::CPositionSoleil(const CConfigurationGeographique& site,
                                 const COptionsCalcul& options)
    : m_site(site), m_options(options) {}

long long CPositionSoleil::NumeroJour(int nIndexDate, int nAnnee) {
    // Wide enough for any year a damaged file may hold.
    const long long M = nIndexDate / 2 + 1;
    const long long D = 4 + 17 * (nIndexDate % 2);
    const long long Y = nAnnee;
    return 367 * Y - (7 * (Y + (M + 9) / 12)) / 4 + (275 * M) / 9 + D;
}

double CPositionSoleil::JoursDepuisEpoque(long long nNumeroJour, int nHeure, int nMinute) {
    return static_cast<double>(nNumeroJour) - 730531.5 +
           (nHeure + nMinute * 0.016666666666666666) * 0.041666666666666664;
}

void CPositionSoleil::CalculerPosition() {
    const double d =
        JoursDepuisEpoque(NumeroJour(m_nIndexDate, m_options.m_nAnnee), m_nHeure, m_nMinute);
    const double L = Modulo2Pi((0.9856474 * d + 280.461) * kDegVersRad);
    const double g = Modulo2Pi((0.9856003 * d + 357.528) * kDegVersRad);
    const double lambda =
        Modulo2Pi((1.915 * std::sin(g) + 0.02 * std::sin(2 * g)) * kDegVersRad + L);
    const double eps = (23.439 - 4e-7 * d) * kDegVersRad;
    const double sinLambda = std::sin(lambda);
    const double delta = std::asin(std::sin(eps) * sinLambda);
    const double longitude = m_site.m_bIgnorerLongitude ? 0.0 : -m_site.m_dLongitude * kDegVersRad;
    const double theta = Modulo2Pi((360.98564736629 * d + 280.46061837) * kDegVersRad + longitude);
    const double alpha = std::atan2(std::cos(eps) * sinLambda, std::cos(lambda));
    const double H = Modulo2Pi(theta - alpha);
    const double phi = m_site.m_dLatitude * kDegVersRad;
    const double cosH = std::cos(H);
    const double sinH = std::sin(H);
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    const double cosDelta = std::cos(delta);
    const double sinDelta = std::sin(delta);
    const double s = cosH * cosPhi * cosDelta + sinPhi * sinDelta;
    m_dAltitude = Arrondi(std::asin(s) * kRadVersDeg, 2);
    m_dAzimut = Arrondi(
        Modulo2Pi(std::atan2(-sinH * cosPhi * cosDelta, sinDelta - sinPhi * s)) * kRadVersDeg, 2);
}

void CPositionSoleil::CalculerDirection() {
    m_direction = CVecteur(0, 1, 0)
                      .Rotation(CVecteur(1, 0, 0), m_dAltitude)
                      .Rotation(CVecteur(0, 0, 1), -(m_site.m_dDirectionNord + m_dAzimut));
}

void CPositionSoleil::AvancerMinutes(int n) {
    // Callers step by at most an hour, so one wrap suffices for them; the
    // loops keep the time valid for any step all the same.
    m_nMinute += n;
    while (m_nMinute < 0) {
        m_nHeure = m_nHeure == 0 ? 23 : m_nHeure - 1;
        m_nMinute += 60;
    }
    while (m_nMinute > 59) {
        m_nHeure = m_nHeure == 23 ? 0 : m_nHeure + 1;
        m_nMinute -= 60;
    }
}

void CPositionSoleil::Calculer() {
    CalculerPosition();
    CalculerDirection();
}

void CPositionSoleil::Pas(int nSens) {
    AvancerMinutes(nSens * m_options.PasMinutes());
    Calculer();
}

void CPositionSoleil::DiminuerAzimut() {
    m_dAzimut = std::ceil(m_dAzimut - 1);
    if (m_dAzimut < 0) {
        m_dAzimut += 360;
    }
    CalculerDirection();
}

void CPositionSoleil::AugmenterAzimut() {
    m_dAzimut = std::floor(m_dAzimut + 1);
    if (m_dAzimut >= 360) {
        m_dAzimut -= 360;
    }
    CalculerDirection();
}

void CPositionSoleil::DiminuerAltitude() {
    if (m_dAltitude > -90) {
        m_dAltitude = std::ceil(m_dAltitude - 1);
    }
    CalculerDirection();
}

void CPositionSoleil::AugmenterAltitude() {
    if (m_dAltitude < 90) {
        m_dAltitude = std::floor(m_dAltitude + 1);
    }
    CalculerDirection();
}

int CPositionSoleil::PeriodeAnimation() const {
    return COptionsCalcul::PeriodeAnimation(m_options.m_dCadence);
}

const char* CPositionSoleil::ReferenceTemps() const {
    return m_site.m_bIgnorerLongitude ? "UT -diff" : "UT";
}

CTamponPositionSoleil CPositionSoleil::Ouvrir() {
    m_bInitialise = 1;
    Calculer();
    return Montrer();
}

CResultatValidation CPositionSoleil::Lire(const CTamponPositionSoleil& t) {
    int nHeure = 0;
    int nMinute = 0;
    if (auto r = LireChampEntier(kChampHeure, t.strHeure, 0, 23, nHeure)) {
        return r;
    }
    if (auto r = LireChampEntier(kChampMinute, t.strMinute, 0, 59, nMinute)) {
        return r;
    }
    if (t.nIndexDate >= 0 && t.nIndexDate < kNombreDates) {
        m_nIndexDate = t.nIndexDate;
    }
    m_nHeure = nHeure;
    m_nMinute = nMinute;
    return std::nullopt;
}

CTamponPositionSoleil CPositionSoleil::Montrer() const {
    CTamponPositionSoleil t;
    t.nIndexDate = m_nIndexDate;
    t.strHeure = std::to_string(m_nHeure);
    t.strMinute = std::to_string(m_nMinute);
    t.strAzimut = TexteResultat(m_dAzimut);
    t.strAltitude = TexteResultat(m_dAltitude);
    t.strReferenceTemps = ReferenceTemps();
    return t;
}
