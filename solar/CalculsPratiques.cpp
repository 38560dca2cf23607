#include "solar/CalculsPratiques.h"

#include "geometry/Arrondi.h"
#include "geometry/Vecteur.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/Saisie.h"

#include <cmath>

CTamponCalculsPratiques CCalculsPratiques::Ouvrir() {
    const double phi = m_site.m_dLatitude;
    m_dInclinaisonHiver = 90 - (phi + 20);
    if (m_dInclinaisonHiver < 0) {
        m_dInclinaisonHiver = 0;
    }
    m_dInclinaisonEte = 90 - (phi - 20);
    if (m_dInclinaisonEte > 90) {
        m_dInclinaisonEte = 90;
    }
    return Montrer();
}

CResultatValidation CCalculsPratiques::Lire(const CTamponCalculsPratiques& t) {
    double dAvancee = 0;
    double dTaille = 0;
    double dAltitudeAuvent = 0;
    double dAltitudePanneaux = 0;
    double dInclinaison = 0;
    if (auto r = LireChampReel(kChampAvancee, t.strAvancee, 0, 100, dAvancee)) {
        return r;
    }
    if (auto r = LireChampReel(kChampTaillePanneaux, t.strTaillePanneaux, 0, 100, dTaille)) {
        return r;
    }
    if (auto r = LireChampReel(kChampAltitudeAuvent, t.strAltitudeAuvent, 0.01, 89.99,
                               dAltitudeAuvent)) {
        return r;
    }
    if (auto r = LireChampReel(kChampAltitudePanneaux, t.strAltitudePanneaux, 0.01, 89.99,
                               dAltitudePanneaux)) {
        return r;
    }
    if (auto r = LireChampReel(kChampInclinaisonPanneaux, t.strInclinaisonPanneaux, 0, 90,
                               dInclinaison)) {
        return r;
    }
    m_dAvancee = dAvancee;
    m_dTaillePanneaux = dTaille;
    m_dAltitudeAuvent = dAltitudeAuvent;
    m_dAltitudePanneaux = dAltitudePanneaux;
    m_dInclinaisonPanneaux = dInclinaison;
    return std::nullopt;
}

CResultatValidation CCalculsPratiques::CalculerAuvent(CTamponCalculsPratiques& t) {
    if (auto r = Lire(t)) {
        return r;
    }
    m_dDescenteOmbre = Arrondi(std::tan(m_dAltitudeAuvent * kDegVersRad) * m_dAvancee, 3);
    t = Montrer();
    return std::nullopt;
}

CResultatValidation CCalculsPratiques::CalculerPanneaux(CTamponCalculsPratiques& t) {
    if (auto r = Lire(t)) {
        return r;
    }
    const double i = m_dInclinaisonPanneaux * kDegVersRad;
    m_dEspacement =
        Arrondi((std::cos(i) / std::tan(m_dAltitudePanneaux * kDegVersRad) + std::sin(i)) *
                    m_dTaillePanneaux,
                3);
    t = Montrer();
    return std::nullopt;
}

CTamponCalculsPratiques CCalculsPratiques::Montrer() const {
    CTamponCalculsPratiques t;
    t.strAvancee = TexteReel(m_dAvancee);
    t.strTaillePanneaux = TexteReel(m_dTaillePanneaux);
    t.strAltitudeAuvent = TexteReel(m_dAltitudeAuvent);
    t.strAltitudePanneaux = TexteReel(m_dAltitudePanneaux);
    t.strInclinaisonPanneaux = TexteReel(m_dInclinaisonPanneaux);
    t.strEspacement = TexteResultat(m_dEspacement);
    t.strDescenteOmbre = TexteResultat(m_dDescenteOmbre);
    t.strInclinaisonEte = TexteResultat(m_dInclinaisonEte);
    t.strInclinaisonHiver = TexteResultat(m_dInclinaisonHiver);
    return t;
}
