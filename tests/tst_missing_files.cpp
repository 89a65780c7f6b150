// Every data file missing or broken, one at a time, in a copy of the run
// folder: a file the screens need when they are built ends the start with
// the error box naming it; decorative artwork is simply left out; a file
// loaded in play shows the error box and the game goes on. A FIFO or an
// over-large picture header in a file's place is refused at once like a
// damaged file; an alarm ends a run that waits on one.
#include "support/ScreenGame.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/DataFiles.h"
#include "platform/Media.h"
#include "shell/Hardware1.h"
#include "shell/Spiel.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

class MissingFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpFileEndsTheStartNamingIt_data();
    void startUpFileEndsTheStartNamingIt();
    void brokenDecorationLeavesEveryScreenUsable_data();
    void brokenDecorationLeavesEveryScreenUsable();
    void swatchPictureFailureKeepsTheMainMenu_data();
    void swatchPictureFailureKeepsTheMainMenu();
    void productionArtworkFailureLeavesTheLaboratoryPlaying_data();
    void productionArtworkFailureLeavesTheLaboratoryPlaying();
    void decisionPictureFailureIsReportedAndTheLaboratoryGoesOn_data();
    void decisionPictureFailureIsReportedAndTheLaboratoryGoesOn();
    void missingSoundOrClipIsReportedAndTheGameGoesOn_data();
    void missingSoundOrClipIsReportedAndTheGameGoesOn();
    void missingSoundWithTheRealPlayerIsReported();
    void rulesDocumentMissingOrBroken();

private:
    // Fifo: a FIFO in the file's place; Huge: a picture header of 16384 x
    // 16384 pixels in a sparse file of the size it claims.
    // HeaderOnly: a BMP cut after its headers; BigPng: a PNG of 4096 x 4096
    // pixels (some 50 KiB) under the file's BMP name.
    enum Damage { Missing, Garbage, Truncated, Fifo, Huge, HeaderOnly, BigPng };
    void damage(const QString& file, Damage how);
    void restore(const QString& file);
    ScreenGame game;
    std::unique_ptr<QTemporaryDir> folder_;
    QString original_;  // the real run folder, never changed
};

namespace {
bool IsDataFile(const QString& name) {
    for (const DataFiles::Entry& file : DataFiles::Table)
        if (name == QLatin1String(file.Name))
            return true;
    return false;
}

// The pictures of the game's table with one use.
QStringList Pictures(DataFiles::Use use) {
    QStringList names;
    for (const DataFiles::Entry& file : DataFiles::Table)
        if (file.FileKind == DataFiles::Kind::Picture && file.FileUse == use)
            names << QString::fromLatin1(file.Name);
    return names;
}

QList<TForm*> GameForms() {
    return {VernicuraStart,       Vernicura,       Spielschirm, Spielschirm2,   Farbenpruefung, Autoproduktion,
            Produktionsbeschluss, NeueBasisfarben, Ueberlauf,   MaxBasisfarben, Kundenmanager,  HighScore};
}

bool NoScreenLeft() {
    for (TForm* form : GameForms())
        if (form)
            return false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return false;
    return !Konfiguration && !Mischregal && !Hardware && AutoFarbenListe.empty();
}

// Counts the game's screens shown while it exists.
class ShownScreens : public QObject {
public:
    ShownScreens() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && dynamic_cast<TForm*>(watched))
            ++count;
        return false;
    }
    int count = 0;
};

// Hands in the target's own recipe: quality control accepts it.
[[nodiscard]] bool HandInTheSolution() {
    QTest::mouseClick(Spielschirm->Boss, Qt::LeftButton);
    return ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern"));
}
}  // namespace

