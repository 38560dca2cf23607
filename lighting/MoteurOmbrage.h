#pragma once

#include "geometry/Vecteur.h"
#include "lighting/PoolTaches.h"
#include "lighting/ReseauNoeuds.h"
#include "lighting/Soleil.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CFace;
class CMaillage;

// The fast shading of every receiver node. The result is bit for bit the one
// of CFace::CalculerOmbrage: each node is multiplied by the transmission of
// exactly the occluders whose ray test would intercept it, in document order,
// with the same roundings, and each face's mean is the same sum.
//
// The sun's rays are parallel and a receiver's nodes lie on a regular grid,
// so the coordinates (a, b, c) of the ray test of an occluder are, over the
// grid, affine functions of the grid indices (i, j), up to a bound sigma that
// covers the nodes' distance to their grid points and every rounding of the
// test. The occluder's inside region is convex; written as linear
// constraints on (a, b, c), shrunk or widened by those bounds, it gives for
// each grid row an inner span whose nodes the test certainly intercepts, and
// an outer span beyond which it certainly misses. Only the nodes between the
// two are tested one by one. See ContraintesRegion for each kind's bounds,
// Limite and Resoudre for how a span's ends are proven.
//
// A node whose value has reached 0 or below takes no further factor (the
// plain walk stops there): a block keeps one bit per node whose walk goes
// on, and an occluder's rows, or the whole occluder, where no such node
// lies in its reach are skipped. When every transmission lies in [+0, 1],
// the opaque occluders come first (see Assembler): the result does
// not depend on their order, and they stop most walks early; those facing
// away from the sun then mostly find their reach stopped already, so they
// are prepared at first only as far as a block needs to see that (a probe).
// Openings are regions of their own, through which the ray certainly passes
// or certainly does not. The work is split into blocks of whole rows that
// stay in the cache, one task each.
class CMoteurOmbrage {
public:
    explicit CMoteurOmbrage(int nThreads = 0) : m_pool(nThreads) {}

    // Every face's direct lighting for the sun (CalculerEclairementDirect),
    // then the shading of every receiver of `faces` (document order).
    void Ombrer(const std::vector<CFace*>& faces, const CSoleilCalcul& soleil);

    // While set, the faces, their receiver flags and the receivers' meshes
    // are taken as unchanged from one call to the next (the samples of a day
    // report): the grids are read once.
    // Otherwise each call checks the grids against the nodes (a cheap pass)
    // and reads again those that changed.
    void FigerMaillages(bool bFiges);

    // Whether a face can shade at all: its ray test is usable along the sun
    // (after its CalculerEclairementDirect) and it does not let all the
    // light through.
    static bool PeutOmbrer(const CFace& f);

    // The receivers of the last call, in document order.
    const std::vector<CFace*>& Recepteurs() const { return m_facesRecepteurs; }

    // Of the last call (benchmarks, tests): nodes given the exact ray test
    // of one occluder, and nodes shaded by a span without a test.
    long long TestsEffectues() const { return m_nTests; }
    long long NoeudsDecides() const { return m_nDecides; }

