#include "FenetreTest.h"

#include "app/Icones.h"
#include "document/Commandes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <set>

namespace {

QString Q(const char* sz) {
    return QString::fromLatin1(sz);
}

// A menu as a flat list: item texts, "-" for a separator, "[title" and "]"
// around a submenu.
void Aplatir(const QMenu* pMenu, QStringList& liste) {
    for (const QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator()) {
            liste << QStringLiteral("-");
        } else if (pAction->menu() != nullptr) {
            liste << QLatin1Char('[') + pAction->text();
            Aplatir(pAction->menu(), liste);
            liste << QStringLiteral("]");
        } else {
            liste << pAction->text();
        }
    }
}

QStringList Aplatir(std::span<const CEntreeMenu> entrees) {
    QStringList liste;
    for (const CEntreeMenu& e : entrees) {
        switch (e.type) {
        case CEntreeMenu::Commande:
            liste << Q(Commande(e.nId)->szMenu);
            break;
        case CEntreeMenu::Separateur:
            liste << QStringLiteral("-");
            break;
        case CEntreeMenu::SousMenu:
            liste << QLatin1Char('[') + Q(e.szTitre);
            break;
        case CEntreeMenu::FinSousMenu:
            liste << QStringLiteral("]");
            break;
        }
    }
    return liste;
}

} // namespace

TEST_F(FenetreTest, MenusAreTheCommandTables) {
    const QList<QAction*> titres = m_fenetre.menuBar()->actions();
    const std::span<const CMenu> menus = Menus();
    ASSERT_EQ(titres.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        QAction* pTitre = titres[static_cast<qsizetype>(m)];
        EXPECT_EQ(pTitre->text(), Q(menus[m].szTitre));
        ASSERT_NE(pTitre->menu(), nullptr);
        QStringList liste;
        Aplatir(pTitre->menu(), liste);
        EXPECT_EQ(liste, Aplatir(menus[m].entrees)) << menus[m].szTitre;
    }
    // No recent-file list: "&File" holds its six entries only.
    EXPECT_EQ(titres[0]->menu()->actions().size(), 6);
    EXPECT_EQ(titres[3]->menu()->actions()[0]->text(), QStringLiteral("Sun position...\tCtrl + L"));
    // Every command carries its prompt and its tooltip.
    for (const CCommande& c : Commandes()) {
        const QAction* pAction = m_fenetre.Action(c.nId);
        ASSERT_NE(pAction, nullptr) << c.nId;
        EXPECT_EQ(pAction->statusTip(), Q(c.szInvite));
        EXPECT_EQ(pAction->toolTip(), Q(c.szBulle));
        EXPECT_EQ(pAction->isCheckable(), c.pCochee != nullptr) << c.szMenu;
    }
}

TEST_F(FenetreTest, AcceleratorsAreCtrlWithTheTablesLetters) {
    std::set<QString> vues;
    int nAvecTouche = 0;
    for (const CCommande& c : Commandes()) {
        QAction* pAction = m_fenetre.Action(c.nId);
        ASSERT_NE(pAction, nullptr) << c.nId;
        if (c.cTouche == 0) {
            EXPECT_TRUE(pAction->shortcut().isEmpty()) << c.szMenu;
            continue;
        }
        ++nAvecTouche;
        const QKeySequence attendue(Qt::CTRL | Qt::Key(Qt::Key_A + (c.cTouche - 'A')));
        EXPECT_EQ(pAction->shortcut(), attendue) << c.szMenu;
        EXPECT_TRUE(vues.insert(pAction->shortcut().toString()).second) << c.szMenu;
        // The menu shows the table's own text of the accelerator.
        EXPECT_TRUE(pAction->text().contains(QLatin1Char('\t'))) << c.szMenu;
    }
    EXPECT_EQ(nAvecTouche, 23);
    EXPECT_EQ(m_fenetre.Action(ID_SUPPRIMER_FACE)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(m_fenetre.Action(ID_ORIENTATION_STANDARD)->text(),
              QStringLiteral("Standard orientation\tCtrl + M"));
}

TEST_F(FenetreTest, AnAcceleratorRunsItsCommand) {
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_fenetre));
    EXPECT_FALSE(Cochee(ID_COORDONNEES));
    QTest::keyClick(&m_fenetre, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(Cochee(ID_COORDONNEES));
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees, 1);
}

