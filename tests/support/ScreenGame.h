#pragma once
// Driving the laboratory and production screens in tests: the twelve real
// screens with fake media and a clock that also watches the jet, games set up
// the way the main menu and the production decision set them up, and the
// real widgets clicked by their names.
#include "support/TestSupport.h"

#include "colour/Basisfarbe1.h"
#include "colour/Historie1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "screens/Dosierschritt.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Spiel.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

// The fake clock, also telling at every pause whether the jet is on screen.
class WatchingClock : public FakeClock {
public:
    QList<bool> JetShownAtSleep;
    TPicture* Jet = nullptr;
    void Sleep(int milliseconds) override {
        FakeClock::Sleep(milliseconds);
        JetShownAtSleep.append(Jet && Jet->isVisible());
    }
};

class ScreenGame {
public:
    std::unique_ptr<TestEnvironment> env;
    WatchingClock clock;
    // Modal forms met during a test, by objectName, in order.
    QStringList modalForms;

    // The twelve screens, a game object set, and modal forms answered with
    // their default button (the customer manager, the drift notice).
    void Start() {
        env = std::make_unique<TestEnvironment>();
        clock.Now = 0.5;
        clock.Sleeps.clear();
        clock.JetShownAtSleep.clear();
        clock.Jet = nullptr;
        modalForms.clear();
        onModal = nullptr;
        SetClock(&clock);
        Randomize(1);
        CreateScreens();
        env->onModal = [this](TForm* form) {
            modalForms << form->objectName();
            if (onModal)
                onModal(form);
            else
                PressDefault(form);
        };
    }

    void Stop() {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        DestroyScreens();
        onModal = nullptr;
        clock.Jet = nullptr;
        env.reset();
        SetClock(nullptr);
    }

    // Answers a modal form as a player would: Enter, which presses its
    // default button; a form without one is closed.
    static void PressDefault(TForm* form) {
        if (form->DefaultButton())
            Player::Key(Qt::Key_Return);
        else
            form->Close();
    }
    std::function<void(TForm*)> onModal;

    // A new game as the main menu's "Játék" starts it, without the modal run.
    void StartLab(int level = 0) {
        Konfiguration->ApplyLevel(level);
        Konfiguration->Produktionsphase = 0;
        Punktestand = 0;
        Spielschirm->RefreshPoints();
        Spielschirm->PrepareGame();
        Spielschirm->ShowForm();
        clock.Jet = Spielschirm->AuswahlStrahl;
    }

    // The production decision's Ok for an accepted recipe, without the modal run.
    void StartProduction() {
        Konfiguration->Produktionsphase = 1;
        Spielschirm2->PrepareProduction();
        Spielschirm2->ShowForm();
        clock.Jet = Spielschirm2->AuswahlStrahl;
    }

    static TBasisfarbe* Farbe(int index) { return Mischregal->Basisfarben[index].get(); }

    static void ClickPicture(QWidget* picture) { Player::Click(picture); }
    static void SelectSwatch(int index) { ClickPicture(Farbe(index)->Swatch); }

    // Lab: select a base colour, set the track bar and click the pot.
    static void LabDose(int index, int amount) {
        SelectSwatch(index);
        Spielschirm->AutoScrollBar->SetPosition(amount);
        ClickPicture(Spielschirm->AuswahlTopf);
    }
    // Production: select a base colour, set the track bar and press Enter,
    // which the track bar receives since the swatch click gave it the focus.
    static void ProductionDose(int index, int amount) {
        SelectSwatch(index);
        Spielschirm2->AutoScrollBar->SetPosition(amount);
        Player::Key(Qt::Key_Return);
    }

    static QColor PixelColour(const TPicture* picture, int x, int y) { return QColor(picture->Pixel(x, y)); }
};
