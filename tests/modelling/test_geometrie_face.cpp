#include "ModelisationTest.h"

#include "modelling/GeometrieFace.h"

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
    CFace* f = Ajouter("f");
    for (auto& l : Table("tables/tilt_bearing.txt")) {
        double nord = 0, inclinaison = 0, orientation = 0;
        bool bInverse = false;
        l >> f->m_normale >> bInverse >> nord >> inclinaison >> orientation;
        ASSERT_TRUE(Lue(l)) << l.str();
        f->m_proprietes.m_bCoteInverse = bInverse; // only the normal counts
        m_geo.Calculer(*f, nord);
        EXPECT_DOUBLE_EQ(m_geo.m_dInclinaison, inclinaison) << l.str();
        EXPECT_EQ(m_geo.m_dOrientation, orientation) << l.str();
    }
}

} // namespace
