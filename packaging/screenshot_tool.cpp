// Makes the screenshots for the README and the AppStream metadata. Starts the
// game as the installed program does, plays a short game through the real
// buttons, pictures and track bars, and saves three screens as PNG files into
// the folder given as the only argument:
//   pigmentra-menu.png        the main menu with a car colour and a level picked
//   pigmentra-laboratory.png  the laboratory after a few dosing steps
//   pigmentra-production.png  the production screen after one dosing step
// Run it from the game's run folder (it reads the game's files from the
// working directory), under Xvfb or offscreen: scripts/screenshots.sh.
#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "screens/Dosierschritt.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Autofarben1.h"
#include "shell/Autotypen1.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace {

// Time between two steps of the tour: enough for the screens to repaint and
// for the sounds started by a step to get going.
constexpr int StepPause = 300;
// The whole tour takes a few seconds; a game that hangs ends the tool.
constexpr int Watchdog = 90000;

QString outputDir;
int failures = 0;

void fail(const QString& what) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(what));
    ++failures;
}

void save(QWidget* form, const QString& name) {
    if (!form || !form->isVisible()) {
        fail(name + QStringLiteral(": the screen is not shown"));
        return;
    }
    const QString path = QDir(outputDir).filePath(name);
    if (!form->grab().save(path, "PNG"))
        fail(QStringLiteral("cannot write ") + path);
    else
        std::printf("%s\n", qPrintable(path));
}

void click(QWidget* widget, const char* what) {
    if (!widget) {
        fail(QStringLiteral("no ") + QLatin1String(what));
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton);
}

TBasisfarbe* baseColour(int index) {
    if (!Mischregal || index < 0 || index >= int(Mischregal->Basisfarben.size()))
        return nullptr;
    return Mischregal->Basisfarben[index].get();
}

// The components of a recipe, largest amount first.
std::vector<int> components(const TRezeptur* recipe) {
    std::vector<std::pair<double, int>> parts;
    for (int k = 0; recipe && k < recipe->Count; ++k)
        if (recipe->Indices[k] >= 0)
            parts.emplace_back(recipe->Amounts[k], recipe->Indices[k]);
    std::sort(parts.begin(), parts.end(), [](auto& a, auto& b) { return a.first > b.first; });
    std::vector<int> indices;
    for (const auto& part : parts)
        indices.push_back(part.second);
    return indices;
}

// The steps of the tour. The next step is scheduled before a step runs,
// because a step may start a modal run (the laboratory, production) that the
// following steps then take place in.
class Tour {
public:
    void Add(std::function<void()> step) { steps_.push_back(std::move(step)); }
    void Next() {
        if (next_ >= steps_.size())
            return;
        std::function<void()> step = steps_[next_++];
        QTimer::singleShot(StepPause, [this] { Next(); });
        step();
    }

private:
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
};

