#include "app/VantrelApp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before Qt looks for a display, so that it works anywhere
    // (packaging checks, a terminal without one).
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vantrel %s\n", VANTREL_VERSION);
            return 0;
        }
    }
    QApplication application(argc, argv);
    CVantrelApp vantrel;
    if (!vantrel.InitInstance(QApplication::arguments())) {
        return vantrel.CodeSortie();
    }
    return QApplication::exec();
}
