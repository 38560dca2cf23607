#include "ui/FenetreGenerationMaillage.h"

#include "ui/Dialogue.h"
#include "ui_GenerationMaillage.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QWindow>

bool GenererSousFenetre(QWidget* pParent, const std::function<bool()>& generer) {
    QDialog fenetre(pParent);
    Ui::GenerationMaillage ui;
    ui.setupUi(&fenetre);
    fenetre.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    fenetre.setWindowFlag(Qt::WindowCloseButtonHint, false);
    AppliquerCouleursOutil(&fenetre);
    fenetre.show();
    // The generation holds the event loop: the window must be on the screen
    // and painted before it starts, not a blank frame.
    const QDeadlineTimer limite(1000);
    while (!limite.hasExpired() &&
           (fenetre.windowHandle() == nullptr || !fenetre.windowHandle()->isExposed())) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    fenetre.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return generer();
}
