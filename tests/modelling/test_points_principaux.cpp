#include "ModelisationTest.h"

#include "geometry/Face5.h"
#include "modelling/PointsPrincipaux.h"

namespace {

class PointsPrincipaux : public ModelisationTest {
protected:
    template <class TFace>
    TFace& AjouterFace() {
        auto f = std::make_unique<TFace>();
        TFace& r = *f;
        m_doc.AjouterFace(std::move(f));
        return r;
    }
};

TEST_F(PointsPrincipaux, OpenPickSeeAndClose) {
    CFace3& f = AjouterFace<CFace3>();
    f.m_nFocus = 2;
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    EXPECT_TRUE(m_doc.m_bPointsPrincipauxOuverts);
    EXPECT_EQ(t.strTitre, "Coordinates of the three vertices of the triangle");
    EXPECT_EQ(t.nColonnes, 3);
    ExpectEgal(t.points[1], 2, 0, 0);
    EXPECT_EQ(f.m_nFocus, -1);
    EXPECT_EQ(m_ui.m_nRedessins, 1);
    Noter("opened on a triangle: a fresh copy");
    // A picked point goes to the focused column only, and nowhere else until "See".
    EXPECT_FALSE(PlacerPointPrincipal(f, CVecteur(9, 9, 9), t));
    ExpectEgal(t.points[0], 0, 0, 0);
    f.m_nFocus = 1;
    EXPECT_TRUE(PlacerPointPrincipal(f, CVecteur(4, 5, 6), t));
    ExpectEgal(t.points[1], 4, 5, 6);
    f.m_nFocus = 3; // the hidden fourth column of a three-point kind takes nothing
    EXPECT_FALSE(f.PlacerPoint(CVecteur(1, 1, 1)));
    ExpectEgal(f.m_saisie[3], 0, 0, 0);
    Noter("a point picked into column 1");
    VoirPoints(m_doc, f, t);
    Noter("seen");
    FermerPointsPrincipaux(m_doc, f);
    EXPECT_FALSE(m_doc.m_bPointsPrincipauxOuverts);
    EXPECT_EQ(m_ui.m_fenetresFermees, std::vector<EFenetre>{EFenetre::PointsPrincipaux});
    Noter("closed: the face unchanged");
    EXPECT_EQ(OuvrirPointsPrincipaux(m_doc, AjouterFace<CFace4>()).nColonnes, 4);
    ExpectGolden("modelling/main_points.txt", m_strNotes);
}

TEST_F(PointsPrincipaux, Validation) {
    // A degenerate triangle is refused and the columns show the old points again.
    CFace3& f = AjouterFace<CFace3>();
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    t.points[0] = CVecteur(0, 0, 0);
    t.points[1] = CVecteur(1, 0, 0);
    t.points[2] = CVecteur(2, 0, 0);
    EXPECT_FALSE(ValiderPoints(m_doc, f, t));
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "The geometry proposed is not valid   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Impossible");
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Stop);
    ExpectEgal(t.points[1], 2, 0, 0);
    ExpectEgal(t.points[2], 1, 0, 2);
    ExpectEgal(f.m_pCopie->m_points[2], 1, 0, 2);
    ExpectEgal(f.m_points[2], 1, 0, 2);
    EXPECT_FALSE(m_doc.IsModified());

    t.points[2].m_x = 1.123456789;
    EXPECT_TRUE(ValiderPoints(m_doc, f, t));
    EXPECT_EQ(f.m_points[2].m_x, 1.123456789); // stored as typed, shown rounded
    EXPECT_DOUBLE_EQ(t.points[2].m_x, 1.1234567);
    EXPECT_NE(t.points[2].m_x, 1.123456789);
    EXPECT_TRUE(m_doc.IsModified());

    // A sector shows its corrected end.
    CFace5& s = AjouterFace<CFace5>();
    t = OuvrirPointsPrincipaux(m_doc, s);
    t.points[1] = CVecteur(3, 0, 0);
    t.points[2] = CVecteur(0, 0, 1);
    EXPECT_TRUE(ValiderPoints(m_doc, s, t));
    ExpectEgal(s.m_points[2], 0, 0, 3);
    ExpectEgal(t.points[2], 0, 0, 3);
    ExpectEgal(s.m_normale, 0, -1, 0);
    EXPECT_FALSE(s.m_bContourAJour);
}

} // namespace
