#include "ModelisationTest.h"

#include "modelling/GeometrieFace.h"

#include <cmath>

namespace {

class GeometrieFace : public ModelisationTest {
protected:
    CGeometrieFace m_geo{m_doc};

    // Only the normal enters the bearing and the tilt.
    CFace* Orientee(double x, double y, double z, bool bInverse = false) {
        CFace* f = Ajouter("f");
        f->m_normale = CVecteur(x, y, z);
        f->m_proprietes.m_bCoteInverse = bInverse ? 1 : 0;
        return f;
    }
};

TEST_F(GeometrieFace, DefaultQuadrilateral) {
    CFace* f = Ajouter("wall");
    m_geo.Ouvrir(0);
    EXPECT_EQ(m_geo.m_dAire, 4);
    EXPECT_EQ(m_geo.m_dAireOuvertures, 0);
    EXPECT_EQ(m_geo.m_dAireRetenue, 4);
    EXPECT_EQ(m_geo.m_dInclinaison, 0);
    EXPECT_EQ(m_geo.m_dOrientation, 180);
    f->m_proprietes.m_bCoteInverse = 1;
    m_geo.Ouvrir(0);
    EXPECT_EQ(m_geo.m_dInclinaison, 0);
    EXPECT_EQ(m_geo.m_dOrientation, 0);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(GeometrieFace, AreasWithOpenings) {
    CFace* mur = Ajouter("wall");
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
}

TEST_F(GeometrieFace, RoofLookingSouth) {
    CFace* f = Orientee(0, -0.5, std::sqrt(3.0) / 2);
    m_geo.Calculer(*f, 0);
    EXPECT_EQ(m_geo.m_dInclinaison, 60);
    EXPECT_EQ(m_geo.m_dOrientation, 180);
    f->m_proprietes.m_bCoteInverse = 1;
    m_geo.Calculer(*f, 0);
    EXPECT_EQ(m_geo.m_dInclinaison, -60);
    EXPECT_EQ(m_geo.m_dOrientation, 0);
}

TEST_F(GeometrieFace, BearingFromTheNorth) {
    CFace* f = Orientee(1, 0, 0);
    m_geo.Calculer(*f, 0);
    EXPECT_EQ(m_geo.m_dOrientation, 90);
    m_geo.Calculer(*f, 30);
    EXPECT_EQ(m_geo.m_dOrientation, 60);
    // Below zero after the north correction: wrapped once.
    m_geo.Calculer(*f, 120);
    EXPECT_EQ(m_geo.m_dOrientation, 330);
    // West-facing, reversed: 270 - 180.
    CFace* g = Orientee(-1, 0, 0, true);
    m_geo.Calculer(*g, 0);
    EXPECT_EQ(m_geo.m_dOrientation, 90);
    // Reversed with a wrap of its own: 90 - 180 + 360.
    m_geo.Calculer(*Orientee(1, 0, 0, true), 0);
    EXPECT_EQ(m_geo.m_dOrientation, 270);
}

TEST_F(GeometrieFace, HorizontalFacesHaveNoBearing) {
    // A tiny eastward tilt: the bearing alone would be 90.
    const double t = 5e-6 * kDegVersRad;
    CFace* f = Orientee(std::sin(t), 0, std::cos(t));
    m_geo.Calculer(*f, 0);
    EXPECT_EQ(m_geo.m_dInclinaison, 90);
    EXPECT_EQ(m_geo.m_dOrientation, 0);
    f->m_proprietes.m_bCoteInverse = 1;
    m_geo.Calculer(*f, 0);
    EXPECT_EQ(m_geo.m_dInclinaison, -90);
    EXPECT_EQ(m_geo.m_dOrientation, 0);
    m_geo.Calculer(*Orientee(0, 0, -1), 0);
    EXPECT_EQ(m_geo.m_dInclinaison, -90);
    EXPECT_EQ(m_geo.m_dOrientation, 0);
}

TEST_F(GeometrieFace, NearlyHorizontalFaceKeepsItsBearing) {
    // 89.99995 is cut to 89.9999 by the 4-decimal rounding, so it stays below 90.
    const double t = 5e-5 * kDegVersRad;
    CFace* f = Orientee(std::sin(t), 0, std::cos(t));
    m_geo.Calculer(*f, 0);
    EXPECT_DOUBLE_EQ(m_geo.m_dInclinaison, 89.9999);
    EXPECT_EQ(m_geo.m_dOrientation, 90);
}

} // namespace
