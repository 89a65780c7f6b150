#include "shell/Screens.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Konfiguration1.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QApplication>
#include <QTimer>

namespace {
// Each constructor sets its global first; a constructor that fails leaves a
// pointer to an object that no longer exists, so the global is cleared here.
template <class T>
void create(T*& global) {
    try {
        new T();
    } catch (...) {
        global = nullptr;
        throw;
    }
}

// For the start-up measurement (bench/startup.py): ends the program once the
// start screen has been painted.
class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

template <class T>
void destroy(T*& global) {
    delete global;
    global = nullptr;
}
}  // namespace

void CreateScreens() {
    create(VernicuraStart);
    create(Vernicura);
    create(Spielschirm);
    create(Spielschirm2);
    create(Farbenpruefung);
    create(Autoproduktion);
    create(Produktionsbeschluss);
    create(NeueBasisfarben);
    create(Ueberlauf);
    create(MaxBasisfarben);
    create(Kundenmanager);
    create(HighScore);
}

void DestroyScreens() {
    destroy(HighScore);
    destroy(Kundenmanager);
    destroy(MaxBasisfarben);
    destroy(Ueberlauf);
    destroy(NeueBasisfarben);
    destroy(Produktionsbeschluss);
    destroy(Autoproduktion);
    destroy(Farbenpruefung);
    destroy(Spielschirm2);
    destroy(Spielschirm);
    destroy(Vernicura);
    destroy(VernicuraStart);
}

bool StartProgram() {
    // The application's name is the error box's caption. No display name:
    // Qt would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Pigmentra"));
    // Closing the start screen ends the program; hidden screens do not count.
    QApplication::setQuitOnLastWindowClosed(false);
    Randomize(1);
    try {
        CreateScreens();
    } catch (const ToolkitError& e) {
        DestroyScreens();
        ReportToolkitError(e.Message());
        return false;
    }
    VernicuraStart->ShowForm();
    return true;
}

int RunProgram() {
    if (!StartProgram())
        return 0;
    if (qEnvironmentVariableIsSet("PIGMENTRA_QUIT_WHEN_SHOWN"))
        VernicuraStart->installEventFilter(new QuitWhenPainted(VernicuraStart));
    QApplication::exec();
    DestroyScreens();
    return 0;
}