void buildTour(Tour& tour) {
    // Start screen: "Start" opens the main menu.
    tour.Add([] { click(VernicuraStart ? VernicuraStart->Ok : nullptr, "start button"); });

    // Main menu: a car colour from the middle of the catalogue, the second
    // level and a player's name.
    tour.Add([] {
        if (!Vernicura || AutoFarbenListe.size() < 12 || AutoTypenListe.size() < 2) {
            fail(QStringLiteral("the main menu has no car colours or levels"));
            return;
        }
        TAutoFarben* car = AutoFarbenListe[10];
        if (!car->Gewaehlt)
            click(car->Bild, "car picture");
        Vernicura->AutofarbenAuswahl->ensureWidgetVisible(car->Bild);
        if (!AutoTypenListe[1]->Gewaehlt)
            click(AutoTypenListe[1]->Bild, "level picture");
        Vernicura->Spieler1Name->clear();
        QTest::keyClicks(Vernicura->Spieler1Name, QStringLiteral("Anna"));
    });
    tour.Add([] { save(Vernicura, QStringLiteral("pigmentra-menu.png")); });

    // "Játék": the laboratory runs modally from here on.
    tour.Add([] { click(Vernicura ? Vernicura->Ok : nullptr, "play button"); });

    // Laboratory: three doses of the target's own components.
    tour.Add([] {
        if (!Spielschirm || !AktuelleTonvorlage) {
            fail(QStringLiteral("the laboratory has no game"));
            return;
        }
        const std::vector<int> parts = components(AktuelleTonvorlage->Rezeptur.get());
        const int amounts[] = {80, 35, 15};
        for (size_t k = 0; k < parts.size() && k < 3; ++k) {
            TBasisfarbe* colour = baseColour(parts[k]);
            click(colour ? colour->Swatch.data() : nullptr, "swatch");
            Spielschirm->AutoScrollBar->SetPosition(amounts[k]);
            click(Spielschirm->AuswahlTopf, "mixing pot");
        }
    });
    tour.Add([] { save(Spielschirm, QStringLiteral("pigmentra-laboratory.png")); });

    // The target's recipe into the mixture (the hidden area in the bottom
    // bar), handed in; the accepted recipe's "Ok" starts production.
    tour.Add([] {
        if (!Spielschirm)
            return;
        click(Spielschirm->Boss, "hidden area");
        if (Spielschirm->RezeptAusliefern)
            Spielschirm->RezeptAusliefern->click();
    });
    tour.Add([] {
        if (!Produktionsbeschluss || !Produktionsbeschluss->isVisible() || !Produktionsbeschluss->RecipeAccepted) {
            fail(QStringLiteral("the recipe was not accepted"));
            return;
        }
        Produktionsbeschluss->Button1->click();
    });

    // Production: one dose of the under-dosed main component, by Enter in
    // the track bar.
    tour.Add([] {
        if (!Spielschirm2 || !Spielschirm2->isVisible()) {
            fail(QStringLiteral("production did not start"));
            return;
        }
        const std::vector<int> parts = components(AktuelleTonvorlage->Rezeptur.get());
        TBasisfarbe* main = parts.empty() ? nullptr : baseColour(parts.front());
        click(main ? main->Swatch.data() : nullptr, "swatch");
        // The track bar holds the component's total: two fifths more of it.
        TTrackBar* bar = Spielschirm2->AutoScrollBar;
        bar->SetPosition(std::min(bar->Max(), bar->Position() + bar->Position() * 2 / 5));
        QTest::keyClick(Spielschirm2->AutoScrollBar, Qt::Key_Return);
    });
    tour.Add([] { save(Spielschirm2, QStringLiteral("pigmentra-production.png")); });

    // "Vége" abandons the game; "Vége" in the main menu ends the program.
    tour.Add([] {
        if (Spielschirm2 && Spielschirm2->isVisible())
            Spielschirm2->Ende->click();
        if (Spielschirm && Spielschirm->isVisible())
            Spielschirm->Ende->click();
    });
    tour.Add([] {
        if (Vernicura)
            Vernicura->Ende->click();
        else
            QApplication::quit();
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pigmentra_screenshots <output-folder>\n");
        return 2;
    }
    outputDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    if (!StartProgram())
        return 1;

    // Modal notices met on the way (the customer manager, new base colours)
    // are answered as a player would: their default button.
    TForm::ModalHook = [](TForm* form) {
        if (form == Spielschirm || form == Spielschirm2)
            return;
        if (form->DefaultButton())
            form->DefaultButton()->click();
        else
            form->Close();
    };
    QTimer::singleShot(Watchdog, [] {
        std::fprintf(stderr, "screenshots: the tour did not finish\n");
        std::_Exit(1);
    });

    Tour tour;
    buildTour(tour);
    QTimer::singleShot(StepPause, [&tour] { tour.Next(); });
    QApplication::exec();
    TForm::ModalHook = nullptr;
    DestroyScreens();
    return failures == 0 ? 0 : 1;
}
