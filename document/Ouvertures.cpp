#include "document/Ouvertures.h"

#include "document/VantrelDoc.h"
#include "geometry/Face.h"

#include <algorithm>

double COuvertures::AireOuvertures() const {
    switch (m_nMode) {
    case SansChangement:
        return 0.0;
    case SoustraireValeur:
        return m_dValeur;
    default: {
        double dAire = 0.0;
        for (CFace* pFace : m_faces) {
            dAire += pFace->Aire();
        }
        return dAire;
    }
    }
}

void COuvertures::Retirer(const CFace* pFace) {
    m_faces.erase(std::remove(m_faces.begin(), m_faces.end(), pFace), m_faces.end());
}

COuvertures::CTampon COuvertures::Ouvrir() const {
    CTampon t;
    for (int j = 0; j < g_nFaces - 1; ++j) {
        CFace* pFace = g_pDoc->Face(CVantrelDoc::FaceDeLEntree(j));
        t.libelles.push_back(g_pDoc->LibelleFace(CVantrelDoc::FaceDeLEntree(j)));
        t.selection.push_back(std::find(m_faces.begin(), m_faces.end(), pFace) != m_faces.end());
    }
    t.nMode = m_nMode;
    t.dValeur = m_dValeur;
    t.dTransmittiviteForcee = m_dTransmittiviteForcee;
    t.bForcer = false;
    return t;
}

CResultatValidation COuvertures::Valider(const CTampon& t) {
    if (auto r = VerifierReel(ChampValeur, t.dValeur, kPlageValeur)) {
        return r;
    }
    if (auto r = VerifierReel(ChampTransmittiviteForcee, t.dTransmittiviteForcee,
                              kPlageTransmittiviteForcee)) {
        return r;
    }
    m_nMode = t.nMode;
    m_dValeur = t.dValeur;
    m_dTransmittiviteForcee = t.dTransmittiviteForcee;
    m_faces.clear();
    for (std::size_t j = 0; j < t.selection.size(); ++j) {
        if (t.selection[j]) {
            m_faces.push_back(g_pDoc->Face(CVantrelDoc::FaceDeLEntree(static_cast<int>(j))));
        }
    }
    if (t.bForcer) {
        for (CFace* pFace : m_faces) {
            pFace->m_proprietes.m_correlationTransmittivite.m_nMode =
                CCorrelationPhysique::Uniforme;
            pFace->m_proprietes.m_dTransmittivite = m_dTransmittiviteForcee;
        }
    }
    return std::nullopt;
}

void RetirerOuvertureSelectionnee() {
    const CFace* pSelection = g_pDoc->Face(-1);
    for (int i = 0; i < g_nFaces; ++i) {
        g_pDoc->Face(i)->m_ouvertures.Retirer(pSelection);
    }
}
