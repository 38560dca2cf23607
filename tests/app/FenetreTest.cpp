#include "FenetreTest.h"

#include "modelling/Exemples.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <fstream>
#include <iterator>

const std::string& FichierMaison() {
    static const std::string chemin = [] {
        const std::string f = Temporaire("house.vtl");
        // Built in a document of its own, gone before the tests' documents.
        CInteractionScriptee ui;
        CVantrelDoc doc(ui);
        ConstruireMaison(doc);
        std::string strErreur;
        EXPECT_TRUE(doc.Enregistrer(f, strErreur)) << strErreur;
        return f;
    }();
    return chemin;
}

std::string Temporaire(const std::string& strNom) {
    static QTemporaryDir dossier;
    return dossier.filePath(QString::fromStdString(strNom)).toStdString();
}

void FenetreTest::Executer(int nId) {
    QAction* pAction = m_fenetre.Action(nId);
    ASSERT_NE(pAction, nullptr);
    ASSERT_TRUE(pAction->isEnabled()) << nId;
    pAction->trigger();
}

void FenetreTest::Montrer(QSize taille) {
    if (taille.isValid()) {
        m_fenetre.resize(taille);
        m_fenetre.move(0, 0);
    }
    m_fenetre.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
}

void FenetreTest::OuvrirMaison() {
    m_ui.m_script.m_fichiers.push_back(m_strMaison);
    Executer(ID_OUVRIR);
    ASSERT_EQ(m_doc.Chemin(), m_strMaison);
}

std::vector<unsigned char> LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void GarderImage(const QImage& image, const char* szNom) {
    const QString dossier = QStringLiteral(VANTREL_ARTEFACTS);
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(szNom));
    ASSERT_TRUE(image.save(chemin));
}

int CompterPixels(QWidget* pWidget, const std::function<bool(QRgb)>& critere) {
    const QImage image = pWidget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* p = reinterpret_cast<const QRgb*>(image.constBits()); // lines of 4-byte pixels
    return static_cast<int>(std::count_if(p, p + image.width() * image.height(), critere));
}

void Souris(QWidget* pVue, QEvent::Type type, QPoint p, Qt::MouseButton bouton) {
    const Qt::MouseButtons tenus = type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton;
    QMouseEvent e(type, QPointF(p), pVue->mapToGlobal(QPointF(p)),
                  type == QEvent::MouseMove ? Qt::NoButton : bouton, tenus, Qt::NoModifier);
    QApplication::sendEvent(pVue, &e);
}

void Glisser(QWidget* pVue, Qt::MouseButton bouton, QPoint de, QPoint a) {
    Souris(pVue, QEvent::MouseButtonPress, de, bouton);
    Souris(pVue, QEvent::MouseMove, a, bouton);
    Souris(pVue, QEvent::MouseButtonRelease, a, bouton);
}

void Molette(QWidget* pVue, QPoint p, int nAngle) {
    QWheelEvent e(QPointF(p), pVue->mapToGlobal(QPointF(p)), QPoint(), QPoint(0, nAngle),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pVue, &e);
}

void VueDeTroisQuarts(QWidget* pVue) {
    Molette(pVue, QPoint(10, 10), -2160);
    Glisser(pVue, Qt::LeftButton, QPoint(300, 265), QPoint(230, 300));
    Glisser(pVue, Qt::RightButton, QPoint(500, 300), QPoint(380, 420));
}
