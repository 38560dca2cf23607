#pragma once

#include "geometry/Vecteur.h"
#include "platform/Validation.h"

#include <array>
#include <string>

// One row of the place table: degrees, north and west positive.
class CArchive;

struct CVille {
    std::string m_strNom;
    double m_dLatitude = 0;
    double m_dLongitude = 0;
};

// Edit buffers of the "Geographical configuration" dialog and the state of
// its controls.
struct CTamponConfigurationGeographique {
    int nLieu = 0; // selected row of the place list
    std::string strLatitude;
    std::string strLongitude;
    bool bCoordonneesLectureSeule = false; // latitude and longitude edits
    bool bIgnorerLongitude = false;        // the check box
    bool bLongitudeActive = true;          // longitude edit enabled
    std::string strDirectionNord;
    std::string strLigneHorizon;
};

// Where the scene stands on the Earth and how it is turned.
class CConfigurationGeographique {
public:
    // Writes or reads the stored members, in file order.
    void Serialize(CArchive& ar);

    // Fields of the dialog, top to bottom; the id of a refused field.
    enum EChamp : int { kChampLatitude, kChampLongitude, kChampDirectionNord, kChampLigneHorizon };

    static constexpr int kNombreVilles = 107; // row 0 is the particular place

    // Accepted values, degrees.
    static constexpr CPlage kPlageLatitude{-89.9, 89.9};
    static constexpr CPlage kPlageLongitude{-180, 180};
    static constexpr CPlage kPlageDirectionNord{0, 360};
    static constexpr CPlage kPlageLigneHorizon{-12, 48};

    std::array<CVille, kNombreVilles> m_villes;
    CVecteur m_nord;                 // north in scene axes, from m_dDirectionNord
    std::string m_strLieu = "PARIS"; // name of one row of m_villes
    double m_dLatitude = 48.9;       // degrees, north positive
    double m_dLongitude = -2.3;      // degrees, west positive
    double m_dDirectionNord = 0;     // degrees from +Y toward +X
    double m_dLigneHorizon = 0;      // degrees; the sun is hidden below it
    int m_bIgnorerLongitude = 0;     // the sun computation then uses 0

    CConfigurationGeographique();

    // m_nord = (0, 1, 0) turned about +Z by -m_dDirectionNord.
    void CalculerNord();

    // First row whose name begins with the stored place, case ignored; -1
    // when none does (a damaged file).
    int IndexLieu() const;

    // The dialog. Opening selects the stored place (row 0 when it matches no
    // row) and applies the place and check box rules.
    CTamponConfigurationGeographique Ouvrir() const;
    // Place selection rule: a city fixes the coordinates, shown with one
    // decimal and read-only; the particular place keeps what the edits held.
    void ChoisirLieu(CTamponConfigurationGeographique& tampon, int nLieu) const;
    // Check box rule: the longitude edit is enabled exactly when unchecked.
    static void CocherIgnorerLongitude(CTamponConfigurationGeographique& tampon, bool bCoche);
    // Validate: stores only when every field is accepted, then CalculerNord().
    CResultatValidation Valider(const CTamponConfigurationGeographique& tampon);
};
