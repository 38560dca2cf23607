// The fast shading against the plain evaluation on random scenes: every node
// value, every face mean and both scene results must be bit for bit equal.
#include "../geometry/GeometrieTest.h"
#include "lighting/EclairementRecepteurs.h"
#include "lighting/GenerationMaillage.h"
#include "platform/InteractionScriptee.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

class Scene {
public:
    explicit Scene(unsigned graine) : m_hasard(graine) {}

    std::vector<std::unique_ptr<CFace>> m_faces;

    double Uniforme(double a, double b) { return std::uniform_real_distribution<>(a, b)(m_hasard); }
    int Entier(int a, int b) { return std::uniform_int_distribution<>(a, b)(m_hasard); }

    CVecteur Point(double r) { return CVecteur(Uniforme(-r, r), Uniforme(-r, r), Uniforme(0, r)); }
    CVecteur Vecteur(double l) {
        CVecteur v(Uniforme(-1, 1), Uniforme(-1, 1), Uniforme(-1, 1));
        return v * (l / v.Norme());
    }

    void Correlation(CCorrelationPhysique& c) {
        c.m_nMode = Entier(0, 2);
        double incidence = 0;
        for (int i = 0; i < 6; ++i) {
            c.m_couples[i] = {i == 5 ? 90 : incidence, Uniforme(0, 100)};
            incidence = std::min(90.0, incidence + Uniforme(0, 30));
        }
    }

    CFace* Ajouter() {
        const int type = Entier(3, 6);
        auto f = CreerFace("CFace" + std::to_string(type));
        const CVecteur p0 = Point(6);
        const CVecteur e = Vecteur(Uniforme(0.5, 4));
        const CVecteur g = Vecteur(Uniforme(0.5, 4));
        f->m_points[0] = p0;
        f->m_points[1] = p0 + e;
        f->m_points[2] = p0 + g;
        if (type == 4) { // a parallelogram, convex, concave or slightly warped
            const bool bParallelogramme = Entier(0, 3) == 0;
            const double s = bParallelogramme ? 1 : Uniforme(0.3, 1.7);
            const double t = bParallelogramme ? 1 : Uniforme(0.3, 1.7);
            f->m_points[3] = p0 + g;
            f->m_points[2] = p0 + e * s + g * t + (Entier(0, 5) == 0 ? Vecteur(0.05) : CVecteur());
        }
        f->CalculerNormale();
        if (type == 5 || type == 6) {
            f->EstValide(); // the curved kinds hold corrected points
        }
        CProprietes& p = f->m_proprietes;
        p.m_bRecepteur = Entier(0, 2) == 0;
        p.m_bCoteInverse = Entier(0, 3) == 0;
        // Clear, opaque (whose spans are set to +0 at once) or in between.
        const int nTransmittivite = Entier(0, 3);
        p.m_dTransmittivite = nTransmittivite == 0   ? 100
                              : nTransmittivite == 1 ? 0
                                                     : Uniforme(0, 100);
        p.m_dAbsorptivite = Uniforme(0, 100);
        p.m_dMailleRelative = 10;
        p.m_dMailleAbsolue = 0.2;
        Correlation(p.m_correlationTransmittivite);
        Correlation(p.m_correlationAbsorptivite);
        if (Entier(0, 4) == 0) {
            p.m_correlationTransmittivite.m_nMode = 0; // fully transparent faces too
        }
        CFace* brut = f.get();
        m_faces.push_back(std::move(f));
        return brut;
    }

    // An opening lying in its host, or anywhere.
    void Ouvrir(CFace* hote) {
        const CVecteur e0 = hote->m_points[1] - hote->m_points[0];
        const CVecteur l = hote->m_points[hote->IndexDernier()] - hote->m_points[0];
        const double a = Uniforme(0.1, 0.4);
        const double b = Uniforme(0.1, 0.4);
        const double da = Uniforme(0.1, 0.3);
        const double db = Uniforme(0.1, 0.3);
        const CVecteur base = hote->m_points[0] + e0 * a + l * b;
        auto o = Face("CFace4", {base, base + e0 * da, base + e0 * da + l * db, base + l * db});
        o->m_proprietes.m_dTransmittivite = Uniforme(0, 100);
        o->m_proprietes.m_bRecepteur = Entier(0, 3) == 0;
        hote->m_ouvertures.m_faces.push_back(o.get());
        m_faces.push_back(std::move(o));
    }

