#pragma once
// A game as the verdict and notice dialogs meet it: fake media and clock, the
// twelve screens, the shared game objects, a target shade and the laboratory's
// test panel, run in a scratch folder that links the run folder's files and
// draws stand-ins for decision pictures the generator has not written yet.
#include "support/TestSupport.h"

#include "colour/Historie1.h"
#include "colour/Mischregal1.h"
#include "colour/Tonvorlage1.h"
#include "platform/Picture.h"
#include "screens/Spielschirm1.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Spiel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

class DialogGame {
public:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TTonvorlage> target;
    TChargenblech* panel = nullptr;  // the laboratory's Blech
    QString runFolder;

    // Once per test program: work in a scratch folder, TEMP inside it.
    void PrepareFolder() {
        runFolder = QDir::currentPath();
        for (const QFileInfo& f : QDir(runFolder).entryInfoList(QDir::Files))
            QFile::link(f.absoluteFilePath(), scratch_.filePath(f.fileName()));
        StandIn(QStringLiteral("PigmentraRezeptok.bmp"), QColor(200, 255, 200));
        StandIn(QStringLiteral("PigmentraRezeptnio.bmp"), QColor(255, 200, 200));
        QDir(scratch_.path()).mkdir(QStringLiteral("temp"));
        qputenv("TEMP", scratch_.filePath(QStringLiteral("temp")).toLocal8Bit());
        QDir::setCurrent(scratch_.path());
    }
    QString HighscoreFile() const { return scratch_.filePath(QStringLiteral("temp/Pigmentra.hsc")); }

    void Start() {
        env = std::make_unique<TestEnvironment>();
        QFile::remove(HighscoreFile());
        Randomize(1);
        CreateScreens();
        // Until the main menu makes them, the game objects are made here.
        if (!Konfiguration)
            Konfiguration = ownKonfiguration_ = new TKonfiguration;
        if (!Hardware)
            Hardware = ownHardware_ = new THardware;
        if (!Mischregal)
            Mischregal = ownMischregal_ = new TMischregal;
        Hardware->TonAn = true;
        Punktestand = 0;
        Spielername = QStringLiteral("Tester");
        target = std::make_unique<TTonvorlage>(QStringLiteral("Tonvorlage"), Mischregal);
        savedTarget_ = AktuelleTonvorlage;
        AktuelleTonvorlage = target.get();
        canvas_ = std::make_unique<TPicture>(nullptr, QStringLiteral("Blech"), 0, 0, 50, 50);
        NewGame();
    }

    // A game's own panel and history, as the laboratory makes them: again
    // after an accepted batch has ended the last game.
    void NewGame() {
        Spiel->BatchAkzeptiert = false;
        Spiel->Blech = std::make_unique<TChargenblech>(canvas_.get(), Mischregal);
        panel = Spiel->Blech.get();
        Spiel->Historie = std::make_unique<THistorie>(Mischregal);
    }

    void Stop() {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        AktuelleTonvorlage = savedTarget_;
        target.reset();
        DestroyScreens();
        canvas_.reset();
        delete ownMischregal_;
        delete ownHardware_;
        delete ownKonfiguration_;
        if (ownMischregal_)
            Mischregal = nullptr;
        if (ownHardware_)
            Hardware = nullptr;
        if (ownKonfiguration_)
            Konfiguration = nullptr;
        ownMischregal_ = nullptr;
        ownHardware_ = nullptr;
        ownKonfiguration_ = nullptr;
        env.reset();
    }

    // The media calls of one player, in order ("FileName=x.wav", "Open", ...).
    static QStringList CallsOf(const QString& player) {
        QStringList calls;
        for (const QString& c : FakeMediaLog::Calls())
            if (c.startsWith(player + ":"))
                calls << c.mid(player.size() + 1);
        return calls;
    }

private:
    void StandIn(const QString& name, QColor colour) {
        if (QFileInfo::exists(scratch_.filePath(name)))
            return;
        QImage image(800, 255, QImage::Format_RGB32);
        image.fill(colour);
        image.save(scratch_.filePath(name), "BMP");
    }

    QTemporaryDir scratch_;
    std::unique_ptr<TPicture> canvas_;
    TKonfiguration* ownKonfiguration_ = nullptr;
    THardware* ownHardware_ = nullptr;
    TMischregal* ownMischregal_ = nullptr;
    TTonvorlage* savedTarget_ = nullptr;
};

// Takes a file out of the working folder for one test and puts it back.
class HiddenFile {
public:
    explicit HiddenFile(QString name) : name_(std::move(name)) { QFile::rename(name_, name_ + ".away"); }
    ~HiddenFile() { QFile::rename(name_ + ".away", name_); }

private:
    QString name_;
};
