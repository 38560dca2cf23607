#include "ui/DCQt.h"

#include "ui/Texte.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace {

QColor Couleur(CCouleur c) {
    return QColor(c.r, c.g, c.b);
}

// The background behind opaque text.
const QColor kFondTexte(255, 255, 255);

} // namespace

CDCQt::CDCQt(QPainter& painter, const CRectangle& client) : m_painter(painter), m_client(client) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void CDCQt::AppliquerStylo() {
    QPen pen(Couleur(m_stylo.couleur));
    if (m_stylo.nLargeur <= 1) {
        // A thin pen leaves the end point for the next segment to draw.
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(m_stylo.nLargeur);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    if (m_stylo.style == EStyleTrait::Pointille) {
        pen.setDashPattern({3.0, 3.0});
    }
    m_painter.setPen(pen);
}

void CDCQt::DeplacerVers(int x, int y) {
    m_position = CPointEcran{x, y};
}

void CDCQt::LigneVers(int x, int y) {
    if (m_position != CPointEcran{x, y}) {
        AppliquerStylo();
        m_painter.drawLine(m_position.x, m_position.y, x, y);
    }
    m_position = CPointEcran{x, y};
}

void CDCQt::FixerPixel(int x, int y, CCouleur couleur) {
    m_painter.fillRect(x, y, 1, 1, Couleur(couleur));
}

void CDCQt::Ellipse(int gauche, int haut, int droite, int bas) {
    if (gauche > droite) {
        std::swap(gauche, droite);
    }
    if (haut > bas) {
        std::swap(haut, bas);
    }
    if (droite == gauche || bas == haut) {
        return;
    }
    AppliquerStylo();
    m_painter.setBrush(Couleur(m_brosse.couleur));
    // Qt's outline covers width + 1 pixels: the box's right and bottom stay out.
    m_painter.drawEllipse(QRect(gauche, haut, droite - gauche - 1, bas - haut - 1));
}

void CDCQt::EcrireTexte(int x, int y, const std::string& strTexte) {
    const QString texte = DepuisCp1252(strTexte);
    const QFontMetrics metriques = m_painter.fontMetrics();
    if (m_modeFond == EModeFond::Opaque) {
        m_painter.fillRect(QRect(x, y, metriques.horizontalAdvance(texte), metriques.height()),
                           kFondTexte);
    }
    m_painter.setPen(Couleur(m_couleurTexte));
    m_painter.drawText(QPoint(x, y + metriques.ascent()), texte);
}
