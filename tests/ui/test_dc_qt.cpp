#include "ui/DCQt.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr QRgb kFond = 0xff404040;

// Draws on a fresh 40 x 30 grey image through the QPainter surface.
QImage Dessiner(const std::function<void(CDC&)>& dessin) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kFond);
    QPainter painter(&image);
    CDCQt dc(painter, CRectangle{0, 0, 40, 30});
    dessin(dc);
    painter.end();
    return image;
}

// The box around every pixel that is not the background, or a null rectangle.
QRect Touche(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kFond) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
}

const CStylo kRouge{CCouleur(255, 0, 0)};

} // namespace

TEST(DCQt, ThinSegmentsCoverTheirStartAndNotTheirEnd) {
    const QImage image = Dessiner([](CDC& dc) {
        dc.SelectionnerStylo(kRouge);
        dc.DeplacerVers(2, 3);
        dc.LigneVers(10, 3);
        dc.LigneVers(10, 12); // continues from the end of the first
    });
    EXPECT_EQ(Touche(image), QRect(QPoint(2, 3), QPoint(10, 11)));
    for (int x = 2; x < 10; ++x) {
        EXPECT_EQ(image.pixel(x, 3), qRgb(255, 0, 0)) << x;
    }
    EXPECT_EQ(image.pixel(10, 3), qRgb(255, 0, 0)); // the second segment's start
    EXPECT_EQ(image.pixel(10, 12), kFond);
    EXPECT_EQ(image.pixel(9, 4), kFond);
}

TEST(DCQt, MovingDrawsNothingAndAZeroSegmentNeither) {
    const QImage image = Dessiner([](CDC& dc) {
        dc.SelectionnerStylo(kRouge);
        dc.DeplacerVers(5, 5);
        dc.LigneVers(5, 5);
        dc.DeplacerVers(20, 20);
    });
    EXPECT_TRUE(Touche(image).isNull());
}

TEST(DCQt, WidePensAndDottedPens) {
    const QImage large = Dessiner([](CDC& dc) {
        dc.SelectionnerStylo(CStylo{CCouleur(0, 192, 0), 2});
        dc.DeplacerVers(5, 10);
        dc.LigneVers(25, 10);
    });
    // Two pixels thick across the segment.
    int nEpaisseur = 0;
    for (int y = 0; y < 30; ++y) {
        nEpaisseur += large.pixel(15, y) == qRgb(0, 192, 0) ? 1 : 0;
    }
    EXPECT_EQ(nEpaisseur, 2);

    const QImage pointille = Dessiner([](CDC& dc) {
        dc.SelectionnerStylo(CStylo{CCouleur(255, 0, 255), 1, EStyleTrait::Pointille});
        dc.DeplacerVers(0, 5);
        dc.LigneVers(30, 5);
    });
    int nAllumes = 0;
    for (int x = 0; x < 30; ++x) {
        nAllumes += pointille.pixel(x, 5) == qRgb(255, 0, 255) ? 1 : 0;
    }
    EXPECT_EQ(nAllumes, 15); // three on, three off
    EXPECT_EQ(pointille.pixel(0, 5), qRgb(255, 0, 255));
    EXPECT_EQ(pointille.pixel(3, 5), kFond);
}

TEST(DCQt, PixelsAreExact) {
    const QImage image = Dessiner([](CDC& dc) {
        dc.FixerPixel(7, 8, CCouleur(200, 200, 0));
        dc.FixerPixel(39, 29, CCouleur(1, 2, 3));
    });
    EXPECT_EQ(image.pixel(7, 8), qRgb(200, 200, 0));
    EXPECT_EQ(image.pixel(39, 29), qRgb(1, 2, 3));
    EXPECT_EQ(Touche(image), QRect(QPoint(7, 8), QPoint(39, 29)));
    EXPECT_EQ(image.pixel(8, 8), kFond);
}

TEST(DCQt, TheDiscStaysInsideItsBox) {
    // The disc of the overlays: the box from (q - 3) to (q + 3).
    const QImage image = Dessiner([](CDC& dc) {
        dc.SelectionnerStylo(CStylo{CCouleur(128, 128, 128)});
        dc.SelectionnerBrosse(CBrosse{CCouleur(255, 255, 255)});
        dc.Ellipse(17, 12, 23, 18);
    });
    EXPECT_EQ(Touche(image), QRect(QPoint(17, 12), QPoint(22, 17)));
    EXPECT_EQ(image.pixel(20, 15), qRgb(255, 255, 255)); // filled with the brush
    EXPECT_EQ(image.pixel(17, 15), qRgb(128, 128, 128)); // outlined with the pen
    EXPECT_EQ(image.pixel(17, 12), kFond);               // round: the corner stays out
}

TEST(DCQt, TextSitsBelowAndRightOfItsCorner) {
    const QImage image = Dessiner([](CDC& dc) {
        dc.FixerModeFond(EModeFond::Transparent);
        dc.FixerCouleurTexte(CCouleur(255, 255, 255));
        dc.EcrireTexte(6, 4, "X");
    });
    const QRect r = Touche(image);
    ASSERT_FALSE(r.isNull());
    EXPECT_GE(r.left(), 6);
    EXPECT_GE(r.top(), 4);
    EXPECT_LE(r.left(), 8);
    EXPECT_LT(r.top(), 4 + QFontMetrics(QFont()).height());
}

TEST(DCQt, OpaqueTextFillsItsCellAndTransparentTextDoesNot) {
    const QImage opaque = Dessiner([](CDC& dc) {
        dc.FixerCouleurTexte(CCouleur(0, 0, 0));
        dc.EcrireTexte(2, 2, "ii");
    });
    // A fresh surface writes on an opaque white cell.
    EXPECT_EQ(opaque.pixel(2, 2), qRgb(255, 255, 255));
    const QImage transparent = Dessiner([](CDC& dc) {
        dc.FixerModeFond(EModeFond::Transparent);
        dc.FixerCouleurTexte(CCouleur(0, 0, 0));
        dc.EcrireTexte(2, 2, "ii");
    });
    EXPECT_EQ(transparent.pixel(2, 2), kFond);
}

TEST(DCQt, StoredTextIsWindows1252) {
    // "été" as stored, and as Qt writes it.
    const QImage cp1252 = Dessiner([](CDC& dc) {
        dc.FixerModeFond(EModeFond::Transparent);
        dc.FixerCouleurTexte(CCouleur(255, 255, 255));
        dc.EcrireTexte(3, 3, "\xE9t\xE9");
    });
    QImage attendu(40, 30, QImage::Format_RGB32);
    attendu.fill(kFond);
    QPainter painter(&attendu);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QPoint(3, 3 + painter.fontMetrics().ascent()), QString::fromUtf8("été"));
    painter.end();
    EXPECT_EQ(cp1252, attendu);
}

TEST(DCQt, KeepsTheClientRectangle) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    const CDCQt dc(painter, CRectangle{0, 0, 640, 480});
    EXPECT_EQ(dc.RectangleClient(), (CRectangle{0, 0, 640, 480}));
}
