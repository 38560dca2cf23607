#include "modelling/Exemples.h"

#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"

#include <cmath>
#include <cstdio>
#include <memory>

CFace* AjouterQuadrilatere(CVantrelDoc& doc, const std::string& strNom, const CVecteur& p0,
                           const CVecteur& p1, const CVecteur& p2, const CVecteur& p3) {
    auto f = std::make_unique<CFace4>();
    f->m_points[0] = p0;
    f->m_points[1] = p1;
    f->m_points[2] = p2;
    f->m_points[3] = p3;
    f->CalculerNormale();
    f->m_proprietes.m_strNom = strNom;
    CFace* p = f.get();
    doc.AjouterFace(std::move(f));
    return p;
}

std::vector<CFace*> AjouterBoite(CVantrelDoc& doc, const std::string& strNom, const CVecteur& lo,
                                 const CVecteur& hi) {
    // Inserted where the list ends, through the box insertion itself.
    const int nDebut = g_nFaces;
    const int nSelection = g_nFaceSelectionnee;
    g_nFaceSelectionnee = nDebut;
    CInsertionParallelepipede::CTampon t{strNom, lo, hi};
    doc.m_insertionParallelepipede.Inserer(t);
    g_nFaceSelectionnee = nSelection;
    std::vector<CFace*> faces;
    for (int i = nDebut; i < g_nFaces; ++i) {
        faces.push_back(doc.Face(i));
    }
    return faces;
}

namespace {

// A vertical rectangle in the plane y = y0, seen from -Y (normal -Y).
CFace* RectangleSud(CVantrelDoc& doc, const std::string& strNom, double x0, double x1, double y0,
                    double z0, double z1) {
    return AjouterQuadrilatere(doc, strNom, CVecteur(x0, y0, z0), CVecteur(x1, y0, z0),
                               CVecteur(x1, y0, z1), CVecteur(x0, y0, z1));
}

} // namespace

void ConstruireMaison(CVantrelDoc& doc) {
    doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "House with a south canopy";
    // A house of 10 x 8 m, walls 6 m high, a gable roof up to 9 m; its south
    // facade (y = 0, facing -Y) has two windows, one under a canopy.
    CFace* sud = RectangleSud(doc, "south wall", 0, 10, 0, 0, 6);
    sud->m_proprietes.m_bRecepteur = 1;
    CFace* fenetre1 = RectangleSud(doc, "south window 1", 1.5, 3.5, 0, 1, 2.5);
    CFace* fenetre2 = RectangleSud(doc, "south window 2", 6, 8.5, 0, 1, 3);
    for (CFace* f : {fenetre1, fenetre2}) {
        f->m_proprietes.m_bRecepteur = 1;
        f->m_proprietes.m_dTransmittivite = 85;
        f->m_proprietes.m_dAbsorptivite = 90;
        sud->m_ouvertures.m_faces.push_back(f);
    }
    // Glass lets less through at grazing incidence.
    CCorrelationPhysique& verre = fenetre1->m_proprietes.m_correlationTransmittivite;
    verre.m_nMode = CCorrelationPhysique::Interpole;
    const double couples[6][2] = {{0, 85}, {30, 84}, {45, 80}, {60, 70}, {75, 45}, {90, 0}};
    for (int i = 0; i < 6; ++i) {
        verre.m_couples[i] = {couples[i][0], couples[i][1]};
    }
    fenetre2->m_proprietes.m_correlationTransmittivite.Copier(verre);
    // The canopy: 1.2 m deep, above the second window.
    AjouterQuadrilatere(doc, "canopy", CVecteur(5.5, -1.2, 3.4), CVecteur(9, -1.2, 3.4),
                        CVecteur(9, 0, 3.4), CVecteur(5.5, 0, 3.4));
    AjouterQuadrilatere(doc, "east wall", CVecteur(10, 0, 0), CVecteur(10, 8, 0),
                        CVecteur(10, 8, 6), CVecteur(10, 0, 6));
    AjouterQuadrilatere(doc, "north wall", CVecteur(10, 8, 0), CVecteur(0, 8, 0), CVecteur(0, 8, 6),
                        CVecteur(10, 8, 6));
    AjouterQuadrilatere(doc, "west wall", CVecteur(0, 8, 0), CVecteur(0, 0, 0), CVecteur(0, 0, 6),
                        CVecteur(0, 8, 6));
    // Gable ends and the two roof slopes; the south slope is a receiver,
    // ready for solar panels.
    for (const double x : {10.0, 0.0}) {
        auto pignon = std::make_unique<CFace3>();
        const double y0 = x > 0 ? 0 : 8;
        pignon->m_points[0] = CVecteur(x, y0, 6);
        pignon->m_points[1] = CVecteur(x, 8 - y0, 6);
        pignon->m_points[2] = CVecteur(x, 4, 9);
        pignon->CalculerNormale();
        pignon->m_proprietes.m_strNom = x > 0 ? "east gable" : "west gable";
        doc.AjouterFace(std::move(pignon));
    }
    CFace* toitSud = AjouterQuadrilatere(doc, "south roof", CVecteur(0, 0, 6), CVecteur(10, 0, 6),
                                         CVecteur(10, 4, 9), CVecteur(0, 4, 9));
    toitSud->m_proprietes.m_bRecepteur = 1;
    AjouterQuadrilatere(doc, "north roof", CVecteur(10, 8, 6), CVecteur(0, 8, 6), CVecteur(0, 4, 9),
                        CVecteur(10, 4, 9));
    // A garden tree to the south-east, as a rough screen of leaves.
    CFace* arbre = AjouterQuadrilatere(doc, "tree", CVecteur(12, -6, 1), CVecteur(15, -6, 1),
                                       CVecteur(15, -6, 7), CVecteur(12, -6, 7));
    arbre->m_proprietes.m_dTransmittivite = 30;
    g_nFaceSelectionnee = 0;
}