void MissingFilesTest::init() {
    // A copy of the run folder's data files; the real folder stays as it is.
    original_ = QDir::currentPath();
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    const QDir source(original_);
    int copied = 0;
    for (const QString& name : source.entryList(QDir::Files))
        if (IsDataFile(name) && QFile::copy(source.filePath(name), folder_->filePath(name)))
            ++copied;
    QVERIFY2(copied >= 30, "the run folder lacks the generated data files");
    QVERIFY(QDir::setCurrent(folder_->path()));
    alarm(120);  // a test waiting on a FIFO fails instead of hanging
}

void MissingFilesTest::cleanup() {
    alarm(0);
    if (game.env)
        game.Stop();
    QDir::setCurrent(original_);
    folder_.reset();
}

void MissingFilesTest::damage(const QString& file, Damage how) {
    QFile f(file);
    QVERIFY2(f.exists(), qPrintable(file));
    if (how == Missing || how == Fifo) {
        QVERIFY(f.remove());
        if (how == Fifo)
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0644) == 0);
        return;
    }
    if (how == Huge) {
        // "BM", the file size, the pixel offset 54; a 40-byte info header
        // of 16384 x 16384 pixels, one plane, 24 bits, no compression.
        const qint64 stride = 16384 * 3;
        QByteArray header(54, '\0');
        const auto put = [&header](int at, quint32 value) { qToLittleEndian(value, header.data() + at); };
        header[0] = 'B';
        header[1] = 'M';
        put(2, quint32(54 + stride * 16384));
        put(10, 54);
        put(14, 40);
        put(18, 16384);
        put(22, 16384);
        header[26] = 1;
        header[28] = 24;
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(header), header.size());
        QVERIFY(f.resize(54 + stride * 16384));  // sparse: a few KiB on disk
        return;
    }
    if (how == BigPng) {
        QImage big(4096, 4096, QImage::Format_RGB32);
        big.fill(Qt::white);
        QVERIFY(big.save(file, "PNG"));
        return;
    }
    QByteArray bytes;
    if (how == HeaderOnly) {
        QVERIFY(f.open(QIODevice::ReadOnly));
        bytes = f.read(54);
        f.close();
    } else if (how == Truncated) {
        QVERIFY(f.open(QIODevice::ReadOnly));
        bytes = f.readAll();
        bytes.truncate(bytes.size() / 3);
        f.close();
    } else {
        QRandomGenerator garbage(7);
        bytes.resize(3000);
        for (char& c : bytes)
            c = char(garbage.bounded(256));
    }
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

void MissingFilesTest::restore(const QString& file) {
    QFile::remove(file);
    QVERIFY(QFile::copy(QDir(original_).filePath(file), file));
}

// ---- start-up ----

void MissingFilesTest::startUpFileEndsTheStartNamingIt_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("how");
    // The car and level pictures of the main menu, the tube, jet and pot of
    // the game screens: loaded while the screens are built.
    const QStringList files = Pictures(DataFiles::Use::StartUp);
    for (const QString& file : files) {
        QTest::addRow("%s missing", qPrintable(file)) << file << int(Missing);
        QTest::addRow("%s garbage", qPrintable(file)) << file << int(Garbage);
    }
    QTest::addRow("PigmentraAuto.bmp FIFO") << QStringLiteral("PigmentraAuto.bmp") << int(Fifo);
    QTest::addRow("PigmentraAuto.bmp over the pixel budget") << QStringLiteral("PigmentraAuto.bmp") << int(Huge);
    // Pictures with missing rows are broken, whichever reader meets them.
    QTest::addRow("PigmentraAuto.bmp header only") << QStringLiteral("PigmentraAuto.bmp") << int(HeaderOnly);
    QTest::addRow("PigmentraLevel2.bmp truncated") << QStringLiteral("PigmentraLevel2.bmp") << int(Truncated);
    // Each car is small enough; fifty of them are not.
    QTest::addRow("PigmentraAuto.bmp over the budget of all pictures")
        << QStringLiteral("PigmentraAuto.bmp") << int(BigPng);
}

