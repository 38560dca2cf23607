#include "ui/InteractionQt.h"

#include "ui/Texte.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon Icone(EIcone icone) {
    switch (icone) {
    case EIcone::Question:
        return QMessageBox::Question;
    case EIcone::Stop:
        return QMessageBox::Critical;
    case EIcone::Information:
        return QMessageBox::Information;
    case EIcone::Avertissement:
        return QMessageBox::Warning;
    case EIcone::Aucune:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons Boutons(EBoutons boutons) {
    switch (boutons) {
    case EBoutons::OuiNon:
        return QMessageBox::Yes | QMessageBox::No;
    case EBoutons::OkAnnuler:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case EBoutons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

EReponse Reponse(int nBouton) {
    switch (nBouton) {
    case QMessageBox::Yes:
        return EReponse::Oui;
    case QMessageBox::No:
        return EReponse::Non;
    case QMessageBox::Cancel:
        return EReponse::Annuler;
    default:
        return EReponse::Ok;
    }
}

} // namespace

EReponse CInteractionQt::Message(const std::string& strTexte, const std::string& strTitre,
                                 EIcone icone, EBoutons boutons) {
    QMessageBox boite(Icone(icone), DepuisCp1252(strTitre), DepuisCp1252(strTexte),
                      Boutons(boutons), m_pFenetre);
    return Reponse(boite.exec());
}

EReponse CInteractionQt::DemanderEnregistrement(const std::string& strTexte,
                                                const std::string& strTitre) {
    QMessageBox boite(QMessageBox::Warning, DepuisCp1252(strTitre), DepuisCp1252(strTexte),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_pFenetre);
    boite.setDefaultButton(QMessageBox::Yes);
    boite.setEscapeButton(QMessageBox::Cancel);
    return Reponse(boite.exec());
}

std::optional<std::string> CInteractionQt::ChoisirFichier(const CChoixFichier& choix,
                                                          bool bEnregistrer) {
    QFileDialog dialogue(m_pFenetre, DepuisCp1252(choix.strTitre));
    dialogue.setAcceptMode(bEnregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(bEnregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!choix.strFiltre.empty()) {
        dialogue.setNameFilter(DepuisCp1252(choix.strFiltre));
    }
    if (!choix.strExtension.empty()) {
        dialogue.setDefaultSuffix(DepuisCp1252(choix.strExtension));
    }
    if (!choix.strNomInitial.empty()) {
        dialogue.selectFile(DepuisCheminLocal(choix.strNomInitial));
    }
    if (bEnregistrer && !choix.bConfirmerEcrasement) {
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return CheminLocal(dialogue.selectedFiles().constFirst());
}

std::optional<std::string>
CInteractionQt::ChoisirFichierEnregistrement(const CChoixFichier& choix) {
    return ChoisirFichier(choix, true);
}

std::optional<std::string> CInteractionQt::ChoisirFichierOuverture(const CChoixFichier& choix) {
    return ChoisirFichier(choix, false);
}

void CInteractionQt::RedessinerVues() {
    if (m_redessiner) {
        m_redessiner();
    }
}
