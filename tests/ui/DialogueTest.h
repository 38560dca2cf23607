#pragma once

#include "document/VantrelDoc.h"
#include "platform/InteractionScriptee.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// A fresh document with scripted answers, and the gestures of a user on a
// dialog's widgets, found by the names of the core's buffer fields.
class DialogueTest : public ::testing::Test {
protected:
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};

    template <class T>
    static T* Widget(QWidget* pDialogue, const char* szNom) {
        T* p = pDialogue->findChild<T*>(QString::fromLatin1(szNom));
        EXPECT_NE(p, nullptr) << szNom;
        return p;
    }
    // Replaces an edit's text as a user does: select all, type.
    static void Taper(QWidget* pDialogue, const char* szNom, const QString& texte) {
        auto* pEdit = Widget<QLineEdit>(pDialogue, szNom);
        pEdit->setFocus();
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Delete);
        for (const QChar c : texte) {
            if (c.unicode() < 128) {
                QTest::keyClick(pEdit, c.toLatin1());
            } else {
                // What a keyboard layout or an input method sends for it.
                QTest::sendKeyEvent(QTest::Click, pEdit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    static QString Texte(QWidget* pDialogue, const char* szNom) {
        return Widget<QLineEdit>(pDialogue, szNom)->text();
    }
    // Picks a drop-down entry with the keyboard, as a user does.
    static void Choisir(QWidget* pDialogue, const char* szNom, const QString& entree) {
        auto* pListe = Widget<QComboBox>(pDialogue, szNom);
        const int n = pListe->findText(entree);
        ASSERT_GE(n, 0) << entree.toStdString();
        pListe->setFocus();
        while (pListe->currentIndex() < n) {
            QTest::keyClick(pListe, Qt::Key_Down);
        }
        while (pListe->currentIndex() > n) {
            QTest::keyClick(pListe, Qt::Key_Up);
        }
    }
    // Clicks the button that shows this text.
    static void Cliquer(QWidget* pDialogue, const QString& texte) {
        for (QPushButton* p : pDialogue->findChildren<QPushButton*>()) {
            if (p->text() == texte) {
                QTest::mouseClick(p, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << texte.toStdString();
    }
    // The name under which a screen reader reads the widget that has the focus.
    static QString NomFocus() {
        QWidget* p = QApplication::focusWidget();
        return p == nullptr ? QString() : p->objectName();
    }
};
