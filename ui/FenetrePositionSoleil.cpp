#include "ui/FenetrePositionSoleil.h"

#include "document/VantrelDoc.h"
#include "ui/Texte.h"
#include "ui_PositionSoleil.h"

#include <QTimer>

CFenetrePositionSoleil::CFenetrePositionSoleil(CVantrelDoc& doc, CInteraction& interaction,
                                               const CTamponPositionSoleil& tampon,
                                               QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc), m_soleil(doc.m_positionSoleil),
      m_ui(std::make_unique<Ui::PositionSoleil>()) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::Tool);
    for (const char* szDate : CPositionSoleil::s_dates) {
        m_ui->nIndexDate->addItem(DepuisCp1252(szDate));
    }
    Associer(CPositionSoleil::kChampHeure, m_ui->strHeure);
    Associer(CPositionSoleil::kChampMinute, m_ui->strMinute);
    Montrer(tampon);

    m_pAnimation = new QTimer(this);
    m_pAnimation->setObjectName(QStringLiteral("animation"));
    connect(m_pAnimation, &QTimer::timeout, this, &CFenetrePositionSoleil::Tic);

    connect(m_ui->calculer, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::Calculer); });
    connect(m_ui->reculer, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::Reculer); });
    connect(m_ui->avancer, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::Avancer); });
    connect(m_ui->animer, &QPushButton::clicked, this, &CFenetrePositionSoleil::Animer);
    connect(m_ui->diminuerAzimut, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::DiminuerAzimut); });
    connect(m_ui->augmenterAzimut, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::AugmenterAzimut); });
    connect(m_ui->diminuerAltitude, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::DiminuerAltitude); });
    connect(m_ui->augmenterAltitude, &QPushButton::clicked, this,
            [this] { Agir(&CPositionSoleil::AugmenterAltitude); });
    connect(m_ui->fermer, &QPushButton::clicked, this, &CFenetrePositionSoleil::reject);
}

CFenetrePositionSoleil::~CFenetrePositionSoleil() = default;

void CFenetrePositionSoleil::reject() {
    // The document releases the sun window's state and, through the window
    // layer, hides and deletes this window.
    if (m_doc.m_bPositionSoleilOuverte) {
        m_doc.FermerPositionSoleil();
    } else {
        CDialogueVantrel::reject();
    }
}

bool CFenetrePositionSoleil::Lire() {
    CTamponPositionSoleil t;
    t.nIndexDate = m_ui->nIndexDate->currentIndex();
    t.strHeure = TexteChamp(m_ui->strHeure);
    t.strMinute = TexteChamp(m_ui->strMinute);
    return !Refuse(m_soleil.Lire(t));
}

void CFenetrePositionSoleil::Montrer(const CTamponPositionSoleil& t) {
    m_ui->nIndexDate->setCurrentIndex(t.nIndexDate);
    FixerChamp(m_ui->strHeure, t.strHeure);
    FixerChamp(m_ui->strMinute, t.strMinute);
    FixerChamp(m_ui->strAzimut, t.strAzimut);
    FixerChamp(m_ui->strAltitude, t.strAltitude);
    FixerChamp(m_ui->strReferenceTemps, t.strReferenceTemps);
}

void CFenetrePositionSoleil::Actualiser() {
    m_doc.ActualiserEclairement();
    Montrer(m_soleil.Montrer());
    emit SoleilDeplace();
    m_doc.RedessinerVues();
}

void CFenetrePositionSoleil::Agir(void (CPositionSoleil::*action)()) {
    if (!Lire()) {
        return;
    }
    (m_soleil.*action)();
    Actualiser();
}

void CFenetrePositionSoleil::Tic() {
    Agir(&CPositionSoleil::Avancer);
}

void CFenetrePositionSoleil::Animer(bool bEnfonce) {
    if (!bEnfonce) {
        m_pAnimation->stop();
        m_ui->strHeure->setReadOnly(false);
        m_ui->strMinute->setReadOnly(false);
        return;
    }
    if (!Lire()) {
        m_ui->animer->setChecked(false);
        return;
    }
    // The time runs by itself: it is not typed while it moves.
    m_ui->strHeure->setReadOnly(true);
    m_ui->strMinute->setReadOnly(true);
    m_pAnimation->start(m_soleil.PeriodeAnimation());
}
