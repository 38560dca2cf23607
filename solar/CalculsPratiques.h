#pragma once

#include "platform/Validation.h"

#include <string>

class CConfigurationGeographique;

// Edits of the "Practical calculations" dialog, and its read-only results.
struct CTamponCalculsPratiques {
    std::string strAvancee;
    std::string strTaillePanneaux;
    std::string strAltitudeAuvent;
    std::string strAltitudePanneaux;
    std::string strInclinaisonPanneaux;
    std::string strEspacement;       // read-only
    std::string strDescenteOmbre;    // read-only
    std::string strInclinaisonEte;   // read-only
    std::string strInclinaisonHiver; // read-only
};

// Canopy shadow, recommended panel inclinations at the site's latitude and
// the spacing of rows of inclined panels. The typed values persist between
// openings.
class CCalculsPratiques {
public:
    // Edits that can be refused.
    enum EChamp : int {
        kChampAvancee,
        kChampTaillePanneaux,
        kChampAltitudeAuvent,
        kChampAltitudePanneaux,
        kChampInclinaisonPanneaux
    };

    double m_dAvancee = 1.0;         // canopy overhang, m
    double m_dTaillePanneaux = 1.0;  // m
    double m_dEspacement = 1.414;    // minimum spacing of panel rows, m
    double m_dAltitudeAuvent = 45;   // sun altitude for the canopy, degrees
    double m_dAltitudePanneaux = 45; // sun altitude for the panels, degrees
    double m_dInclinaisonPanneaux = 45;
    double m_dDescenteOmbre = 1.0; // m
    double m_dInclinaisonEte = 0;  // degrees, set at opening
    double m_dInclinaisonHiver = 0;

    explicit CCalculsPratiques(const CConfigurationGeographique& site) : m_site(site) {}
    CCalculsPratiques(const CCalculsPratiques&) = delete;
    CCalculsPratiques& operator=(const CCalculsPratiques&) = delete;

    // Opening: the recommended inclinations for the site's latitude (for a
    // southern aspect in the northern hemisphere), then every field.
    CTamponCalculsPratiques Ouvrir();
    // "Compute" of each group: reads all the edits (nothing stored or
    // computed when one is refused), computes and shows.
    CResultatValidation CalculerAuvent(CTamponCalculsPratiques& tampon);
    CResultatValidation CalculerPanneaux(CTamponCalculsPratiques& tampon);
    CTamponCalculsPratiques Montrer() const;

private:
    CResultatValidation Lire(const CTamponCalculsPratiques& tampon);

    const CConfigurationGeographique& m_site;
};
