// "Import a model...": the faces of a model made with another program are
// appended to the scene.
#include "app/CommandesModelisation.h"

#include "app/MainFrame.h"
#include "document/VantrelDoc.h"
#include "import/LectureModele.h"
#include "ui/DialogueImportModele.h"
#include "ui/InteractionQt.h"
#include "ui/Texte.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

constexpr const char* kTitre = "Import a model";

} // namespace

void CCommandesModelisation::ImporterModele() {
    const CChoixFichier choix{.strTitre = kTitre,
                              .strNomInitial = "",
                              .strExtension = "",
                              .strFiltre = FiltreModeles(),
                              .bConfirmerEcrasement = false};
    const std::optional<std::string> chemin = m_interaction.ChoisirFichierOuverture(choix);
    if (!chemin) {
        return;
    }
    const auto montrer = [this](const std::string& strTexte, EIcone icone) {
        m_interaction.Message(VersCp1252Affichage(DepuisCheminLocal(strTexte)), kTitre, icone,
                              EBoutons::Ok);
    };

    // A large model takes a while to read: its progress shows, and it can
    // be stopped.
    std::vector<CPolygoneModele> polygones;
    std::string strErreur;
    bool bLu = false;
    bool bArrete = false;
    {
        QProgressDialog progression(QStringLiteral("Reading the model..."), QStringLiteral("Stop"),
                                    0, 100, &m_fenetre);
        progression.setWindowTitle(QString::fromLatin1(kTitre));
        progression.setWindowModality(Qt::WindowModal);
        progression.setMinimumDuration(500);
        progression.setAutoReset(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        bLu = LireModele(*chemin, polygones, strErreur, [&progression](float fPart) {
            if (fPart >= 0) {
                progression.setValue(static_cast<int>(fPart * 100));
            }
            QApplication::processEvents();
            return !progression.wasCanceled();
        });
        QApplication::restoreOverrideCursor();
        bArrete = progression.wasCanceled();
    }
    if (bArrete) { // the user knows
        return;
    }
    if (!bLu) {
        montrer(strErreur, EIcone::Stop);
        return;
    }

    const QString nom = QFileInfo(DepuisCheminLocal(*chemin)).fileName();
    CDialogueImportModele dialogue(m_importModele, nom, static_cast<int>(polygones.size()),
                                   m_interaction, &m_fenetre);
    if (dialogue.exec() != QDialog::Accepted) {
        m_doc.TerminerDialogueModal(false);
        return;
    }
    CBilanImport bilan;
    const bool bImporte = m_importModele.Importer(m_doc, polygones, bilan, strErreur);
    m_doc.TerminerDialogueModal(bImporte);
    montrer(bImporte ? CImportModele::Message(bilan) : strErreur,
            bImporte ? EIcone::Information : EIcone::Stop);
}
