#pragma once

#include "platform/Validation.h"

// How a rate (transmittivity or absorptivity, in %) depends on the angle of
// incidence: uniform, modulated by the cosine, or interpolated between six
// (incidence, rate) couples kept sorted by incidence.
class CArchive;

class CCorrelationPhysique {
public:
    // Writes or reads the stored members, in file order.
    void Serialize(CArchive& ar);

    static constexpr int kCouples = 6;
    // Accepted values of the couples.
    static constexpr CPlage kPlageIncidence{0, 90}; // degrees
    static constexpr CPlage kPlageTaux{0, 100};     // %

    enum EMode { Uniforme = 0, ModuleCosinus = 1, Interpole = 2 };
    static constexpr CPlageEntier kPlageMode{Uniforme, Interpole}; // the radio buttons

    struct CCouple {
        double m_dIncidence; // degrees
        double m_dTaux;      // %
    };

    CCouple m_couples[kCouples] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {90, 0}};
    int m_nMode = Uniforme;

    // The effective rate at dIncidence (degrees). Mode 2 ignores dTaux.
    double Valeur(double dTaux, double dIncidence) const;
    void TrierCouples();
    void Copier(const CCorrelationPhysique& source);

    // Dialog "Interpolation of the physical parameter".
    struct CTampon {
        double dIncidences[kCouples];
        double dTaux[kCouples];
        int nMode; // selected radio button
    };
    enum EChamp { ChampIncidence0 = 0, ChampTaux0 = kCouples };

    // The first and the last incidence are shown read-only.
    static bool IncidenceModifiable(int i) { return i != 0 && i != kCouples - 1; }

    CTampon Ouvrir() const;
    // Checks every field (incidences 0 to 90, rates 0 to 100); on success
    // stores the couples in column order, sorts them and takes the mode.
    CResultatValidation Valider(const CTampon& tampon);
};
