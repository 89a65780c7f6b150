#include "shell/Screens.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/DataFiles.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Konfiguration1.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

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

// The game screen that shows the dialogs: production while it runs, else
// the laboratory; none between games.
TForm* gameScreenInFront() {
    if (Spielschirm2 && Spielschirm2->isVisible())
        return Spielschirm2;
    if (Spielschirm && Spielschirm->isVisible())
        return Spielschirm;
    return nullptr;
}

// Which window belongs to which: the main menu to the start screen (the main
// window); the game's two screens and the highscore table to the main menu;
// every dialog to the game screen that shows it.
void SetOwners() {
    Vernicura->SetOwner(VernicuraStart);
    for (TForm* form :
         {static_cast<TForm*>(Spielschirm), static_cast<TForm*>(Spielschirm2), static_cast<TForm*>(HighScore)})
        form->SetOwner(Vernicura);
    for (TForm* dialog :
         {static_cast<TForm*>(Farbenpruefung), static_cast<TForm*>(Autoproduktion),
          static_cast<TForm*>(Produktionsbeschluss), static_cast<TForm*>(NeueBasisfarben),
          static_cast<TForm*>(Ueberlauf), static_cast<TForm*>(MaxBasisfarben), static_cast<TForm*>(Kundenmanager)})
        dialog->SetOwner(gameScreenInFront);
}

// The screens after the start screen, in their order.
void CreateScreensAfterStart() {
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
    SetOwners();
}

// Runs an action (queued, once) after the first paint of the object it
// watches, so that paint reaches the screen before the action starts.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QObject* watched, std::function<void()> action) : QObject(watched), action_(std::move(action)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && action_) {
            QTimer::singleShot(0, qApp, std::exchange(action_, nullptr));
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

// Builds the screens after the start screen, once: right after the start
// screen's first paint (queued, so that paint reaches the display first), or
// at once when the player presses a key or a mouse button before that, so the
// press finds the main menu there. A failure is shown and ends the program;
// the screens built so far are destroyed when the event loop has ended.
class ScreensAfterStart : public QObject {
public:
    explicit ScreensAfterStart(std::function<void()> then) : then_(std::move(then)) {
        new AfterFirstPaint(VernicuraStart, [this] { build(); });
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            return !build();  // after a failure the press goes nowhere
        return false;
    }

private:
    // Returns false when a screen failed.
    bool build() {
        if (done_)
            return true;
        done_ = true;
        qApp->removeEventFilter(this);
        try {
            Randomize(1);
            CreateScreensAfterStart();
        } catch (const ToolkitError& e) {
            VernicuraStart->hide();
            ReportToolkitError(e.Message());
            QApplication::quit();
            return false;
        }
        if (then_)
            then_();
        return true;
    }

    std::function<void()> then_;
    bool done_ = false;
};

template <class T>
void destroy(T*& global) {
    delete global;
    global = nullptr;
}

// Reads and decodes every picture the screens are built with and cannot do
// without, so that one missing, unreadable or damaged ends the start before
// any screen shows. Decoded pictures are kept by file: the screens built
// afterwards get them without reading them again.
void CheckStartUpPictures() {
    TPicture probe(nullptr, QString(), 0, 0);
    for (const DataFiles::Entry& file : DataFiles::Table)
        if (file.FileKind == DataFiles::Kind::Picture && file.FileUse == DataFiles::Use::StartUp)
            probe.LoadFromFile(QString::fromLatin1(file.Name));
}

void NameApplication() {
    // The application's name is the error box's caption. No display name:
    // Qt would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Pigmentra"));
    // Closing the start screen ends the program; hidden screens do not count.
    QApplication::setQuitOnLastWindowClosed(false);
}

// A start-up failure: no screen is left, the error is shown.
void EndStart(const ToolkitError& e) {
    DestroyScreens();
    ReportToolkitError(e.Message());
}
}  // namespace

void CreateScreens() {
    create(VernicuraStart);
    CreateScreensAfterStart();
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
    NameApplication();
    Randomize(1);
    try {
        CreateScreens();
    } catch (const ToolkitError& e) {
        EndStart(e);
        return false;
    }
    VernicuraStart->ShowForm();
    return true;
}

int RunProgram() {
    // The start screen is shown as soon as it is built; the other screens
    // follow, in their order, right after its first paint. The pictures they
    // cannot be built without are read first, so a missing one still ends
    // the start before any screen shows.
    NameApplication();
    try {
        CheckStartUpPictures();
        create(VernicuraStart);
    } catch (const ToolkitError& e) {
        EndStart(e);
        return 0;
    }
    // PIGMENTRA_QUIT_WHEN_SHOWN, for the start-up measurement
    // (bench/startup.py): "all" ends the program once every screen exists,
    // any other value once the start screen has been painted.
    const bool measuring = qEnvironmentVariableIsSet("PIGMENTRA_QUIT_WHEN_SHOWN");
    std::unique_ptr<ScreensAfterStart> later;
    if (measuring && qgetenv("PIGMENTRA_QUIT_WHEN_SHOWN") != "all")
        new AfterFirstPaint(VernicuraStart, [] { QApplication::quit(); });
    else
        later = std::make_unique<ScreensAfterStart>(measuring ? std::function<void()>(QApplication::quit) : nullptr);
    VernicuraStart->ShowForm();
    QApplication::exec();
    DestroyScreens();
    return 0;
}
