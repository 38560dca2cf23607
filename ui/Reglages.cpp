#include "ui/Reglages.h"

#include <QSettings>

namespace {

const char* const kCleCourseSoleil = "view/sunPath";

} // namespace

bool CourseSoleilAffichee() {
    return QSettings().value(kCleCourseSoleil, false).toBool();
}

void AfficherCourseSoleil(bool bAfficher) {
    QSettings().setValue(kCleCourseSoleil, bAfficher);
}
