#pragma once

#include "ui/Dialogue.h"

#include <QSize>

#include <memory>

namespace Ui {
class TailleImage;
}

// The size of the view's picture: the view's own at first, or one typed in
// pixels, which the core's rule checks on "Save...". "Window's size" puts
// the view's size back.
class CDialogueTailleImage : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueTailleImage(QSize tailleVue, CInteraction& interaction, QWidget* pParent = nullptr);
    ~CDialogueTailleImage() override;

    // The accepted size.
    QSize Taille() const { return m_taille; }

private:
    void Afficher(QSize taille);
    void Valider();

    std::unique_ptr<Ui::TailleImage> m_ui;
    QSize m_taille;
};
