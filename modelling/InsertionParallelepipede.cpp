#include "modelling/InsertionParallelepipede.h"

#include "document/VantrelDoc.h"
#include "geometry/Face4.h"

#include <algorithm>
#include <memory>
#include <string>

CInsertionParallelepipede::CTampon CInsertionParallelepipede::Ouvrir() {
    m_strNom = "box";
    m_sommet1 = CVecteur(0, 0, 0);
    m_sommet2 = CVecteur(2, 2, 2);
    return CTampon{m_strNom, m_sommet1, m_sommet2};
}

CResultatInsertion CInsertionParallelepipede::Inserer(const CTampon& t) {
    if (auto r = VerifierLongueur(ChampNom, t.strNom, kLongueurNom)) {
        return {EIssueInsertion::ChampRefuse, r};
    }
    m_strNom = t.strNom;
    m_sommet1 = t.sommet1;
    m_sommet2 = t.sommet2;

    const CVecteur& a = m_sommet1;
    const CVecteur& b = m_sommet2;
    if ((b - a).Norme() < 0.01) { // a distance of exactly 0.01 passes
        return {EIssueInsertion::GeometrieRefusee, std::nullopt};
    }
    const CVecteur lo(std::min(a.m_x, b.m_x), std::min(a.m_y, b.m_y), std::min(a.m_z, b.m_z));
    const CVecteur hi(std::max(a.m_x, b.m_x), std::max(a.m_y, b.m_y), std::max(a.m_z, b.m_z));
    const double x0 = lo.m_x, y0 = lo.m_y, z0 = lo.m_z;
    const double x1 = hi.m_x, y1 = hi.m_y, z1 = hi.m_z;

    // The corners take the extreme coordinates themselves: forming them as
    // Lo + (x1 - x0) could miss x1 by a bit and leave a side out of plane.
    const CVecteur c000(x0, y0, z0), c100(x1, y0, z0), c010(x0, y1, z0), c001(x0, y0, z1);
    const CVecteur c111(x1, y1, z1), c011(x0, y1, z1), c101(x1, y0, z1), c110(x1, y1, z0);

    struct CCoin {
        CVecteur p[4];
        int nNumero;
    };
    // Outline orders that make every normal point out of the box; the order
    // of the rows is the order of insertion.
    const CCoin faces[6] = {
        {{c000, c010, c110, c100}, 6}, // bottom, -Z
        {{c001, c101, c111, c011}, 5}, // top, +Z
        {{c000, c100, c101, c001}, 4}, // y = y0, -Y
        {{c010, c011, c111, c110}, 3}, // y = y1, +Y
        {{c000, c001, c011, c010}, 2}, // x = x0, -X
        {{c100, c110, c111, c101}, 1}, // x = x1, +X
    };
    for (const CCoin& f : faces) {
        auto pFace = std::make_unique<CFace4>();
        for (int i = 0; i < 4; ++i) {
            pFace->m_points[i] = f.p[i];
        }
        pFace->CalculerNormale();
        pFace->m_proprietes.m_strNom = m_strNom + " " + std::to_string(f.nNumero);
        m_doc.InsererFace(std::move(pFace));
    }
    return {EIssueInsertion::Inseree, std::nullopt};
}
