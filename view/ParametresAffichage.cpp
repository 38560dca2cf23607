#include "view/ParametresAffichage.h"

#include "solar/Saisie.h"

namespace {

void AfficherPoint(const CVecteur& p, std::string (&champs)[3]) {
    champs[0] = TexteReel(p.m_x);
    champs[1] = TexteReel(p.m_y);
    champs[2] = TexteReel(p.m_z);
}

// Coordinates have no range, but each must read as a number.
CResultatValidation LirePoint(int nChamp, const std::string (&champs)[3], CVecteur* pPoint) {
    double d[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const auto v = LireReel(champs[i]);
        if (!v) {
            return CRefus{nChamp + i, MessageNombreInvalide()};
        }
        d[i] = *v;
    }
    if (pPoint != nullptr) {
        pPoint->Fixe(d[0], d[1], d[2]);
    }
    return std::nullopt;
}

} // namespace

CAffGeneral::CTampon CAffGeneral::Ouvrir() const {
    return CTampon{m_strTitre,
                   m_bTriedreCentral != 0,
                   m_bTriedreInformatif != 0,
                   m_bDirectionNord != 0,
                   m_bElementsTextuels != 0,
                   m_bBrillance != 0,
                   m_bGrosNoeuds != 0};
}

CResultatValidation CAffGeneral::Verifier(const CTampon& t) const {
    return VerifierLongueur(CParametresAffichage::kChampTitre, t.strTitre,
                            CParametresAffichage::kLongueurTitre);
}

void CAffGeneral::Stocker(const CTampon& t) {
    m_strTitre = t.strTitre;
    m_bTriedreCentral = t.bTriedreCentral ? 1 : 0;
    m_bTriedreInformatif = t.bTriedreInformatif ? 1 : 0;
    m_bDirectionNord = t.bDirectionNord ? 1 : 0;
    m_bElementsTextuels = t.bElementsTextuels ? 1 : 0;
    m_bBrillance = t.bBrillance ? 1 : 0;
    m_bGrosNoeuds = t.bGrosNoeuds ? 1 : 0;
}

CAffQuadrillage::CTampon CAffQuadrillage::Ouvrir() const {
    CTampon t{m_bAfficher != 0, m_bSignaler != 0, std::to_string(m_nRepetition), {}, {}, {}};
    AfficherPoint(m_centre, t.strCentre);
    AfficherPoint(m_vecteur1, t.strVecteur1);
    AfficherPoint(m_vecteur2, t.strVecteur2);
    return t;
}

CResultatValidation CAffQuadrillage::Verifier(const CTampon& t) const {
    // In the order of the page: the centre's group, then the base's.
    if (auto r = LirePoint(CParametresAffichage::kChampCentre, t.strCentre, nullptr)) {
        return r;
    }
    int nRepetition = 0;
    if (auto r = LireChampEntier(CParametresAffichage::kChampRepetition, t.strRepetition,
                                 kPlageRepetition.nMin, kPlageRepetition.nMax, nRepetition)) {
        return r;
    }
    if (auto r = LirePoint(CParametresAffichage::kChampVecteur1, t.strVecteur1, nullptr)) {
        return r;
    }
    return LirePoint(CParametresAffichage::kChampVecteur2, t.strVecteur2, nullptr);
}

void CAffQuadrillage::Stocker(const CTampon& t) {
    m_bAfficher = t.bAfficher ? 1 : 0;
    m_bSignaler = t.bSignaler ? 1 : 0;
    LireChampEntier(CParametresAffichage::kChampRepetition, t.strRepetition, kPlageRepetition.nMin,
                    kPlageRepetition.nMax, m_nRepetition);
    LirePoint(CParametresAffichage::kChampCentre, t.strCentre, &m_centre);
    LirePoint(CParametresAffichage::kChampVecteur1, t.strVecteur1, &m_vecteur1);
    LirePoint(CParametresAffichage::kChampVecteur2, t.strVecteur2, &m_vecteur2);
}

CAffSoleil::CTampon CAffSoleil::Ouvrir() const {
    CTampon t{m_bSoleilProche != 0, m_bRayonProche != 0, {}, TexteReel(m_dDistance)};
    AfficherPoint(m_pointCible, t.strCible);
    return t;
}

CResultatValidation CAffSoleil::Verifier(const CTampon& t) const {
    if (auto r = LirePoint(CParametresAffichage::kChampCible, t.strCible, nullptr)) {
        return r;
    }
    double d = 0;
    return LireChampReel(CParametresAffichage::kChampDistance, t.strDistance, kPlageDistance.dMin,
                         kPlageDistance.dMax, d);
}

void CAffSoleil::Stocker(const CTampon& t) {
    m_bSoleilProche = t.bSoleilProche ? 1 : 0;
    m_bRayonProche = t.bRayonProche ? 1 : 0;
    LirePoint(CParametresAffichage::kChampCible, t.strCible, &m_pointCible);
    LireChampReel(CParametresAffichage::kChampDistance, t.strDistance, kPlageDistance.dMin,
                  kPlageDistance.dMax, m_dDistance);
}

bool CFeuilleParametres::Montrer(EPage page) {
    if (m_bMontree[page]) {
        return false;
    }
    m_bMontree[page] = true;
    switch (page) {
    case kPageGeneral:
        m_general = m_parametres.m_pageGeneral.Ouvrir();
        break;
    case kPageQuadrillage:
        m_quadrillage = m_parametres.m_pageQuadrillage.Ouvrir();
        break;
    case kPageSoleil:
        m_soleil = m_parametres.m_pageSoleil.Ouvrir();
        break;
    }
    return true;
}

CResultatValidation CFeuilleParametres::Quitter(EPage page) const {
    if (!m_bMontree[page]) {
        return std::nullopt;
    }
    switch (page) {
    case kPageGeneral:
        return m_parametres.m_pageGeneral.Verifier(m_general);
    case kPageQuadrillage:
        return m_parametres.m_pageQuadrillage.Verifier(m_quadrillage);
    case kPageSoleil:
        return m_parametres.m_pageSoleil.Verifier(m_soleil);
    }
    return std::nullopt;
}

CResultatValidation CFeuilleParametres::Valider() {
    for (const EPage page : {kPageGeneral, kPageQuadrillage, kPageSoleil}) {
        if (auto r = Quitter(page)) {
            return r;
        }
    }
    if (m_bMontree[kPageGeneral]) {
        m_parametres.m_pageGeneral.Stocker(m_general);
    }
    if (m_bMontree[kPageQuadrillage]) {
        m_parametres.m_pageQuadrillage.Stocker(m_quadrillage);
    }
    if (m_bMontree[kPageSoleil]) {
        m_parametres.m_pageSoleil.Stocker(m_soleil);
    }
    return std::nullopt;
}
