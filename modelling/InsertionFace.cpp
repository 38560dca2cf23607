#include "modelling/InsertionFace.h"

#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/Face5.h"
#include "geometry/Face6.h"

CInsertionFace::CTampon CInsertionFace::Ouvrir() {
    m_nType = 1;
    m_strNom = "no name";
    return CTampon{std::vector<std::string>(kTypes.begin(), kTypes.end()), m_nType, m_strNom};
}

CResultatValidation CInsertionFace::Inserer(const CTampon& t) {
    // The list offers no free text; an index outside it is refused all the same.
    if (auto r = VerifierEntier(ChampType, t.nType, 0, static_cast<long>(kTypes.size()) - 1)) {
        return r;
    }
    if (auto r = VerifierLongueur(ChampNom, t.strNom, kLongueurNom)) {
        return r;
    }
    m_nType = t.nType;
    m_strNom = t.strNom;
    std::unique_ptr<CFace> pFace = CreerFace(m_nType);
    pFace->m_proprietes.m_strNom = m_strNom;
    m_doc.InsererFace(std::move(pFace));
    return std::nullopt;
}

std::unique_ptr<CFace> CInsertionFace::CreerFace(int nType) {
    switch (nType) {
    case 0:
        return std::make_unique<CFace5>();
    case 1:
        return std::make_unique<CFace4>();
    case 2:
        return std::make_unique<CFace6>();
    case 3:
        return std::make_unique<CFace3>();
    default:
        return nullptr;
    }
}