void MissingFilesTest::startUpFileEndsTheStartNamingIt() {
    // A picture the screens need at start-up, missing or broken, ends the start with one error naming it, no screen
    // left, exit code 0.
    QFETCH(QString, file);
    QFETCH(int, how);
    damage(file, Damage(how));
    TestEnvironment env;
    if (StartProgram()) {
        DestroyScreens();
        QFAIL("the game started without its file");
    }
    QCOMPARE(env.errors.size(), 1);
    QVERIFY2(env.errors.first().contains(QLatin1Char('"') + file + QLatin1Char('"')), qPrintable(env.errors.first()));
    QVERIFY(NoScreenLeft());
    // The program itself returns 0 after showing the error, and shows no
    // screen first, though it builds most of them after the start screen.
    ShownScreens shown;
    QCOMPARE(RunProgram(), 0);
    QCOMPARE(env.errors.size(), 2);
    // The cars run out of the budget only when the main menu makes them,
    // after the start screen's first paint: that one screen shows first.
    QCOMPARE(shown.count, how == BigPng ? 1 : 0);
    QVERIFY(NoScreenLeft());
}

void MissingFilesTest::brokenDecorationLeavesEveryScreenUsable_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("how");
    const QStringList files = Pictures(DataFiles::Use::Decoration);
    for (const QString& file : files) {
        QTest::addRow("%s missing", qPrintable(file)) << file << int(Missing);
        QTest::addRow("%s garbage", qPrintable(file)) << file << int(Garbage);
        QTest::addRow("%s truncated", qPrintable(file)) << file << int(Truncated);
    }
    QTest::addRow("PigmentraBanner.bmp FIFO") << QStringLiteral("PigmentraBanner.bmp") << int(Fifo);
    QTest::addRow("PigmentraBanner.bmp over the pixel budget") << QStringLiteral("PigmentraBanner.bmp") << int(Huge);
}

void MissingFilesTest::brokenDecorationLeavesEveryScreenUsable() {
    // Banners, bars and the notices' pictures only decorate: without them every screen is built, painted and shown,
    // with no error.
    QFETCH(QString, file);
    QFETCH(int, how);
    damage(file, Damage(how));
    TestEnvironment env;
    QVERIFY(StartProgram());
    for (TForm* form : GameForms()) {
        form->show();
        const QImage shot = form->grab().toImage();  // paints, so the artwork is decoded now
        QVERIFY(!shot.isNull());
        form->hide();
    }
    // The overflow paints the puddle and the drum, the verdict the car.
    Ueberlauf->Image4->FloodFill(400, 130, Qt::red);
    Ueberlauf->Image3->FloodFill(60, 75, Qt::red);
    QVERIFY(env.errors.isEmpty());
    if (how == Huge)  // left out, never decoded
        QVERIFY(HighScore->Image1->Image().isNull());
    DestroyScreens();
}

// ---- in play ----

void MissingFilesTest::swatchPictureFailureKeepsTheMainMenu_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("missing") << int(Missing);
    QTest::newRow("garbage") << int(Garbage);
}

void MissingFilesTest::swatchPictureFailureKeepsTheMainMenu() {
    // Without the laboratory's swatch picture "Játék" shows the error and the main menu stays usable; with the file
    // back the next "Játék" starts a game.
    QFETCH(int, how);
    const QString file = QStringLiteral("PigmentraLabor.bmp");
    damage(file, Damage(how));
    game.Start();
    VernicuraStart->ShowForm();
    QVERIFY(ClickButton(VernicuraStart, QStringLiteral("Ok")));
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(game.env->errors.first().contains(file));
    QVERIFY(!Spielschirm->isVisible());
    QVERIFY(Vernicura->isVisible());
    QVERIFY(Vernicura->isEnabled());

    restore(file);
    int swatches = -1;
    game.onModal = [&](TForm* form) {
        if (form == Spielschirm) {
            swatches = 0;
            for (const auto& colour : Mischregal->Basisfarben)
                if (colour->Swatch && colour->Swatch->isVisible() && colour->Swatch->PictureWidth() > 0)
                    ++swatches;
            QVERIFY(ClickButton(Spielschirm, QStringLiteral("Ende")));
        } else {
            QVERIFY(ScreenGame::PressDefault(form));
        }
    };
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(swatches, 16);
    QCOMPARE(game.env->errors.size(), 1);
}

