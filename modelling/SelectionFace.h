#pragma once

#include <string>
#include <vector>

class CVantrelDoc;

// Dialog "Face selection": makes the chosen face the selected one.
class CSelectionFace {
public:
    explicit CSelectionFace(CVantrelDoc& doc) : m_doc(doc) {}

    struct CTampon {
        std::vector<std::string> libelles; // every face, in list order
        int nChoix;                        // the entry shown selected
    };

    // The list, on the selected face.
    CTampon Ouvrir() const;
    // "Select". An entry outside the list (none chosen) changes nothing.
    void Selectionner(const CTampon& tampon);

private:
    CVantrelDoc& m_doc;
};
