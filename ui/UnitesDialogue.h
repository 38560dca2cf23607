#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>

// Dialog units of the program's dialog layouts: a quarter of the font's
// average character width horizontally, an eighth of its height vertically,
// so that a layout grows with its font.
class CUnitesDialogue {
public:
    explicit CUnitesDialogue(const QFont& police) {
        const QFontMetrics metriques(police);
        const QString alphabet =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_nLargeur = (metriques.horizontalAdvance(alphabet) / 26 + 1) / 2;
        m_nHauteur = metriques.height();
    }

    int X(int n) const { return n * m_nLargeur / 4; }
    int Y(int n) const { return n * m_nHauteur / 8; }
    QRect Rectangle(int x, int y, int largeur, int hauteur) const {
        return QRect(X(x), Y(y), X(largeur), Y(hauteur));
    }

private:
    int m_nLargeur = 6;
    int m_nHauteur = 13;
};

// The splash screen keeps the scale of its picture: the units of the 8-point
// dialog font the picture was drawn for (6 x 13 pixels).
inline int UnitesX(int n) {
    return n * 6 / 4;
}
inline int UnitesY(int n) {
    return n * 13 / 8;
}
inline QRect RectangleUnites(int x, int y, int largeur, int hauteur) {
    return QRect(UnitesX(x), UnitesY(y), UnitesX(largeur), UnitesY(hauteur));
}
