#pragma once

#include <string>
#include <vector>

class CVantrelDoc;

// Dialog "Face inversion": the selected face and the chosen face exchange
// their positions in the list.
class CInversionFace {
public:
    explicit CInversionFace(CVantrelDoc& doc) : m_doc(doc) {}

    struct CTampon {
        std::vector<std::string> libelles; // every face, the selected one included
        int nChoix;                        // the first entry at opening
    };

    CTampon Ouvrir() const;
    // "Invert": the selection index stays, so the chosen face becomes the
    // selected one. Choosing the selected face itself changes nothing but is
    // still a confirmed edit. An entry outside the list changes nothing.
    void Inverser(const CTampon& tampon);

private:
    CVantrelDoc& m_doc;
};