TEST_F(FenetreTest, ToolbarHasTheButtonsInOrderWithSeparators) {
    QToolBar* pBarre = m_fenetre.BarreOutils();
    EXPECT_EQ(pBarre->iconSize(), QSize(16, 15));
    const QList<QAction*> actions = pBarre->actions();
    const std::span<const int> attendus = BarreOutils();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(attendus.size()));
    int nBoutons = 0;
    for (std::size_t i = 0; i < attendus.size(); ++i) {
        QAction* pAction = actions[static_cast<qsizetype>(i)];
        if (attendus[i] == 0) {
            EXPECT_TRUE(pAction->isSeparator()) << i;
            continue;
        }
        ++nBoutons;
        EXPECT_EQ(pAction, m_fenetre.Action(attendus[i])) << i;
        EXPECT_EQ(pAction->toolTip(), Q(Commande(attendus[i])->szBulle));
        EXPECT_FALSE(pAction->icon().isNull()) << attendus[i];
    }
    EXPECT_EQ(nBoutons, 22);
}

TEST_F(FenetreTest, EveryButtonHasItsOwnVisibleImage) {
    std::vector<QImage> images;
    for (const int nId : BarreOutils()) {
        if (nId == 0) {
            continue;
        }
        const QImage image = IconeCommande(nId)
                                 .pixmap(QSize(16, 15))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 15)) << nId;
        int nOpaques = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 16; ++x) {
                nOpaques += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(nOpaques, 20) << nId;
        for (const QImage& autre : images) {
            EXPECT_NE(image, autre) << nId;
        }
        images.push_back(image);
    }
    EXPECT_TRUE(IconeCommande(ID_QUITTER).isNull());
}

TEST_F(FenetreTest, StatusBarShowsTheIdleTextAndThePromptOfAHoveredButton) {
    EXPECT_EQ(m_fenetre.PaneMessage()->text(), Q(kTexteRepos));
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    // Remove the face is disabled with no face: its prompt shows all the same.
    auto* pBouton = qobject_cast<QToolButton*>(
        m_fenetre.BarreOutils()->widgetForAction(m_fenetre.Action(ID_SUPPRIMER_FACE)));
    ASSERT_NE(pBouton, nullptr);
    EXPECT_FALSE(pBouton->isEnabled());
    QEvent entree(QEvent::Enter);
    QApplication::sendEvent(pBouton, &entree);
    EXPECT_EQ(m_fenetre.PaneMessage()->text(), QStringLiteral("Remove the selected face"));
    QEvent sortie(QEvent::Leave);
    QApplication::sendEvent(pBouton, &sortie);
    EXPECT_EQ(m_fenetre.PaneMessage()->text(), Q(kTexteRepos));
}

TEST_F(FenetreTest, StatusBarShowsThePromptOfTheMenuItemUnderTheMouse) {
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    QMenu* pCalcul = m_fenetre.menuBar()->actions()[3]->menu();
    pCalcul->popup(m_fenetre.mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pCalcul));
    // "Receivers lighting..." waits for the sun window: disabled, with its prompt.
    QAction* pEclairement = m_fenetre.Action(ID_ECLAIREMENT);
    EXPECT_FALSE(pEclairement->isEnabled());
    // From the last item first: the menu takes a move only once the mouse
    // has left the place where it popped up.
    QTest::mouseMove(pCalcul, pCalcul->actionGeometry(pCalcul->actions().constLast()).center());
    QTest::mouseMove(pCalcul, pCalcul->actionGeometry(pEclairement).center());
    EXPECT_EQ(m_fenetre.PaneMessage()->text(), Q(Commande(ID_ECLAIREMENT)->szInvite));
    pCalcul->hide();
    EXPECT_EQ(m_fenetre.PaneMessage()->text(), Q(kTexteRepos));
}

TEST_F(FenetreTest, LockPanesShowWhatThePlatformTells) {
    m_fenetre.FixerLecteurVerrous([](EVerrou v) -> std::optional<bool> {
        switch (v) {
        case EVerrou::Majuscules:
            return true;
        case EVerrou::Numerique:
            return false;
        case EVerrou::Defilement:
            break;
        }
        return std::nullopt;
    });
    EXPECT_EQ(m_fenetre.PaneVerrou(EVerrou::Majuscules)->text(), QStringLiteral("MAJ"));
    EXPECT_EQ(m_fenetre.PaneVerrou(EVerrou::Numerique)->text(), QString());
    EXPECT_EQ(m_fenetre.PaneVerrou(EVerrou::Defilement)->text(), QString());
    m_fenetre.FixerLecteurVerrous([](EVerrou) -> std::optional<bool> { return true; });
    EXPECT_EQ(m_fenetre.PaneVerrou(EVerrou::Numerique)->text(), QStringLiteral("NUM"));
    EXPECT_EQ(m_fenetre.PaneVerrou(EVerrou::Defilement)->text(), QStringLiteral("DEF"));
    m_fenetre.FixerLecteurVerrous({});
    EXPECT_EQ(m_fenetre.PaneVerrou(EVerrou::Majuscules)->text(), QString());
}
