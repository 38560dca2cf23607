#include "lighting/BalayageJour.h"

#include "lighting/EclairementRecepteurs.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/PositionSoleil.h"

void BalayerJour(CPositionSoleil& soleil, CEclairementRecepteurs& eclairement,
                 const std::vector<CFace*>& faces, int nIndexDate, int nPas,
                 const std::function<bool(int k)>& echantillon) {
    CSauvegardeDateHeure sauvegarde(soleil);
    sauvegarde.Debuter(nIndexDate);
    // The meshes stay as they are for the whole scan.
    struct CFige {
        CEclairementRecepteurs& e;
        explicit CFige(CEclairementRecepteurs& e) : e(e) { e.FigerMaillages(true); }
        ~CFige() { e.FigerMaillages(false); }
        CFige(const CFige&) = delete;
        CFige& operator=(const CFige&) = delete;
    } fige(eclairement);
    const int n = 1440 / nPas;
    for (int k = 0; k < n; ++k) {
        soleil.CalculerPosition();
        soleil.CalculerDirection();
        CSoleilCalcul s;
        s.direction = soleil.m_direction;
        s.dAltitude = soleil.m_dAltitude;
        s.dLigneHorizon = soleil.Site().m_dLigneHorizon;
        eclairement.CalculerEclairement(faces, s);
        if (!echantillon(k)) {
            break;
        }
        soleil.AvancerMinutes(nPas);
    }
}
