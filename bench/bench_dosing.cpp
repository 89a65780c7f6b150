// One dosing step of the laboratory and one of the production screen, with
// the twelve real screens built offscreen. The jet's deliberate pause is left
// out: the clock's Sleep does nothing. The repaints the step causes happen
// inside the timed region: the screen is shown, and the pending paint events
// are processed before the clock stops (argument 1 also repaints the whole
// form, an upper bound). The track bar is moved and its own repaint done
// before the clock starts, as the player's input.
//
// The customer manager's scene comes now and then during a step (a modal
// form, answered at once here, its clip played by a silent player); those
// steps are counted in the mean; median_ms is the plain step, max_ms the
// slowest.
#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Media.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace {
class NoPauseClock : public TClock {
public:
    double LocalTimeOfDay() override { return 0.5; }
    QTime UtcTime() override { return QTime(12, 0); }
    void Sleep(int) override {}
};

class SilentPlayer : public TMediaPlayer {
public:
    void SetFileName(const QString&) override {}
    void Open() override {}
    void Play() override {}
    void Close() override {}
    void SetDisplay(QWidget*) override {}
};

NoPauseClock clock_;
int failures = 0;

void FlushPaints() { QCoreApplication::processEvents(); }

// The screens once per process, as start-up builds them.
void BuildScreens() {
    static bool built = false;
    if (built)
        return;
    built = true;
    SetClock(&clock_);
    SetMediaPlayerFactory([](const QString&) { return std::make_unique<SilentPlayer>(); });
    SetAudioOutputCounter([] { return 0; });
    SetToolkitErrorReporter([](const QString&) { ++failures; });
    SetGameMessageReporter([](const QString&) { ++failures; });
    // Modal forms met during a step are answered as a player would.
    TForm::ModalHook = [](TForm* form) {
        if (form->DefaultButton())
            form->DefaultButton()->click();
        else
            form->Close();
    };
    Randomize(1);
    CreateScreens();
}

// A new game as the main menu starts it, without the modal run, shown.
void StartLab() {
    BuildScreens();
    Konfiguration->ApplyLevel(0);
    Konfiguration->Produktionsphase = 0;
    Punktestand = 0;
    Spielschirm->RefreshPoints();
    Spielschirm->PrepareGame();
    Spielschirm->ShowForm();
    FlushPaints();
}

void LabDose(int index, int amount) {
    Mischregal->Basisfarben[size_t(index)]->SwatchClick();
    Spielschirm->AutoScrollBar->SetPosition(amount);
    Spielschirm->AutoScrollBar1Change();
}

// The median step (the plain step: the customer manager comes only now and
// then) and the slowest.
void Report(benchmark::State& state, std::vector<double> seconds) {
    if (!seconds.empty()) {
        std::sort(seconds.begin(), seconds.end());
        state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
        state.counters["max_ms"] = seconds.back() * 1e3;
    }
    if (failures > 0)
        state.SkipWithError("the game reported an error");
}
}  // namespace

static void BM_LabDosingStep(benchmark::State& state) {
    const bool wholeForm = state.range(0) != 0;
    StartLab();
    Mischregal->Basisfarben[3]->SwatchClick();
    FlushPaints();
    int amount = 40;
    std::vector<double> steps;
    QElapsedTimer timer;
    for (auto _ : state) {
        // Each step changes the amount: up one unit, then down again.
        amount = amount == 40 ? 41 : 40;
        Spielschirm->AutoScrollBar->SetPosition(amount);
        FlushPaints();
        timer.start();
        Spielschirm->AutoScrollBar1Change();
        FlushPaints();
        if (wholeForm)
            Spielschirm->repaint();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        steps.push_back(seconds);
    }
    Report(state, std::move(steps));
    Spielschirm->ProgrammEnde();
    FlushPaints();
}
BENCHMARK(BM_LabDosingStep)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

static void BM_ProductionDosingStep(benchmark::State& state) {
    const bool wholeForm = state.range(0) != 0;
    // An accepted recipe of two base colours: a batch of about 7300 units
    // (main component at 60 %), so the vessel holds the steps below without
    // overflowing.
    StartLab();
    LabDose(3, 40);
    LabDose(5, 20);
    Konfiguration->Produktionsphase = 1;
    Spielschirm2->PrepareProduction();
    Spielschirm2->ShowForm();
    FlushPaints();
    TBasisfarbe* farbe = Mischregal->Basisfarben[5].get();
    farbe->SwatchClick();
    FlushPaints();
    std::vector<double> steps;
    QElapsedTimer timer;
    for (auto _ : state) {
        // One unit more at every step; a batch amount can only grow.
        Spielschirm2->AutoScrollBar->SetPosition(int(farbe->Amount) + 1);
        FlushPaints();
        timer.start();
        Spielschirm2->AutoScrollBarChange();
        FlushPaints();
        if (wholeForm)
            Spielschirm2->repaint();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        steps.push_back(seconds);
    }
    if (Ueberlauf->isVisible())
        state.SkipWithError("the vessel overflowed: the steps measured include the overflow");
    Report(state, std::move(steps));
    Spielschirm2->ProgrammEnde();
    FlushPaints();
}
BENCHMARK(BM_ProductionDosingStep)->Arg(0)->Arg(1)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The game reads its pictures from the working directory.
    QDir::setCurrent(QStringLiteral(PIGMENTRA_RUN_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyScreens();
    return 0;
}
