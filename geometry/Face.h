#pragma once

#include "document/Ouvertures.h"
#include "document/Proprietes.h"
#include "geometry/Maillage.h"
#include "geometry/Vecteur.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CArchive;
class CDC;

// A planar face of the scene: its main points, normal, edges, ray test and
// mesh. The four kinds (CFace3 to CFace6) give their edges, inside rule, area
// and validity. A face owns its mesh and its working copy.
class CFace {
public:
    // Lighting results of the last computation.
    double m_dEclairement = 0;       // equivalent lighting, %
    double m_dIncidence = 0;         // incidence on the study side, degrees
    double m_dTransmission = 0;      // share let through as an occluder, 0 to 1
    double m_dEclairementDirect = 0; // lit value every node starts from, %

    std::unique_ptr<CMaillage> m_pNoeuds; // null when the face has no mesh

    // Rows of the ray-test matrix. m_repere[0].m_fValeur holds the determinant
    // (0: the face cannot be tested along the prepared direction); the other
    // two value slots hold the shape coefficients of some kinds.
    CVecteur m_repere[3];

    int m_nFocus = -1;               // point column that last had the keyboard focus
    bool m_bContourAJour = false;    // the curved outline matches the main points
    std::unique_ptr<CFace> m_pCopie; // working copy of the editing dialogs

    int m_nPoints = 3;
    CVecteur m_points[4]; // a three-point kind keeps P3 unchanged
    CVecteur m_normale;
    CVecteur m_cotes[4];
    CVecteur m_saisie[4]; // the point columns of the editing dialog

    COuvertures m_ouvertures; // its faces belong to the document
    CProprietes m_proprietes;

    std::string m_strTitre; // caption line of the editing dialog

    CFace() = default;
    CFace(const CFace&) = delete;
    CFace& operator=(const CFace&) = delete;
    virtual ~CFace() = default;

    // Class name in scene files: "CFace3" to "CFace6".
    virtual const char* NomClasse() const = 0;

    // The openings test: the first non-zero answer of the openings, in list
    // order. The kinds override it with their own ray test; callers reach
    // this one explicitly as CFace::Intercepte.
    virtual int Intercepte(const CVecteur& p, double eps);
    virtual void PreparerRayon(const CVecteur& dir) = 0;
    virtual void CalculerCotes() = 0;
    virtual double Aire() = 0;
    virtual bool EstValide() = 0;
    virtual void CreerCopie() = 0;

    // The properties, then the four main points (all kinds); the normal is
    // recomputed after reading.
    void Serialize(CArchive& ar);

    void CalculerNormale();
    // Every coordinate of the four stored points finite and within
    // kCoordonneeMax. The validity rules of the kinds begin with it, so that
    // no edit stores a face that its file could not hold.
    bool PointsBornes() const;
    // The area less the openings' area, or the whole area when that is not positive.
    double AireNette();
    void TransfererPoints(bool bVersCopie);
    // Between the point columns and the copy: true, the copy takes the
    // columns; false, the columns take the copy's points.
    void TransfererSaisie(bool bVersCopie);
    // A point picked in the view goes to the focused column; false when no
    // column of this face has had the focus.
    bool PlacerPoint(const CVecteur& p);
    void DetruireMaillage() { m_pNoeuds.reset(); }

    // Index of the last main point, and of the edge that ends at P0.
    int IndexDernier() const { return m_nPoints - 1; }

    // The kind, for the code that evaluates the inside rules without a
    // virtual call (the shading's fast path).
    enum ETypeFace { Triangle = 3, Quadrilatere = 4, Secteur = 5, QuartEllipse = 6 };
    virtual ETypeFace TypeFace() const = 0;

    // ----- Mesh and lighting
    // Builds the receiver mesh as a regular oblique grid within the face and
    // outside its openings; each node takes one unit of *pBudget. False as
    // soon as the budget is exhausted (the last node stays). The face and its
    // openings must be prepared along the face's normal.
    virtual bool GenererMaillage(int* pBudget);
    // The work of a mesh is its grid, not its nodes: a face covered by its
    // openings rejects every candidate. Each grid candidate takes 1 + (number
    // of openings) units of *pTests; when they run out the walk stops and
    // returns false, as an exhausted budget does. The one-budget form allows
    // kTestsParNoeud units for each node of *pBudget.
    static constexpr std::int64_t kTestsParNoeud = 100;
    bool GenererMaillage(int* pBudget, std::int64_t* pTests);
    // For the sun direction `dir`: prepares the ray test along it and sets
    // the incidence, the transmission as an occluder and the direct lighting.
    void CalculerEclairementDirect(const CVecteur& dir, double dAltitudeSoleil,
                                   double dLigneHorizon);
    // Share of the light this face lets reach `point` from the sun.
    double Transmission(const CVecteur& point);
    // Lighting of every node of this receiver, shaded by `occultants` (the
    // other faces that can shade, in document order), and their mean.
    void CalculerOmbrage(const std::vector<CFace*>& occultants);

    // Drawing and picking (geometry/DessinFace.cpp).
    CPointEcran m_ecran[4]; // screen positions of the main points at the last drawing
    // The outline with the pen selected in pDC. The screen positions are
    // refreshed even when a hidden face then draws nothing (bMasquable), so
    // that it can still be picked.
    virtual void Dessiner(CDC* pDC, bool bMasquable) = 0;
    // Pick at a screen position against the last drawing. Value slot 0: a hit
    // (a main point's copy, or (0,0,0) for an edge); 1.0: edges tested and
    // missed; -1.0: points only, missed. The base tests the main points only.
    virtual CVecteur PointProche(int x, int y, bool bSegments);
    void DessinerCoordonnees(CDC* pDC) const;
    void DessinerCoteEtude(CDC* pDC) const;

protected:
    // Extent of the mesh grid along the first and the last side, as
    // multiples of their lengths.
    virtual void FacteursGrille(double& fu, double& fv) {
        fu = 1;
        fv = 1;
    }
    // Refreshes m_ecran; false when the face is hidden and may be.
    bool ProjeterPoints(bool bMasquable);
    // The main points, then the given edges (pairs of main point indices).
    CVecteur PointProcheAretes(int x, int y, bool bSegments,
                               std::initializer_list<std::pair<int, int>> aretes) const;

    // Edges of the three-point kinds: E0 = P1-P0, E1 = P2-P1, E2 = P0-P2.
    void CalculerCotesTrois();

    // The matrix of the ray test for `dir`; false when the face cannot be
    // tested along it (the determinant is then stored as 0).
    bool PreparerMatrice(const CVecteur& dir);

    // The common ray test around a kind's inside rule.
    template <class Dedans>
    int TestRayon(const CVecteur& p, Dedans dedans) const {
        if (m_repere[0].m_fValeur == 0) {
            return 0;
        }
        const CVecteur c = p.DansRepere(m_points[0], m_repere);
        if (!dedans(c.m_x, c.m_y)) {
            return 0;
        }
        return c.m_z < 0 ? -1 : 1;
    }
};
