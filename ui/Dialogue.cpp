#include "ui/Dialogue.h"

#include "platform/Interaction.h"
#include "ui/Texte.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPalette>

namespace {

// Caption of the range and format messages, as the platform gives them.
const char* const kTitreMessage = "Vantrel";

} // namespace

CDialogueVantrel::CDialogueVantrel(CInteraction& interaction, QWidget* pParent)
    : QDialog(pParent), m_interaction(interaction) {
    // Dialogs carry no context-help button.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    AppliquerCouleursOutil(this);
}

void CDialogueVantrel::Associer(int nChamp, QWidget* pChamp) {
    m_champs[nChamp] = pChamp;
}

QWidget* CDialogueVantrel::Champ(int nChamp) const {
    const auto it = m_champs.find(nChamp);
    return it == m_champs.end() ? nullptr : it->second;
}

bool CDialogueVantrel::Refuse(const CResultatValidation& resultat) {
    if (!resultat) {
        return false;
    }
    m_interaction.Message(resultat->strMessage, kTitreMessage, EIcone::Avertissement, EBoutons::Ok);
    if (QWidget* pChamp = Champ(resultat->nChamp)) {
        pChamp->setFocus(Qt::OtherFocusReason);
        if (auto* pEdit = qobject_cast<QLineEdit*>(pChamp)) {
            pEdit->selectAll();
        } else if (auto* pSpin = qobject_cast<QAbstractSpinBox*>(pChamp)) {
            pSpin->selectAll();
        }
    }
    return true;
}

std::optional<double> CDialogueVantrel::ReelDuChamp(int nChamp) {
    const auto d = LireReel(TexteChamp(qobject_cast<QLineEdit*>(Champ(nChamp))));
    if (!d) {
        Refuse(CRefus{nChamp, MessageNombreInvalide()});
    }
    return d;
}

std::optional<long> CDialogueVantrel::EntierDuChamp(int nChamp) {
    const auto n = LireEntier(TexteChamp(qobject_cast<QLineEdit*>(Champ(nChamp))));
    if (!n) {
        Refuse(CRefus{nChamp, MessageEntierInvalide()});
    }
    return n;
}

std::optional<std::string> CDialogueVantrel::TexteDuChamp(int nChamp) {
    const QString texte = qobject_cast<QLineEdit*>(Champ(nChamp))->text();
    if (const auto refus = RefusCp1252(texte)) {
        Refuse(CRefus{nChamp, *refus});
        return std::nullopt;
    }
    return VersCp1252(texte);
}

void AppliquerCouleursOutil(QWidget* pFenetre) {
    QPalette palette = pFenetre->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    pFenetre->setPalette(palette);
    pFenetre->setAutoFillBackground(true);
}

std::string TexteChamp(const QLineEdit* pEdit) {
    return VersCp1252Affichage(pEdit->text());
}

void FixerChamp(QLineEdit* pEdit, const std::string& strCp1252) {
    pEdit->setText(DepuisCp1252(strCp1252));
}

void MarquerLectureSeule(QWidget* pFenetre) {
    for (QLineEdit* pEdit : pFenetre->findChildren<QLineEdit*>()) {
        QPalette palette = pEdit->palette();
        palette.setColor(QPalette::Base, pEdit->isReadOnly()
                                             ? QColor(224, 224, 224)
                                             : pFenetre->palette().color(QPalette::Base));
        pEdit->setPalette(palette);
    }
}
