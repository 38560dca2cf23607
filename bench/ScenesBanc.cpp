#include "bench/ScenesBanc.h"

#include "document/VantrelDoc.h"
#include "modelling/Exemples.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int k21Juin = 11;

void Preparer(CVantrelDoc& doc, const char* szTitre) {
    doc.m_parametresAffichage.m_pageGeneral.m_strTitre = szTitre;
    doc.m_optionsCalcul.m_nPoidsMax = 1000; // a budget of five million nodes
    doc.m_bilanJournalier.m_nIndexDate = k21Juin;
    doc.m_positionSoleil.m_nIndexDate = k21Juin;
    g_nFaceSelectionnee = 0;
}

// A square ground [0, c] x [0, c] whose grid step gives about nNoeuds nodes.
CFace* Sol(CVantrelDoc& doc, double c, int nNoeuds) {
    CFace* sol = AjouterQuadrilatere(doc, "ground", CVecteur(0, 0, 0), CVecteur(c, 0, 0),
                                     CVecteur(c, c, 0), CVecteur(0, c, 0));
    sol->m_proprietes.m_bRecepteur = 1;
    // The step is five times the absolute size when the relative one is
    // larger, as it is on a ground this wide.
    sol->m_proprietes.m_dMailleAbsolue = c / (std::sqrt(static_cast<double>(nNoeuds)) + 1) / 5;
    return sol;
}

std::string Nom(const char* szFormat, int i, int j) {
    char nom[48];
    std::snprintf(nom, sizeof nom, szFormat, i, j);
    return nom;
}

} // namespace

void ConstruireRueBanc(CVantrelDoc& doc) {
    // An east-west street 24 m wide; the box insertion lists a box's faces
    // from x max to bottom: face 3 is y max, face 4 is y min.
    CFace* rue = AjouterQuadrilatere(doc, "street", CVecteur(0, 0, 0), CVecteur(200, 0, 0),
                                     CVecteur(200, 24, 0), CVecteur(0, 24, 0));
    rue->m_proprietes.m_bRecepteur = 1;
    for (int i = 0; i < 10; ++i) {
        const double x0 = 20 * i + 1.5;
        const double x1 = x0 + 17;
        const double h1 = 10 + (i * 7) % 11;
        const double h2 = 12 + (i * 5) % 9;
        const auto nord = AjouterBoite(doc, Nom("south side %02d", i + 1, 0), CVecteur(x0, -12, 0),
                                       CVecteur(x1, 0, h1));
        const auto sud = AjouterBoite(doc, Nom("north side %02d", i + 1, 0), CVecteur(x0, 24, 0),
                                      CVecteur(x1, 36, h2));
        nord[2]->m_proprietes.m_bRecepteur = 1;
        sud[3]->m_proprietes.m_bRecepteur = 1;
    }
    Preparer(doc, "Benchmark street");
}

void ConstruireIlot(CVantrelDoc& doc) {
    CFace* sol = Sol(doc, 330, 761000);
    (void)sol;
    constexpr int n = 22;
    constexpr double pas = 15;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double x0 = 3 + i * pas;
            const double y0 = 4 + j * pas;
            const double h = 6 + (i * 7 + j * 13) % 25;
            const auto boite = AjouterBoite(doc, Nom("building %d-%d", i, j), CVecteur(x0, y0, 0),
                                            CVecteur(x0 + 9, y0 + 7, h));
            if ((i + j) % 2 != 0) {
                continue;
            }
            // Every other south facade is a receiver with two windows.
            CFace* facade = boite[3];
            facade->m_proprietes.m_bRecepteur = 1;
            facade->m_proprietes.m_dMailleRelative = 4;
            facade->m_proprietes.m_dMailleAbsolue = 0.1;
            for (int f = 0; f < 2; ++f) {
                const double xf = x0 + 1.5 + 4 * f;
                CFace* fenetre = AjouterQuadrilatere(
                    doc, Nom("window %d-%d", i * n + j, f), CVecteur(xf, y0, 1),
                    CVecteur(xf + 2, y0, 1), CVecteur(xf + 2, y0, 2.5), CVecteur(xf, y0, 2.5));
                fenetre->m_proprietes.m_dTransmittivite = 85;
                facade->m_ouvertures.m_faces.push_back(fenetre);
            }
        }
    }
    // Trees (leaves let 30 % through) and glass canopies (50 %).
    for (int k = 0; k < 68; ++k) {
        const int i = (k * 7) % n;
        const int j = (k * 11) % n;
        const double x0 = 3 + i * pas;
        const double y0 = 4 + j * pas;
        CFace* f;
        if (k % 2 == 0) {
            f = AjouterQuadrilatere(doc, Nom("tree %d", k, 0), CVecteur(x0 + 10, y0 - 2, 1),
                                    CVecteur(x0 + 13, y0 - 2, 1), CVecteur(x0 + 13, y0 - 2, 7),
                                    CVecteur(x0 + 10, y0 - 2, 7));
            f->m_proprietes.m_dTransmittivite = 30;
        } else {
            f = AjouterQuadrilatere(doc, Nom("canopy %d", k, 0), CVecteur(x0, y0 - 1.5, 3),
                                    CVecteur(x0 + 9, y0 - 1.5, 3), CVecteur(x0 + 9, y0, 3),
                                    CVecteur(x0, y0, 3));
            f->m_proprietes.m_dTransmittivite = 50;
        }
    }
    Preparer(doc, "Benchmark city block");
}

void ConstruireVille(CVantrelDoc& doc, int nBoites, int nNoeuds) {
    constexpr double c = 300;
    Sol(doc, c, nNoeuds);
    const int n =
        std::max(1, static_cast<int>(std::lround(std::sqrt(static_cast<double>(nBoites)))));
    const double pas = c / n;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double x0 = (i + 0.25) * pas;
            const double y0 = (j + 0.3) * pas;
            const double h = 0.3 * pas * (1 + (i * 7 + j * 13) % 5 * 0.25);
            AjouterBoite(doc, Nom("building %d-%d", i, j), CVecteur(x0, y0, 0),
                         CVecteur(x0 + 0.5 * pas, y0 + 0.4 * pas, h));
        }
    }
    Preparer(doc, "Benchmark city");
}

void ConstruireSolEtMur(CVantrelDoc& doc, int nNoeuds) {
    Sol(doc, 300, nNoeuds);
    AjouterQuadrilatere(doc, "wall", CVecteur(100, 140, 0), CVecteur(200, 160, 0),
                        CVecteur(200, 160, 20), CVecteur(100, 140, 20));
    Preparer(doc, "Benchmark ground and wall");
}
