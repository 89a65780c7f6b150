// Makes a picture of every screen and dialog in every state a player meets,
// and one contact sheet of them all. Starts the game as the installed program
// does, plays through the real buttons, pictures and track bars, and saves
// each form as a PNG file into the folder given as the only argument. The
// README and the AppStream metadata use three of them:
//   pigmentra-menu.png        the main menu with a car colour and a level picked
//   pigmentra-laboratory.png  the laboratory after a few dosing steps
//   pigmentra-production.png  the production screen after one dosing step
// Everything else is for looking at after any change to artwork or layout:
// the start screen, the rules box, the error box, the highscore with 30
// entries, both recipe decisions, the colour check (plain, with gap,
// swapped), the too-many-base-colours, new-base-colours and overflow
// notices, the production screen during the overflow's pause, both verdicts and the customer manager with a frame of
// its clip. Run it from the game's run folder (it reads the game's files from the working directory), under Xvfb or
// offscreen: scripts/screenshots.sh.
#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "platform/WindowSystem.h"
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
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
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
// The whole tour takes a minute at most; a game that hangs ends the tool.
constexpr int Watchdog = 180000;

QString outputDir;
int failures = 0;
// Every picture written, in order, for the contact sheet.
std::vector<std::pair<QString, QImage>> written;

void fail(const QString& what) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(what));
    ++failures;
}

void write(const QImage& image, const QString& name) {
    const QString path = QDir(outputDir).filePath(name);
    if (!image.save(path, "PNG")) {
        fail(QStringLiteral("cannot write ") + path);
        return;
    }
    written.emplace_back(name, image);
    std::printf("%s\n", qPrintable(path));
}

