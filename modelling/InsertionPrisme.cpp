#include "modelling/InsertionPrisme.h"

#include "document/VantrelDoc.h"
#include "geometry/Face4.h"

#include <memory>
#include <string>

CInsertionPrisme::CTampon CInsertionPrisme::Ouvrir() {
    m_strNom = "prism";
    m_nCotes = 6;
    m_hauteur = CVecteur(0, 0, 2);
    m_sommetBase = CVecteur(1, 0, 0);
    m_centreBase = CVecteur(0, 0, 0);
    return CTampon{m_strNom, m_nCotes, m_hauteur, m_sommetBase, m_centreBase};
}

CResultatInsertion CInsertionPrisme::Inserer(const CTampon& t) {
    if (auto r = VerifierLongueur(ChampNom, t.strNom, kLongueurNom)) {
        return {EIssueInsertion::ChampRefuse, r};
    }
    if (auto r = VerifierEntier(ChampCotes, t.nCotes, kCotesMin, kCotesMax)) {
        return {EIssueInsertion::ChampRefuse, r};
    }
    m_strNom = t.strNom;
    m_nCotes = t.nCotes;
    m_hauteur = t.hauteur;
    m_sommetBase = t.sommetBase;
    m_centreBase = t.centreBase;

    const CVecteur& h = m_hauteur;
    const CVecteur& v = m_sommetBase;
    const CVecteur& c = m_centreBase;
    const int n = m_nCotes;
    const CVecteur rayon = v - c;
    // A value of exactly 0.01 passes.
    if (h.Norme() < 0.01 || rayon.Norme() < 0.01 ||
        h.Vectoriel(rayon).Norme() / (h.Norme() * rayon.Norme()) < 0.01) {
        return {EIssueInsertion::GeometrieRefusee, std::nullopt};
    }

    // Every face goes to the same position, so they are made from the last
    // number down and the list reads "<base> 1", "<base> 2", ...
    const double dPas = 360.0 / n;
    for (int i = 0; i < n; ++i) {
        const CVecteur b0 = v.RotationAutour(c, h, dPas * i);
        const CVecteur b1 = v.RotationAutour(c, h, dPas * (i + 1));
        auto pFace = std::make_unique<CFace4>();
        pFace->m_points[0] = b0;
        pFace->m_points[1] = b1;
        pFace->m_points[2] = b1 + h;
        pFace->m_points[3] = b0 + h;
        pFace->CalculerNormale();
        pFace->m_proprietes.m_strNom = m_strNom + " " + std::to_string(n - i);
        m_doc.InsererFace(std::move(pFace));
    }
    return {EIssueInsertion::Inseree, std::nullopt};
}
