#pragma once

#include <QDialog>

// The About box: the program's icon, version and author lines, the credit of
// the English translation, and the licence notice.
class CAPropos : public QDialog {
    Q_OBJECT
public:
    explicit CAPropos(QWidget* pParent = nullptr);

    // The notice shown in the box's text field.
    static QString Licence();
};
