#include "document/Historique.h"

#include <gtest/gtest.h>

// The oldest steps go first, never the one before the current state.
TEST(Historique, KeepsTheNewestStatesWithinItsBound) {
    const std::size_t cas[][3] = {
        {1000, 50, 50}, {35, 1000, 3}, {5, 1000, 2}}; // bytes, states; kept
    for (const auto& [nOctets, nEtats, nGardes] : cas) {
        CHistorique h(nOctets, nEtats);
        for (std::uint8_t i = 1; i <= 100; ++i) {
            h.Memoriser(std::vector<std::uint8_t>(10, i), i, 0);
        }
        while (h.Annuler()) {
        }
        EXPECT_TRUE(h.NombreEtats() == nGardes && h.Octets() == nGardes * 10 && !h.EstEnregistre());
        EXPECT_EQ(h.Courant()[0], 101 - nGardes);
    }
}
