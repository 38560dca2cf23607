#include "modelling/ImportModele.h"

#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

using CContour = std::vector<CVecteur>;

// The program's own shortest side (m) and smallest sine of a corner: what
// is finer than the face kinds accept is merged away before building them.
constexpr double kEcartMin = 0.001;

double Sinus(const CVecteur& a, const CVecteur& b) {
    const double n = a.Norme() * b.Norme();
    return n > 0 ? a.Vectoriel(b).Norme() / n : 0;
}

// Drops repeated points (closer than 1 mm to the previous one) and points
// where the outline goes straight on or turns right back, so that a square
// drawn with a midpoint on a side is still a quadrilateral. Fewer than three
// points left: nothing.
CContour Nettoyer(CContour c) {
    bool bChange = true;
    while (bChange && c.size() >= 3) {
        bChange = false;
        for (std::size_t i = 0; i < c.size() && c.size() >= 3;) {
            const std::size_t n = c.size();
            const CVecteur a = c[i] - c[(i + n - 1) % n];
            const CVecteur b = c[(i + 1) % n] - c[i];
            if (a.Norme() < kEcartMin || Sinus(a, b) < kEcartMin) {
                c.erase(c.begin() + static_cast<std::ptrdiff_t>(i));
                bChange = true;
            } else {
                ++i;
            }
        }
    }
    if (c.size() < 3) {
        c.clear();
    }
    return c;
}

// Twice the vector area of the outline (Newell), which holds for outlines
// that are not quite planar; taken about the first point for precision.
CVecteur Normale(const CContour& c) {
    CVecteur n;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const CVecteur p = c[i] - c[0];
        const CVecteur q = c[(i + 1) % c.size()] - c[0];
        n = n + p.Vectoriel(q);
    }
    return n;
}

// Ear clipping in the plane across the normal n, in which the outline turns
// counter-clockwise. The triangles keep that turn, so their normals point
// the model's way. bReste: some of the outline was left over (it crosses
// itself), the caller counts it as skipped.
std::vector<std::array<std::size_t, 3>> Trianguler(const CContour& c, const CVecteur& n,
                                                   bool& bReste) {
    const CVecteur k = n / n.Norme();
    CVecteur u =
        std::abs(k.m_x) < 0.9 ? CVecteur(1, 0, 0).Vectoriel(k) : CVecteur(0, 1, 0).Vectoriel(k);
    u = u / u.Norme();
    const CVecteur v = k.Vectoriel(u); // u x v = k
    std::vector<std::array<double, 2>> p;
    for (const CVecteur& q : c) {
        p.push_back({(q - c[0]).Scalaire(u), (q - c[0]).Scalaire(v)});
    }
    const auto croix = [&p](std::size_t a, std::size_t b, std::size_t d) {
        return (p[b][0] - p[a][0]) * (p[d][1] - p[a][1]) -
               (p[b][1] - p[a][1]) * (p[d][0] - p[a][0]);
    };
    const auto memePoint = [&p](std::size_t a, std::size_t b) { return p[a] == p[b]; };

    std::vector<std::array<std::size_t, 3>> triangles;
    std::vector<std::size_t> restants;
    for (std::size_t i = 0; i < c.size(); ++i) {
        restants.push_back(i);
    }
    bReste = false;
    while (restants.size() > 3) {
        const std::size_t m = restants.size();
        std::size_t nOreille = m;
        std::size_t nSecours = m; // the sharpest convex corner, when no corner is an ear
        double dSecours = 0;
        for (std::size_t j = 0; j < m && nOreille == m; ++j) {
            const std::size_t a = restants[(j + m - 1) % m], b = restants[j],
                              d = restants[(j + 1) % m];
            const double dCroix = croix(a, b, d);
            if (!(dCroix > 0)) {
                continue;
            }
            bool bVide = true;
            for (const std::size_t q : restants) {
                if (q == a || q == b || q == d || memePoint(q, a) || memePoint(q, b) ||
                    memePoint(q, d)) {
                    continue;
                }
                if (croix(a, b, q) >= 0 && croix(b, d, q) >= 0 && croix(d, a, q) >= 0) {
                    bVide = false;
                    break;
                }
            }
            if (bVide) {
                nOreille = j;
            } else if (dCroix > dSecours) {
                dSecours = dCroix;
                nSecours = j;
            }
        }
        const std::size_t j = nOreille < m ? nOreille : nSecours;
        if (j == m) {
            bReste = true;
            return triangles;
        }
        triangles.push_back({restants[(j + m - 1) % m], restants[j], restants[(j + 1) % m]});
        restants.erase(restants.begin() + static_cast<std::ptrdiff_t>(j));
    }
    triangles.push_back({restants[0], restants[1], restants[2]});
    return triangles;
}

// A face of the kind with its points, or null when the kind's validity rule
// refuses every starting corner tried (the rules look at particular corners).
template <class TFace>
std::unique_ptr<CFace> Construire(const CVecteur* points, int nDepartsEssayes) {
    const int n = TFace().m_nPoints;
    for (int r = 0; r < nDepartsEssayes; ++r) {
        auto f = std::make_unique<TFace>();
        for (int i = 0; i < n; ++i) {
            f->m_points[i] = points[(i + r) % n];
        }
        if (f->EstValide()) {
            f->CalculerNormale();
            return f;
        }
    }
    return nullptr;
}

