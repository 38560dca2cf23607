#include "GeometrieTest.h"
#include "geometry/Arrondi.h"
#include "geometry/Vecteur.h"
#include "tests/platform/ImpressionEcran.h"

#include <array>

namespace {

// Rounding: ceiling at one more decimal, then down, so that a half goes down.
TEST(Vecteur, RoundingArithmeticTheValueSlotAndRotations) {
    CJournal j;
    for (auto& l : Table("tables/roundings.txt")) {
        std::array<double, 2> c{};
        l >> c[0] >> c[1];
        ASSERT_TRUE(Lue(l)) << l.str();
        NOTER(j, c[0], c[1], Arrondi(c[0], static_cast<int>(c[1])));
    }
    j.Titre("results are new vectors: their value slot is 0");
    const CVecteur a(1, 2, 3, 7.5f);
    const CVecteur b(4, 5, 6, 2.0f);
    const CVecteur lignes[3] = {a, b, a};
    for (const CVecteur& r : {a + b, a - b, a * 2.0, a / 2.0, a.Vectoriel(b),
                              a.DansRepere(b, lignes), a.Rotation(CVecteur(0, 0, 1), 10)}) {
        NOTER(j, r, r.m_fValeur);
    }
    j.Titre("copies carry it, Fixe keeps it, assignment overwrites it");
    CVecteur c(a);
    NOTER(j, c.m_fValeur);
    c.Fixe(9, 8, 7);
    NOTER(j, c, c.m_fValeur);
    c = CVecteur(0, 0, 0, 1.25f);
    NOTER(j, c.m_fValeur);
    j.Titre("division multiplies by the reciprocal; the dot product sums z, then y, then x");
    NOTER(j, CVecteur(1, 2, 3) / 3.0, a / 0.0);
    NOTER(j, CVecteur(1e16, 1, -1e16).Scalaire(CVecteur(1, 1, 1)), CVecteur(3, 4, 0).Norme());
    const CVecteur axes[3] = {CVecteur(1, 0, 0), CVecteur(0, 1, 0), CVecteur(0, 0, 1)};
    NOTER(j, CVecteur(1, 0, 0).Vectoriel(CVecteur(0, 1, 0)),
          CVecteur(0, 1, 0).Vectoriel(CVecteur(0, 0, 1)),
          CVecteur(3, 4, 5).DansRepere(CVecteur(0.5, -1, 2), axes));
    j.Titre("rotations whatever the axis length; the axial part kept; a zero axis or angle "
            "gives the input back, value slot included");
    for (auto& l : Table("tables/rotations.txt")) {
        struct {
            CVecteur v, axe;
            double angle = 0;
        } r;
        l >> r.v >> r.v.m_fValeur >> r.axe >> r.angle;
        ASSERT_TRUE(Lue(l)) << l.str();
        const CVecteur t = r.v.Rotation(r.axe, r.angle);
        NOTER(j, r.v, r.axe, r.angle, t, t.m_fValeur);
    }
    j.Titre("about a point the final sum always makes a new vector");
    const CVecteur v(1, 2, 3, 4.5f);
    NOTER(j, v.RotationAutour(CVecteur(), CVecteur(0, 0, 0), 45).m_fValeur,
          CVecteur(2, 1, 0).RotationAutour(CVecteur(1, 1, 0), CVecteur(0, 0, 1), 90));
    ExpectGolden("vectors.txt", j.m_texte);
}

} // namespace
