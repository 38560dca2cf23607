#include "ModelisationTest.h"

#include "modelling/GeometrieFace.h"

#include <cmath>

namespace {

class GeometrieFace : public ModelisationTest {
protected:
    CGeometrieFace m_geo{m_doc};
};

TEST_F(GeometrieFace, Areas) {
    CFace* mur = Ajouter("wall");
    m_geo.Ouvrir(0);
    EXPECT_EQ(m_geo.m_dAire * 100 + m_geo.m_dAireOuvertures * 10 + m_geo.m_dAireRetenue, 404);
    CFace* fenetre = Ajouter("window");
    fenetre->m_points[2] = CVecteur(2, 0, 0.5);
    fenetre->m_points[3] = CVecteur(0, 0, 0.5);
    mur->m_ouvertures.m_faces = {fenetre};
    m_geo.Calculer(*mur, 0);
    EXPECT_EQ(m_geo.m_dAireOuvertures, 1);
    EXPECT_EQ(m_geo.m_dAireRetenue, 3);
    mur->m_ouvertures.m_nMode = COuvertures::SoustraireValeur;
    mur->m_ouvertures.m_dValeur = 12.3456789;
    m_geo.Calculer(*mur, 0);
    EXPECT_DOUBLE_EQ(m_geo.m_dAireOuvertures, 12.3456);
    EXPECT_EQ(m_geo.m_dAireRetenue, 4); // more than the face: the whole face counts
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(GeometrieFace, TiltAndBearing) {
    const double petit = 5e-6 * kDegVersRad; // the bearing alone would be 90
    const double moins = 5e-5 * kDegVersRad; // 89.99995 cut to 89.9999: below 90
    const struct {
        double x, y, z;
        bool bInverse;
        double nord, inclinaison, orientation;
    } cas[] = {
        {0, -1, 0, false, 0, 0, 180},
        {0, -1, 0, true, 0, 0, 0},
        {0, -0.5, std::sqrt(3.0) / 2, false, 0, 60, 180},
        {0, -0.5, std::sqrt(3.0) / 2, true, 0, -60, 0},
        {1, 0, 0, false, 0, 0, 90},
        {1, 0, 0, false, 30, 0, 60},
        {1, 0, 0, false, 120, 0, 330}, // wrapped once
        {-1, 0, 0, true, 0, 0, 90},    // 270 - 180
        {1, 0, 0, true, 0, 0, 270},    // 90 - 180 + 360
        {std::sin(petit), 0, std::cos(petit), false, 0, 90, 0},
        {std::sin(petit), 0, std::cos(petit), true, 0, -90, 0},
        {0, 0, -1, false, 0, -90, 0},
        {std::sin(moins), 0, std::cos(moins), false, 0, 89.9999, 90},
    };
    CFace* f = Ajouter("f");
    for (const auto& c : cas) {
        f->m_normale = CVecteur(c.x, c.y, c.z); // only the normal counts
        f->m_proprietes.m_bCoteInverse = c.bInverse;
        m_geo.Calculer(*f, c.nord);
        EXPECT_DOUBLE_EQ(m_geo.m_dInclinaison, c.inclinaison) << c.x << " " << c.z;
        EXPECT_EQ(m_geo.m_dOrientation, c.orientation) << c.x << " " << c.z;
    }
}

} // namespace
