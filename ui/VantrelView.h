#pragma once

#include "ui/EditeursDocument.h"
#include "view/DonneesSoleil.h"
#include "view/Souris.h"

#include <QWidget>

class CVantrelDoc;

// The sun and horizon line the close sun reads at each repaint.
CDonneesSoleil DonneesSoleil(const CVantrelDoc& doc);

// The 3-D view: every repaint erases the client area with the background
// brush and draws the whole scene; the mouse turns, moves and zooms the
// camera, and a click with SHIFT or CTRL selects a face. Qt keeps the mouse
// grabbed by the view from a button press to its release, as the drags need.
class CVantrelView : public QWidget {
    Q_OBJECT
public:
    explicit CVantrelView(CVantrelDoc& doc, QWidget* pParent = nullptr);

    // Resets the camera on the client area: at once when the view is shown,
    // otherwise at its first repaint, once it has its size. Called for every
    // new or opened document and by "Standard orientation", not on resize.
    void InitialiserVue();
    bool InitialisationEnAttente() const { return m_bInitialisationEnAttente; }
    // "Fit the scene": every face in the client area, the orientation kept.
    void AjusterScene();
    // Where the click selection reaches the modeless editors.
    CEditeursDocument& Editeurs() { return m_editeurs; }

protected:
    void paintEvent(QPaintEvent* pEvenement) override;
    void mousePressEvent(QMouseEvent* pEvenement) override;
    void mouseMoveEvent(QMouseEvent* pEvenement) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvenement) override;
    void wheelEvent(QWheelEvent* pEvenement) override;

private:
    CRectangle Client() const;

    CVantrelDoc& m_doc;
    CEditeursDocument m_editeurs;
    CSouris m_souris;
    bool m_bInitialisationEnAttente = true;
};
