#include "app/EcranAccueil.h"

#include "ui/UnitesDialogue.h"
#include "app/Icones.h"
#include "document/Commandes.h"
#include "ui/Texte.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

// The grey of the program's tool windows, and its white texts.
const QColor kGris(128, 128, 128);

// White on the window's grey: a label paints no background of its own.
QLabel* TexteBlanc(const QString& texte, QWidget* pParent) {
    auto* pTexte = new QLabel(texte, pParent);
    QPalette palette = pTexte->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    pTexte->setPalette(palette);
    return pTexte;
}

} // namespace

CEcranAccueil::CEcranAccueil(QWidget* pParent, int nDelaiMs)
    : QDialog(pParent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setFixedSize(UnitesX(327), UnitesY(158));
    m_image = ImageAccueil();

    QLabel* pVersion =
        TexteBlanc(DepuisCp1252("Vantrel version 1.4 us   --   Sunniness optimization"), this);
    pVersion->setObjectName(QStringLiteral("TexteVersion"));
    pVersion->setGeometry(RectangleUnites(11, 131, 255, 10));
    QLabel* pAuteur =
        TexteBlanc(DepuisCp1252(std::string("Freeware   --   Author ") + kAdresseAuteur), this);
    pAuteur->setObjectName(QStringLiteral("TexteAuteur"));
    pAuteur->setGeometry(RectangleUnites(11, 144, 255, 10));

    m_pSuite = new QPushButton(QStringLiteral(">>"), this);
    m_pSuite->setFlat(true);
    m_pSuite->setDefault(true);
    m_pSuite->setAutoDefault(true);
    m_pSuite->setGeometry(RectangleUnites(270, 137, 50, 14));
    connect(m_pSuite, &QPushButton::clicked, this, &QDialog::accept);

    m_pMinuterie = new QTimer(this);
    m_pMinuterie->setSingleShot(true);
    m_pMinuterie->setInterval(nDelaiMs);
    connect(m_pMinuterie, &QTimer::timeout, this, &QDialog::accept);
}

void CEcranAccueil::showEvent(QShowEvent* pEvenement) {
    QDialog::showEvent(pEvenement);
    m_pSuite->setFocus();
    m_pMinuterie->start();
}

void CEcranAccueil::hideEvent(QHideEvent* pEvenement) {
    m_pMinuterie->stop();
    QDialog::hideEvent(pEvenement);
}

void CEcranAccueil::done(int nResultat) {
    // No late timeout may close anything once the screen is gone.
    m_pMinuterie->stop();
    QDialog::done(nResultat);
}

void CEcranAccueil::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGris);
    painter.drawPixmap(0, 0, m_image);
}
