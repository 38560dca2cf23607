#pragma once

#include "geometry/Maillage.h"
#include "platform/Validation.h"

#include <functional>
#include <string>
#include <vector>

class CEclairementRecepteurs;
class CFace;
class CPositionSoleil;

// What the "Sun hours" dialog edits: the date of the list or the whole year,
// and the threshold in percent as typed.
struct CTamponHeuresSoleil {
    int nIndexDate = 0;
    int bAnnee = 0;
    std::string strSeuil;
};

// The hours of direct sun of one receiver.
struct CHeuresRecepteur {
    int nFace = 0; // position in the list when computed
    std::string strNom;
    CMaillage noeuds;    // the node positions, with their hours in the value slot
    double dMoyenne = 0; // mean, least and most hours of its nodes
    double dMin = 0;
    double dMax = 0;
};

// The hours of direct sun at every receiver node for one date of the list, or
// the mean daily hours over the 24 dates: the day is sampled at the options'
// time step as the day report does, and a sample counts for a node when its
// lighting is above 0 and at least the threshold. The results keep their own
// copy of the node positions, so the view can show them after the meshes are
// released; they are never stored in the scene file.
class CHeuresSoleil {
public:
    enum EChamp : int { kChampDate, kChampSeuil };
    static constexpr CPlage kPlageSeuil{0, 100}; // %

    int m_nIndexDate = 5;    // "21 march"
    int m_bAnnee = 0;        // every date of the list, the mean per day
    double m_dSeuil = 0;     // %
    int m_bArret = 0;        // "Close / Stop" asked during the computation
    int m_nEchantillons = 0; // samples done by the current computation
    // The view shows the hours until the scene changes (Effacer).
    bool m_bAffichees = false;
    std::vector<CHeuresRecepteur> m_recepteurs;
    // What the results stand for: the date, or "mean day of the year".
    std::string m_strPeriode;

    CHeuresSoleil(CPositionSoleil& soleil, CEclairementRecepteurs& eclairement)
        : m_soleil(soleil), m_eclairement(eclairement) {}
    CHeuresSoleil(const CHeuresSoleil&) = delete;
    CHeuresSoleil& operator=(const CHeuresSoleil&) = delete;

    // The dialog opens on the last choices, with no stop asked.
    CTamponHeuresSoleil Ouvrir();
    // Stores the choices only when every field is accepted.
    CResultatValidation Valider(const CTamponHeuresSoleil& tampon);

    int PasMinutes() const;
    // Samples of the whole computation, and the progress bar's position.
    int EchantillonsTotal() const;
    int Progression() const;
    // Whether a node's lighting counts as direct sun.
    bool Ensoleille(float fValeur) const { return fValeur > 0 && fValeur >= m_dSeuil; }

    // Computes `faces` (document order, meshes built) for the chosen date or
    // the year. After each sample `apresEchantillon` runs; when it sets
    // m_bArret the computation ends, its results are dropped and false is
    // returned. On success the view shows the hours.
    bool Calculer(const std::vector<CFace*>& faces, const std::function<void()>& apresEchantillon);
    // The results go and the view no longer shows them.
    void Effacer();

    // The top of the colour scale: the most hours of a node rounded up to a
    // whole hour, at least 1.
    double Echelle() const;

private:
    CPositionSoleil& m_soleil;
    CEclairementRecepteurs& m_eclairement;
};
