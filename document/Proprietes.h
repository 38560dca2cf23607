#pragma once

#include "lighting/CorrelationPhysique.h"
#include "platform/Validation.h"

#include <string>

// Everything about a face that is not geometry.
class CArchive;

class CProprietes {
public:
    // Writes or reads the stored members, in file order.
    void Serialize(CArchive& ar);

    static constexpr int kLongueurNom = 30;
    // Accepted values.
    static constexpr CPlage kPlageTaux{0, 100};            // %
    static constexpr CPlage kPlageMailleRelative{0.1, 10}; // %
    static constexpr CPlage kPlageMailleAbsolue{0.01, 1};  // m

    CCorrelationPhysique m_correlationTransmittivite;
    CCorrelationPhysique m_correlationAbsorptivite;
    std::string m_strNom = "no name"; // Windows-1252 bytes
    int m_bRecepteur = 0;
    int m_bCoteInverse = 0;
    int m_bMasquee = 0;
    double m_dTransmittivite = 0.0; // %
    double m_dAbsorptivite = 100.0; // %
    double m_dMailleRelative = 2.0; // %
    double m_dMailleAbsolue = 0.04; // m

    // Takes every property of the source; the name becomes "%s (c)" cut to
    // 30 characters.
    void CopierProprietes(const CProprietes& source);

    // Dialog "Face properties".
    struct CTampon {
        std::string strNom;
        bool bRecepteur;
        bool bCoteInverse;
        bool bMasquee;
        double dTransmittivite;
        double dAbsorptivite;
        double dMailleRelative;
        double dMailleAbsolue;
        // In mode 2 the rate comes from the couples alone, so its edit is disabled.
        bool bTransmittiviteActive;
        bool bAbsorptiviteActive;
    };
    enum EChamp {
        ChampNom,
        ChampTransmittivite,
        ChampAbsorptivite,
        ChampMailleRelative,
        ChampMailleAbsolue
    };

    CTampon Ouvrir() const;
    // After a "Detail..." dialog: the edits follow the correlations' modes again.
    void ActualiserActivation(CTampon& tampon) const;
    CResultatValidation Valider(const CTampon& tampon);
};
