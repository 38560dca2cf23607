#include "FenetreTest.h"

#include "document/Fichier.h"
#include "modelling/Exemples.h"
#include "platform/InteractionScriptee.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <fstream>
#include <iterator>

EReponse CInteractionTest::Message(const std::string& strTexte, const std::string& strTitre,
                                   EIcone icone, EBoutons boutons) {
    m_messages.push_back({strTexte, strTitre, icone, boutons});
    if (m_pendantMessage) {
        m_pendantMessage();
    }
    if (m_reponses.empty()) {
        return boutons == EBoutons::OuiNon
                   ? EReponse::Non
                   : (boutons == EBoutons::Ok ? EReponse::Ok : EReponse::Annuler);
    }
    const EReponse r = m_reponses.front();
    m_reponses.pop_front();
    return r;
}

EReponse CInteractionTest::DemanderEnregistrement(const std::string& strTexte,
                                                  const std::string& strTitre) {
    m_questionsEnregistrement.push_back({strTexte, strTitre, EIcone::Avertissement, EBoutons::Ok});
    if (m_reponsesEnregistrement.empty()) {
        return EReponse::Annuler;
    }
    const EReponse r = m_reponsesEnregistrement.front();
    m_reponsesEnregistrement.pop_front();
    return r;
}

std::optional<std::string> CInteractionTest::Fichier(const CChoixFichier& choix) {
    m_choixFichiers.push_back(choix);
    if (m_fichiers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> f = m_fichiers.front();
    m_fichiers.pop_front();
    return f;
}

std::optional<std::string>
CInteractionTest::ChoisirFichierEnregistrement(const CChoixFichier& choix) {
    return Fichier(choix);
}

std::optional<std::string> CInteractionTest::ChoisirFichierOuverture(const CChoixFichier& choix) {
    return Fichier(choix);
}

namespace {

QTemporaryDir& Dossier() {
    static QTemporaryDir dossier;
    return dossier;
}

} // namespace

const std::string& FichierMaison() {
    static const std::string chemin = [] {
        const std::string f = Dossier().filePath(QStringLiteral("house.vtl")).toStdString();
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
    return Dossier().filePath(QString::fromStdString(strNom)).toStdString();
}

void FenetreTest::Executer(int nId) {
    QAction* pAction = m_fenetre.Action(nId);
    ASSERT_NE(pAction, nullptr);
    ASSERT_TRUE(pAction->isEnabled()) << nId;
    pAction->trigger();
}

namespace {

// Runs `lancer`, which opens a modal dialog: the gestures run on it once it
// is shown, and must close it (it is cancelled otherwise).
bool Modal(QObject* pContexte, const std::function<void()>& lancer,
           const std::function<void(QDialog*)>& gestes) {
    // The command may turn the event loop before its dialog shows (the
    // "Mesh generation..." window is painted first): wait for the dialog.
    bool bVu = false;
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, pContexte, [&] {
        auto* pDialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (pDialogue == nullptr) {
            return;
        }
        attente.stop();
        bVu = true;
        gestes(pDialogue);
        if (pDialogue->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            pDialogue->reject();
        }
    });
    attente.start(0);
    lancer();
    attente.stop();
    return bVu;
}

} // namespace

void FenetreTest::ExecuterModal(int nId, const std::function<void(QDialog*)>& gestes) {
    EXPECT_TRUE(Modal(
        &m_fenetre, [&] { Executer(nId); }, gestes))
        << "no modal dialog for " << nId;
}

void FenetreTest::Raccourci(Qt::Key touche) {
    m_fenetre.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_fenetre));
    QTest::keyClick(&m_fenetre, touche, Qt::ControlModifier);
}

void FenetreTest::RaccourciModal(Qt::Key touche, const std::function<void(QDialog*)>& gestes) {
    EXPECT_TRUE(Modal(
        &m_fenetre, [&] { Raccourci(touche); }, gestes))
        << "no modal dialog for Ctrl+" << QKeySequence(touche).toString().toStdString();
}

bool FenetreTest::Active(int nId) {
    return m_fenetre.Action(nId)->isEnabled();
}

bool FenetreTest::Cochee(int nId) {
    return m_fenetre.Action(nId)->isChecked();
}

void FenetreTest::OuvrirMaison() {
    m_ui.m_fichiers.push_back(m_strMaison);
    Executer(ID_OUVRIR);
    ASSERT_EQ(m_doc.Chemin(), m_strMaison);
}

std::vector<unsigned char> LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Glisser(QWidget* pVue, Qt::MouseButton bouton, QPoint de, QPoint a) {
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(de), pVue->mapToGlobal(QPointF(de)), bouton,
                      bouton, Qt::NoModifier);
    QApplication::sendEvent(pVue, &appui);
    QMouseEvent deplacement(QEvent::MouseMove, QPointF(a), pVue->mapToGlobal(QPointF(a)),
                            Qt::NoButton, bouton, Qt::NoModifier);
    QApplication::sendEvent(pVue, &deplacement);
    QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(a), pVue->mapToGlobal(QPointF(a)),
                        bouton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pVue, &relache);
}

void VueDeTroisQuarts(QWidget* pVue) {
    QWheelEvent molette(QPointF(10, 10), pVue->mapToGlobal(QPointF(10, 10)), QPoint(),
                        QPoint(0, -2160), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pVue, &molette);
    Glisser(pVue, Qt::LeftButton, QPoint(300, 265), QPoint(230, 300));
    Glisser(pVue, Qt::RightButton, QPoint(500, 300), QPoint(380, 420));
}
