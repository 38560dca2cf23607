#pragma once

#include "view/Vue.h"

class CVantrelDoc;

// What the click selection does to the modeless editors that are open: they
// are opened again on the newly selected face, and a main point picked with
// the right button goes to them. Their windows hook in here: once set, the
// windows open and take the points themselves; without them only the
// document's state follows.
class CEditeursDocument : public CEditeursOuverts {
public:
    explicit CEditeursDocument(CVantrelDoc& doc) : m_doc(doc) {}

    void FixerFenetres(CEditeursOuverts* pFenetres) { m_pFenetres = pFenetres; }

    void OuvrirPointsPrincipaux() override;
    void OuvrirTransformations() override;
    void PlacerPoint(const CVecteur& point) override;
    void PointChoisi(const CVecteur& point) override;

private:
    CVantrelDoc& m_doc;
    CEditeursOuverts* m_pFenetres = nullptr;
};