void ConstruirePanneaux(CVantrelDoc& doc) {
    doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "Rows of solar panels";
    CConfigurationGeographique& site = doc.m_configurationGeographique;
    site.m_strLieu = "MARSEILLE";
    site.m_dLatitude = 43.3;
    site.m_dLongitude = -5.4;
    site.CalculerNord();
    // Six rows of panels 20 m long and 2 m wide, tilted 35 degrees to the
    // south, 4.5 m apart: in winter each row shades the next one.
    const double inclinaison = 35 * kDegVersRad;
    const double largeur = 2.0;
    const double dy = largeur * std::cos(inclinaison);
    const double dz = largeur * std::sin(inclinaison);
    for (int rang = 0; rang < 6; ++rang) {
        const double y0 = rang * 4.5;
        char nom[32];
        std::snprintf(nom, sizeof nom, "panel row %d", rang + 1);
        CFace* f =
            AjouterQuadrilatere(doc, nom, CVecteur(0, y0, 0.5), CVecteur(20, y0, 0.5),
                                CVecteur(20, y0 + dy, 0.5 + dz), CVecteur(0, y0 + dy, 0.5 + dz));
        // Their normal, hence their study side, looks up to the south sky.
        f->m_proprietes.m_bRecepteur = 1;
        f->m_proprietes.m_dAbsorptivite = 95;
        f->m_proprietes.m_correlationAbsorptivite.m_nMode = CCorrelationPhysique::ModuleCosinus;
    }
    g_nFaceSelectionnee = 0;
}

void ConstruireRue(CVantrelDoc& doc) {
    doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "Street of twenty buildings";
    // An east-west street 24 m wide between two rows of ten buildings; the
    // street is a receiver, as are the facades that face it.
    CFace* sol = AjouterQuadrilatere(doc, "street", CVecteur(0, 0, 0), CVecteur(200, 0, 0),
                                     CVecteur(200, 24, 0), CVecteur(0, 24, 0));
    sol->m_proprietes.m_bRecepteur = 1;
    const double hauteurs[10] = {12, 15, 9, 18, 12, 14, 10, 16, 13, 11};
    for (int i = 0; i < 10; ++i) {
        const double x0 = 20 * i + 2;
        const double x1 = x0 + 16;
        char nom[32];
        std::snprintf(nom, sizeof nom, "north %02d", i + 1);
        // South side of the street: its facade at y = 0 faces north (+Y).
        const auto nord =
            AjouterBoite(doc, nom, CVecteur(x0, -12, 0), CVecteur(x1, 0, hauteurs[i]));
        std::snprintf(nom, sizeof nom, "south %02d", i + 1);
        const auto sud =
            AjouterBoite(doc, nom, CVecteur(x0, 24, 0), CVecteur(x1, 36, hauteurs[9 - i] + 2));
        // The box insertion lists the faces from its face 1 (x max) to 6
        // (bottom): face 3 is y max, face 4 is y min.
        nord[2]->m_proprietes.m_bRecepteur = 1;
        sud[3]->m_proprietes.m_bRecepteur = 1;
    }
    g_nFaceSelectionnee = 0;
}

const std::vector<CExemple>& Exemples() {
    static const std::vector<CExemple> exemples = {
        {"house", "a house with windows as openings, a canopy and a tree", ConstruireMaison},
        {"panels", "six rows of tilted solar panels that shade each other", ConstruirePanneaux},
        {"street", "a street between two rows of ten buildings", ConstruireRue},
    };
    return exemples;
}

const CExemple* Exemple(const std::string& strNom) {
    for (const CExemple& e : Exemples()) {
        if (strNom == e.szNom) {
            return &e;
        }
    }
    return nullptr;
}
