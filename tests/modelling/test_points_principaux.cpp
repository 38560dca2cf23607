#include "ModelisationTest.h"

#include "geometry/Face3.h"
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

TEST_F(PointsPrincipaux, OpeningShowsTheFaceOnAFreshCopy) {
    CFace3& f = AjouterFace<CFace3>();
    f.m_nFocus = 2;
    const CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    EXPECT_TRUE(m_doc.m_bPointsPrincipauxOuverts);
    ASSERT_TRUE(f.m_pCopie);
    EXPECT_STREQ(f.m_pCopie->NomClasse(), "CFace3");
    ExpectEgal(f.m_pCopie->m_points[2], 1, 0, 2);
    EXPECT_EQ(t.strTitre, "Coordinates of the three vertices of the triangle");
    EXPECT_EQ(t.nColonnes, 3);
    ExpectEgal(t.points[1], 2, 0, 0);
    EXPECT_EQ(f.m_nFocus, -1);
    EXPECT_EQ(m_ui.m_nRedessins, 1);

    CFace4& q = AjouterFace<CFace4>();
    EXPECT_EQ(OuvrirPointsPrincipaux(m_doc, q).nColonnes, 4);
}

TEST_F(PointsPrincipaux, TypedValueIsStoredAsTypedAndShownRounded) {
    CFace3& f = AjouterFace<CFace3>();
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    t.points[2].m_x = 1.123456789;
    EXPECT_TRUE(ValiderPoints(m_doc, f, t));
    EXPECT_EQ(f.m_points[2].m_x, 1.123456789);
    EXPECT_DOUBLE_EQ(t.points[2].m_x, 1.1234567);
    EXPECT_NE(t.points[2].m_x, 1.123456789);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_ui.m_messages.empty());
}

TEST_F(PointsPrincipaux, ValidatedSectorShowsItsCorrectedEnd) {
    CFace5& f = AjouterFace<CFace5>();
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    t.points[1] = CVecteur(3, 0, 0);
    t.points[2] = CVecteur(0, 0, 1); // second radius 1, first radius 3
    EXPECT_TRUE(ValiderPoints(m_doc, f, t));
    ExpectEgal(f.m_points[2], 0, 0, 3);
    ExpectEgal(t.points[2], 0, 0, 3);
    ExpectEgal(f.m_normale, 0, -1, 0);
    EXPECT_FALSE(f.m_bContourAJour);
}

TEST_F(PointsPrincipaux, DegenerateTriangleIsRefusedAndTheColumnsRestored) {
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
}

TEST_F(PointsPrincipaux, SeeThenCloseLeavesTheFaceUnchanged) {
    CFace4& f = AjouterFace<CFace4>();
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    t.points[3] = CVecteur(0, 0, 5);
    VoirPoints(m_doc, f, t);
    ExpectEgal(f.m_pCopie->m_points[3], 0, 0, 5);
    ExpectEgal(f.m_points[3], 0, 0, 2);
    FermerPointsPrincipaux(m_doc, f);
    EXPECT_FALSE(m_doc.m_bPointsPrincipauxOuverts);
    EXPECT_FALSE(f.m_pCopie);
    ExpectEgal(f.m_points[3], 0, 0, 2);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_ui.m_fenetresFermees, std::vector<EFenetre>{EFenetre::PointsPrincipaux});
}

TEST_F(PointsPrincipaux, PickedPointGoesToTheFocusedColumnOnly) {
    CFace3& f = AjouterFace<CFace3>();
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    EXPECT_FALSE(PlacerPointPrincipal(f, CVecteur(9, 9, 9), t));
    ExpectEgal(t.points[0], 0, 0, 0);
    ExpectEgal(f.m_saisie[0], 0, 0, 0);

    f.m_nFocus = 1;
    EXPECT_TRUE(PlacerPointPrincipal(f, CVecteur(4, 5, 6), t));
    ExpectEgal(t.points[1], 4, 5, 6);
    ExpectEgal(f.m_pCopie->m_points[1], 2, 0, 0); // until "See" or "Validate >>"
    ExpectEgal(f.m_points[1], 2, 0, 0);

    // The hidden fourth column of a three-point kind takes nothing.
    f.m_nFocus = 3;
    EXPECT_FALSE(f.PlacerPoint(CVecteur(1, 1, 1)));
    ExpectEgal(f.m_saisie[3], 0, 0, 0);
}

} // namespace
