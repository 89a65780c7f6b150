// The media stack is a module loaded at first use: building and showing the
// screens loads none of it, and a game whose module is missing runs silent,
// reporting the clip it cannot show.
#include "support/DialogGame.h"

#include "dialogs/Kundenmanager1.h"
#include "platform/Media.h"
#include "platform/Toolkit.h"
#include "shell/Vernicurastart1.h"

#include <QFile>
#include <QTest>

namespace {
bool MediaStackMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = maps.readAll();
    return text.contains("libQt6Multimedia") || text.contains("libpulse") || text.contains("pigmentra_media");
}
}  // namespace

class MediaModuleTest : public QObject {
    Q_OBJECT
    DialogGame game;

private slots:
    void initTestCase() {
        game.PrepareFolder();
        // This program never finds the module.
        qputenv("PIGMENTRA_MEDIA_MODULE", QByteArray("/nonexistent/pigmentra_media.so"));
    }
    void init() {
        game.Start();
        SetMediaPlayerFactory({});
        SetAudioOutputCounter({});
    }
    void cleanup() { game.Stop(); }

    void buildingAndShowingTheScreensLoadsNoMediaStack();
    void withoutTheModuleTheGameIsSilentAndReportsTheClip();
};

void MediaModuleTest::buildingAndShowingTheScreensLoadsNoMediaStack() {
    // Start-up makes every screen with its players; none loads the module
    // until a file is opened or the system is asked for its outputs.
    DestroyScreens();
    CreateScreens();
    VernicuraStart->ShowForm();
    QTest::qWait(1);
    QVERIFY(!MediaStackMapped());
}

void MediaModuleTest::withoutTheModuleTheGameIsSilentAndReportsTheClip() {
    // No module: no audio output counts, so the sound switch goes off; the
    // clip, shown whatever the switch says, gives the error box naming what
    // is missing, and the scene still closes with its button.
    DestroyScreens();
    CreateScreens();  // with the real players
    QCOMPARE(AudioOutputCount(), 0);
    Hardware->TonAn = true;
    Hardware->CheckOutputs();
    QVERIFY(!Hardware->TonAn);

    std::unique_ptr<TMediaPlayer> player = CreateMediaPlayer(QStringLiteral("Test.MediaPlayer"));
    player->SetFileName(QStringLiteral("PigmentraOK.wav"));
    try {
        player->Open();
        QFAIL("opened without the module");
    } catch (const ToolkitError& e) {
        QVERIFY2(e.Message().contains(QStringLiteral("nicht verfügbar")), qPrintable(e.Message()));
        QVERIFY2(e.Message().contains(QStringLiteral("pigmentra_media")), qPrintable(e.Message()));
    }
    player->Play();  // nothing to play, nothing fails
    player->Close();
    // A missing file is named as ever, before the module is even looked for.
    player->SetFileName(QStringLiteral("NoSuchSound.wav"));
    QVERIFY_THROWS_EXCEPTION(ToolkitError, player->Open());

    game.env->errors.clear();
    Kundenmanager->ShowForm();
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY2(game.env->errors.first().contains(QStringLiteral("nicht verfügbar")),
             qPrintable(game.env->errors.first()));
    QVERIFY(ClickButton(Kundenmanager, QStringLiteral("Ok")));
    QVERIFY(!Kundenmanager->isVisible());
    QCOMPARE(game.env->errors.size(), 1);
}

QTEST_MAIN(MediaModuleTest)
#include "tst_media_module.moc"
