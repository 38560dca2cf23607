#include "lighting/EclairementRecepteurs.h"

#include "geometry/Arrondi.h"
#include "geometry/Face.h"

std::vector<CFace*> Occultants(const std::vector<CFace*>& faces, const CFace* pRecepteur) {
    std::vector<CFace*> occultants;
    for (CFace* f : faces) {
        if (f != pRecepteur && CMoteurOmbrage::PeutOmbrer(*f)) {
            occultants.push_back(f);
        }
    }
    return occultants;
}

void CEclairementRecepteurs::Ouvrir() {
    m_dEquivalent = 0;
    m_dIncidence = 0;
    m_bAutoCalcul = 0;
}

void CEclairementRecepteurs::CalculerEclairement(const std::vector<CFace*>& faces,
                                                 const CSoleilCalcul& soleil) {
    if (m_bEvaluationSimple) {
        CalculerEclairementSimple(faces, soleil);
        return;
    }
    m_moteur.Ombrer(faces, soleil);
    // Its receivers, not every face: a scene's faces lie apart in memory.
    Agreger(m_moteur.Recepteurs());
}

void CEclairementRecepteurs::CalculerEclairementSimple(const std::vector<CFace*>& faces,
                                                       const CSoleilCalcul& soleil) {
    for (CFace* f : faces) {
        f->CalculerEclairementDirect(soleil.direction, soleil.dAltitude, soleil.dLigneHorizon);
    }
    for (CFace* f : faces) {
        if (f->m_proprietes.m_bRecepteur) {
            f->CalculerOmbrage(Occultants(faces, f));
        }
    }
    Agreger(faces);
}

void CEclairementRecepteurs::Agreger(const std::vector<CFace*>& faces) {
    double sa = 0;
    double sae = 0;
    double saei = 0;
    for (CFace* f : faces) {
        if (!f->m_proprietes.m_bRecepteur) {
            continue;
        }
        const double a = f->AireNette();
        sa += a;
        sae += a * f->m_dEclairement;
        saei += a * f->m_dEclairement * f->m_dIncidence;
    }
    // A receiver in full shade does not pull the mean incidence.
    m_dEquivalent = sa != 0 ? sae / sa : 0;
    m_dIncidence = sae != 0 ? saei / sae : 0;
    m_dEquivalent = Arrondi(m_dEquivalent, 2);
    m_dIncidence = Arrondi(m_dIncidence, 2);
}
