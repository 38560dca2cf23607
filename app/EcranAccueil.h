#pragma once

#include <QDialog>
#include <QPixmap>

class QPushButton;
class QTimer;

// The splash screen shown once at start-up: the picture, the version and
// author lines, and a ">>" button. It closes by itself after its delay, or at
// once on ">>", Enter or Escape.
class CEcranAccueil : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDelaiMs = 2500;

    explicit CEcranAccueil(QWidget* pParent = nullptr, int nDelaiMs = kDelaiMs);

    QTimer* Minuterie() const { return m_pMinuterie; }
    QPushButton* BoutonSuite() const { return m_pSuite; }

    void done(int nResultat) override;

protected:
    void showEvent(QShowEvent* pEvenement) override;
    void hideEvent(QHideEvent* pEvenement) override;
    void paintEvent(QPaintEvent* pEvenement) override;

private:
    QPixmap m_image;
    QTimer* m_pMinuterie = nullptr;
    QPushButton* m_pSuite = nullptr;
};
