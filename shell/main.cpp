#include "platform/Folders.h"
#include "platform/Toolkit.h"
#include "platform/WindowSystem.h"
#include "shell/Screens.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Both read the environment Qt starts from, so they come first.
    ChooseWindowSystem();
    KeepDiskCachesAtHome();
    QApplication app(argc, argv);
    return RunProgram();
}