    // A linear constraint g = g0 + i gu + j gv on the grid: a node certainly
    // passes the corresponding part of the ray test when g <= hInt, and
    // certainly fails it when g > hExt (either may be infinite).
    struct CContrainte {
        double g0, gu, gv;
        double hInt, hExt;
    };
    // One end of a span on row i, from one constraint: j = lim = J + i dj,
    // an upper end (floor) when bHaut, a lower end (ceil) otherwise, already
    // widened or narrowed by its error bound. bRapide false when that bound
    // is too coarse: the row is then solved with proven evaluations.
    // A constraint that does not depend on j (gv = 0) holds on whole rows:
    // bLignes, for the rows iLo .. iHi only.
    struct CLimite {
        double J, dj;
        int nContrainte;
        bool bHaut, bRapide;
        bool bLignes;
        int iLo, iHi;
    };
    // The region of a face over one receiver's grid: its constraints, and
    // whether the inner spans are usable at all.
    struct CRegion {
        int nDebut = 0, nFin = 0; // in the receiver's m_contraintes
        bool bInterieur = false;
        // In the receiver's limites: outer ends, then inner ends.
        int nLimites = 0, nLimitesExt = 0, nLimitesFin = 0;
    };

private:
    struct COccultant {
        CFace* pFace;
        int nIndice; // position in the document
        int nType;
        double p0[3];
        double r[3][3]; // rows of the ray-test matrix
        float k1;
        float k2;
        double dTransmission;
        bool bOuvertures;
        bool bVersSoleil; // its normal points to the sun's side
        bool bBorne;      // its projection is bounded: it can be skipped
        double sMin, sMax, tMin, tMax;
        int nDebutOuvertures, nFinOuvertures; // in m_ouvertures
    };
    // An opening of an occluder that can answer the ray test.
    struct COuverture {
        int nType;
        double p0[3];
        double r[2][3];
        float k1, k2;
    };
    struct CPaire {
        int nOccultant;
        int iDebut, iFin; // rows that may be shaded
        CRegion region;
        int nDebutOuvertures, nFinOuvertures; // regions in m_regionsOuvertures
        int nRang;                            // see Assembler
        // Only the outer bounds of the region (an opaque occluder facing
        // away from the sun, whose reach is mostly stopped already by then),
        // none of its openings: a block prepares the pair in full where a
        // walk goes on in it.
        bool bSonde;
    };
    // Where pairs are prepared: a receiver's own, or a slice of its
    // occluders' (the indices are then its own, moved on when appended).
    // Two threads fill neighbouring ones, and each pair moves the ends of
    // its vectors: each has cache lines of its own (fetched in pairs).
    struct alignas(128) CTampon {
        std::vector<CPaire> paires;
        std::vector<CContrainte> contraintes;
        std::vector<CLimite> limites;
        std::vector<CRegion> regionsOuvertures;
        // Of its pairs, for Assembler: how many of each rank, and whether
        // every transmission lies in [+0, 1].
        int comptesRangs[3] = {0, 0, 0};
        bool bUnites = true;
        void Vider() {
            paires.clear();
            contraintes.clear();
            limites.clear();
            regionsOuvertures.clear();
            comptesRangs[0] = comptesRangs[1] = comptesRangs[2] = 0;
            bUnites = true;
        }
    };
    // A prepared pair, where its slice left it.
    struct CRefPaire {
        const CTampon* pTampon;
        const CPaire* pPaire;
    };
    struct CRecepteur : CTampon {
        CFace* pFace = nullptr;
        int nIndice = 0;
        CReseauNoeuds reseau;
        std::vector<int> candidats;
        std::vector<CRefPaire> ordre;                  // its pairs, in the order they are walked
        double sMin = 0, sMax = 0, tMin = 0, tMax = 0; // see Projeter
        // The opaque occluders are walked first (and a span of nodes behind
        // one is set to +0 at once).
        bool bOpaquesDabord = false;
        std::vector<int> jDebutLigne, jFinLigne; // columns of each row's nodes
        // Its blocks, and for each the pairs whose rows meet it, in order.
        int nPremierBloc = 0, nBlocs = 0;
        std::vector<int> blocDeLigne;
        std::vector<int> debutsPairesBlocs;
        std::vector<int> pairesBlocs;
        // Its slices, then its blocks, still at work: the task that ends the
        // last one assembles its pairs, then works out its mean, with no
        // phase of the pool of their own.
        std::atomic<int> nRestants{0};
    };
    struct CBloc {
        int nRecepteur;
        int iDebut, iFin; // rows (valid grid)
        int kDebut, kFin; // nodes
        long long nTests;
        long long nDecides;
        // Of its values once shaded, for the face's mean: the largest bit
        // pattern, the smallest exponent of a non-zero value, and their sum.
        std::uint32_t nMax;
        std::uint32_t nExpMin;
        double dSomme;
    };
    // The occluders nDebut .. nFin - 1 of a receiver's candidates, prepared
    // into its own pairs (nTampon < 0) or into m_tampons[nTampon].
    struct CTranche {
        int nRecepteur;
        int nDebut, nFin;
        int nTampon;
    };

