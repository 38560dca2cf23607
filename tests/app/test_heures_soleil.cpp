#include "FenetreTest.h"

#include "geometry/Arrondi.h"
#include "solar/Saisie.h"
#include "ui/VantrelView.h"
#include "view/DessinHeures.h"

#include <QPainter>
#include <QTableWidget>

namespace {
class HeuresSoleil : public FenetreTest, protected Gestes {};
} // namespace

// The year stopped after 200 samples leaves nothing; 21 june computed shows
// each receiver in the table and every node in false colour with the legend,
// until "Clear". It also takes the guide's picture; refresh the
// copy beside the guide with
//   QT_QPA_PLATFORM=offscreen build/dev/tests/app/test_app --gtest_filter='*SunHours*'
//   cp build/dev/tests/app/artefacts/guide-sun-hours.png app/aide/
TEST_F(HeuresSoleil, SunHoursInFalseColourWithTheirLegend) {
    Montrer(QSize(1024, 720));
    OuvrirMaison();
    CVantrelView* pVue = m_fenetre.Vue();
    VueDeTroisQuarts(pVue);
    const CHeuresSoleil& h = m_doc.m_heuresSoleil;
    ExecuterModal(ID_HEURES_SOLEIL, [&](QDialog* d) {
        Jouer(d, "bAnnee");
        QTimer espion;
        QObject::connect(&espion, &QTimer::timeout, [&] {
            if (h.m_nEchantillons == 200) {
                Cliquer(d, "fermer");
            }
        });
        espion.start(0);
        Cliquer(d, "calculer");
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(h.m_recepteurs.empty() && !h.m_bAffichees && h.m_nEchantillons == 200);

    const auto rgb = [](CCouleur c) { return qRgb(c.r, c.g, c.b); };
    ExecuterModal(ID_HEURES_SOLEIL, [&](QDialog* d) {
        Jouer(d, "bAnnee;nIndexDate=21 june;strSeuil?0;calculer");
        ASSERT_TRUE(h.m_bAffichees && h.m_recepteurs.size() == 4u);
        auto* pTable = Widget<QTableWidget>(d, "recepteurs");
        EXPECT_EQ(pTable->item(3, 0)->text() + ' ' + pTable->item(3, 1)->text(),
                  QString::fromStdString(m_doc.LibelleFace(9) + " 12.66"));
        const QImage vue = pVue->grab().toImage();
        const CBarreLegende b = BarreLegende({0, 0, pVue->width(), pVue->height()});
        EXPECT_EQ(vue.pixel(b.x + 8, b.y), rgb(CouleurHeures(1)));
        EXPECT_EQ(vue.pixel(b.x + 8, b.y + CBarreLegende::kHauteur - 1), rgb(CouleurHeures(0)));
        const CMaillage& toit = h.m_recepteurs[3].noeuds;
        const CVecteur n = toit.Noeud(toit.Taille() / 2);
        const CPointEcran p = n.Projeter();
        EXPECT_EQ(vue.pixel(p.x, p.y), rgb(CouleurHeures(n.m_fValeur / h.Echelle())));

        const QPixmap fenetre = m_fenetre.grab(), dialogue = d->grab();
        QImage image(fenetre.width() + dialogue.width() + 8, fenetre.height(),
                     QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter peintre(&image);
        peintre.drawPixmap(0, 0, fenetre);
        peintre.drawPixmap(fenetre.width() + 8, 0, dialogue);
        peintre.end();
        GarderImage(image, "guide-sun-hours.png");
        Cliquer(d, "fermer");
    });
    EXPECT_TRUE(h.m_bAffichees);
    ExecuterModal(ID_HEURES_SOLEIL, [&](QDialog* d) { Jouer(d, "effacer;fermer"); });
    EXPECT_FALSE(h.m_bAffichees);
}