void save(QWidget* form, const QString& name) {
    if (!form || !form->isVisible()) {
        fail(name + QStringLiteral(": the screen is not shown"));
        return;
    }
    write(form->grab().toImage(), name);
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

// A base colour the target's recipe does not use.
int foreignColour() {
    const std::vector<int> parts = components(AktuelleTonvorlage ? AktuelleTonvorlage->Rezeptur.get() : nullptr);
    for (int i = 0; Mischregal && i < Mischregal->Count; ++i)
        if (std::find(parts.begin(), parts.end(), i) == parts.end())
            return i;
    return 0;
}

// Doses an amount of a base colour in the laboratory as a player does:
// swatch, track bar, pot.
void labDose(int index, int amount) {
    TBasisfarbe* colour = baseColour(index);
    click(colour ? colour->Swatch.data() : nullptr, "swatch");
    Spielschirm->AutoScrollBar->SetPosition(amount);
    click(Spielschirm->AuswahlTopf, "mixing pot");
}

// The system clock, but the overflow's pause is pictured while it lasts: the
// dosing column in the batch colour with the tube and the full vessel.
class PausePictures : public TClock {
public:
    explicit PausePictures(TClock& system) : system_(system) {}
    double LocalTimeOfDay() override { return system_.LocalTimeOfDay(); }
    QTime UtcTime() override { return system_.UtcTime(); }
    void Sleep(int milliseconds) override {
        if (milliseconds == 2000 && Spielschirm2 && Spielschirm2->isVisible())
            save(Spielschirm2, QStringLiteral("pigmentra-overflow-pause.png"));
        system_.Sleep(milliseconds);
    }

private:
    TClock& system_;
};

// Whether the manager's picture shows a frame of the clip: a plain panel
// has only a few colours.
bool showsClipFrame(const QImage& image) {
    const QRect display(Kundenmanager->Display->mapTo(Kundenmanager, QPoint(0, 0)), Kundenmanager->Display->size());
    const QImage panel = image.copy(display);
    QSet<QRgb> colours;
    for (int y = 0; y < panel.height(); y += 3)
        for (int x = 0; x < panel.width(); x += 3)
            colours.insert(panel.pixel(x, y));
    return colours.size() >= 8;
}

void saveManager() {
    if (!Kundenmanager || !Kundenmanager->isVisible()) {
        fail(QStringLiteral("the customer manager is not shown"));
        return;
    }
    const QImage image = Kundenmanager->grab().toImage();
    if (!showsClipFrame(image))
        fail(QStringLiteral("no frame of the manager's clip arrived"));
    write(image, QStringLiteral("pigmentra-manager.png"));
}

// Forms the tour opens itself and pictures before it answers them; any other
// modal form met on the way (a manager or new base colours the game brings
// up by chance) is answered at once with its default button.
QPointer<TForm> tourModal;

QMessageBox* messageBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

// The steps of the tour. The next step is scheduled before a step runs,
// because a step may start a modal run (the laboratory, production, a modal
// notice) that the following steps then take place in: those steps are added
// with AddModal. Any other step finishes before the next one starts, even
// when a modal form the game brings up by chance runs a loop inside it. A
// step that returns false is waiting for something and runs again after a
// pause.
class Tour {
public:
    void Add(std::function<void()> step) {
        steps_.push_back({[step] {
                              step();
                              return true;
                          },
                          false});
    }
    void AddModal(std::function<void()> step) {
        steps_.push_back({[step] {
                              step();
                              return true;
                          },
                          true});
    }
    void AddWait(std::function<bool()> step) { steps_.push_back({std::move(step), false}); }
    void Next() {
        QTimer::singleShot(StepPause, [this] { Next(); });
        if (busy_ > 0) {
            // A step waits in a box nobody expected (a failure the game
            // reports): say so and answer it.
            if (QMessageBox* box = messageBox()) {
                fail(QStringLiteral("unexpected message: ") + box->text());
                box->accept();
            }
            return;
        }
        if (next_ >= steps_.size())
            return;
        const size_t at = next_++;
        const Step step = steps_[at];
        if (qEnvironmentVariableIsSet("PIGMENTRA_SCREENSHOTS_TRACE"))
            std::fprintf(stderr, "screenshots: step %zu\n", at);
        if (!step.modal)
            ++busy_;
        const bool done = step.run();
        if (!step.modal)
            --busy_;
        if (!done)  // not ready yet: run this step again before the ones after it
            steps_.insert(steps_.begin() + long(next_), step);
    }
    bool Finished() const { return next_ >= steps_.size(); }
    // The number of retries a waiting step gets before the tour goes on.
    static bool Waited(int& tries) { return ++tries > 20; }

private:
    struct Step {
        std::function<bool()> run;
        bool modal;
    };
    std::vector<Step> steps_;
    size_t next_ = 0;
    int busy_ = 0;
};

void buildMenuSteps(Tour& tour) {
    tour.Add([] { save(VernicuraStart, QStringLiteral("pigmentra-start.png")); });
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

    // The rules box, opened and closed by "Szabály"; shown at its first
    // bullet list, where the hanging indents are.
    tour.Add([] {
        click(Vernicura->Anleitung, "rules button");
        QTextEdit* rules = Vernicura->InhaltAnleitung;
        const QTextCursor bullet = rules->document()->find(QString(QChar(0x2022)));
        if (!bullet.isNull()) {
            rules->verticalScrollBar()->setValue(int(rules->cursorRect(bullet).top()) - 48);
        }
    });
    tour.Add([] { save(Vernicura, QStringLiteral("pigmentra-menu-rules.png")); });
    tour.Add([] { click(Vernicura->Anleitung, "rules button"); });

    // The error box: "Játék" without a car colour. The box runs its own
    // loop, in which the next step pictures and answers it.
    tour.AddModal([] {
        Vernicura->ClearCarMarks();
        Vernicura->Ok->click();
    });
    tour.Add([] {
        QMessageBox* box = messageBox();
        if (!box) {
            fail(QStringLiteral("the error box is not shown"));
            return;
        }
        write(box->grab().toImage(), QStringLiteral("pigmentra-error.png"));
        box->accept();
    });
    tour.Add([] { click(AutoFarbenListe[10]->Bild, "car picture"); });

    // The highscore table with 30 results.
    tour.Add([] {
        for (int i = 0; i < 30; ++i)
            HighScore->AddEntry(QString::fromLatin1(HighscoreFileName), QStringLiteral("Spieler %1").arg(i + 1),
                                4000 + i * 737 % 9000);
        click(Vernicura->BHighScore, "highscore button");
    });
    tour.Add([] { save(HighScore, QStringLiteral("pigmentra-highscore.png")); });
    tour.Add([] { click(HighScore->Ok, "highscore's Játék"); });
}

void buildLaboratorySteps(Tour& tour) {
    // "Játék": the laboratory runs modally from here on.
    tour.AddModal([] { click(Vernicura ? Vernicura->Ok : nullptr, "play button"); });

    // A recipe of a colour the target does not use: rejected.
    tour.Add([] {
        if (!Spielschirm || !AktuelleTonvorlage) {
            fail(QStringLiteral("the laboratory has no game"));
            return;
        }
        labDose(foreignColour(), 60);
        Spielschirm->RezeptAusliefern->click();
    });
    tour.Add([] {
        if (!Produktionsbeschluss->isVisible() || Produktionsbeschluss->RecipeAccepted)
            fail(QStringLiteral("the foreign recipe was not rejected"));
        save(Produktionsbeschluss, QStringLiteral("pigmentra-decision-rejected.png"));
        Produktionsbeschluss->Button1->click();
    });

    // Doses of the target's own components, enough for the history to
    // scroll.
    tour.Add([] {
        const std::vector<int> parts = components(AktuelleTonvorlage->Rezeptur.get());
        const int amounts[] = {80, 35, 15};
        for (int round = 0; round < 3; ++round)
            for (size_t k = 0; k < parts.size() && k < 3; ++k)
                labDose(parts[k], amounts[k] + round * 5);
    });
    tour.Add([] { save(Spielschirm, QStringLiteral("pigmentra-laboratory.png")); });

    // The colour check, plain, with its gap and swapped.
    tour.Add([] { click(Spielschirm->AutoTonvorlageImage, "target sample"); });
    tour.Add([] { save(Farbenpruefung, QStringLiteral("pigmentra-check.png")); });
    tour.Add([] { click(Farbenpruefung->Zwischenraum, "gap button"); });
    tour.Add([] { save(Farbenpruefung, QStringLiteral("pigmentra-check-gap.png")); });
    tour.Add([] {
        click(Farbenpruefung->Zwischenraum, "gap button");
        click(Farbenpruefung->Button2, "swap button");
    });
    tour.Add([] { save(Farbenpruefung, QStringLiteral("pigmentra-check-swapped.png")); });
    tour.Add([] { click(Farbenpruefung->Button1, "check's Játék"); });

    // The notices: too many base colours (not modal), new base colours and
    // the customer manager (both modal: the following steps run inside).
    tour.Add([] { MaxBasisfarben->ShowNotice(); });
    tour.Add([] { save(MaxBasisfarben, QStringLiteral("pigmentra-notice-max.png")); });
    tour.Add([] { MaxBasisfarben->Ok->click(); });
    tour.AddModal([] {
        tourModal = NeueBasisfarben;
        NeueBasisfarben->ShowNotice();
        tourModal = nullptr;
    });
    tour.Add([] { save(NeueBasisfarben, QStringLiteral("pigmentra-notice-new.png")); });
    tour.Add([] { NeueBasisfarben->Ok->click(); });
    tour.AddModal([] {
        tourModal = Kundenmanager;
        Kundenmanager->ShowModal();
        tourModal = nullptr;
    });
    tour.AddWait([] {
        static int tries = 0;
        if (!showsClipFrame(Kundenmanager->grab().toImage()) && !Tour::Waited(tries))
            return false;
        saveManager();
        return true;
    });
    tour.Add([] { Kundenmanager->Ok->click(); });

    // The target's recipe into the mixture (the hidden area in the bottom
    // bar), handed in: accepted; its "Ok" starts production.
    tour.Add([] {
        click(Spielschirm->Boss, "hidden area");
        Spielschirm->RezeptAusliefern->click();
    });
    tour.Add([] {
        if (!Produktionsbeschluss->isVisible() || !Produktionsbeschluss->RecipeAccepted)
            fail(QStringLiteral("the recipe was not accepted"));
        save(Produktionsbeschluss, QStringLiteral("pigmentra-decision-accepted.png"));
    });
    tour.AddModal([] { Produktionsbeschluss->Button1->click(); });
}

void buildProductionSteps(Tour& tour) {
    // One dose of the under-dosed main component, by Enter in the track bar.
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

    // Delivered as it is, to a quality control strict for this one delivery:
    // the verdict rejects it.
    tour.Add([] {
        const float tolerance = Konfiguration->ChargenToleranz;
        Konfiguration->ChargenToleranz = -1.0f;
        Spielschirm2->BatchAusliefern->click();
        Konfiguration->ChargenToleranz = tolerance;
    });
    tour.Add([] {
        if (Autoproduktion->Accepted)
            fail(QStringLiteral("the first batch was accepted"));
        save(Autoproduktion, QStringLiteral("pigmentra-verdict-rejected.png"));
        Autoproduktion->Ok->click();
    });

    // The components to the track bar's end until the vessel overflows.
    tour.Add([] {
        const std::vector<int> parts = components(AktuelleTonvorlage->Rezeptur.get());
        for (int round = 0; round < 4 && !Ueberlauf->isVisible(); ++round) {
            for (size_t k = 0; k < parts.size() && !Ueberlauf->isVisible(); ++k) {
                TBasisfarbe* colour = baseColour(parts[k]);
                click(colour ? colour->Swatch.data() : nullptr, "swatch");
                TTrackBar* bar = Spielschirm2->AutoScrollBar;
                bar->SetPosition(bar->Max());
                QTest::keyClick(bar, Qt::Key_Return);
            }
        }
    });
    tour.Add([] { save(Ueberlauf, QStringLiteral("pigmentra-overflow.png")); });
    tour.Add([] { Ueberlauf->Button1->click(); });

    // An accepted batch: quality control is lenient for this one delivery.
    tour.Add([] {
        const float tolerance = Konfiguration->ChargenToleranz;
        Konfiguration->ChargenToleranz = 1e9f;
        Spielschirm2->BatchAusliefern->click();
        Konfiguration->ChargenToleranz = tolerance;
    });
    tour.Add([] {
        if (!Autoproduktion->Accepted)
            fail(QStringLiteral("the lenient delivery was not accepted"));
        save(Autoproduktion, QStringLiteral("pigmentra-verdict-accepted.png"));
    });
    // Its "Ok" ends the game; "Vége" in the main menu ends the program.
    tour.Add([] { Autoproduktion->Ok->click(); });
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

// All pictures at half size, four to a row, each with its file name.
void writeContactSheet() {
    constexpr int Columns = 4, CellW = 412, CellH = 330, Caption = 22;
    const int rows = int((written.size() + Columns - 1) / Columns);
    QImage sheet(Columns * CellW + 8, rows * CellH + 8, QImage::Format_RGB32);
    sheet.fill(QColor(64, 68, 76));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(14);
    p.setFont(font);
    const auto pictures = written;
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QPoint at(8 + int(i % Columns) * CellW, 8 + int(i / Columns) * CellH);
        const QImage thumb =
            pictures[i].second.scaled(404, CellH - Caption - 8, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(at, thumb);
        p.drawText(QRect(at.x(), at.y() + thumb.height(), 404, Caption), Qt::AlignLeft | Qt::AlignVCenter,
                   pictures[i].first);
    }
    p.end();
    write(sheet, QStringLiteral("pigmentra-contact-sheet.png"));
}

}  // namespace

int main(int argc, char** argv) {
    ChooseWindowSystem();  // as the game starts: the clip's frames converted alike
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

    TForm::ModalHook = [](TForm* form) {
        if (form == Spielschirm || form == Spielschirm2 || form == tourModal)
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

    PausePictures pausePictures(Clock());
    SetClock(&pausePictures);
    Tour tour;
    buildMenuSteps(tour);
    buildLaboratorySteps(tour);
    buildProductionSteps(tour);
    QTimer::singleShot(StepPause, [&tour] { tour.Next(); });
    QApplication::exec();
    TForm::ModalHook = nullptr;
    SetClock(nullptr);
    writeContactSheet();
    DestroyScreens();
    return failures == 0 ? 0 : 1;
}