    // Each face's lighting, while its data are in the cache, and the count
    // of the occluders, whose records it also writes when the last sun's
    // counts still hold (true then); else, when some receiver is lit,
    // Placer writes them. Then PlacerOuvertures, once every face is lit.
    bool Compter(const std::vector<CFace*>& faces, const CSoleilCalcul& soleil);
    void Placer(const std::vector<CFace*>& faces, const CVecteur& dir);
    void PlacerOuvertures();
    void Repere(const CVecteur& dir);
    double Diametre() const;
    // The record of face f (index nIndice), an occluder.
    void PreparerOccultant(COccultant& o, CFace* f, int nIndice, const CVecteur& dir,
                           double dDiametre);
    void ConstruireGrille();
    // The bounds of a lit receiver's nodes' projections on the plane across
    // the sun, once per sun for the grid and the candidates.
    void Projeter(CRecepteur& r) const;
    void Analyser(const std::vector<CFace*>& faces);
    // Each receiver's candidates, their pairs prepared in slices, and the
    // receiver's walking order.
    void Apparier();
    void Candidats(CRecepteur& r);
    void Assembler(CRecepteur& r, int nTranche0, int nTranche1);
    bool PreparerPaire(const CReseauNoeuds& g, CTampon& t, int nOccultant, bool bSonde);
    struct CVivants;
    void OmbrerBloc(CBloc& bloc);
    // How many of its nodes' walks go on when its values were written from
    // the bits at the end (every pair that met a walk opaque), else -1.
    long long OmbrerValeurs(CBloc& bloc);
    // [e0[k], e1[k]]: the outer span of row i0 + k, [n0[k], n1[k]] its inner
    // span. The first for the rows k0 .. k1 of an occluder without openings,
    // the second for one row of any.
    void OmbrerLignesSimples(CRecepteur& r, const CPaire& p, int i0, int k0, int k1, const int* e0,
                             const int* e1, const int* n0, const int* n1, float* valeurs,
                             CBloc& bloc, CVivants& vivants);
    void OmbrerLigne(CRecepteur& r, const CTampon& t, const CPaire& p, int i, float* valeurs,
                     CBloc& bloc, CVivants& vivants, int e0, int e1, int n0, int n1);
    bool Intercepte(const COccultant& o, const CMaillage& m, int k) const;
    // The exact test of node k (row i, column j); a node brought to 0 stops.
    void TesterNoeud(const COccultant& o, const CMaillage& m, float* valeurs, CBloc& bloc,
                     CVivants& vivants, int i, int j, int k) const;
    void Moyenne(const CRecepteur& r) const;

    CPoolTaches m_pool;
    bool m_bFiges = false;
    bool m_bAVerifier = true;
    bool m_bAnalyse = false;
    std::size_t m_nFacesAnalysees = 0;
    std::vector<std::unique_ptr<CRecepteur>> m_recepteurs;
    std::vector<CFace*> m_facesRecepteurs; // theirs
    std::vector<CBloc> m_blocs;
    std::vector<CTranche> m_tranches;
    std::vector<int> m_premieresTranches; // of each receiver, and the end
    std::vector<CTampon> m_tampons;
    std::vector<COccultant> m_occultants;
    std::vector<COuverture> m_ouvertures;
    std::vector<int> m_toujours; // occluders that are never skipped
    double m_dEchelle = 0;
    bool m_bEchelleValide = false;
    // By slice of faces, and their end: where its occluders start (after
    // Compter), and where the last lit sun placed them.
    std::vector<int> m_comptesTranches;
    std::vector<int> m_placesTranches;
    std::vector<char> m_hotesTranches; // whether it holds an occluder with openings
    std::vector<double> m_echellesTranches;
    // Plane across the sun.
    CVecteur m_e1, m_e2;
    // Grid over that plane: cell (i, j) lists occluders (indices into
    // m_occultants, ascending) in m_listes[m_debuts[c] .. m_debuts[c + 1]).
    double m_s0 = 0, m_t0 = 0, m_dCellule = 1;
    int m_nColonnes = 0, m_nLignes = 0;
    std::vector<int> m_debuts;
    std::vector<int> m_listes;
    std::vector<int> m_comptes;
    // Cells of each occluder, or none when it is tested everywhere.
    struct CEtendue {
        int i0, i1, j0, j1;
        bool bPartout;
    };
    std::vector<CEtendue> m_etendues;
    long long m_nTests = 0;
    long long m_nDecides = 0;
};
