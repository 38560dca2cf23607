#include "solar/ConfigurationGeographique.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

using CConfig = CConfigurationGeographique;

TEST(ConfigurationGeographique, CityTable) {
    const CConfig c;
    ASSERT_EQ(c.m_villes.size(), 107u);
    EXPECT_EQ(c.m_villes[0].m_strNom, "Particular place");
    EXPECT_EQ(c.m_villes[0].m_dLatitude, 0.0);
    EXPECT_EQ(c.m_villes[0].m_dLongitude, 0.0);
    EXPECT_EQ(c.m_villes[1].m_strNom, "ABIDJAN");
    EXPECT_EQ(c.m_villes[1].m_dLongitude, 4.0);
    // Not strictly alphabetical: the rows keep their own order.
    EXPECT_EQ(c.m_villes[67].m_strNom, "MURSMANK");
    EXPECT_EQ(c.m_villes[67].m_dLatitude, 69.0);
    EXPECT_EQ(c.m_villes[67].m_dLongitude, -33.1);
    EXPECT_EQ(c.m_villes[68].m_strNom, "MUNICH");
    EXPECT_EQ(c.m_villes[76].m_strNom, "PARIS");
    EXPECT_EQ(c.m_villes[76].m_dLatitude, 48.9);
    EXPECT_EQ(c.m_villes[76].m_dLongitude, -2.3);
    EXPECT_EQ(c.m_villes[88].m_strNom, "RIYAD");
    EXPECT_EQ(c.m_villes[97].m_strNom, "SYDNEY");
    EXPECT_EQ(c.m_villes[105].m_dLongitude, -174.8);
    EXPECT_EQ(c.m_villes[106].m_strNom, "ZAGREB");
    EXPECT_EQ(c.m_villes[106].m_dLatitude, 45.8);
    EXPECT_EQ(c.m_villes[106].m_dLongitude, -16.0);

    std::set<std::string> noms;
    for (int i = 1; i < CConfig::kNombreVilles; ++i) {
        const std::string& nom = c.m_villes[i].m_strNom;
        noms.insert(nom);
        for (char ch : nom) {
            EXPECT_FALSE(std::islower(static_cast<unsigned char>(ch))) << nom;
        }
    }
    EXPECT_EQ(noms.size(), 106u);
}

TEST(ConfigurationGeographique, DefaultsAndNorth) {
    CConfig c;
    EXPECT_EQ(c.m_strLieu, "PARIS");
    EXPECT_EQ(c.m_dLatitude, 48.9);
    EXPECT_EQ(c.m_dLongitude, -2.3);
    EXPECT_EQ(c.m_dDirectionNord, 0.0);
    EXPECT_EQ(c.m_dLigneHorizon, 0.0);
    EXPECT_EQ(c.m_bIgnorerLongitude, 0);
    EXPECT_EQ(c.m_nord.m_x, 0.0);
    EXPECT_EQ(c.m_nord.m_y, 1.0);
    EXPECT_EQ(c.m_nord.m_z, 0.0);

    c.m_dDirectionNord = 90;
    c.CalculerNord();
    EXPECT_NEAR(c.m_nord.m_x, 1, 1e-15);
    EXPECT_NEAR(c.m_nord.m_y, 0, 1e-15);
    c.m_dDirectionNord = 180;
    c.CalculerNord();
    EXPECT_NEAR(c.m_nord.m_x, 0, 1e-15);
    EXPECT_NEAR(c.m_nord.m_y, -1, 1e-15);
    EXPECT_EQ(c.m_nord.m_z, 0.0);
}

TEST(ConfigurationGeographique, OpeningAFreshSite) {
    const CConfig c;
    const auto t = c.Ouvrir();
    EXPECT_EQ(t.nLieu, 76);
    EXPECT_EQ(t.strLatitude, "48.9");
    EXPECT_EQ(t.strLongitude, "-2.3");
    EXPECT_TRUE(t.bCoordonneesLectureSeule);
    EXPECT_FALSE(t.bIgnorerLongitude);
    EXPECT_TRUE(t.bLongitudeActive);
    EXPECT_EQ(t.strDirectionNord, "0");
    EXPECT_EQ(t.strLigneHorizon, "0");
}

TEST(ConfigurationGeographique, StoredPlaceIsMatchedByItsBeginningCaseIgnored) {
    CConfig c;
    c.m_strLieu = "sydney";
    EXPECT_EQ(c.IndexLieu(), 97);
    c.m_strLieu = "MU";
    EXPECT_EQ(c.IndexLieu(), 67);
    c.m_strLieu = "ATLANTIS";
    EXPECT_EQ(c.IndexLieu(), -1);
}

TEST(ConfigurationGeographique, AnUnknownPlaceOpensAsTheParticularPlace) {
    CConfig c;
    c.m_strLieu = "ATLANTIS";
    c.m_dLatitude = 12.345;
    c.m_dLongitude = 100;
    auto t = c.Ouvrir();
    EXPECT_EQ(t.nLieu, 0);
    EXPECT_FALSE(t.bCoordonneesLectureSeule);
    EXPECT_EQ(t.strLatitude, "12.345");
    EXPECT_EQ(t.strLongitude, "100");
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_strLieu, "Particular place");
    EXPECT_EQ(c.m_dLatitude, 12.345);
    EXPECT_EQ(c.m_dLongitude, 100.0);
}