void MissingFilesTest::productionArtworkFailureLeavesTheLaboratoryPlaying_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("how");
    for (const QString& file : {QStringLiteral("PigmentraProduktion.bmp"), QStringLiteral("PigmentraTonne.bmp")}) {
        QTest::addRow("%s missing", qPrintable(file)) << file << int(Missing);
        QTest::addRow("%s garbage", qPrintable(file)) << file << int(Garbage);
    }
}

void MissingFilesTest::productionArtworkFailureLeavesTheLaboratoryPlaying() {
    // When production cannot be built, the error names the file and the laboratory goes on with its mixture, its own
    // track bar and its scale; with the file back production starts.
    QFETCH(QString, file);
    QFETCH(int, how);
    damage(file, Damage(how));
    game.Start();
    QVERIFY(game.StartLab());
    QVERIFY(HandInTheSolution());
    QVERIFY(Produktionsbeschluss->RecipeAccepted);
    std::vector<double> mixture;
    for (const auto& colour : Mischregal->Basisfarben)
        mixture.push_back(colour->Amount);

    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(game.env->errors.first().contains(file));
    QVERIFY(Spielschirm->isVisible());
    QVERIFY(!Spielschirm2->isVisible());
    QVERIFY(Spiel->Blech);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(ScreenGame::Farbe(i)->Amount, mixture[size_t(i)]);

    // The next dosing step is the laboratory's: its track bar, 0..100.
    const int points = Punktestand;
    Spielschirm2->AutoScrollBar->SetMax(5000);
    Spielschirm2->AutoScrollBar->SetPosition(3000);
    QVERIFY(ScreenGame::LabDose(15, 40));
    QCOMPARE(ScreenGame::Farbe(15)->Amount, 40.0);
    QVERIFY(Punktestand >= points + 100);
    QCOMPARE(Spielschirm->Rezept->Cell(0, Spielschirm->Rezept->RowCount() - 1), QStringLiteral("019"));

    restore(file);
    bool produced = false;
    game.onModal = [&](TForm* form) {
        if (form == Spielschirm2) {
            produced = Spielschirm2->isVisible() && Spielschirm2->AuswahlEimer->PictureWidth() > 0;
            QVERIFY(ClickButton(Spielschirm2, QStringLiteral("Ende")));
        } else {
            QVERIFY(ScreenGame::PressDefault(form));
        }
    };
    QVERIFY(HandInTheSolution());
    QVERIFY(Produktionsbeschluss->RecipeAccepted);
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QVERIFY(produced);
    QCOMPARE(game.env->errors.size(), 1);
}

void MissingFilesTest::decisionPictureFailureIsReportedAndTheLaboratoryGoesOn_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("how");
    QTest::newRow("Rezeptok missing") << QStringLiteral("PigmentraRezeptok.bmp") << true << int(Missing);
    QTest::newRow("Rezeptok garbage") << QStringLiteral("PigmentraRezeptok.bmp") << true << int(Garbage);
    QTest::newRow("Rezeptnio missing") << QStringLiteral("PigmentraRezeptnio.bmp") << false << int(Missing);
    QTest::newRow("Rezeptnio garbage") << QStringLiteral("PigmentraRezeptnio.bmp") << false << int(Garbage);
}

