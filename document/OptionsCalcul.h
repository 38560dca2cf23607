#pragma once

#include "platform/Validation.h"

#include <array>
#include <string>

// Edit buffers of the "Computation options" dialog. The edits hold what the
// user typed; the time step is the selected row of its drop-down list
// (-1: nothing selected).
class CArchive;

struct CTamponOptionsCalcul {
    std::string strCadence;
    int nIndexPas = -1;
    std::string strPoidsMax;
    std::string strAnnee;
};

// Settings that steer the computations rather than the scene: animation
// speed, time step, mesh node ceiling and the year of the fixed date lists.
class COptionsCalcul {
public:
    // Writes or reads the stored members, in file order.
    void Serialize(CArchive& ar);

    // Fields of the dialog, top to bottom; the id of a refused field.
    enum EChamp : int { kChampCadence, kChampPas, kChampPoidsMax, kChampAnnee };

    static constexpr int kNombrePas = 11;
    // Accepted values.
    static constexpr CPlage kPlageCadence{0.1, 40}; // Hz
    static constexpr CPlageEntier kPlageIndexPas{0, kNombrePas - 1};
    static constexpr CPlageEntier kPlagePoidsMax{1, 1000};
    static constexpr CPlageEntier kPlageAnnee{2001, 2040};
    // The time-step list as shown, and the minutes each entry stands for.
    static const std::array<const char*, kNombrePas> s_textesPas;
    static const std::array<int, kNombrePas> s_minutesPas;

    int m_nPasMinutes = 10;  // always s_minutesPas[m_nIndexPas]
    double m_dCadence = 4.0; // Hz
    int m_nIndexPas = 6;
    int m_nPoidsMax = 50;
    int m_nAnnee = 2003;

    // Period of the sun animation timer in ms: trunc(1000 / cadence).
    static int PeriodeAnimation(double dCadence);
    int PeriodeAnimation() const { return PeriodeAnimation(m_dCadence); }
    // The time step in minutes, held within 1 to 1440: a step read from a
    // damaged file must neither divide by zero nor overflow the clock.
    int PasMinutes() const {
        return m_nPasMinutes < 1 ? 1 : m_nPasMinutes > 1440 ? 1440 : m_nPasMinutes;
    }

    // The dialog: buffers at opening, and Validate, which stores only when
    // every field is accepted and returns the first refused field otherwise.
    CTamponOptionsCalcul Ouvrir() const;
    CResultatValidation Valider(const CTamponOptionsCalcul& tampon);
};