    CVecteur Soleil(const std::vector<CFace*>& faces) {
        if (Entier(0, 2) == 0) {
            // Grazing: almost in the plane of a face.
            CFace* f =
                faces[static_cast<std::size_t>(Entier(0, static_cast<int>(faces.size()) - 1))];
            const CVecteur e = f->m_points[1] - f->m_points[0];
            const double ecart = std::pow(10.0, -Uniforme(2, 9)) * (Entier(0, 1) ? 1 : -1);
            const CVecteur d = e / e.Norme() + f->m_normale * ecart;
            return d / d.Norme();
        }
        CVecteur d(Uniforme(-1, 1), Uniforme(-1, 1), Uniforme(-0.2, 1));
        return d / d.Norme();
    }

private:
    std::mt19937 m_hasard;
};

TEST(Differentiel, FastShadingIsBitForBitThePlainOne) {
    CInteractionScriptee ui;
    long long nNoeuds = 0;
    const unsigned nGraines = std::getenv("VANTREL_GRAINES")
                                  ? static_cast<unsigned>(std::atoi(std::getenv("VANTREL_GRAINES")))
                                  : 12;
    long long nTests = 0;
    long long nDecides = 0;
    long long nPaires = 0;
    for (unsigned graine = 1; graine <= nGraines; ++graine) {
        Scene scene(graine);
        // Some scenes have more occluders than one slice of a receiver's.
        const int nFaces = graine % 4 == 0 ? scene.Entier(100, 160) : scene.Entier(5, 40);
        for (int i = 0; i < nFaces; ++i) {
            CFace* f = scene.Ajouter();
            if (scene.Entier(0, 3) == 0) {
                scene.Ouvrir(f);
            }
        }
        scene.m_faces.front()->m_proprietes.m_bRecepteur = 1;
        std::vector<CFace*> faces;
        for (const auto& f : scene.m_faces) {
            faces.push_back(f.get());
        }
        CGenerationMaillage generation;
        ASSERT_TRUE(generation.GenererMaillages(faces, 1000, ui)) << graine;

        CEclairementRecepteurs simple;
        CEclairementRecepteurs rapide;
        // As in a day report, the grids may be read once for all the suns.
        rapide.FigerMaillages(graine % 2 == 0);
        for (int n = 0; n < 20; ++n) {
            if (graine % 3 == 0 && n == (graine % 2 == 0 ? 0 : 10)) {
                // A node moved by a hair (between two computations when the
                // meshes are not frozen): its grid is read again, the gap
                // taken into its bounds.
                for (CFace* f : faces) {
                    if (f->m_pNoeuds && f->m_pNoeuds->Taille() > 1) {
                        f->m_pNoeuds->m_x[1] += 1e-4;
                        break;
                    }
                }
            }
            CSoleilCalcul soleil;
            soleil.direction = scene.Soleil(faces);
            soleil.dAltitude = std::asin(soleil.direction.m_z) * 57.29577951308232;
            soleil.dLigneHorizon = scene.Uniforme(-12, 5);

            simple.CalculerEclairementSimple(faces, soleil);
            std::vector<std::vector<float>> valeurs;
            std::vector<double> moyennes;
            for (CFace* f : faces) {
                valeurs.push_back(f->m_pNoeuds ? f->m_pNoeuds->m_valeurs : std::vector<float>());
                moyennes.push_back(f->m_dEclairement);
                if (f->m_pNoeuds) {
                    std::fill(f->m_pNoeuds->m_valeurs.begin(), f->m_pNoeuds->m_valeurs.end(),
                              -7.0f);
                    nNoeuds += f->m_pNoeuds->Taille();
                }
            }
            rapide.CalculerEclairement(faces, soleil);
            nTests += rapide.TestsEffectues();
            nDecides += rapide.NoeudsDecides();
            for (CFace* f : faces) {
                if (f->m_pNoeuds && f->m_dEclairementDirect != 0) {
                    nPaires += static_cast<long long>(f->m_pNoeuds->Taille()) *
                               static_cast<long long>(Occultants(faces, f).size());
                }
            }
            for (std::size_t i = 0; i < faces.size(); ++i) {
                if (faces[i]->m_pNoeuds) {
                    const auto& v = faces[i]->m_pNoeuds->m_valeurs;
                    ASSERT_EQ(v.size(), valeurs[i].size());
                    EXPECT_EQ(std::memcmp(v.data(), valeurs[i].data(), v.size() * sizeof(float)), 0)
                        << "scene " << graine << " sun " << n << " face " << i;
                }
                EXPECT_EQ(std::memcmp(&faces[i]->m_dEclairement, &moyennes[i], sizeof(double)), 0)
                    << "scene " << graine << " sun " << n << " face " << i;
            }
            EXPECT_EQ(rapide.m_dEquivalent, simple.m_dEquivalent);
            EXPECT_EQ(rapide.m_dIncidence, simple.m_dIncidence);
        }
    }
    EXPECT_GT(nNoeuds, 100000); // the scenes did exercise the node loop
    // And most pairs were skipped without a ray test, while whole spans of
    // nodes were shaded without one (small random faces have wide borders).
    EXPECT_LT(nTests, nPaires / 2) << nTests << " of " << nPaires;
    EXPECT_GT(nDecides, nTests / 2) << nDecides << " decided, " << nTests << " tested";
}

