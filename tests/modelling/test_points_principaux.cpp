#include "ModelisationTest.h"

#include "geometry/Face5.h"
#include "modelling/PointsPrincipaux.h"

namespace {

class PointsPrincipaux : public ModelisationTest {
protected:
    void Tampon(const CTamponPoints& t) { NOTER(m_j, t.strTitre, t.nColonnes, t.points); }
};

TEST_F(PointsPrincipaux, OpenPickSeeValidateAndClose) {
    CFace3& f = Poser(std::make_unique<CFace3>());
    f.m_nFocus = 2;
    CTamponPoints t = OuvrirPointsPrincipaux(m_doc, f);
    Tampon(t);
    NOTER(m_j, m_doc.m_bPointsPrincipauxOuverts, f.m_nFocus, m_ui.m_nRedessins);
    Noter("opened on a triangle: a fresh copy");
    m_j.Titre("a picked point goes to the focused column only, and nowhere else until See");
    NOTER(m_j, PlacerPointPrincipal(f, CVecteur(9, 9, 9), t));
    f.m_nFocus = 1;
    NOTER(m_j, PlacerPointPrincipal(f, CVecteur(4, 5, 6), t));
    f.m_nFocus = 3; // the hidden fourth column of a three-point kind takes nothing
    NOTER(m_j, f.PlacerPoint(CVecteur(1, 1, 1)), f.m_saisie[3]);
    Tampon(t);
    Noter("a point picked into column 1");
    VoirPoints(m_doc, f, t);
    Noter("seen");
    FermerPointsPrincipaux(m_doc, f);
    NOTER(m_j, m_doc.m_bPointsPrincipauxOuverts, m_ui.m_fenetresFermees);
    Noter("closed: the face unchanged");
    Tampon(OuvrirPointsPrincipaux(m_doc, Poser(std::make_unique<CFace4>())));

    m_j.Titre("a degenerate triangle is refused and the columns show the old points again");
    m_doc.NouveauDocument();
    CFace3& g = Poser(std::make_unique<CFace3>());
    t = OuvrirPointsPrincipaux(m_doc, g);
    t.points[0] = CVecteur(0, 0, 0);
    t.points[1] = CVecteur(1, 0, 0);
    t.points[2] = CVecteur(2, 0, 0);
    NOTER(m_j, ValiderPoints(m_doc, g, t));
    for (const auto& m : m_ui.m_messages) {
        NOTER(m_j, m.strTexte, m.strTitre, m.icone, m.boutons);
    }
    Tampon(t);
    NOTER(m_j, g.m_pCopie->m_points[2], g.m_points[2], m_doc.IsModified());
    m_j.Titre("stored as typed, shown rounded to seven decimals");
    t.points[2].m_x = 1.123456789;
    NOTER(m_j, ValiderPoints(m_doc, g, t));
    NOTER(m_j, g.m_points[2], t.points[2], m_doc.IsModified());
    m_j.Titre("a sector shows its corrected end");
    CFace5& s = Poser(std::make_unique<CFace5>());
    t = OuvrirPointsPrincipaux(m_doc, s);
    t.points[1] = CVecteur(3, 0, 0);
    t.points[2] = CVecteur(0, 0, 1);
    NOTER(m_j, ValiderPoints(m_doc, s, t));
    NOTER(m_j, s.m_points[2], t.points[2], s.m_normale, s.m_bContourAJour);
    ExpectGolden("modelling/main_points.txt", m_j.m_texte);
}

} // namespace
