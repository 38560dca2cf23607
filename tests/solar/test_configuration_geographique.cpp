#include "SoleilTest.h"

#include <array>
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

TEST(ConfigurationGeographique, PlacesLongitudeAndValidation) {
    CJournal j;
    CConfig c;
    auto t = c.Ouvrir();
    const auto tampon = [&] {
        NOTER(j, t.nLieu, t.strLatitude, t.strLongitude, t.bCoordonneesLectureSeule,
              t.bIgnorerLongitude, t.bLongitudeActive, t.strDirectionNord, t.strLigneHorizon);
    };
    const auto config = [&] { NOTER(j, c.m_strLieu, c.m_dLatitude, c.m_dLongitude); };
    tampon();
    c.ChoisirLieu(t, 97);
    tampon();
    c.ChoisirLieu(t, 1); // always one decimal
    tampon();
    j.Titre("the particular place keeps what the edits held, now editable");
    c.ChoisirLieu(t, 0);
    tampon();
    t.strLatitude = "-12.5";
    NOTER(j, c.Valider(t));
    config();
    j.Titre("case ignored; the first row that begins so; an unknown place is the particular one");
    c.m_strLieu = "sydney";
    NOTER(j, c.Ouvrir().nLieu);
    c.m_strLieu = "MU";
    NOTER(j, c.Ouvrir().nLieu);
    c.m_strLieu = "ATLANTIS";
    c.m_dLatitude = 12.345;
    NOTER(j, c.IndexLieu());
    t = c.Ouvrir();
    tampon();
    NOTER(j, c.Valider(t));
    config();
    for (int n : {-1, CConfig::kNombreVilles}) { // a buffer beyond the list
        c.m_strLieu = "PARIS";
        t.nLieu = n;
        NOTER(j, n, c.Valider(t), c.m_strLieu);
    }
    j.Titre("an ignored longitude is still checked and stored");
    c.ChoisirLieu(t, 0);
    CConfig::CocherIgnorerLongitude(t, true);
    tampon();
    t.strLongitude = "181";
    NOTER(j, c.Valider(t));
    t.strLongitude = "-180";
    NOTER(j, c.Valider(t), c.m_bIgnorerLongitude, c.m_dLongitude);
    NOTER(j, c.Ouvrir().bLongitudeActive);
    CConfig::CocherIgnorerLongitude(t, false);
    NOTER(j, t.bLongitudeActive);

    j.Titre("latitude, longitude, north, horizon: refusal, then what is stored, and the north");
    for (auto& l : Table("tables/site_fields.txt")) {
        std::array<std::string, 4> k;
        l >> k[0] >> k[1] >> k[2] >> k[3];
        ASSERT_TRUE(Lue(l)) << l.str();
        CConfig v;
        auto u = v.Ouvrir();
        v.ChoisirLieu(u, 0);
        u.strLatitude = k[0];
        u.strLongitude = k[1];
        u.strDirectionNord = k[2];
        u.strLigneHorizon = k[3];
        NOTER(j, k, v.Valider(u), v.m_strLieu, v.m_dLatitude, v.m_dLongitude, v.m_dDirectionNord,
              v.m_dLigneHorizon, v.m_nord);
    }
    ExpectGolden("solar/site.txt", j.m_texte);
}

} // namespace
