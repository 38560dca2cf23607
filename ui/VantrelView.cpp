#include "ui/VantrelView.h"

#include "document/VantrelDoc.h"
#include "ui/DCQt.h"
#include "ui/Reglages.h"
#include "view/Ajustement.h"
#include "view/Camera.h"
#include "view/Dessin.h"
#include "view/Vue.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

CDonneesSoleil DonneesSoleil(const CVantrelDoc& doc) {
    CDonneesSoleil soleil;
    soleil.direction = doc.m_positionSoleil.m_direction;
    soleil.dAltitude = doc.m_positionSoleil.m_dAltitude;
    soleil.dLigneHorizon = doc.m_configurationGeographique.m_dLigneHorizon;
    soleil.bInitialise = doc.m_positionSoleil.m_bInitialise != 0;
    soleil.bCourse = CourseSoleilAffichee();
    return soleil;
}

CVantrelView::CVantrelView(CVantrelDoc& doc, QWidget* pParent)
    : QWidget(pParent), m_doc(doc), m_editeurs(doc), m_souris(m_editeurs) {
    // The repaint covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

CRectangle CVantrelView::Client() const {
    return CRectangle{0, 0, width(), height()};
}

void CVantrelView::InitialiserVue() {
    m_bInitialisationEnAttente = true;
    if (isVisible()) {
        ::InitialiserVue(Client());
        m_bInitialisationEnAttente = false;
    }
    update();
}

void CVantrelView::AjusterScene() {
    // A reset still to come would undo the fit at the next repaint.
    if (m_bInitialisationEnAttente) {
        ::InitialiserVue(Client());
        m_bInitialisationEnAttente = false;
    }
    if (::AjusterScene(m_doc, Client())) {
        update();
    }
}

void CVantrelView::paintEvent(QPaintEvent*) {
    if (m_bInitialisationEnAttente) {
        ::InitialiserVue(Client());
        m_bInitialisationEnAttente = false;
    }
    QPainter painter(this);
    const CCouleur fond = g_brosseFond.couleur;
    painter.fillRect(rect(), QColor(fond.r, fond.g, fond.b));
    CDCQt dc(painter, Client());
    OnDraw(&dc, m_doc, m_doc.m_configurationGeographique.m_nord, DonneesSoleil(m_doc));
}

namespace {

bool ShiftOuCtrl(const QInputEvent* pEvenement) {
    return (pEvenement->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
}

} // namespace

void CVantrelView::mousePressEvent(QMouseEvent* pEvenement) {
    const Qt::MouseButton bouton = pEvenement->button();
    if (bouton != Qt::LeftButton && bouton != Qt::RightButton) {
        QWidget::mousePressEvent(pEvenement);
        return;
    }
    const QPoint p = pEvenement->position().toPoint();
    if (m_souris.BoutonEnfonce(bouton == Qt::LeftButton, p.x(), p.y(), ShiftOuCtrl(pEvenement))) {
        update();
    }
}

void CVantrelView::mouseMoveEvent(QMouseEvent* pEvenement) {
    const QPoint p = pEvenement->position().toPoint();
    const Qt::MouseButtons boutons = pEvenement->buttons();
    if (m_souris.Deplacement(p.x(), p.y(), (boutons & Qt::LeftButton) != 0,
                             (boutons & Qt::RightButton) != 0)) {
        update();
    }
}

void CVantrelView::mouseDoubleClickEvent(QMouseEvent* pEvenement) {
    // A double click only zooms: it neither selects nor starts a drag.
    const Qt::MouseButton bouton = pEvenement->button();
    if (bouton != Qt::LeftButton && bouton != Qt::RightButton) {
        return;
    }
    if (m_souris.DoubleClic(bouton == Qt::LeftButton)) {
        update();
    }
}

void CVantrelView::wheelEvent(QWheelEvent* pEvenement) {
    const int nDelta = pEvenement->angleDelta().y();
    if (nDelta == 0) {
        pEvenement->ignore();
        return;
    }
    if (m_souris.Molette(nDelta)) {
        update();
    }
}
