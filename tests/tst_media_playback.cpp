// The real media stack: the manager's clip played through the Qt player.
// Kept apart from the other tests because GStreamer, PulseAudio and GLib keep
// allocations of their own until exit, so this one runs without leak checks.
#include "DialogGame.h"

#include "dialogs/Kundenmanager1.h"
#include "platform/Controls.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QVideoSink>
#include <QVideoWidget>

class TestMediaPlayback : public QObject {
    Q_OBJECT
    DialogGame game;

private slots:
    void initTestCase() { game.PrepareFolder(); }
    void init() { game.Start(); }
    void cleanup() { game.Stop(); }

    void managerPlaysRealClipIntoDisplay();
};

void TestMediaPlayback::managerPlaysRealClipIntoDisplay() {
    // The generated clip plays through the real player: frames reach the video shown in "Display".
    if (!QFileInfo::exists("PigmentraFaust.avi"))
        QSKIP("the clip has not been generated yet");
    DestroyScreens();
    SetMediaPlayerFactory({});
    game.env->audioOutputs = 0;
    CreateScreens();
    Hardware->TonAn = false;

    Kundenmanager->ShowForm();
    QCOMPARE(game.env->errors, QStringList());
    auto* video = Kundenmanager->Display->findChild<QVideoWidget*>();
    QVERIFY(video);
    QCOMPARE(video->size(), QSize(215, 234));
    int frames = 0;
    QEventLoop wait;
    connect(video->videoSink(), &QVideoSink::videoFrameChanged, &wait, [&] {
        if (++frames >= 3)
            wait.quit();
    });
    QTimer::singleShot(10000, &wait, &QEventLoop::quit);
    wait.exec();
    QVERIFY2(frames >= 3, qPrintable(QString::number(frames)));
    ClickButton(Kundenmanager, QStringLiteral("Ok"));
    QVERIFY(!Kundenmanager->isVisible());
}

QTEST_MAIN(TestMediaPlayback)
#include "tst_media_playback.moc"
