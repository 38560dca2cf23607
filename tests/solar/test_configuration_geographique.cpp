#include "solar/ConfigurationGeographique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using CConfig = CConfigurationGeographique;

TEST(ConfigurationGeographique, EveryCityValidatesToItsOwnCoordinates) {
    ASSERT_EQ(CConfig().m_villes.size(), 107u);
    // Choosing any city and validating stores its own coordinates and reselects it.
    for (int i = 1; i < CConfig::kNombreVilles; ++i) {
        CConfig k;
        auto t = k.Ouvrir();
        k.ChoisirLieu(t, i);
        ASSERT_FALSE(k.Valider(t)) << i;
        EXPECT_EQ(k.m_strLieu, k.m_villes[i].m_strNom);
        EXPECT_EQ(k.m_dLatitude, k.m_villes[i].m_dLatitude) << i;
        EXPECT_EQ(k.m_dLongitude, k.m_villes[i].m_dLongitude) << i;
        EXPECT_EQ(k.Ouvrir().nLieu, i);
    }
}

TEST(ConfigurationGeographique, OpeningAndPlaceSelection) {
    CConfig c;
    auto t = c.Ouvrir();
    EXPECT_EQ(t.nLieu, 76);
    EXPECT_EQ(t.strLatitude, "48.9");
    EXPECT_EQ(t.strLongitude, "-2.3");
    EXPECT_TRUE(t.bCoordonneesLectureSeule);
    EXPECT_FALSE(t.bIgnorerLongitude);
    EXPECT_TRUE(t.bLongitudeActive);
    EXPECT_EQ(t.strDirectionNord, "0");
    EXPECT_EQ(t.strLigneHorizon, "0");
    c.ChoisirLieu(t, 97);
    EXPECT_EQ(t.strLatitude, "-33.9");
    EXPECT_EQ(t.strLongitude, "-151.2");
    EXPECT_TRUE(t.bCoordonneesLectureSeule);
    c.ChoisirLieu(t, 1);
    EXPECT_EQ(t.strLongitude, "4.0"); // always one decimal
    // The particular place keeps what the edits held, now editable.
    c.ChoisirLieu(t, 0);
    EXPECT_FALSE(t.bCoordonneesLectureSeule);
    EXPECT_EQ(t.strLatitude, "5.3");
    t.strLatitude = "-12.5";
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_strLieu, "Particular place");
    EXPECT_EQ(c.m_dLatitude, -12.5);
    EXPECT_EQ(c.m_dLongitude, 4.0);

    c.m_strLieu = "sydney"; // case ignored
    EXPECT_EQ(c.Ouvrir().nLieu, 97);
    c.m_strLieu = "MU"; // the first row that begins so
    EXPECT_EQ(c.Ouvrir().nLieu, 67);
    // An unknown place (a damaged file) opens as the particular place.
    c.m_strLieu = "ATLANTIS";
    c.m_dLatitude = 12.345;
    EXPECT_EQ(c.IndexLieu(), -1);
    t = c.Ouvrir();
    EXPECT_EQ(t.nLieu, 0);
    EXPECT_FALSE(t.bCoordonneesLectureSeule);
    EXPECT_EQ(t.strLatitude, "12.345");
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_strLieu, "Particular place");
    EXPECT_EQ(c.m_dLatitude, 12.345);
    for (int n : {-1, CConfig::kNombreVilles}) { // a buffer beyond the list
        t.nLieu = n;
        ASSERT_FALSE(c.Valider(t));
        EXPECT_EQ(c.m_strLieu, "Particular place");
    }
}

TEST(ConfigurationGeographique, IgnoredLongitudeIsStillCheckedAndStored) {
    CConfig c;
    auto t = c.Ouvrir();
    c.ChoisirLieu(t, 0);
    CConfig::CocherIgnorerLongitude(t, true);
    EXPECT_FALSE(t.bLongitudeActive);
    t.strLongitude = "181";
    ASSERT_TRUE(c.Valider(t));
    t.strLongitude = "-180";
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_bIgnorerLongitude, 1);
    EXPECT_EQ(c.m_dLongitude, -180.0);
    EXPECT_FALSE(c.Ouvrir().bLongitudeActive);
    CConfig::CocherIgnorerLongitude(t, false);
    EXPECT_TRUE(t.bLongitudeActive);
}

TEST(ConfigurationGeographique, ValidateChecksRangesThenStoresAndTurnsTheNorth) {
    const struct {
        const char *lat, *lon, *nord, *horizon;
        int champ; // -1: accepted
        const char* message;
    } cas[] = {
        {"89.9", "180", "90", "48", -1, ""},
        {"-89.9", "-180", "180", "-12", -1, ""},
        {"0", "0", "360", "0", -1, ""},
        {"90", "0", "0", "50", CConfig::kChampLatitude,
         "Please enter a number between -89.9 and 89.9."},
        {"0", "-180.1", "0", "0", CConfig::kChampLongitude,
         "Please enter a number between -180 and 180."},
        {"0", "0", "-1", "0", CConfig::kChampDirectionNord,
         "Please enter a number between 0 and 360."},
        {"0", "0", "0", "48.1", CConfig::kChampLigneHorizon,
         "Please enter a number between -12 and 48."},
        {"0", "0", "0", "-12.1", CConfig::kChampLigneHorizon,
         "Please enter a number between -12 and 48."},
        {"north", "0", "0", "0", CConfig::kChampLatitude, "Please enter a number."},
    };
    for (const auto& k : cas) {
        CConfig c;
        EXPECT_EQ(c.m_nord.m_y, 1.0);
        auto t = c.Ouvrir();
        c.ChoisirLieu(t, 0);
        t.strLatitude = k.lat;
        t.strLongitude = k.lon;
        t.strDirectionNord = k.nord;
        t.strLigneHorizon = k.horizon;
        const auto refus = c.Valider(t);
        if (k.champ < 0) {
            ASSERT_FALSE(refus) << k.lat;
            EXPECT_EQ(c.m_dLigneHorizon, std::stod(k.horizon));
            // 90 gives (1, 0, 0), 180 gives (0, -1, 0).
            const double n = std::stod(k.nord) * kDegVersRad;
            EXPECT_NEAR(c.m_nord.m_x, std::sin(n), 1e-15);
            EXPECT_NEAR(c.m_nord.m_y, std::cos(n), 1e-15);
            continue;
        }
        ASSERT_TRUE(refus) << k.lat << " " << k.lon << " " << k.nord << " " << k.horizon;
        EXPECT_EQ(refus->nChamp, k.champ);
        EXPECT_EQ(refus->strMessage, k.message);
        // Nothing stored, not even the fields read before the refused one.
        EXPECT_EQ(c.m_strLieu, "PARIS");
        EXPECT_EQ(c.m_dLatitude, 48.9);
        EXPECT_EQ(c.m_dLongitude, -2.3);
        EXPECT_EQ(c.m_dDirectionNord, 0.0);
    }
}

} // namespace
