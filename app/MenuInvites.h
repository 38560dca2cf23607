#pragma once

#include <QMenu>

class QAction;

// A menu that sends the status prompt of the item under the mouse or the
// keyboard highlight to a target window, disabled items included, and the
// empty prompt (the idle text) when it closes.
class CMenuInvites : public QMenu {
    Q_OBJECT
public:
    CMenuInvites(const QString& titre, QWidget* pParent, QWidget* pCible);

protected:
    bool event(QEvent* pEvenement) override;

private:
    void Annoncer(const QAction* pAction);

    QWidget* m_pCible;
};
