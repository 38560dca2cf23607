#include "ui/DCQt.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr QRgb kFond = 0xff404040;

// Draws on a fresh 40 x 30 grey image, through the QPainter surface or Qt.
QImage Dessiner(const std::function<void(CDC&)>& dessin, const QString& texteQt = {}) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kFond);
    QPainter painter(&image);
    if (texteQt.isEmpty()) {
        CDCQt dc(painter, CRectangle{0, 0, 40, 30});
        dessin(dc);
    } else {
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QPoint(3, 3 + painter.fontMetrics().ascent()), texteQt);
    }
    painter.end();
    return image;
}

} // namespace

TEST(DCQt, DrawsWhereTheCoreSaysPixelForPixel) {
    struct CCas {
        const char* szCas;
        std::function<void(CDC&)> dessin;
        QRect touche; // every pixel that is not the background
        QPoint p;     // and one of them
        QRgb couleur;
    };
    const CStylo rouge{CCouleur(255, 0, 0)};
    const CCas cas[] = {
        {"segments cover their start, not their end",
         [&](CDC& dc) {
             dc.SelectionnerStylo(rouge);
             dc.DeplacerVers(2, 3);
             dc.LigneVers(10, 3);
             dc.LigneVers(10, 12);
             dc.DeplacerVers(20, 20);
             dc.LigneVers(20, 20); // nothing
         },
         QRect(QPoint(2, 3), QPoint(10, 11)),
         {10, 3},
         qRgb(255, 0, 0)},
        {"a pen two pixels wide",
         [](CDC& dc) {
             dc.SelectionnerStylo(CStylo{CCouleur(0, 192, 0), 2});
             dc.DeplacerVers(5, 10);
             dc.LigneVers(25, 10);
         },
         QRect(QPoint(4, 9), QPoint(25, 10)),
         {15, 9},
         qRgb(0, 192, 0)},
        {"a dotted pen: three on, three off",
         [](CDC& dc) {
             dc.SelectionnerStylo(CStylo{CCouleur(255, 0, 255), 1, EStyleTrait::Pointille});
             dc.DeplacerVers(0, 5);
             dc.LigneVers(30, 5);
         },
         QRect(QPoint(0, 5), QPoint(26, 5)),
         {3, 5},
         kFond},
        {"exact pixels",
         [](CDC& dc) {
             dc.FixerPixel(7, 8, CCouleur(200, 200, 0));
             dc.FixerPixel(39, 29, CCouleur(1, 2, 3));
         },
         QRect(QPoint(7, 8), QPoint(39, 29)),
         {39, 29},
         qRgb(1, 2, 3)},
        {"the disc of the overlays, inside its box, round",
         [](CDC& dc) {
             dc.SelectionnerStylo(CStylo{CCouleur(128, 128, 128)});
             dc.SelectionnerBrosse(CBrosse{CCouleur(255, 255, 255)});
             dc.Ellipse(17, 12, 23, 18);
         },
         QRect(QPoint(17, 12), QPoint(22, 17)),
         {17, 12},
         kFond},
        {"text on an opaque white cell",
         [](CDC& dc) {
             dc.FixerCouleurTexte(CCouleur(0, 0, 0));
             dc.EcrireTexte(2, 2, "ii");
         },
         {},
         {2, 2},
         qRgb(255, 255, 255)},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szCas);
        const QImage image = Dessiner(c.dessin);
        QRect touche;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                touche |= image.pixel(x, y) != kFond ? QRect(x, y, 1, 1) : QRect();
            }
        }
        if (!c.touche.isNull()) {
            EXPECT_EQ(touche, c.touche);
        }
        EXPECT_EQ(image.pixel(c.p), c.couleur);
    }
}

TEST(DCQt, TransparentTextIsTheStoredWindows1252AsQtWritesIt) {
    const QImage image = Dessiner([](CDC& dc) {
        dc.FixerModeFond(EModeFond::Transparent);
        dc.FixerCouleurTexte(CCouleur(255, 255, 255));
        dc.EcrireTexte(3, 3, "\xE9t\xE9");
    });
    EXPECT_EQ(image, Dessiner({}, QString::fromUtf8("\u00e9t\u00e9")));
}
