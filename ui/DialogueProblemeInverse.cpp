#include "ui/DialogueProblemeInverse.h"

#include "solar/ProblemeInverse.h"
#include "ui/EnregistrementImage.h"
#include "ui/Texte.h"
#include "ui_ProblemeInverse.h"
#include "view/Graphiques.h"

#include <QFontMetrics>

namespace {

// The chart is drawn in its own pixels: its scale labels start at x = 135,
// its texts at y = 4 and its last text ">> 21 december" at (460, 344). The
// strip left of the labels is the cone's column, so the chart widget starts
// a little before them.
constexpr int kXDebutGraphique = 128;

} // namespace

CDialogueProblemeInverse::CDialogueProblemeInverse(CProblemeInverse& probleme,
                                                   CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_probleme(probleme),
      m_ui(std::make_unique<Ui::ProblemeInverse>()) {
    m_ui->setupUi(this);
    Associer(CProblemeInverse::kChampAzimutMin, m_ui->strAzimutMin);
    Associer(CProblemeInverse::kChampAzimutMax, m_ui->strAzimutMax);
    Associer(CProblemeInverse::kChampAltitudeMin, m_ui->strAltitudeMin);
    Associer(CProblemeInverse::kChampAltitudeMax, m_ui->strAltitudeMax);

    const CTamponProblemeInverse t = m_probleme.Ouvrir();
    FixerChamp(m_ui->strAzimutMin, t.strAzimutMin);
    FixerChamp(m_ui->strAzimutMax, t.strAzimutMax);
    FixerChamp(m_ui->strAltitudeMin, t.strAltitudeMin);
    FixerChamp(m_ui->strAltitudeMax, t.strAltitudeMax);

    CZoneGraphique* pGraphique = m_ui->graphique;
    pGraphique->FixerOrigine(QPoint(kXDebutGraphique, 0));
    const QFontMetrics metriques(pGraphique->font());
    pGraphique->setMinimumSize(460 + metriques.horizontalAdvance(QStringLiteral(">> 21 december")) +
                                   8 - kXDebutGraphique,
                               344 + metriques.height() + 4);
    const auto dessin = [this](CDC* pDC) {
        DessinerGraphiqueProblemeInverse(pDC, m_probleme.m_dDurees, m_probleme.m_bCalcule);
    };
    pGraphique->FixerDessin(dessin);
    connect(m_ui->enregistrerGraphique, &QPushButton::clicked, this, [this, dessin] {
        EnregistrerGraphique(m_interaction, g_cadreGraphiqueProblemeInverse, dessin,
                             m_ui->graphique->font());
    });

    connect(m_ui->calculer, &QPushButton::clicked, this, &CDialogueProblemeInverse::Calculer);
    connect(m_ui->fermer, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueProblemeInverse::~CDialogueProblemeInverse() = default;

void CDialogueProblemeInverse::Calculer() {
    CTamponProblemeInverse t;
    t.strAzimutMin = TexteChamp(m_ui->strAzimutMin);
    t.strAzimutMax = TexteChamp(m_ui->strAzimutMax);
    t.strAltitudeMin = TexteChamp(m_ui->strAltitudeMin);
    t.strAltitudeMax = TexteChamp(m_ui->strAltitudeMax);
    Refuse(m_probleme.Calculer(t));
    m_ui->enregistrerGraphique->setEnabled(m_probleme.m_bCalcule);
    // Refused or not, the chart is repainted.
    m_ui->graphique->update();
}