// A receiver whose nodes left their grid is shaded node by node: under a
// roof that covers it all, every node, the last one included, is shaded. The
// grid is large enough to be checked in pieces, and the node that moves lies
// in the last one.
TEST(Differentiel, NodesOffTheirGridAreShadedOneByOne) {
    CInteractionScriptee ui;
    auto sol = Face("CFace4",
                    {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(2, 2, 0), CVecteur(0, 2, 0)});
    auto toit = Face(
        "CFace4", {CVecteur(-2, -2, 3), CVecteur(4, -2, 3), CVecteur(4, 4, 3), CVecteur(-2, 4, 3)});
    sol->m_proprietes.m_bRecepteur = 1;
    sol->m_proprietes.m_dAbsorptivite = 80;
    sol->m_proprietes.m_dMailleAbsolue = 0.002; // a step of 1 cm
    toit->m_proprietes.m_dTransmittivite = 40;
    std::vector<CFace*> faces = {sol.get(), toit.get()};
    ASSERT_TRUE(CGenerationMaillage().GenererMaillages(faces, 1000, ui));
    std::vector<float>& v = sol->m_pNoeuds->m_valeurs;
    ASSERT_GT(v.size(), 32768u); // more than one piece of rows
    CSoleilCalcul soleil;
    soleil.direction = CVecteur(0.1, 0.2, 1) / CVecteur(0.1, 0.2, 1).Norme();
    soleil.dAltitude = 77;
    soleil.dLigneHorizon = 0;
    CEclairementRecepteurs simple;
    CEclairementRecepteurs rapide;
    for (const bool bDeplace : {false, true}) {
        if (bDeplace) {
            sol->m_pNoeuds->m_x.back() += 0.0025; // a quarter of a step
        }
        simple.CalculerEclairementSimple(faces, soleil);
        const std::vector<float> attendu = v;
        const double dMoyenne = sol->m_dEclairement;
        std::fill(v.begin(), v.end(), -7.0f);
        rapide.CalculerEclairement(faces, soleil);
        EXPECT_EQ(std::memcmp(v.data(), attendu.data(), v.size() * sizeof(float)), 0) << bDeplace;
        EXPECT_EQ(sol->m_dEclairement, dMoyenne) << bDeplace;
        // On its grid, whole spans; off it, every node tested.
        EXPECT_EQ(rapide.TestsEffectues() == static_cast<long long>(v.size()), bDeplace);
        for (const float x : v) {
            ASSERT_EQ(x, static_cast<float>(0.4 * static_cast<float>(sol->m_dEclairementDirect)));
        }
    }
}

// Under opaque occluders only, a block's values are written from its bits
// at the end: with a hole in the receiver, a row has two pieces of nodes a
// few columns apart, and neither may take the other's bits.
TEST(Differentiel, OpaqueOnlyBlocksAroundAHole) {
    CInteractionScriptee ui;
    auto sol = Face("CFace4",
                    {CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(1, 1, 0), CVecteur(0, 1, 0)});
    auto trou = Face("CFace4", {CVecteur(0.3, 0.25, 0), CVecteur(0.4, 0.25, 0),
                                CVecteur(0.4, 0.35, 0), CVecteur(0.3, 0.35, 0)});
    sol->m_ouvertures.m_faces.push_back(trou.get());
    sol->m_proprietes.m_bRecepteur = 1;
    sol->m_proprietes.m_dMailleAbsolue = 0.002; // a step of 1 cm
    auto a = Face("CFace4", {CVecteur(0.1, 0.1, 1), CVecteur(0.2, 0.1, 1), CVecteur(0.2, 0.5, 1),
                             CVecteur(0.1, 0.5, 1)});
    auto b = Face("CFace3", {CVecteur(0.5, 0.4, 2), CVecteur(0.9, 0.5, 2), CVecteur(0.6, 0.9, 1)});
    a->m_proprietes.m_dTransmittivite = 0;
    b->m_proprietes.m_dTransmittivite = 0;
    trou->m_proprietes.m_dTransmittivite = 100;
    std::vector<CFace*> faces = {sol.get(), trou.get(), a.get(), b.get()};
    ASSERT_TRUE(CGenerationMaillage().GenererMaillages(faces, 1000, ui));
    std::vector<float>& v = sol->m_pNoeuds->m_valeurs;
    CSoleilCalcul soleil;
    soleil.direction = CVecteur(0.1, -0.2, 1) / CVecteur(0.1, -0.2, 1).Norme();
    soleil.dAltitude = 77;
    soleil.dLigneHorizon = 0;
    CEclairementRecepteurs simple;
    CEclairementRecepteurs rapide;
    simple.CalculerEclairementSimple(faces, soleil);
    const std::vector<float> attendu = v;
    const double dMoyenne = sol->m_dEclairement;
    std::fill(v.begin(), v.end(), -7.0f);
    rapide.CalculerEclairement(faces, soleil);
    EXPECT_EQ(std::memcmp(v.data(), attendu.data(), v.size() * sizeof(float)), 0);
    EXPECT_EQ(sol->m_dEclairement, dMoyenne);
    // Both shades fall on the ground: some nodes lit, some not.
    EXPECT_NE(std::count(attendu.begin(), attendu.end(), 0.0f), 0);
    EXPECT_LT(dMoyenne, sol->m_dEclairementDirect);
}

} // namespace

