#include "app/CommandesImages.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/DialogueTailleImage.h"
#include "ui/EnregistrementImage.h"
#include "ui/ImageDessin.h"
#include "ui/VantrelView.h"
#include "view/Camera.h"
#include "view/Dessin.h"
#include "view/Vue.h"

#include <algorithm>

namespace {

// The camera as the view has it, put back when the picture is drawn.
class CSauvegardeCamera {
public:
    CSauvegardeCamera()
        : m_dEchelle(g_dEchelle), m_origine(g_ptOrigine), m_axes{g_axes[0], g_axes[1], g_axes[2]} {}
    ~CSauvegardeCamera() {
        g_dEchelle = m_dEchelle;
        g_ptOrigine = m_origine;
        for (int k = 0; k < 3; ++k) {
            g_axes[k] = m_axes[k];
        }
    }
    CSauvegardeCamera(const CSauvegardeCamera&) = delete;
    CSauvegardeCamera& operator=(const CSauvegardeCamera&) = delete;

private:
    double m_dEchelle;
    CPointEcran m_origine;
    CVecteur m_axes[3];
};

// The view drawn on a picture of another size: the scene keeps its framing,
// enlarged or reduced so that what the view shows fits the picture, centred.
QImage ImageVue(CVantrelView& vue, CVantrelDoc& doc, QSize taille) {
    if (vue.InitialisationEnAttente()) {
        ::InitialiserVue(CRectangle{0, 0, vue.width(), vue.height()});
    }
    const CSauvegardeCamera sauvegarde;
    const double k = vue.width() < 1 || vue.height() < 1
                         ? 1.0
                         : std::min(static_cast<double>(taille.width()) / vue.width(),
                                    static_cast<double>(taille.height()) / vue.height());
    g_dEchelle *= k;
    for (CVecteur& axe : g_axes) {
        axe = axe * k;
    }
    const double dx = g_ptOrigine.x - vue.width() * 0.5;
    const double dy = g_ptOrigine.y - vue.height() * 0.5;
    g_ptOrigine = CPointEcran{TronquerPixel(taille.width() * 0.5 + dx * k),
                              TronquerPixel(taille.height() * 0.5 + dy * k)};
    const CRectangle cadre{0, 0, taille.width(), taille.height()};
    return ImageDessin(
        cadre, g_brosseFond.couleur,
        [&doc](CDC* pDC) {
            OnDraw(pDC, doc, doc.m_configurationGeographique.m_nord, DonneesSoleil(doc));
        },
        vue.font());
}

void EnregistrerVue(CMainFrame& fenetre, CVantrelDoc& doc, CInteraction& interaction) {
    CVantrelView& vue = *fenetre.Vue();
    CDialogueTailleImage dialogue(vue.size(), interaction, &fenetre);
    if (dialogue.exec() != QDialog::Accepted) {
        return;
    }
    const std::optional<std::string> chemin =
        interaction.ChoisirFichierEnregistrement(ChoixImageVue());
    if (!chemin) {
        return;
    }
    const QImage image = ImageVue(vue, doc, dialogue.Taille());
    // The faces remember where they were drawn, for the mouse: the view
    // draws them again where it shows them.
    vue.update();
    std::string strErreur;
    if (!EnregistrerPng(image, *chemin, strErreur)) {
        SignalerEchecImage(interaction, strErreur);
    }
}

} // namespace

void BrancherImages(Gestionnaires& gestionnaires, CMainFrame& fenetre, CVantrelDoc& doc,
                    CInteraction& interaction) {
    gestionnaires[ID_EXPORTER_VUE] = [&fenetre, &doc, &interaction] {
        EnregistrerVue(fenetre, doc, interaction);
    };
}
