#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

class CDC;

// A widget that a drawing routine of the core paints through the QPainter
// surface, in the routine's own pixel coordinates: the routine's point
// Origine() is the widget's top-left corner. The widget paints no background
// of its own, so the routine draws over the window's colour.
class CZoneGraphique : public QWidget {
    Q_OBJECT
public:
    explicit CZoneGraphique(QWidget* pParent = nullptr) : QWidget(pParent) {}

    void FixerDessin(std::function<void(CDC*)> dessin) { m_dessin = std::move(dessin); }
    void FixerOrigine(QPoint origine) { m_origine = origine; }
    QPoint Origine() const { return m_origine; }

protected:
    void paintEvent(QPaintEvent* pEvenement) override;

private:
    std::function<void(CDC*)> m_dessin;
    QPoint m_origine;
};
