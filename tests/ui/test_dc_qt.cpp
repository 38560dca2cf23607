#include "ui/DCQt.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

constexpr QRgb kFond = 0xff404040;

// A fresh 40 x 30 grey image drawn on through the QPainter surface.
QImage Dessiner(const std::function<void(CDC&)>& dessin) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kFond);
    QPainter painter(&image);
    CDCQt dc(painter, CRectangle{0, 0, 40, 30});
    dessin(dc);
    return image;
}

} // namespace

TEST(DCQt, DrawsWhereTheCoreSaysPixelForPixel) {
    // A drawing, every pixel it touches (null: not checked), and some pixels.
    const std::tuple<std::function<void(CDC&)>, QRect, std::vector<std::pair<QPoint, QRgb>>> cas[] =
        {
            {[](CDC& dc) { // segments cover their start, not their end; a zero one nothing
                 dc.SelectionnerStylo(CStylo{CCouleur(255, 0, 0)});
                 dc.DeplacerVers(2, 3);
                 dc.LigneVers(10, 3);
                 dc.LigneVers(10, 12);
                 dc.LigneVers(10, 12);
             },
             QRect(QPoint(2, 3), QPoint(10, 11)),
             {{{10, 3}, qRgb(255, 0, 0)}}},
            {[](CDC& dc) { // two pixels wide; dotted three on, three off
                 dc.SelectionnerStylo(CStylo{CCouleur(0, 192, 0), 2});
                 dc.DeplacerVers(5, 10);
                 dc.LigneVers(25, 10);
                 dc.SelectionnerStylo(CStylo{CCouleur(255, 0, 255), 1, EStyleTrait::Pointille});
                 dc.DeplacerVers(0, 20);
                 dc.LigneVers(30, 20);
                 dc.FixerPixel(39, 29, CCouleur(1, 2, 3));
             },
             QRect(QPoint(0, 9), QPoint(39, 29)),
             {{{15, 9}, qRgb(0, 192, 0)},
              {{2, 20}, qRgb(255, 0, 255)},
              {{3, 20}, kFond},
              {{39, 29}, qRgb(1, 2, 3)}}},
            {[](CDC& dc) { // the disc of the overlays, inside its box, round
                 dc.SelectionnerBrosse(CBrosse{CCouleur(255, 255, 255)});
                 dc.Ellipse(17, 12, 23, 18);
             },
             QRect(QPoint(17, 12), QPoint(22, 17)),
             {{{17, 12}, kFond}, {{20, 15}, qRgb(255, 255, 255)}}},
            {[](CDC& dc) { dc.EcrireTexte(2, 2, "ii"); }, {}, {{{2, 2}, qRgb(255, 255, 255)}}},
        };
    for (const auto& [dessin, attendu, pixels] : cas) {
        const QImage image = Dessiner(dessin);
        QRect touche;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                touche |= image.pixel(x, y) != kFond ? QRect(x, y, 1, 1) : QRect();
            }
        }
        EXPECT_TRUE(attendu.isNull() || touche == attendu) << touche.x() << ' ' << touche.y();
        for (const auto& [p, couleur] : pixels) {
            EXPECT_EQ(image.pixel(p), couleur) << p.x() << ',' << p.y();
        }
    }
}

TEST(DCQt, StoredTextIsWindows1252AsQtWritesIt) {
    QImage attendu(40, 30, QImage::Format_RGB32);
    attendu.fill(kFond);
    QPainter painter(&attendu);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QPoint(3, 3 + painter.fontMetrics().ascent()),
                     QString::fromUtf8("\u00e9t\u00e9"));
    painter.end();
    EXPECT_EQ(Dessiner([](CDC& dc) {
                  dc.FixerModeFond(EModeFond::Transparent);
                  dc.FixerCouleurTexte(CCouleur(255, 255, 255));
                  dc.EcrireTexte(3, 3, "\xE9t\xE9");
              }),
              attendu);
}
