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
#include "shell/Autotypen1.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Spiel.h"
#include "shell/Vernicura1.h"

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
                QVERIFY(PressDefault(form));
        };
    }

    // A game left running by a test that ended early is stopped here.
    ~ScreenGame() {
        if (env)
            Stop();
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
    [[nodiscard]] static bool PressDefault(TForm* form) {
        if (form->DefaultButton())
            return Player::Key(Qt::Key_Return);
        form->Close();
        return true;
    }
    std::function<void(TForm*)> onModal;

    // A new game of the given level as the main menu's "Játék" starts it
    // (with the first car colour, marked from the start), the laboratory
    // shown without the modal run.
    [[nodiscard]] bool StartLab(int level = 0) {
        TAutoTypen* marked = AutoTypenListe.at(size_t(level));
        if (!marked->Gewaehlt)
            marked->BildMouseDown();  // as the player's press on it
        if (!Vernicura->PrepareNewGame())
            return false;
        Spielschirm->PrepareGame();
        Spielschirm->ShowForm();
        clock.Jet = Spielschirm->AuswahlStrahl;
        return true;
    }

    // The production decision's Ok for an accepted recipe, without the modal run.
    void StartProduction() {
        Konfiguration->Produktionsphase = 1;
        Spielschirm2->PrepareProduction();
        Spielschirm2->ShowForm();
        clock.Jet = Spielschirm2->AuswahlStrahl;
    }

    static TBasisfarbe* Farbe(int index) { return Mischregal->Basisfarben[index].get(); }

    [[nodiscard]] static bool ClickPicture(QWidget* picture) { return Player::Click(picture); }
    [[nodiscard]] static bool SelectSwatch(int index) { return ClickPicture(Farbe(index)->Swatch); }

    // Lab: select a base colour, set the track bar and click the pot.
    [[nodiscard]] static bool LabDose(int index, int amount) {
        if (!SelectSwatch(index))
            return false;
        Spielschirm->AutoScrollBar->SetPosition(amount);
        return ClickPicture(Spielschirm->AuswahlTopf);
    }
    // Production: select a base colour, set the track bar and press Enter,
    // which the track bar receives since the swatch click gave it the focus.
    [[nodiscard]] static bool ProductionDose(int index, int amount) {
        if (!SelectSwatch(index))
            return false;
        Spielschirm2->AutoScrollBar->SetPosition(amount);
        return Player::Key(Qt::Key_Return);
    }

    static QColor PixelColour(const TPicture* picture, int x, int y) { return QColor(picture->Pixel(x, y)); }
};
