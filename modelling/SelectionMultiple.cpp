#include "modelling/SelectionMultiple.h"

#include "document/VantrelDoc.h"

#include <algorithm>

CSelectionMultiple::CTampon CSelectionMultiple::Ouvrir() const {
    CTampon t;
    t.strConsigne = m_strConsigne;
    for (int j = 0; j < g_nFaces - 1; ++j) {
        const int i = CVantrelDoc::FaceDeLEntree(j);
        const CFace* pFace = m_doc.Face(i);
        t.libelles.push_back(m_doc.LibelleFace(i));
        t.selection.push_back(std::find(m_faces.begin(), m_faces.end(), pFace) != m_faces.end());
    }
    return t;
}

void CSelectionMultiple::Valider(const CTampon& t) {
    m_faces.clear();
    // Entries beyond the current list (a stale buffer) designate nothing.
    const int nEntrees = std::min(static_cast<int>(t.selection.size()), g_nFaces - 1);
    for (int j = 0; j < nEntrees; ++j) {
        if (t.selection[static_cast<std::size_t>(j)]) {
            m_faces.push_back(m_doc.Face(CVantrelDoc::FaceDeLEntree(j)));
        }
    }
}

void PreparerCopieProprietes(CSelectionMultiple& selection) {
    selection.m_strConsigne = "Copy the properties of the selected face to...";
}

void TerminerCopieProprietes(CVantrelDoc& doc, CSelectionMultiple& selection) {
    doc.CopierProprietesVers(selection.m_faces);
    selection.m_faces.clear();
}
