#include "document/Proprietes.h"

void CProprietes::CopierProprietes(const CProprietes& source) {
    m_strNom = (source.m_strNom + " (c)").substr(0, kLongueurNom);
    m_bRecepteur = source.m_bRecepteur;
    m_bCoteInverse = source.m_bCoteInverse;
    m_bMasquee = source.m_bMasquee;
    m_dTransmittivite = source.m_dTransmittivite;
    m_dAbsorptivite = source.m_dAbsorptivite;
    m_correlationTransmittivite.Copier(source.m_correlationTransmittivite);
    m_correlationAbsorptivite.Copier(source.m_correlationAbsorptivite);
    m_dMailleRelative = source.m_dMailleRelative;
    m_dMailleAbsolue = source.m_dMailleAbsolue;
}

CProprietes::CTampon CProprietes::Ouvrir() const {
    CTampon t{
        m_strNom,        m_bRecepteur != 0, m_bCoteInverse != 0, m_bMasquee != 0, m_dTransmittivite,
        m_dAbsorptivite, m_dMailleRelative, m_dMailleAbsolue,    false,           false};
    ActualiserActivation(t);
    return t;
}

void CProprietes::ActualiserActivation(CTampon& tampon) const {
    tampon.bTransmittiviteActive =
        m_correlationTransmittivite.m_nMode != CCorrelationPhysique::Interpole;
    tampon.bAbsorptiviteActive =
        m_correlationAbsorptivite.m_nMode != CCorrelationPhysique::Interpole;
}

CResultatValidation CProprietes::Valider(const CTampon& t) {
    if (auto r = VerifierLongueur(ChampNom, t.strNom, kLongueurNom)) {
        return r;
    }
    if (auto r = VerifierReel(ChampTransmittivite, t.dTransmittivite, kPlageTaux)) {
        return r;
    }
    if (auto r = VerifierReel(ChampAbsorptivite, t.dAbsorptivite, kPlageTaux)) {
        return r;
    }
    if (auto r = VerifierReel(ChampMailleRelative, t.dMailleRelative, kPlageMailleRelative)) {
        return r;
    }
    if (auto r = VerifierReel(ChampMailleAbsolue, t.dMailleAbsolue, kPlageMailleAbsolue)) {
        return r;
    }
    m_strNom = t.strNom;
    m_bRecepteur = t.bRecepteur ? 1 : 0;
    m_bCoteInverse = t.bCoteInverse ? 1 : 0;
    m_bMasquee = t.bMasquee ? 1 : 0;
    m_dTransmittivite = t.dTransmittivite;
    m_dAbsorptivite = t.dAbsorptivite;
    m_dMailleRelative = t.dMailleRelative;
    m_dMailleAbsolue = t.dMailleAbsolue;
    return std::nullopt;
}
