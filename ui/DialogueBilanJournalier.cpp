#include "ui/DialogueBilanJournalier.h"

#include "document/VantrelDoc.h"
#include "solar/Saisie.h"
#include "ui/DCQt.h"
#include "ui/EnregistrementImage.h"
#include "ui/Texte.h"
#include "ui_BilanJournalier.h"
#include "view/Graphiques.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

namespace {

// The caption of a failed export's message, as for the scene files.
const char* const kTitreMessage = "Vantrel";

} // namespace

CDialogueBilanJournalier::CDialogueBilanJournalier(CVantrelDoc& doc, CInteraction& interaction,
                                                   QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc), m_bilan(doc.m_bilanJournalier),
      m_ui(std::make_unique<Ui::BilanJournalier>()) {
    m_ui->setupUi(this);
    m_bilan.Ouvrir();
    for (const char* szDate : CPositionSoleil::s_dates) {
        m_ui->nIndexDate->addItem(DepuisCp1252(szDate));
    }
    m_ui->nIndexDate->setCurrentIndex(m_bilan.m_nIndexDate);
    m_ui->progression->setRange(0, 100);
    MontrerMoyennes();

    m_pMinuterie = new QTimer(this);
    m_pMinuterie->setInterval(500);
    connect(m_pMinuterie, &QTimer::timeout, this, &CDialogueBilanJournalier::ActualiserProgression);
    connect(m_ui->calculer, &QPushButton::clicked, this, &CDialogueBilanJournalier::Calculer);
    connect(m_ui->exporter, &QPushButton::clicked, this, &CDialogueBilanJournalier::Exporter);
    connect(m_ui->fermer, &QPushButton::clicked, this, &CDialogueBilanJournalier::reject);
    connect(m_ui->enregistrerGraphique, &QPushButton::clicked, this,
            &CDialogueBilanJournalier::EnregistrerGraphique);
}

CDialogueBilanJournalier::~CDialogueBilanJournalier() = default;

void CDialogueBilanJournalier::reject() {
    // During a computation the loop sees the stop after the current sample.
    m_bilan.m_bArret = 1;
    CDialogueVantrel::reject();
}

void CDialogueBilanJournalier::ActualiserProgression() {
    m_ui->progression->setValue(m_bilan.Progression());
    // The curves grow with the samples.
    update();
}

void CDialogueBilanJournalier::Activer(bool bActif) {
    m_ui->calculer->setEnabled(bActif);
    m_ui->nIndexDate->setEnabled(bActif);
    m_ui->exporter->setEnabled(bActif);
    // A chart worth saving has its curves.
    m_ui->enregistrerGraphique->setEnabled(bActif && m_bilan.m_nEchantillons > 2);
    // The focus stays on a button that works: "Close / Stop" while computing.
    (bActif ? m_ui->calculer : m_ui->fermer)->setFocus();
}

void CDialogueBilanJournalier::Calculer() {
    m_bilan.m_nIndexDate = m_ui->nIndexDate->currentIndex();
    Activer(false);
    m_pMinuterie->start();
    // One turn of the event loop per sample: the window stays responsive
    // and the values are the core's own, computed on this thread.
    m_bilan.Calculer(m_doc.Faces(), [] { QApplication::processEvents(); });
    m_pMinuterie->stop();
    m_ui->progression->setValue(0);
    Activer(true);
    if (m_bilan.m_bArret) {
        return;
    }
    m_bilan.CalculerMoyennes();
    update();
    MontrerMoyennes();
}

void CDialogueBilanJournalier::MontrerMoyennes() {
    FixerChamp(m_ui->strEquivalentMoyen, TexteResultat(m_bilan.m_dEquivalentMoyen));
    FixerChamp(m_ui->strIncidenceMoyenne, TexteResultat(m_bilan.m_dIncidenceMoyenne));
    FixerChamp(m_ui->strAltitudeMoyenne, TexteResultat(m_bilan.m_dAltitudeMoyenne));
}

void CDialogueBilanJournalier::Exporter() {
    if (!m_bilan.PeutExporter()) {
        return;
    }
    const std::optional<std::string> chemin =
        m_interaction.ChoisirFichierEnregistrement(CBilanJournalier::ChoixExport());
    if (!chemin) {
        return;
    }
    // A file that cannot be written is said, not passed over in silence.
    std::string strErreur;
    if (!m_bilan.Exporter(*chemin, strErreur)) {
        m_interaction.Message(VersCp1252Affichage(DepuisCheminLocal(strErreur)), kTitreMessage,
                              EIcone::Stop, EBoutons::Ok);
    }
}

void CDialogueBilanJournalier::Dessiner(CDC* pDC) const {
    DessinerGraphiqueBilan(pDC, m_bilan.m_echantillons.data(), m_bilan.m_nEchantillons,
                           m_bilan.PasMinutes());
}

void CDialogueBilanJournalier::EnregistrerGraphique() {
    ::EnregistrerGraphique(
        m_interaction, g_cadreGraphiqueBilan, [this](CDC* pDC) { Dessiner(pDC); }, font());
}

void CDialogueBilanJournalier::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    CDCQt dc(painter, CRectangle{0, 0, width(), height()});
    Dessiner(&dc);
}
