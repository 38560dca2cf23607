#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Failures print texts as texts.
inline void PrintTo(const QString& texte, std::ostream* pFlux) {
    *pFlux << '"' << texte.toStdString() << '"';
}

// The gestures of a user on a window's widgets, found by the names of the
// core's buffer fields (or, for a button, by its text).
struct Gestes {
    template <class T>
    static T* Widget(QWidget* pFenetre, const char* szNom) {
        T* p = pFenetre->findChild<T*>(QString::fromLatin1(szNom));
        EXPECT_NE(p, nullptr) << szNom;
        return p;
    }
    // Clicks the button of this name or showing this text; a check box or a
    // radio button on its box.
    static void Cliquer(QWidget* pFenetre, const QString& texte) {
        for (QAbstractButton* p : pFenetre->findChildren<QAbstractButton*>()) {
            if (p->objectName() == texte || p->text() == texte) {
                const bool bCase = qobject_cast<QCheckBox*>(p) || qobject_cast<QRadioButton*>(p);
                QTest::mouseClick(p, Qt::LeftButton, {},
                                  bCase ? QPoint(6, p->height() / 2) : p->rect().center());
                return;
            }
        }
        ADD_FAILURE() << "no button " << texte.toStdString();
    }
    // What a field shows: an edit's text, a drop-down's entry, a page's
    // number, a check box's 1 or 0.
    static QString Vu(QWidget* p) {
        if (auto* pListe = qobject_cast<QComboBox*>(p)) {
            return pListe->currentText();
        }
        if (auto* pPages = qobject_cast<QTabWidget*>(p)) {
            return QString::number(pPages->currentIndex());
        }
        if (auto* pBouton = qobject_cast<QAbstractButton*>(p)) {
            return pBouton->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        }
        return qobject_cast<QLineEdit*>(p)->text();
    }
    // Plays gestures written "a;b;...", each on the widget of its name:
    // "name=value" types in an edit (select all, type), picks a drop-down's
    // entry with the keyboard, clicks a list's entry or a page's tab by
    // number; "name" clicks a button (or the one showing this text);
    // "name!" presses Enter in it; "name?value" checks what it shows.
    static void Jouer(QWidget* pFenetre, const char* szGestes) {
        for (const QString& geste : QString::fromUtf8(szGestes).split(';')) {
            const qsizetype n = geste.indexOf(QRegularExpression(QStringLiteral("[=?!]")));
            const QString nom = geste.left(n);
            const QString valeur = geste.mid(n + 1);
            if (n < 0) {
                Cliquer(pFenetre, nom);
                continue;
            }
            auto* p = pFenetre->findChild<QWidget*>(nom);
            ASSERT_NE(p, nullptr) << nom.toStdString();
            if (geste[n] == '!') {
                QTest::keyClick(p, Qt::Key_Return);
            } else if (geste[n] == '?') {
                EXPECT_EQ(Vu(p), valeur) << nom.toStdString();
            } else if (auto* pChoix = qobject_cast<QComboBox*>(p)) {
                const int k = pChoix->findText(valeur);
                ASSERT_GE(k, 0) << valeur.toStdString();
                pChoix->setFocus();
                while (pChoix->currentIndex() != k) {
                    QTest::keyClick(pChoix, pChoix->currentIndex() < k ? Qt::Key_Down : Qt::Key_Up);
                }
            } else if (auto* pListe = qobject_cast<QListWidget*>(p)) {
                QTest::mouseClick(pListe->viewport(), Qt::LeftButton, {},
                                  pListe->visualItemRect(pListe->item(valeur.toInt())).center());
            } else if (auto* pPages = qobject_cast<QTabWidget*>(p)) {
                QTest::mouseClick(pPages->tabBar(), Qt::LeftButton, {},
                                  pPages->tabBar()->tabRect(valeur.toInt()).center());
            } else {
                auto* pEdit = qobject_cast<QLineEdit*>(p);
                ASSERT_NE(pEdit, nullptr) << nom.toStdString();
                pEdit->setFocus();
                pEdit->selectAll();
                QTest::keyClick(pEdit, Qt::Key_Delete);
                for (const QChar c : valeur) {
                    if (c.unicode() < 128) {
                        QTest::keyClick(pEdit, c.toLatin1());
                    } else { // what a keyboard layout or an input method sends
                        QTest::sendKeyEvent(QTest::Click, pEdit, Qt::Key_unknown, QString(c), {});
                    }
                }
            }
        }
    }
    // The window takes the keyboard, as the window manager gives it.
    static void Activer(QWidget* pFenetre) {
        pFenetre->activateWindow();
        // A dialog shares its parent's activation: wait for its own.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == pFenetre; }));
    }
    // Runs the action, then the gestures on the modal dialog it shows (a
    // command's, or one a click opens over the current one); they must close
    // it (it is cancelled otherwise). The action may turn the event loop
    // before its dialog shows ("Mesh generation..." is painted first).
    static void Modal(const std::function<void()>& action,
                      const std::function<void(QDialog*)>& gestes) {
        QWidget* pAvant = QApplication::activeModalWidget();
        bool bVu = false;
        QTimer attente;
        QObject::connect(&attente, &QTimer::timeout, [&] {
            auto* pDialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (pDialogue == nullptr || pDialogue == pAvant) {
                return;
            }
            attente.stop();
            bVu = true;
            Activer(pDialogue);
            gestes(pDialogue);
            if (pDialogue->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                pDialogue->reject();
            }
        });
        attente.start(0);
        action();
        EXPECT_TRUE(bVu) << "no modal dialog";
    }
};
