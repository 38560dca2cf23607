#include "lighting/BilanJournalier.h"

#include "document/OptionsCalcul.h"
#include "geometry/Arrondi.h"
#include "lighting/BalayageJour.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/PositionSoleil.h"

#include "document/Fichier.h"

#include <algorithm>
#include <cstdio>

void CBilanJournalier::Ouvrir() {
    m_nEchantillons = 0;
    m_bArret = 0;
}

int CBilanJournalier::PasMinutes() const {
    return m_soleil.Options().PasMinutes();
}

void CBilanJournalier::Calculer(const std::vector<CFace*>& faces,
                                const std::function<void()>& apresEchantillon) {
    m_nEchantillons = 0;
    BalayerJour(m_soleil, m_eclairement, faces, m_nIndexDate, PasMinutes(), [&](int k) {
        CEchantillon& e = m_echantillons[static_cast<std::size_t>(k)];
        e.m_nHeure = m_soleil.m_nHeure;
        e.m_nMinute = m_soleil.m_nMinute;
        e.m_dEquivalent = m_eclairement.m_dEquivalent;
        e.m_dIncidence = m_eclairement.m_dIncidence;
        e.m_dAltitude = m_soleil.m_dAltitude;
        if (apresEchantillon) {
            apresEchantillon();
        }
        if (m_bArret) {
            return false;
        }
        m_nEchantillons = k + 1;
        return true;
    });
}

int CBilanJournalier::Progression() const {
    return m_nEchantillons * 100 / (kEchantillonsMax / PasMinutes());
}

void CBilanJournalier::CalculerMoyennes() {
    double se = 0;
    double sei = 0;
    double sea = 0;
    for (int k = 0; k < m_nEchantillons; ++k) {
        const CEchantillon& e = m_echantillons[static_cast<std::size_t>(k)];
        se += e.m_dEquivalent;
        sei += e.m_dEquivalent * e.m_dIncidence;
        sea += e.m_dEquivalent * e.m_dAltitude;
    }
    // Incidence and altitude are weighted by the lighting: dark samples do not count.
    m_dEquivalentMoyen = m_nEchantillons < 1 ? 0 : se / m_nEchantillons;
    m_dIncidenceMoyenne = se <= 0 ? 0 : sei / se;
    m_dAltitudeMoyenne = se <= 0 ? 0 : sea / se;
    m_dEquivalentMoyen = Arrondi(m_dEquivalentMoyen, 2);
    m_dIncidenceMoyenne = Arrondi(m_dIncidenceMoyenne, 2);
    m_dAltitudeMoyenne = Arrondi(m_dAltitudeMoyenne, 2);
}

std::string CBilanJournalier::TexteExport() const {
    std::string texte;
    char ligne[160];
    for (int k = 0; k < m_nEchantillons; ++k) {
        const CEchantillon& e = m_echantillons[static_cast<std::size_t>(k)];
        std::snprintf(ligne, sizeof ligne, "%d %d %g %g %g\n", e.m_nHeure, e.m_nMinute,
                      e.m_dEquivalent, e.m_dIncidence, e.m_dAltitude);
        texte += ligne;
    }
    return texte;
}

CChoixFichier CBilanJournalier::ChoixExport() {
    return CChoixFichier{.strTitre = "Export data to",
                         .strNomInitial = "results",
                         .strExtension = "txt",
                         .strFiltre = "",
                         .bConfirmerEcrasement = true};
}

bool CBilanJournalier::Exporter(const std::string& chemin, std::string& strErreur) const {
    // Written beside and renamed over, so a failure leaves any old file whole.
    return EnregistrerTexte(chemin, TexteExport(), strErreur);
}
