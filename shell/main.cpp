#include "platform/Toolkit.h"
#include "shell/Screens.h"

#include <QApplication>

int main(int argc, char** argv) {
    KeepDiskCachesAtHome();
    QApplication app(argc, argv);
    return RunProgram();
}
