#pragma once

#include "modelling/Transformations.h"
#include "ui/Dialogue.h"

#include <memory>

class CVantrelDoc;
class QLineEdit;
namespace Ui {
class Transformations;
}

// "Geometrical transformations", modeless: moves the working copies of the
// selected face and of its group, which the view draws as they go, and
// writes them back (or appends them as duplicates) on "Validate >>". Every
// way of closing it runs the document's closing, which then has the window
// layer destroy it.
class CFenetreTransformations : public CDialogueVantrel {
    Q_OBJECT
public:
    CFenetreTransformations(CVantrelDoc& doc, CInteraction& interaction, QWidget* pParent);
    ~CFenetreTransformations() override;

    // The selected face's working copy, and the fields shown.
    void Ouvrir();
    // A main point picked in the view, for the focused coordinate group.
    void PointChoisi(const CVecteur& p);

    // Escape and the close box close as "Close" does.
    void reject() override;

    // Field identifiers: V's and C's coordinates, then A and F.
    enum EChamp : int { kChampVecteur = 0, kChampCentre = 3, kChampAngle = 6, kChampFacteur };

protected:
    bool eventFilter(QObject* pObjet, QEvent* pEvenement) override;

private:
    void Afficher(const CTransformations::CTampon& tampon);
    // The fields into a buffer; false after the refusal of a field.
    bool Lire(CTransformations::CTampon& tampon);
    // Runs one of the transformations on the fields read.
    void Appliquer(void (CTransformations::*pOperation)(const CTransformations::CTampon&));
    void Valider();
    void Groupe();

    CVantrelDoc& m_doc;
    CTransformations& m_transformations;
    std::unique_ptr<Ui::Transformations> m_ui;
    QLineEdit* m_vecteur[3] = {};
    QLineEdit* m_centre[3] = {};
};
