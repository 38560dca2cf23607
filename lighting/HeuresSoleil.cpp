#include "lighting/HeuresSoleil.h"

#include "document/OptionsCalcul.h"
#include "geometry/Face.h"
#include "lighting/BalayageJour.h"
#include "solar/PositionSoleil.h"

#include <algorithm>
#include <cmath>

CTamponHeuresSoleil CHeuresSoleil::Ouvrir() {
    m_bArret = 0;
    m_nEchantillons = 0;
    return CTamponHeuresSoleil{m_nIndexDate, m_bAnnee, TexteReel(m_dSeuil)};
}

CResultatValidation CHeuresSoleil::Valider(const CTamponHeuresSoleil& t) {
    if (auto r = VerifierEntier(kChampDate, t.nIndexDate, 0, CPositionSoleil::kNombreDates - 1)) {
        return r;
    }
    const auto dSeuil = LireReel(t.strSeuil);
    if (!dSeuil) {
        return CRefus{kChampSeuil, MessageNombreInvalide()};
    }
    if (auto r = VerifierReel(kChampSeuil, *dSeuil, kPlageSeuil)) {
        return r;
    }
    m_nIndexDate = t.nIndexDate;
    m_bAnnee = t.bAnnee != 0 ? 1 : 0;
    m_dSeuil = *dSeuil;
    return std::nullopt;
}

int CHeuresSoleil::PasMinutes() const {
    return m_soleil.Options().PasMinutes();
}

int CHeuresSoleil::EchantillonsTotal() const {
    return 1440 / PasMinutes() * (m_bAnnee ? CPositionSoleil::kNombreDates : 1);
}

int CHeuresSoleil::Progression() const {
    return static_cast<int>(static_cast<long long>(m_nEchantillons) * 100 / EchantillonsTotal());
}

bool CHeuresSoleil::Calculer(const std::vector<CFace*>& faces,
                             const std::function<void()>& apresEchantillon) {
    Effacer();
    m_nEchantillons = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const CFace& f = *faces[i];
        if (f.m_proprietes.m_bRecepteur == 0) {
            continue;
        }
        CHeuresRecepteur r;
        r.nFace = static_cast<int>(i);
        r.strNom = f.m_proprietes.m_strNom;
        if (f.m_pNoeuds) {
            r.noeuds = *f.m_pNoeuds;
        }
        std::fill(r.noeuds.m_valeurs.begin(), r.noeuds.m_valeurs.end(), 0.0f);
        m_recepteurs.push_back(std::move(r));
    }

    const int s = PasMinutes();
    const int nDates = m_bAnnee ? CPositionSoleil::kNombreDates : 1;
    // Sunlit samples of each node over every date scanned.
    std::vector<std::vector<int>> comptes(m_recepteurs.size());
    for (std::size_t r = 0; r < m_recepteurs.size(); ++r) {
        comptes[r].assign(m_recepteurs[r].noeuds.m_valeurs.size(), 0);
    }
    for (int d = 0; d < nDates && !m_bArret; ++d) {
        BalayerJour(m_soleil, m_eclairement, faces, m_bAnnee ? d : m_nIndexDate, s, [&](int) {
            for (std::size_t r = 0; r < m_recepteurs.size(); ++r) {
                const CMaillage* pMaillage =
                    faces[static_cast<std::size_t>(m_recepteurs[r].nFace)]->m_pNoeuds.get();
                for (std::size_t k = 0; k < comptes[r].size(); ++k) {
                    comptes[r][k] += Ensoleille(pMaillage->m_valeurs[k]) ? 1 : 0;
                }
            }
            if (apresEchantillon) {
                apresEchantillon();
            }
            if (m_bArret) {
                return false;
            }
            ++m_nEchantillons;
            return true;
        });
    }
    if (m_bArret) {
        Effacer();
        return false;
    }

    for (std::size_t r = 0; r < m_recepteurs.size(); ++r) {
        CHeuresRecepteur& recepteur = m_recepteurs[r];
        double dSomme = 0;
        for (std::size_t k = 0; k < comptes[r].size(); ++k) {
            // Each sunlit sample stands for the step's minutes.
            const float h = static_cast<float>(comptes[r][k] * s / 60.0 / nDates);
            recepteur.noeuds.m_valeurs[k] = h;
            dSomme += h;
            recepteur.dMin = k == 0 ? h : std::min<double>(recepteur.dMin, h);
            recepteur.dMax = k == 0 ? h : std::max<double>(recepteur.dMax, h);
        }
        recepteur.dMoyenne =
            comptes[r].empty() ? 0 : dSomme / static_cast<double>(comptes[r].size());
    }
    m_strPeriode = m_bAnnee ? "mean day of the year"
                            : CPositionSoleil::s_dates[static_cast<std::size_t>(m_nIndexDate)];
    m_bAffichees = true;
    return true;
}

void CHeuresSoleil::Effacer() {
    m_recepteurs.clear();
    m_strPeriode.clear();
    m_bAffichees = false;
}

double CHeuresSoleil::Echelle() const {
    double dMax = 0;
    for (const CHeuresRecepteur& r : m_recepteurs) {
        dMax = std::max(dMax, r.dMax);
    }
    return std::max(1.0, std::ceil(dMax));
}
