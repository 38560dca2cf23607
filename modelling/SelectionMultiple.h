#pragma once

#include <string>
#include <vector>

class CFace;
class CVantrelDoc;

// Dialog "Multiple selection": other commands let the user pick several
// faces with it. Its list holds every face but the selected one (see
// CVantrelDoc::FaceDeLEntree for the mapping of entries to faces).
class CSelectionMultiple {
public:
    explicit CSelectionMultiple(CVantrelDoc& doc) : m_doc(doc) {}

    // On entry the caller's pre-selection, after "Validate" the chosen faces
    // in list order; not owned. Callers clear it after use.
    std::vector<CFace*> m_faces;
    std::string m_strConsigne; // prompt line set by the caller

    struct CTampon {
        std::string strConsigne;
        std::vector<std::string> libelles;
        std::vector<bool> selection; // one flag per entry, toggled by clicks
    };

    // The list with the faces of m_faces selected.
    CTampon Ouvrir() const;
    // "Validate": m_faces becomes the faces of the selected entries, in list
    // order. "Cancel" has no operation: m_faces stays as the caller set it.
    void Valider(const CTampon& tampon);

private:
    CVantrelDoc& m_doc;
};

// "Copy the face properties...": the prompt before the dialog opens, then,
// whatever button closed it, every chosen face takes the selected face's
// properties and the list is emptied. The modified flag is left alone.
void PreparerCopieProprietes(CSelectionMultiple& selection);
void TerminerCopieProprietes(CVantrelDoc& doc, CSelectionMultiple& selection);
