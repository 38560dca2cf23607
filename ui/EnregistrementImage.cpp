#include "ui/EnregistrementImage.h"

#include "ui/ImageDessin.h"
#include "ui/Texte.h"

void SignalerEchecImage(CInteraction& interaction, const std::string& strErreur) {
    interaction.Message(VersCp1252Affichage(DepuisCheminLocal(strErreur)), "Vantrel", EIcone::Stop,
                        EBoutons::Ok);
}

void EnregistrerGraphique(CInteraction& interaction, const CRectangle& cadre,
                          const FonctionDessin& dessin, const QFont& police) {
    const std::optional<std::string> chemin =
        interaction.ChoisirFichierEnregistrement(ChoixImageGraphique());
    if (!chemin) {
        return;
    }
    std::string strErreur;
    if (!EnregistrerDessin(*chemin, cadre, g_couleurFondGraphique, dessin, police, strErreur)) {
        SignalerEchecImage(interaction, strErreur);
    }
}
