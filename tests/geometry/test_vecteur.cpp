#include "geometry/Vecteur.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectProche(const CVecteur& v, double x, double y, double z, double tol = 1e-12) {
    EXPECT_NEAR(v.m_x, x, tol);
    EXPECT_NEAR(v.m_y, y, tol);
    EXPECT_NEAR(v.m_z, z, tol);
}

TEST(Vecteur, ArithmeticResultsResetTheValueSlot) {
    const CVecteur a(1, 2, 3, 7.5f);
    const CVecteur b(4, 5, 6, 2.0f);
    EXPECT_EQ((a + b).m_fValeur, 0.0f);
    EXPECT_EQ((a - b).m_fValeur, 0.0f);
    EXPECT_EQ((a * 2.0).m_fValeur, 0.0f);
    EXPECT_EQ((a / 2.0).m_fValeur, 0.0f);
    EXPECT_EQ(a.Vectoriel(b).m_fValeur, 0.0f);
    const CVecteur lignes[3] = {a, b, a};
    EXPECT_EQ(a.DansRepere(b, lignes).m_fValeur, 0.0f);
    ExpectProche(a + b, 5, 7, 9);
    ExpectProche(a - b, -3, -3, -3);
}

TEST(Vecteur, CopyAndAssignmentCarryTheValueButFixeKeepsIt) {
    CVecteur a(1, 2, 3, 7.5f);
    const CVecteur copie(a);
    EXPECT_EQ(copie.m_fValeur, 7.5f);
    a.Fixe(9, 8, 7);
    EXPECT_EQ(a.m_fValeur, 7.5f);
    ExpectProche(a, 9, 8, 7);
    a = CVecteur(0, 0, 0, 1.25f);
    EXPECT_EQ(a.m_fValeur, 1.25f);
}

TEST(Vecteur, DivisionMultipliesByTheReciprocal) {
    const CVecteur v(1, 2, 3);
    const CVecteur d = v / 3.0;
    const double inv = 1.0 / 3.0;
    EXPECT_EQ(d.m_x, 1 * inv);
    EXPECT_EQ(d.m_y, 2 * inv);
    EXPECT_EQ(d.m_z, 3 * inv);
    const CVecteur inf = v / 0.0;
    EXPECT_TRUE(std::isinf(inf.m_x));
}

TEST(Vecteur, ScalaireSumsZThenYThenX) {
    // Chosen so that another summation order gives a different double.
    const CVecteur a(1e16, 1, -1e16);
    const CVecteur b(1, 1, 1);
    EXPECT_EQ(a.Scalaire(b), (-1e16 + 1.0) + 1e16);
}

TEST(Vecteur, CrossProductIsRightHanded) {
    ExpectProche(CVecteur(1, 0, 0).Vectoriel(CVecteur(0, 1, 0)), 0, 0, 1);
    ExpectProche(CVecteur(0, 1, 0).Vectoriel(CVecteur(0, 0, 1)), 1, 0, 0);
    EXPECT_DOUBLE_EQ(CVecteur(3, 4, 0).Norme(), 5.0);
}

TEST(Vecteur, RotationQuarterTurnAboutZWhateverTheAxisLength) {
    ExpectProche(CVecteur(1, 0, 0).Rotation(CVecteur(0, 0, 5), 90), 0, 1, 0);
    ExpectProche(CVecteur(1, 0, 0).Rotation(CVecteur(0, 0, 0.01), 90), 0, 1, 0);
    ExpectProche(CVecteur(0, 1, 0).Rotation(CVecteur(1, 0, 0), 90), 0, 0, 1);
    // The axial part is kept.
    ExpectProche(CVecteur(1, 0, 3).Rotation(CVecteur(0, 0, 1), 180), -1, 0, 3);
}

TEST(Vecteur, DegenerateRotationReturnsTheInputWithItsValue) {
    const CVecteur v(1, 2, 3, 4.5f);
    const CVecteur axeNul = v.Rotation(CVecteur(0, 0, 0), 45);
    EXPECT_EQ(axeNul.m_fValeur, 4.5f);
    ExpectProche(axeNul, 1, 2, 3, 0);
    const CVecteur angleNul = v.Rotation(CVecteur(0, 0, 1), 0.0);
    EXPECT_EQ(angleNul.m_fValeur, 4.5f);
    EXPECT_EQ(v.Rotation(CVecteur(0, 0, 1), 10).m_fValeur, 0.0f);
    // About a point the final sum always makes a new vector.
    EXPECT_EQ(v.RotationAutour(CVecteur(), CVecteur(0, 0, 0), 45).m_fValeur, 0.0f);
}

TEST(Vecteur, RotationAutourTurnsAboutTheLine) {
    const CVecteur r = CVecteur(2, 1, 0).RotationAutour(CVecteur(1, 1, 0), CVecteur(0, 0, 1), 90);
    ExpectProche(r, 1, 2, 0);
}

TEST(Vecteur, DansRepereWithTheIdentityIsTheDifference) {
    const CVecteur axes[3] = {CVecteur(1, 0, 0), CVecteur(0, 1, 0), CVecteur(0, 0, 1)};
    const CVecteur o(0.5, -1, 2);
    ExpectProche(CVecteur(3, 4, 5).DansRepere(o, axes), 2.5, 5, 3, 0);
}

} // namespace
