#include "platform/WindowSystem.h"
#include "shell/Screens.h"

#include <QApplication>

int main(int argc, char** argv) {
    ChooseWindowSystem();
    QApplication app(argc, argv);
    return RunProgram();
}
