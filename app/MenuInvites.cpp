#include "app/MenuInvites.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStatusTipEvent>

CMenuInvites::CMenuInvites(const QString& titre, QWidget* pParent, QWidget* pCible)
    : QMenu(titre, pParent), m_pCible(pCible) {}

bool CMenuInvites::event(QEvent* pEvenement) {
    const bool bTraite = QMenu::event(pEvenement);
    switch (pEvenement->type()) {
    case QEvent::MouseMove: {
        // Qt highlights no disabled item, yet its prompt says what it does.
        const QPoint p = static_cast<QMouseEvent*>(pEvenement)->position().toPoint();
        const QAction* pAction = actionAt(p);
        Annoncer(pAction != nullptr ? pAction : activeAction());
        break;
    }
    case QEvent::KeyPress:
    case QEvent::Leave:
        Annoncer(activeAction());
        break;
    case QEvent::Hide:
        Annoncer(nullptr);
        break;
    default:
        break;
    }
    return bTraite;
}

void CMenuInvites::Annoncer(const QAction* pAction) {
    if (m_pCible == nullptr) {
        return;
    }
    QStatusTipEvent invite(pAction != nullptr ? pAction->statusTip() : QString());
    QCoreApplication::sendEvent(m_pCible, &invite);
}
