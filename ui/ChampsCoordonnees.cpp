#include "ui/ChampsCoordonnees.h"

#include "solar/Saisie.h"
#include "ui/Dialogue.h"

#include <QLineEdit>

void FixerCoordonnee(QLineEdit* pEdit, double d) {
    FixerChamp(pEdit, TexteResultat(d));
    pEdit->setCursorPosition(0);
}

CResultatValidation LireCoordonnee(const QLineEdit* pEdit, int nChamp, double& d) {
    const std::optional<double> v = LireReel(TexteChamp(pEdit));
    if (!v) {
        return CRefus{nChamp, MessageNombreInvalide()};
    }
    d = *v;
    return std::nullopt;
}
