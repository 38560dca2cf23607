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

#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

// BOOL and int members are stored as 32-bit integers as they stand.
static_assert(std::is_same_v<int, std::int32_t>);

namespace {

// Every value a dialog range-checks is checked again when a file is read: a
// value the program never stores would stall a loop, overflow the date
// arithmetic or spread NaN through the results. A file holding one is
// refused with the offset of the field just read.

void ExigerEntier(const CArchive& ar, std::int32_t n, const CPlageEntier& plage,
                  const std::string& quoi) {
    if (!plage.Contient(n)) {
        ar.Echouer("The " + quoi + " " + std::to_string(n) + " is outside " +
                       std::to_string(plage.nMin) + " to " + std::to_string(plage.nMax),
                   ar.Position() - 4);
    }
}

void TransfererEntier(CArchive& ar, std::int32_t& n, const CPlageEntier& plage,
                      const std::string& quoi) {
    ar.Transferer(n);
    if (ar.EstEnLecture()) {
        ExigerEntier(ar, n, plage, quoi);
    }
}

// `sujet` names the value as "The latitude" or "Main point 2 has X =".
void ExigerReel(const CArchive& ar, double d, const CPlage& plage, const std::string& sujet) {
    if (!std::isfinite(d)) {
        ar.Echouer(sujet + " " + TexteReel(d) + (sujet.back() == '=' ? ", " : " is ") +
                       "not a finite number",
                   ar.Position() - 8);
    }
    if (!plage.Contient(d)) {
        ar.Echouer(sujet + " " + TexteReel(d) + (sujet.back() == '=' ? ", " : " is ") + "outside " +
                       TexteReel(plage.dMin) + " to " + TexteReel(plage.dMax),
                   ar.Position() - 8);
    }
}

void TransfererReel(CArchive& ar, double& d, const CPlage& plage, const std::string& quoi) {
    ar.Transferer(d);
    if (ar.EstEnLecture()) {
        ExigerReel(ar, d, plage, "The " + quoi);
    }
}

// Coordinates have no range of their own in the dialogs; they are held
// within kCoordonneeMax.
void TransfererPoint(CArchive& ar, CVecteur& v, const std::string& sujet) {
    constexpr CPlage kPlageCoordonnee{-kCoordonneeMax, kCoordonneeMax};
    const std::pair<double*, const char*> composantes[] = {
        {&v.m_x, "X"}, {&v.m_y, "Y"}, {&v.m_z, "Z"}};
    for (const auto& [pd, szNom] : composantes) {
        ar.Transferer(*pd);
        if (ar.EstEnLecture()) {
            ExigerReel(ar, *pd, kPlageCoordonnee, sujet + " has " + szNom + " =");
        }
    }
}

// `quoi`: "transmittivity" or "absorptivity".
void TransfererCorrelation(CArchive& ar, CCorrelationPhysique& c, const std::string& quoi) {
    using C = CCorrelationPhysique;
    const std::string loi = quoi.empty() ? "rate law" : quoi + " rate law";
    TransfererEntier(ar, c.m_nMode, C::kPlageMode, loi + " mode");
    std::string sujet = loi;
    sujet[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sujet[0])));
    for (int i = 0; i < C::kCouples; ++i) {
        const std::string couple = std::to_string(i + 1);
        ar.Transferer(c.m_couples[i].m_dIncidence);
        if (ar.EstEnLecture()) {
            ExigerReel(ar, c.m_couples[i].m_dIncidence, C::kPlageIncidence,
                       sujet + " has incidence " + couple + " =");
        }
        ar.Transferer(c.m_couples[i].m_dTaux);
        if (ar.EstEnLecture()) {
            ExigerReel(ar, c.m_couples[i].m_dTaux, C::kPlageTaux,
                       sujet + " has rate " + couple + " =");
        }
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
    TransfererEntier(ar, q.m_nRepetition, CAffQuadrillage::kPlageRepetition, "grid repetition");
    TransfererPoint(ar, q.m_centre, "The grid centre");
    TransfererPoint(ar, q.m_vecteur1, "The grid's first base vector");
    TransfererPoint(ar, q.m_vecteur2, "The grid's second base vector");
    ar.Transferer(s.m_bSoleilProche);
    ar.Transferer(s.m_bRayonProche);
    TransfererReel(ar, s.m_dDistance, CAffSoleil::kPlageDistance, "distance of the close sun");
    TransfererPoint(ar, s.m_pointCible, "The sun's target point");
}

