#pragma once

#include "tests/document/DocumentTest.h"
#include "tests/geometry/GeometrieTest.h"

#include <string>

// A fresh document with a scripted user, and what a modelling command left.
class ModelisationTest : public DocumentTest {
protected:
    // Appends `f`; returns it.
    template <class TFace>
    TFace& Poser(std::unique_ptr<TFace> f) {
        TFace& r = *f;
        m_doc.AjouterFace(std::move(f));
        return r;
    }

    // Appends a default quadrilateral named `nom`.
    CFace* Ajouter(const std::string& nom) {
        CFace& f = Poser(std::make_unique<CFace4>());
        f.m_proprietes.m_strNom = nom;
        return &f;
    }

    // The names of the list, in order, joined by commas.
    std::string Noms() const {
        std::string s;
        for (int i = 0; i < g_nFaces; ++i) {
            s += (i ? "," : "") + m_doc.Face(i)->m_proprietes.m_strNom;
        }
        return s;
    }

    // Appends the face list after a heading, for a golden file.
    void Noter(const std::string& titre) {
        m_j.Titre(titre);
        m_j.m_texte += DecrireFaces();
    }

    CJournal m_j;
};
