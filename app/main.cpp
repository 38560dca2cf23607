#include "app/VantrelApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CVantrelApp vantrel;
    if (!vantrel.InitInstance(QApplication::arguments())) {
        return vantrel.CodeSortie();
    }
    return QApplication::exec();
}
