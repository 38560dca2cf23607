#pragma once

#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "modelling/Exemples.h"
#include "platform/InteractionScriptee.h"
#include "tests/platform/ImpressionEcran.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

    // The parallelogram p0, p0 + u, p0 + u + v, p0 + v.
    CFace* AjouterQuad(const std::string& nom, const CVecteur& p0, const CVecteur& u,
                       const CVecteur& v) {
        return AjouterQuad(nom, p0, p0 + u, p0 + u + v, p0 + v);
    }

    CFace* AjouterNommee(const std::string& nom) {
        return AjouterQuad(nom, CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(0, 0, 2));
    }

    // The face list as text, one line per face (kind, name, flags, rates,
    // points, normal, openings by index, working copy), for golden files.
    std::string DecrireFaces() const {
        std::string s = "faces " + std::to_string(g_nFaces) + ", selected " +
                        std::to_string(g_nFaceSelectionnee) +
                        (m_doc.IsModified() ? ", modified\n" : "\n");
        char t[128];
        const auto point = [&](const CVecteur& p) {
            std::snprintf(t, sizeof t, " (%.15g, %.15g, %.15g)", p.m_x + 0.0, p.m_y + 0.0,
                          p.m_z + 0.0);
            s += t;
        };
        for (const CFace* f : m_doc.Faces()) {
            const CProprietes& p = f->m_proprietes;
            std::snprintf(t, sizeof t, "%s \"%s\" R%d I%d H%d t%g a%g m%g/%g c%d/%d |",
                          f->NomClasse(), p.m_strNom.c_str(), p.m_bRecepteur, p.m_bCoteInverse,
                          p.m_bMasquee, p.m_dTransmittivite, p.m_dAbsorptivite, p.m_dMailleRelative,
                          p.m_dMailleAbsolue, p.m_correlationTransmittivite.m_nMode,
                          p.m_correlationAbsorptivite.m_nMode);
            s += t;
            for (int i = 0; i < f->m_nPoints; ++i) {
                point(f->m_points[i]);
            }
            s += " n";
            point(f->m_normale);
            const COuvertures& o = f->m_ouvertures;
            std::snprintf(t, sizeof t, " | openings %d %g %g", o.m_nMode, o.m_dValeur,
                          o.m_dTransmittiviteForcee);
            s += t;
            for (const CFace* k : o.m_faces) {
                const auto faces = m_doc.Faces();
                s += " " + std::to_string(std::find(faces.begin(), faces.end(), k) - faces.begin());
            }
            if (f->m_pCopie) {
                s += " | copy";
                for (int i = 0; i < f->m_nPoints; ++i) {
                    point(f->m_pCopie->m_points[i]);
                }
            }
            s += "\n";
        }
        return s;
    }
};
