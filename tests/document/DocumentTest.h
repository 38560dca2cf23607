#pragma once

#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "modelling/Exemples.h"
#include "platform/InteractionScriptee.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A fresh document with a scripted user for each test.
class DocumentTest : public ::testing::Test {
protected:
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};

    // Appends a quadrilateral named `nom` with the given corners.
    CFace* AjouterQuad(const std::string& nom, const CVecteur& p0, const CVecteur& p1,
                       const CVecteur& p2, const CVecteur& p3) {
        return AjouterQuadrilatere(m_doc, nom, p0, p1, p2, p3);
    }

    CFace* AjouterNommee(const std::string& nom) {
        return AjouterQuad(nom, CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(2, 0, 2),
                           CVecteur(0, 0, 2));
    }
};
