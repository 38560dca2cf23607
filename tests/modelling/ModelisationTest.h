#pragma once

#include "document/VantrelDoc.h"
#include "geometry/Face4.h"
#include "platform/InteractionScriptee.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A fresh document with a scripted user for each test.
class ModelisationTest : public ::testing::Test {
protected:
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};

    // Appends a default quadrilateral named `nom`.
    CFace* Ajouter(const std::string& nom) {
        auto f = std::make_unique<CFace4>();
        f->m_proprietes.m_strNom = nom;
        CFace* p = f.get();
        m_doc.AjouterFace(std::move(f));
        return p;
    }

    // The names of the list, in order, joined by commas.
    std::string Noms() const {
        std::string s;
        for (int i = 0; i < g_nFaces; ++i) {
            s += (i ? "," : "") + m_doc.Face(i)->m_proprietes.m_strNom;
        }
        return s;
    }

    bool AucuneCopie() const {
        for (int i = 0; i < g_nFaces; ++i) {
            if (m_doc.Face(i)->m_pCopie) {
                return false;
            }
        }
        return true;
    }
};

inline void ExpectProche(const CVecteur& v, double x, double y, double z, double tol = 1e-12) {
    EXPECT_NEAR(v.m_x, x, tol);
    EXPECT_NEAR(v.m_y, y, tol);
    EXPECT_NEAR(v.m_z, z, tol);
}

inline void ExpectEgal(const CVecteur& v, double x, double y, double z) {
    EXPECT_EQ(v.m_x, x);
    EXPECT_EQ(v.m_y, y);
    EXPECT_EQ(v.m_z, z);
}