void CConfigurationGeographique::Serialize(CArchive& ar) {
    ar.Transferer(m_strLieu);
    TransfererReel(ar, m_dLatitude, kPlageLatitude, "latitude");
    TransfererReel(ar, m_dLongitude, kPlageLongitude, "longitude");
    ar.Transferer(m_bIgnorerLongitude);
    TransfererReel(ar, m_dDirectionNord, kPlageDirectionNord, "north direction");
    TransfererReel(ar, m_dLigneHorizon, kPlageLigneHorizon, "horizon line");
    if (ar.EstEnLecture()) {
        CalculerNord();
    }
}

void COptionsCalcul::Serialize(CArchive& ar) {
    TransfererReel(ar, m_dCadence, kPlageCadence, "animation cadence");
    TransfererEntier(ar, m_nPoidsMax, kPlagePoidsMax, "maximum processor weight");
    TransfererEntier(ar, m_nAnnee, kPlageAnnee, "year of reference");
    TransfererEntier(ar, m_nIndexPas, kPlageIndexPas, "time step index");
    ar.Transferer(m_nPasMinutes);
    if (ar.EstEnLecture() && m_nPasMinutes != s_minutesPas[static_cast<std::size_t>(m_nIndexPas)]) {
        ar.Echouer("The time step of " + std::to_string(m_nPasMinutes) +
                       " minutes does not match its list entry (" +
                       s_textesPas[static_cast<std::size_t>(m_nIndexPas)] + ")",
                   ar.Position() - 4);
    }
}

void CCorrelationPhysique::Serialize(CArchive& ar) {
    TransfererCorrelation(ar, *this, "");
}

void CProprietes::Serialize(CArchive& ar) {
    ar.Transferer(m_strNom);
    if (ar.EstEnLecture()) {
        ar.NommerObjet(m_strNom);
    }
    ar.Transferer(m_bRecepteur);
    ar.Transferer(m_bCoteInverse);
    ar.Transferer(m_bMasquee);
    TransfererReel(ar, m_dTransmittivite, kPlageTaux, "transmittivity");
    TransfererReel(ar, m_dAbsorptivite, kPlageTaux, "absorptivity");
    TransfererReel(ar, m_dMailleRelative, kPlageMailleRelative, "relative mesh size");
    TransfererReel(ar, m_dMailleAbsolue, kPlageMailleAbsolue, "absolute mesh size");
    TransfererCorrelation(ar, m_correlationTransmittivite, "transmittivity");
    TransfererCorrelation(ar, m_correlationAbsorptivite, "absorptivity");
}

void CFace::Serialize(CArchive& ar) {
    m_proprietes.Serialize(ar);
    for (int i = 0; i < 4; ++i) {
        TransfererPoint(ar, m_points[i], "Main point " + std::to_string(i + 1));
    }
    if (ar.EstEnLecture()) {
        CalculerNormale();
        // Equal or aligned points leave no plane: every later test of the
        // face would read NaN. The program never stores such a face.
        if (!std::isfinite(m_normale.m_x) || !std::isfinite(m_normale.m_y) ||
            !std::isfinite(m_normale.m_z)) {
            ar.Echouer("The first three main points do not span a plane", ar.Position() - 96);
        }
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
    TransfererEntier(ar, m_nMode, kPlageMode, "openings mode");
    TransfererReel(ar, m_dValeur, kPlageValeur, "value subtracted for the openings");
    TransfererReel(ar, m_dTransmittiviteForcee, kPlageTransmittiviteForcee,
                   "forced transmittivity of the openings");
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