TEST(ConfigurationGeographique, PlaceSelectionRule) {
    CConfig c;
    auto t = c.Ouvrir();
    c.ChoisirLieu(t, 97);
    EXPECT_EQ(t.strLatitude, "-33.9");
    EXPECT_EQ(t.strLongitude, "-151.2");
    EXPECT_TRUE(t.bCoordonneesLectureSeule);
    c.ChoisirLieu(t, 1);
    EXPECT_EQ(t.strLongitude, "4.0"); // one decimal, always

    // The particular place keeps what the edits held, now editable.
    c.ChoisirLieu(t, 0);
    EXPECT_EQ(t.nLieu, 0);
    EXPECT_FALSE(t.bCoordonneesLectureSeule);
    EXPECT_EQ(t.strLatitude, "5.3");
    EXPECT_EQ(t.strLongitude, "4.0");
    t.strLatitude = "-12.5";
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_strLieu, "Particular place");
    EXPECT_EQ(c.m_dLatitude, -12.5);
    EXPECT_EQ(c.m_dLongitude, 4.0);
}

TEST(ConfigurationGeographique, EveryCityValidatesToItsOwnCoordinates) {
    for (int i = 1; i < CConfig::kNombreVilles; ++i) {
        CConfig c;
        auto t = c.Ouvrir();
        c.ChoisirLieu(t, i);
        ASSERT_FALSE(c.Valider(t)) << i;
        EXPECT_EQ(c.m_strLieu, c.m_villes[i].m_strNom);
        EXPECT_EQ(c.m_dLatitude, c.m_villes[i].m_dLatitude) << c.m_strLieu;
        EXPECT_EQ(c.m_dLongitude, c.m_villes[i].m_dLongitude) << c.m_strLieu;
        EXPECT_EQ(c.Ouvrir().nLieu, i);
    }
}

TEST(ConfigurationGeographique, IgnoredLongitudeIsStillCheckedAndStored) {
    CConfig c;
    auto t = c.Ouvrir();
    c.ChoisirLieu(t, 0);
    CConfig::CocherIgnorerLongitude(t, true);
    EXPECT_TRUE(t.bIgnorerLongitude);
    EXPECT_FALSE(t.bLongitudeActive);
    t.strLongitude = "181";
    const auto refus = c.Valider(t);
    ASSERT_TRUE(refus);
    EXPECT_EQ(refus->nChamp, CConfig::kChampLongitude);
    EXPECT_EQ(c.m_bIgnorerLongitude, 0);

    t.strLongitude = "-180";
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_bIgnorerLongitude, 1);
    EXPECT_EQ(c.m_dLongitude, -180.0);
    EXPECT_FALSE(c.Ouvrir().bLongitudeActive);

    CConfig::CocherIgnorerLongitude(t, false);
    EXPECT_TRUE(t.bLongitudeActive);
}

TEST(ConfigurationGeographique, RangesOfValidate) {
    struct Cas {
        const char* lat;
        const char* lon;
        const char* nord;
        const char* horizon;
        int champ; // -1: accepted
        const char* message;
    };
    const Cas cas[] = {
        {"89.9", "0", "0", "0", -1, ""},
        {"-89.9", "180", "360", "48", -1, ""},
        {"0", "0", "0", "-12", -1, ""},
        {"90", "0", "0", "0", CConfig::kChampLatitude,
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
        {"0", "0", "", "0", CConfig::kChampDirectionNord, "Please enter a number."},
        {"95", "0", "0", "50", CConfig::kChampLatitude,
         "Please enter a number between -89.9 and 89.9."},
    };
    for (const Cas& k : cas) {
        CConfig c;
        auto t = c.Ouvrir();
        c.ChoisirLieu(t, 0);
        t.strLatitude = k.lat;
        t.strLongitude = k.lon;
        t.strDirectionNord = k.nord;
        t.strLigneHorizon = k.horizon;
        const auto refus = c.Valider(t);
        if (k.champ < 0) {
            EXPECT_FALSE(refus) << k.lat << " " << k.lon << " " << k.nord << " " << k.horizon;
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
        EXPECT_EQ(c.m_dLigneHorizon, 0.0);
    }
}

TEST(ConfigurationGeographique, ValidateTurnsTheNorth) {
    CConfig c;
    auto t = c.Ouvrir();
    t.strDirectionNord = "90";
    t.strLigneHorizon = "5";
    ASSERT_FALSE(c.Valider(t));
    EXPECT_EQ(c.m_dDirectionNord, 90.0);
    EXPECT_EQ(c.m_dLigneHorizon, 5.0);
    EXPECT_NEAR(c.m_nord.m_x, 1, 1e-15);
    EXPECT_NEAR(c.m_nord.m_y, 0, 1e-15);
}

} // namespace
