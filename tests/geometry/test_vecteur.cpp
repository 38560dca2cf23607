#include "GeometrieTest.h"
#include "geometry/Arrondi.h"
#include "geometry/Vecteur.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Arrondi, HalfIsRoundedDownOtherwiseNearest) {
    const double cas[][3] = {{12.345, 2, 12.34},     {12.3491, 2, 12.35},
                             {1.41421356, 3, 1.414}, {1.123456789, 7, 1.1234567},
                             {-2.5, 0, -3.0},        {-12.346, 2, -12.35},
                             {0.0, 4, 0.0},          {359.9995, 2, 360.0}};
    for (const auto& c : cas) {
        EXPECT_DOUBLE_EQ(Arrondi(c[0], static_cast<int>(c[1])), c[2]) << c[0];
    }
}

TEST(Vecteur, ArithmeticAndTheValueSlot) {
    const CVecteur a(1, 2, 3, 7.5f);
    const CVecteur b(4, 5, 6, 2.0f);
    const CVecteur lignes[3] = {a, b, a};
    // Results are new vectors: their value slot is 0.
    for (const CVecteur& r : {a + b, a - b, a * 2.0, a / 2.0, a.Vectoriel(b),
                              a.DansRepere(b, lignes), a.Rotation(CVecteur(0, 0, 1), 10)}) {
        EXPECT_EQ(r.m_fValeur, 0.0f);
    }
    ExpectProche(a + b, 5, 7, 9);
    ExpectProche(a - b, -3, -3, -3);
    // Copies carry it, Fixe keeps it, assignment overwrites it.
    CVecteur c(a);
    EXPECT_EQ(c.m_fValeur, 7.5f);
    c.Fixe(9, 8, 7);
    EXPECT_EQ(c.m_fValeur, 7.5f);
    ExpectProche(c, 9, 8, 7);
    c = CVecteur(0, 0, 0, 1.25f);
    EXPECT_EQ(c.m_fValeur, 1.25f);

    // Division multiplies by the reciprocal, and 0 gives infinities.
    const CVecteur d = CVecteur(1, 2, 3) / 3.0;
    EXPECT_EQ(d.m_y, 2 * (1.0 / 3.0));
    EXPECT_EQ(d.m_z, 3 * (1.0 / 3.0));
    EXPECT_TRUE(std::isinf((a / 0.0).m_x));
    // The dot product sums z, then y, then x: another order gives another double.
    EXPECT_EQ(CVecteur(1e16, 1, -1e16).Scalaire(CVecteur(1, 1, 1)), (-1e16 + 1.0) + 1e16);
    EXPECT_DOUBLE_EQ(CVecteur(3, 4, 0).Norme(), 5.0);
    ExpectProche(CVecteur(1, 0, 0).Vectoriel(CVecteur(0, 1, 0)), 0, 0, 1);
    ExpectProche(CVecteur(0, 1, 0).Vectoriel(CVecteur(0, 0, 1)), 1, 0, 0);
    const CVecteur axes[3] = {CVecteur(1, 0, 0), CVecteur(0, 1, 0), CVecteur(0, 0, 1)};
    ExpectProche(CVecteur(3, 4, 5).DansRepere(CVecteur(0.5, -1, 2), axes), 2.5, 5, 3, 0);
}

TEST(Vecteur, Rotations) {
    const struct {
        CVecteur v, axe;
        double angle, x, y, z;
    } cas[] = {
        {CVecteur(1, 0, 0), CVecteur(0, 0, 5), 90, 0, 1, 0}, // whatever the axis length
        {CVecteur(1, 0, 0), CVecteur(0, 0, 0.01), 90, 0, 1, 0},
        {CVecteur(0, 1, 0), CVecteur(1, 0, 0), 90, 0, 0, 1},
        {CVecteur(1, 0, 3), CVecteur(0, 0, 1), 180, -1, 0, 3}, // the axial part is kept
    };
    for (const auto& c : cas) {
        ExpectProche(c.v.Rotation(c.axe, c.angle), c.x, c.y, c.z);
    }
    // A zero axis or angle gives the input back, value slot included.
    const CVecteur v(1, 2, 3, 4.5f);
    for (const CVecteur& r :
         {v.Rotation(CVecteur(0, 0, 0), 45), v.Rotation(CVecteur(0, 0, 1), 0)}) {
        EXPECT_EQ(r.m_fValeur, 4.5f);
        ExpectProche(r, 1, 2, 3, 0);
    }
    // About a point the final sum always makes a new vector.
    EXPECT_EQ(v.RotationAutour(CVecteur(), CVecteur(0, 0, 0), 45).m_fValeur, 0.0f);
    ExpectProche(CVecteur(2, 1, 0).RotationAutour(CVecteur(1, 1, 0), CVecteur(0, 0, 1), 90), 1, 2,
                 0);
}

} // namespace