void MissingFilesTest::decisionPictureFailureIsReportedAndTheLaboratoryGoesOn() {
    // A decision picture that cannot be read: the hand-in is charged, the error names the picture, and the laboratory's
    // next action (the colour check) works.
    QFETCH(QString, file);
    QFETCH(bool, accepted);
    QFETCH(int, how);
    damage(file, Damage(how));
    game.Start();
    QVERIFY(game.StartLab());
    if (accepted)
        QTest::mouseClick(Spielschirm->Boss, Qt::LeftButton);  // the target's recipe passes; a black panel does not
    const int points = Punktestand;
    QVERIFY(ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern")));
    QCOMPARE(Punktestand, points + 1000);
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(game.env->errors.first().contains(file));
    QVERIFY(!Produktionsbeschluss->isVisible());

    QTest::mouseClick(Spielschirm->AutoTonvorlageImage, Qt::LeftButton);
    QVERIFY(Farbenpruefung->isVisible());
    QCOMPARE(Punktestand, points + 1200);
    QCOMPARE(game.env->errors.size(), 1);
}

void MissingFilesTest::missingSoundOrClipIsReportedAndTheGameGoesOn_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("dosing") << QStringLiteral("PigmentraLaborFill.wav");
    QTest::newRow("recipe accepted") << QStringLiteral("PigmentraRezeptOK.wav");
    QTest::newRow("recipe rejected") << QStringLiteral("PigmentraRezeptNIO.wav");
    QTest::newRow("new base colours") << QStringLiteral("PigmentraNeueBasisfarben.wav");
    QTest::newRow("too many base colours") << QStringLiteral("PigmentraMaxBasisfarben.wav");
    QTest::newRow("customer manager") << QStringLiteral("PigmentraKundenmanager.wav");
    QTest::newRow("customer manager clip") << QStringLiteral("PigmentraFaust.avi");
    QTest::newRow("overflow") << QStringLiteral("PigmentraUeberlauf.wav");
    QTest::newRow("batch rejected") << QStringLiteral("PigmentraNIO.wav");
}