// Openings are faces of their own, lit after their host when they come
// after it: whether one can answer the ray test is read once every face is
// lit. Over a day's series the occluders' places are kept from the last
// sun while their count holds: a sun in the wall's plane drops the wall,
// and the next one brings it back. A sun a hair off that plane leaves the
// wall an occluder but not its window, which is smaller.
TEST(Differentiel, OpeningsAndOccludersFollowEachSun) {
    CInteractionScriptee ui;
    auto sol = Face(
        "CFace4", {CVecteur(0, 0, 0), CVecteur(10, 0, 0), CVecteur(10, 10, 0), CVecteur(0, 10, 0)});
    auto mur = Face("CFace4",
                    {CVecteur(2, 5, 0), CVecteur(8, 5, 0), CVecteur(8, 5, 4), CVecteur(2, 5, 4)});
    auto fenetre = Face(
        "CFace4", {CVecteur(4, 5, 1), CVecteur(5, 5, 1), CVecteur(5, 5, 2), CVecteur(4, 5, 2)});
    mur->m_ouvertures.m_faces.push_back(fenetre.get());
    mur->m_proprietes.m_dTransmittivite = 0;
    fenetre->m_proprietes.m_dTransmittivite = 100;
    sol->m_proprietes.m_bRecepteur = 1;
    sol->m_proprietes.m_dMailleAbsolue = 0.1;
    std::vector<CFace*> faces = {sol.get(), mur.get(), fenetre.get()};
    ASSERT_TRUE(CGenerationMaillage().GenererMaillages(faces, 1000, ui));
    std::vector<float>& v = sol->m_pNoeuds->m_valeurs;
    const CVecteur normal = CVecteur(0.3, -0.5, 0.8) / CVecteur(0.3, -0.5, 0.8).Norme();
    const CVecteur frole = CVecteur(1, -2e-6, 0.5) / CVecteur(1, -2e-6, 0.5).Norme();
    const CVecteur dansLePlan = CVecteur(0.6, 0, 0.8);
    CEclairementRecepteurs simple;
    CEclairementRecepteurs rapide;
    rapide.FigerMaillages(true);
    int n = 0;
    for (const CVecteur& d : {normal, frole, normal, dansLePlan, normal, frole}) {
        CSoleilCalcul soleil;
        soleil.direction = d;
        soleil.dAltitude = 30;
        soleil.dLigneHorizon = 0;
        // The fast one first: the faces hold the last sun's state.
        rapide.CalculerEclairement(faces, soleil);
        const std::vector<float> obtenu = v;
        const double dObtenue = sol->m_dEclairement;
        std::fill(v.begin(), v.end(), -7.0f);
        simple.CalculerEclairementSimple(faces, soleil);
        const std::vector<float>& attendu = v;
        EXPECT_EQ(std::memcmp(obtenu.data(), attendu.data(), v.size() * sizeof(float)), 0) << n;
        EXPECT_EQ(dObtenue, sol->m_dEclairement) << n;
        // Each sun's own case: the window's light, the wall's sliver of
        // shade, no wall at all.
        const bool bMur = d.m_y != 0;
        EXPECT_EQ(CMoteurOmbrage::PeutOmbrer(*mur), bMur) << n;
        EXPECT_EQ(fenetre->m_repere[0].m_fValeur != 0, d.m_y == normal.m_y) << n;
        EXPECT_EQ(std::count(attendu.begin(), attendu.end(), 0.0f) != 0, bMur) << n;
        ++n;
    }
    rapide.FigerMaillages(false);
}