std::string Nombre(int n, const char* szUn, const char* szPlusieurs) {
    return std::to_string(n) + " " + (n == 1 ? szUn : szPlusieurs);
}

// "" when nothing was skipped.
std::string PhraseIgnores(const CBilanImport& b) {
    if (b.Ignores() == 0) {
        return {};
    }
    std::string strRaisons;
    if (b.nDegeneres > 0) {
        strRaisons = std::to_string(b.nDegeneres) + " degenerate";
    }
    if (b.nHorsLimites > 0) {
        strRaisons += (strRaisons.empty() ? "" : ", ") + std::to_string(b.nHorsLimites) +
                      " beyond " + TexteReel(kCoordonneeMax) + " m from the origin";
    }
    return Nombre(b.Ignores(), "polygon", "polygons") + " skipped (" + strRaisons + ").";
}

} // namespace

CImportModele::CTampon CImportModele::Ouvrir() const {
    return CTampon{TexteReel(m_dEchelle), m_bYHaut};
}

CResultatValidation CImportModele::Valider(const CTampon& t) {
    const auto dEchelle = LireReel(t.strEchelle);
    if (!dEchelle) {
        return CRefus{ChampEchelle, MessageNombreInvalide()};
    }
    if (auto r = VerifierReel(ChampEchelle, *dEchelle, kPlageEchelle)) {
        return r;
    }
    m_dEchelle = *dEchelle;
    m_bYHaut = t.bYHaut;
    return std::nullopt;
}

CVecteur CImportModele::VersScene(const CVecteur& p) const {
    const CVecteur q = p * m_dEchelle;
    return m_bYHaut ? CVecteur(q.m_x, -q.m_z, q.m_y) : q;
}

std::optional<std::vector<std::unique_ptr<CFace>>>
CImportModele::Convertir(const std::vector<CPolygoneModele>& polygones, CBilanImport& bilan,
                         int nFacesMax) const {
    // A scene read from a file may hold more than the limit already.
    const auto nMax = static_cast<std::size_t>(std::max(nFacesMax, 0));
    std::vector<std::unique_ptr<CFace>> faces;
    const auto ajouter = [&](std::unique_ptr<CFace> f, const std::string& strNom, int& nCompte) {
        if (!f) {
            ++bilan.nDegeneres;
            return;
        }
        f->m_proprietes.m_strNom = strNom;
        faces.push_back(std::move(f));
        ++nCompte;
    };
    for (const CPolygoneModele& polygone : polygones) {
        if (faces.size() > nMax) {
            return std::nullopt;
        }
        CContour c;
        bool bHors = false;
        for (const CVecteur& p : polygone.points) {
            c.push_back(VersScene(p));
            bHors = bHors || !EstCoordonneeBornee(c.back().m_x) ||
                    !EstCoordonneeBornee(c.back().m_y) || !EstCoordonneeBornee(c.back().m_z);
        }
        if (bHors) {
            ++bilan.nHorsLimites;
            continue;
        }
        c = Nettoyer(std::move(c));
        const CVecteur n = c.empty() ? CVecteur() : Normale(c);
        if (!(n.Norme() > 0)) {
            ++bilan.nDegeneres;
            continue;
        }
        const std::string strNom = NomFace(polygone.strNom);
        if (c.size() == 4) {
            if (auto f = Construire<CFace4>(c.data(), 2)) {
                ajouter(std::move(f), strNom, bilan.nQuadrilateres);
                continue;
            }
        }
        bool bReste = false;
        for (const auto& t : Trianguler(c, n, bReste)) {
            const CVecteur sommets[3] = {c[t[0]], c[t[1]], c[t[2]]};
            ajouter(Construire<CFace3>(sommets, 3), strNom, bilan.nTriangles);
        }
        if (bReste) {
            ++bilan.nDegeneres;
        }
    }
    if (faces.size() > nMax) {
        return std::nullopt;
    }
    return faces;
}

bool CImportModele::Importer(CVantrelDoc& doc, const std::vector<CPolygoneModele>& polygones,
                             CBilanImport& bilan, std::string& strErreur) const {
    bilan = CBilanImport();
    auto faces = Convertir(polygones, bilan, kFacesMax - g_nFaces);
    if (!faces) {
        strErreur = "The model gives more faces than the scene can take: a scene holds at most " +
                    std::to_string(kFacesMax) + " faces, and this one has " +
                    std::to_string(g_nFaces) + " already.";
        return false;
    }
    if (faces->empty()) {
        strErreur = "The model holds no face that can be imported.";
        if (bilan.Ignores() > 0) {
            strErreur += " " + PhraseIgnores(bilan);
        }
        return false;
    }
    const int nPremiere = g_nFaces;
    for (auto& f : *faces) {
        doc.AjouterFace(std::move(f));
    }
    g_nFaceSelectionnee = nPremiere;
    return true;
}

std::string CImportModele::NomFace(const std::string& strUtf8) {
    std::string s = Utf8VersCp1252Approche(strUtf8, kLongueurNom);
    return s.empty() ? "no name" : s;
}

std::string CImportModele::Message(const CBilanImport& b) {
    std::string s = Nombre(b.Faces(), "face", "faces") + " imported (" +
                    Nombre(b.nQuadrilateres, "quadrilateral", "quadrilaterals") + ", " +
                    Nombre(b.nTriangles, "triangle", "triangles") + ").";
    if (b.Ignores() > 0) {
        s += " " + PhraseIgnores(b);
    }
    return s;
}
