// The real media stack: the manager's clip played through the Qt player and
// painted into the manager's panel.
// Kept apart from the other tests because GStreamer, PulseAudio and GLib keep
// allocations of their own until exit, so this one runs without leak checks.
#include "support/DialogGame.h"

#include "dialogs/Kundenmanager1.h"
#include "platform/Controls.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTest>

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
    // The generated clip plays through the real player and is painted into
    // "Display" itself, scaled to fill it: what the panel shows is not black
    // and moves, on the first showing and again on the next.
    if (!QFileInfo::exists("PigmentraFaust.avi"))
        QSKIP("the clip has not been generated yet");
    DestroyScreens();
    SetMediaPlayerFactory({});
    game.env->audioOutputs = 0;
    CreateScreens();
    Hardware->TonAn = false;

    for (int showing = 1; showing <= 2; ++showing) {
        Kundenmanager->ShowForm();
        QCOMPARE(game.env->errors, QStringList());
        QList<QImage> pictures;  // the different lit pictures the panel showed
        QElapsedTimer clock;
        clock.start();
        while (pictures.size() < 3 && clock.elapsed() < 10000) {
            QTest::qWait(40);
            const QImage shot = Kundenmanager->Display->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shot.size(), QSize(215, 234));
            bool lit = false;
            for (int y = 0; y < shot.height() && !lit; y += 4)
                for (int x = 0; x < shot.width() && !lit; x += 4)
                    lit = qGray(shot.pixel(x, y)) > 40;
            if (lit && !pictures.contains(shot))
                pictures.append(shot);
        }
        QVERIFY2(pictures.size() >= 3,
                 qPrintable(QStringLiteral("showing %1: %2 different lit pictures").arg(showing).arg(pictures.size())));
        ClickButton(Kundenmanager, QStringLiteral("Ok"));
        QVERIFY(!Kundenmanager->isVisible());
    }
}

QTEST_MAIN(TestMediaPlayback)
#include "tst_media_playback.moc"
