#include "ui/DialogueHeuresSoleil.h"

#include "document/VantrelDoc.h"
#include "geometry/Arrondi.h"
#include "solar/Saisie.h"
#include "ui/Texte.h"
#include "ui_HeuresSoleil.h"

#include <QApplication>
#include <QHeaderView>
#include <QTimer>

CDialogueHeuresSoleil::CDialogueHeuresSoleil(CVantrelDoc& doc, CInteraction& interaction,
                                             QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc), m_heures(doc.m_heuresSoleil),
      m_ui(std::make_unique<Ui::HeuresSoleil>()) {
    m_ui->setupUi(this);
    for (const char* szDate : CPositionSoleil::s_dates) {
        m_ui->nIndexDate->addItem(DepuisCp1252(szDate));
    }
    Associer(CHeuresSoleil::kChampDate, m_ui->nIndexDate);
    Associer(CHeuresSoleil::kChampSeuil, m_ui->strSeuil);
    const CTamponHeuresSoleil t = m_heures.Ouvrir();
    m_ui->nIndexDate->setCurrentIndex(t.nIndexDate);
    m_ui->bAnnee->setChecked(t.bAnnee != 0);
    m_ui->nIndexDate->setEnabled(t.bAnnee == 0);
    FixerChamp(m_ui->strSeuil, t.strSeuil);
    m_ui->progression->setRange(0, 100);
    // The names take the room the hours leave.
    QHeaderView* pEntete = m_ui->recepteurs->horizontalHeader();
    pEntete->setSectionResizeMode(QHeaderView::ResizeToContents);
    pEntete->setSectionResizeMode(0, QHeaderView::Stretch);
    MontrerRecepteurs();

    m_pMinuterie = new QTimer(this);
    m_pMinuterie->setInterval(500);
    connect(m_pMinuterie, &QTimer::timeout, this, &CDialogueHeuresSoleil::ActualiserProgression);
    // The year takes every date: the list has nothing to choose then.
    connect(m_ui->bAnnee, &QCheckBox::toggled, m_ui->nIndexDate, &QWidget::setDisabled);
    connect(m_ui->calculer, &QPushButton::clicked, this, &CDialogueHeuresSoleil::Calculer);
    connect(m_ui->effacer, &QPushButton::clicked, this, [this] {
        m_heures.Effacer();
        MontrerRecepteurs();
        m_doc.RedessinerVues();
    });
    connect(m_ui->fermer, &QPushButton::clicked, this, &CDialogueHeuresSoleil::reject);
}

CDialogueHeuresSoleil::~CDialogueHeuresSoleil() = default;

void CDialogueHeuresSoleil::reject() {
    // During a computation the loop sees the stop after the current sample.
    m_heures.m_bArret = 1;
    CDialogueVantrel::reject();
}

void CDialogueHeuresSoleil::ActualiserProgression() {
    m_ui->progression->setValue(m_heures.Progression());
}

void CDialogueHeuresSoleil::Activer(bool bActif) {
    m_ui->calculer->setEnabled(bActif);
    m_ui->nIndexDate->setEnabled(bActif && !m_ui->bAnnee->isChecked());
    m_ui->bAnnee->setEnabled(bActif);
    m_ui->strSeuil->setEnabled(bActif);
    m_ui->effacer->setEnabled(bActif && m_heures.m_bAffichees);
    // The focus stays on a button that works: "Close / Stop" while computing.
    (bActif ? m_ui->calculer : m_ui->fermer)->setFocus();
}

void CDialogueHeuresSoleil::Calculer() {
    CTamponHeuresSoleil t;
    t.nIndexDate = m_ui->nIndexDate->currentIndex();
    t.bAnnee = m_ui->bAnnee->isChecked() ? 1 : 0;
    t.strSeuil = TexteChamp(m_ui->strSeuil);
    if (Refuse(m_heures.Valider(t))) {
        return;
    }
    Activer(false);
    m_pMinuterie->start();
    // The old hours no longer stand while the new ones are computed.
    m_doc.RedessinerVues();
    // A stopped computation leaves no hours: the table and the view say so.
    m_heures.Calculer(m_doc.Faces(), [] { QApplication::processEvents(); });
    m_pMinuterie->stop();
    m_ui->progression->setValue(0);
    Activer(true);
    MontrerRecepteurs();
    m_doc.RedessinerVues();
}

void CDialogueHeuresSoleil::MontrerRecepteurs() {
    m_ui->effacer->setEnabled(m_heures.m_bAffichees);
    QTableWidget* pTable = m_ui->recepteurs;
    pTable->setRowCount(static_cast<int>(m_heures.m_recepteurs.size()));
    int nLigne = 0;
    for (const CHeuresRecepteur& r : m_heures.m_recepteurs) {
        const std::string cellules[] = {
            m_doc.LibelleFace(r.nFace), TexteResultat(Arrondi(r.dMoyenne, 2)),
            TexteResultat(Arrondi(r.dMin, 2)), TexteResultat(Arrondi(r.dMax, 2))};
        for (int c = 0; c < 4; ++c) {
            auto* pCellule = new QTableWidgetItem(DepuisCp1252(cellules[c]));
            if (c > 0) {
                pCellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            pTable->setItem(nLigne, c, pCellule);
        }
        ++nLigne;
    }
}
