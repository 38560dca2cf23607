#include "ui/ZoneGraphique.h"

#include "ui/DCQt.h"

#include <QPainter>

void CZoneGraphique::paintEvent(QPaintEvent*) {
    if (!m_dessin) {
        return;
    }
    QPainter painter(this);
    painter.translate(-m_origine);
    CDCQt dc(painter, CRectangle{m_origine.x(), m_origine.y(), m_origine.x() + width(),
                                 m_origine.y() + height()});
    m_dessin(&dc);
}