void MissingFilesTest::missingSoundOrClipIsReportedAndTheGameGoesOn() {
    // A sound or the clip that cannot be opened shows one error naming it; the game goes on and its next action (the
    // colour check) works.
    QFETCH(QString, file);
    game.Start();
    FakeMediaLog::MissingFiles() << file;
    QVERIFY(game.StartLab());
    if (file == QLatin1String("PigmentraLaborFill.wav")) {
        QVERIFY(ScreenGame::LabDose(0, 30));
    } else if (file == QLatin1String("PigmentraRezeptOK.wav")) {
        QVERIFY(HandInTheSolution());
    } else if (file == QLatin1String("PigmentraRezeptNIO.wav")) {
        QVERIFY(ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern")));
    } else if (file == QLatin1String("PigmentraNeueBasisfarben.wav")) {
        game.clock.AdvanceSeconds(121);
        QVERIFY(ScreenGame::LabDose(0, 30));
    } else if (file == QLatin1String("PigmentraMaxBasisfarben.wav")) {
        for (int i = 0; i < 8; ++i)
            QVERIFY(ScreenGame::LabDose(i, 10));
        game.env->errors.clear();  // only the notice's sound is missing
        QVERIFY(ScreenGame::SelectSwatch(8));
    } else if (file.startsWith(QLatin1String("PigmentraKundenmanager")) || file.endsWith(QLatin1String(".avi"))) {
        Kundenmanager->ShowModal();  // the default responder presses its Ok
        QVERIFY(!Kundenmanager->isVisible());
    } else {
        // Production: the solution's batch, overfilled or delivered as it is.
        QStringList errorsInProduction;
        bool checkShown = false;
        QVERIFY(HandInTheSolution());
        game.onModal = [&](TForm* form) {
            if (form != Spielschirm2) {
                QVERIFY(ScreenGame::PressDefault(form));
                return;
            }
            if (file == QLatin1String("PigmentraUeberlauf.wav")) {
                for (int i = 12; i < 16 && game.env->errors.isEmpty(); ++i)
                    QVERIFY(ScreenGame::ProductionDose(i, 5000));
            } else {
                QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
            }
            errorsInProduction = game.env->errors;
            QTest::mouseClick(Spielschirm2->AutoTonvorlageImage, Qt::LeftButton);
            checkShown = Farbenpruefung->isVisible();
            QVERIFY(ClickButton(Spielschirm2, QStringLiteral("Ende")));
        };
        QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
        QCOMPARE(errorsInProduction.size(), 1);
        QVERIFY2(errorsInProduction.first().contains(file), qPrintable(errorsInProduction.first()));
        QVERIFY(checkShown);
        return;
    }
    QVERIFY2(!game.env->errors.isEmpty(), "no error shown");
    QVERIFY2(game.env->errors.first().contains(file), qPrintable(game.env->errors.first()));
    game.env->errors.clear();
    FakeMediaLog::MissingFiles().clear();

    Farbenpruefung->Close();
    const int points = Punktestand;
    QTest::mouseClick(Spielschirm->AutoTonvorlageImage, Qt::LeftButton);
    QVERIFY(Farbenpruefung->isVisible());
    QCOMPARE(Punktestand, points + 200);
    QVERIFY(game.env->errors.isEmpty());
}

void MissingFilesTest::missingSoundWithTheRealPlayerIsReported() {
    // The real media player also reports a sound file that is not in the run folder, and the next dosing step runs.
    damage(QStringLiteral("PigmentraLaborFill.wav"), Missing);
    game.Start();
    SetMediaPlayerFactory({});  // the players built from here on are the real ones
    std::unique_ptr<TMediaPlayer> real = CreateMediaPlayer(QStringLiteral("Spielschirm.MediaPlayer"));
    std::swap(Spielschirm->MediaPlayer, real);
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::LabDose(0, 30));
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(game.env->errors.first().contains(QStringLiteral("PigmentraLaborFill.wav")));
    QCOMPARE(ScreenGame::Farbe(0)->Amount, 30.0);

    // Sound off: the next step needs no file.
    Hardware->Toggle();
    const int points = Punktestand;
    QVERIFY(ScreenGame::LabDose(1, 20));
    QCOMPARE(ScreenGame::Farbe(1)->Amount, 20.0);
    QVERIFY(Punktestand >= points + 100);
    QCOMPARE(game.env->errors.size(), 1);

    // Sound on again, a FIFO in the sound's place: refused at once, reported.
    Hardware->Toggle();
    restore(QStringLiteral("PigmentraLaborFill.wav"));
    damage(QStringLiteral("PigmentraLaborFill.wav"), Fifo);
    QVERIFY(ScreenGame::LabDose(2, 10));
    QCOMPARE(game.env->errors.size(), 2);
    QVERIFY(game.env->errors.last().contains(QStringLiteral("PigmentraLaborFill.wav")));
    QCOMPARE(ScreenGame::Farbe(2)->Amount, 10.0);
    std::swap(Spielschirm->MediaPlayer, real);
}

void MissingFilesTest::rulesDocumentMissingOrBroken() {
    // A missing rules document, or a FIFO in its place, shows the error when the rules are opened and the menu goes on;
    // garbage bytes show as whatever text they hold, without an error.
    const QString file = QStringLiteral("Pigmentra.rtf");
    damage(file, Missing);
    game.Start();
    Vernicura->ShowForm();
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(game.env->errors.first().contains(file));
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));  // closes the rules again
    QVERIFY(Vernicura->TextAnleitung->isHidden());

    restore(file);
    damage(file, Garbage);
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(!Vernicura->TextAnleitung->isHidden());

    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    damage(file, Fifo);
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QCOMPARE(game.env->errors.size(), 2);
    QVERIFY(game.env->errors.last().contains(file));

    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    restore(file);
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QVERIFY(!Vernicura->InhaltAnleitung->toPlainText().trimmed().isEmpty());
    QCOMPARE(game.env->errors.size(), 2);
}

QTEST_MAIN(MissingFilesTest)
#include "tst_missing_files.moc"
