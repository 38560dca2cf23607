#pragma once

#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
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
        auto f = std::make_unique<CFace4>();
        f->m_points[0] = p0;
        f->m_points[1] = p1;
        f->m_points[2] = p2;
        f->m_points[3] = p3;
        f->CalculerNormale();
        f->m_proprietes.m_strNom = nom;
        CFace* p = f.get();
        m_doc.AjouterFace(std::move(f));
        return p;
    }

    CFace* AjouterNommee(const std::string& nom) {
        return AjouterQuad(nom, CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(2, 0, 2),
                           CVecteur(0, 0, 2));
    }
};
