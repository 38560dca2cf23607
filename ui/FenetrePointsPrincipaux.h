#pragma once

#include "modelling/PointsPrincipaux.h"
#include "ui/Dialogue.h"

#include <memory>

class CFace;
class CVantrelDoc;
class QLineEdit;
namespace Ui {
class PointsPrincipaux;
}

// "Face main points" of the selected face, modeless: one column per main
// point, previewed on the face's working copy ("See"), written into the face
// by "Validate >>". Every way of closing it runs the document's closing,
// which then has the window layer destroy it.
class CFenetrePointsPrincipaux : public CDialogueVantrel {
    Q_OBJECT
public:
    CFenetrePointsPrincipaux(CVantrelDoc& doc, CInteraction& interaction, QWidget* pParent);
    ~CFenetrePointsPrincipaux() override;

    // The working copy of the selected face, and its columns shown.
    void Ouvrir();
    // A main point picked in the view, for the focused column.
    void PlacerPoint(const CVecteur& p);

    // Escape and the close box close as "Close" does.
    void reject() override;

protected:
    bool eventFilter(QObject* pObjet, QEvent* pEvenement) override;

private:
    CFace& Face() const;
    QLineEdit* Edit(int nColonne, int nAxe) const { return m_edits[nColonne][nAxe]; }
    void Afficher(const CTamponPoints& tampon);
    // The twelve edits into a buffer; false after the refusal of a field.
    bool Lire(CTamponPoints& tampon);
    void Voir();
    void Restaurer();
    void Valider();

    CVantrelDoc& m_doc;
    std::unique_ptr<Ui::PointsPrincipaux> m_ui;
    QLineEdit* m_edits[4][3] = {};
};
