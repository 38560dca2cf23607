// The stored members of every persistent class, in file order. One function
// per class both writes and reads, depending on the archive's direction.
#include "document/Archive.h"
#include "document/OptionsCalcul.h"
#include "document/Ouvertures.h"
#include "document/Proprietes.h"
#include "geometry/Face.h"
#include "lighting/CorrelationPhysique.h"
#include "solar/ConfigurationGeographique.h"
#include "view/ParametresAffichage.h"

#include <cstdint>
#include <string>
#include <type_traits>

// BOOL and int members are stored as 32-bit integers as they stand.
static_assert(std::is_same_v<int, std::int32_t>);

namespace {

void TransfererPoint(CArchive& ar, CVecteur& v) {
    ar.Transferer(v.m_x);
    ar.Transferer(v.m_y);
    ar.Transferer(v.m_z);
}

// The integer settings below drive loops and date arithmetic that a value the
// program never stores would overflow or stall (a grid of 2^31 lines, a day
// number of a year in the millions): a file holding one is refused, with the
// offset of the int32 just read.
void ExigerEntre(const CArchive& ar, std::int32_t n, std::int32_t nMin, std::int32_t nMax,
                 const char* quoi) {
    if (n < nMin || n > nMax) {
        ar.Echouer(std::string(quoi) + " " + std::to_string(n) + " is outside " +
                       std::to_string(nMin) + " to " + std::to_string(nMax),
                   ar.Position() - 4);
    }
}

} // namespace

void CParametresAffichage::Serialize(CArchive& ar) {
    CAffGeneral& g = m_pageGeneral;
    CAffQuadrillage& q = m_pageQuadrillage;
    CAffSoleil& s = m_pageSoleil;
    ar.Transferer(g.m_strTitre);
    ar.Transferer(g.m_bTriedreCentral);
    ar.Transferer(g.m_bTriedreInformatif);
    ar.Transferer(g.m_bDirectionNord);
    ar.Transferer(g.m_bElementsTextuels);
    ar.Transferer(g.m_bBrillance);
    ar.Transferer(g.m_bGrosNoeuds);
    ar.Transferer(g.m_bCoordonnees);
    ar.Transferer(g.m_bCoteEtude);
    ar.Transferer(q.m_bAfficher);
    ar.Transferer(q.m_bSignaler);
    ar.Transferer(q.m_nRepetition);
    if (ar.EstEnLecture()) {
        ExigerEntre(ar, q.m_nRepetition, 1, 100, "The grid repetition");
    }
    TransfererPoint(ar, q.m_centre);
    TransfererPoint(ar, q.m_vecteur1);
    TransfererPoint(ar, q.m_vecteur2);
    ar.Transferer(s.m_bSoleilProche);
    ar.Transferer(s.m_bRayonProche);
    ar.Transferer(s.m_dDistance);
    TransfererPoint(ar, s.m_pointCible);
}

void CConfigurationGeographique::Serialize(CArchive& ar) {
    ar.Transferer(m_strLieu);
    ar.Transferer(m_dLatitude);
    ar.Transferer(m_dLongitude);
    ar.Transferer(m_bIgnorerLongitude);
    ar.Transferer(m_dDirectionNord);
    ar.Transferer(m_dLigneHorizon);
    if (ar.EstEnLecture()) {
        CalculerNord();
    }
}

void COptionsCalcul::Serialize(CArchive& ar) {
    ar.Transferer(m_dCadence);
    ar.Transferer(m_nPoidsMax);
    ar.Transferer(m_nAnnee);
    if (ar.EstEnLecture()) {
        ExigerEntre(ar, m_nAnnee, 2001, 2040, "The year of reference");
    }
    ar.Transferer(m_nIndexPas);
    if (ar.EstEnLecture()) {
        ExigerEntre(ar, m_nIndexPas, 0, kNombrePas - 1, "The time step index");
    }
    ar.Transferer(m_nPasMinutes);
    if (ar.EstEnLecture() && m_nPasMinutes != s_minutesPas[static_cast<std::size_t>(m_nIndexPas)]) {
        ar.Echouer("The time step of " + std::to_string(m_nPasMinutes) +
                       " minutes does not match its list entry (" +
                       s_textesPas[static_cast<std::size_t>(m_nIndexPas)] + ")",
                   ar.Position() - 4);
    }
}

void CCorrelationPhysique::Serialize(CArchive& ar) {
    ar.Transferer(m_nMode);
    for (CCouple& c : m_couples) {
        ar.Transferer(c.m_dIncidence);
        ar.Transferer(c.m_dTaux);
    }
}

void CProprietes::Serialize(CArchive& ar) {
    ar.Transferer(m_strNom);
    ar.Transferer(m_bRecepteur);
    ar.Transferer(m_bCoteInverse);
    ar.Transferer(m_bMasquee);
    ar.Transferer(m_dTransmittivite);
    ar.Transferer(m_dAbsorptivite);
    ar.Transferer(m_dMailleRelative);
    ar.Transferer(m_dMailleAbsolue);
    m_correlationTransmittivite.Serialize(ar);
    m_correlationAbsorptivite.Serialize(ar);
}

void CFace::Serialize(CArchive& ar) {
    m_proprietes.Serialize(ar);
    for (CVecteur& p : m_points) {
        TransfererPoint(ar, p);
    }
    if (ar.EstEnLecture()) {
        CalculerNormale();
    }
}

void COuvertures::Ecrire(CArchive& ar, const std::vector<CFace*>& faces) const {
    std::vector<std::int32_t> indices;
    for (const CFace* pOuverture : m_faces) {
        for (std::size_t i = 0; i < faces.size(); ++i) {
            if (faces[i] == pOuverture) {
                indices.push_back(static_cast<std::int32_t>(i));
                break;
            }
        }
    }
    ar.EcrireEntier(m_nMode);
    ar.EcrireReel(m_dValeur);
    ar.EcrireReel(m_dTransmittiviteForcee);
    ar.EcrireEntier(static_cast<std::int32_t>(indices.size()));
    for (std::int32_t i : indices) {
        ar.EcrireEntier(i);
    }
}

void COuvertures::Lire(CArchive& ar, const std::vector<CFace*>& faces) {
    m_nMode = ar.LireEntier();
    m_dValeur = ar.LireReel();
    m_dTransmittiviteForcee = ar.LireReel();
    const std::int32_t n = ar.LireEntier();
    if (n < 0) {
        ar.Echouer("Negative number of openings " + std::to_string(n), ar.Position() - 4);
    }
    ar.ExigerElements(static_cast<std::uint64_t>(n), 4);
    m_faces.clear();
    m_faces.reserve(static_cast<std::size_t>(n));
    for (std::int32_t k = 0; k < n; ++k) {
        const std::int32_t i = ar.LireEntier();
        if (i < 0 || static_cast<std::size_t>(i) >= faces.size()) {
            ar.Echouer("Opening index " + std::to_string(i) + " is outside the face list, 0 to " +
                           std::to_string(static_cast<std::int64_t>(faces.size()) - 1),
                       ar.Position() - 4);
        }
        m_faces.push_back(faces[static_cast<std::size_t>(i)]);
    }
}
