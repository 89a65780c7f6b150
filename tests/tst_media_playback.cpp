// The real media stack: the manager's clip played through the Qt player and
// painted into the manager's panel.
// Kept apart from the other tests because GStreamer, PulseAudio and GLib keep
// allocations of their own until exit, so this one runs without leak checks.
//
// Every wait here has a deadline of its own, well inside the test's time
// limit: waits for pictures are bounded polls, and each call that goes into
// the real player (open, play, stop, tear-down) runs under a watchdog that
// ends the program with the step's name should GStreamer never return.
#include "support/DialogGame.h"

#include "dialogs/Kundenmanager1.h"
#include "platform/Controls.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {
// Seconds a single call into the real player may take before the run is
// given up as hung.
constexpr int CallLimitSeconds = 30;
// How long a showing may stay black before its player counts as not started,
// and how long a started clip has to show three different pictures.
constexpr int StartLimitMs = 8000;
constexpr int PlayLimitMs = 8000;

// Ends the program when an armed step outlives its limit. A call blocked
// inside the media stack cannot be interrupted from the test's own thread;
// this turns such a hang into a prompt failure that names the step.
class Watchdog {
public:
    Watchdog() : thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    void Arm(const char* step, int seconds) {
        std::lock_guard<std::mutex> lock(mutex_);
        step_ = step;
        deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        armed_ = true;
        changed_.notify_all();
    }
    void Disarm() {
        std::lock_guard<std::mutex> lock(mutex_);
        armed_ = false;
        changed_.notify_all();
    }

private:
    void watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!quit_) {
            if (!armed_) {
                changed_.wait(lock);
                continue;
            }
            if (changed_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
                std::chrono::steady_clock::now() >= deadline_) {
                std::fprintf(stderr, "FAIL: the real player did not return from \"%s\" within its limit: hung\n",
                             step_);
                std::fflush(stderr);
                std::_Exit(EXIT_FAILURE);
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    const char* step_ = "";
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool quit_ = false;
    std::thread thread_;
};

// One call into the real player under the watchdog.
template <class Call>
void Guarded(Watchdog& dog, const char* step, Call call, int seconds = CallLimitSeconds) {
    dog.Arm(step, seconds);
    call();
    dog.Disarm();
}

bool Lit(const QImage& shot) {
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4)
            if (qGray(shot.pixel(x, y)) > 40)
                return true;
    return false;
}

// The different lit pictures the panel showed, polled until `enough` or
// until `limitMs` has passed.
QList<QImage> WatchPanel(QWidget* display, int enough, int limitMs, QList<QImage> seen = {}) {
    QElapsedTimer clock;
    clock.start();
    while (seen.size() < enough && clock.elapsed() < limitMs) {
        QTest::qWait(40);
        const QImage shot = display->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (Lit(shot) && !seen.contains(shot))
            seen.append(shot);
    }
    return seen;
}
}  // namespace

class TestMediaPlayback : public QObject {
    Q_OBJECT
    DialogGame game;
    Watchdog dog;

private slots:
    void initTestCase() { game.PrepareFolder(); }
    void init() { game.Start(); }
    void cleanup() {
        Guarded(dog, "closing the players", [this] { game.Stop(); });
    }

    void managerPlaysRealClipIntoDisplay();
};

void TestMediaPlayback::managerPlaysRealClipIntoDisplay() {
    // The generated clip plays through the real player and is painted into
    // "Display" itself, scaled to fill it: what the panel shows is not black
    // and moves, on the first showing and again on the next. A player that
    // shows nothing at all is given one more try (the notice closed and
    // shown again) before it counts as failed.
    if (!QFileInfo::exists("PigmentraFaust.avi"))
        QSKIP("the clip has not been generated yet");
    Guarded(dog, "rebuilding the screens", [this] {
        DestroyScreens();
        SetMediaPlayerFactory({});
        game.env->audioOutputs = 0;
        CreateScreens();
    });
    Hardware->TonAn = false;
    QCOMPARE(Kundenmanager->Display->size(), QSize(215, 234));

    for (int showing = 1; showing <= 2; ++showing) {
        QList<QImage> pictures;
        for (int attempt = 1; attempt <= 2 && pictures.isEmpty(); ++attempt) {
            if (attempt > 1) {
                qWarning("showing %d: the player showed nothing within %d ms; trying once more", showing, StartLimitMs);
                bool closed = false;
                Guarded(dog, "closing a clip that never started",
                        [&] { closed = ClickButton(Kundenmanager, QStringLiteral("Ok")); });
                QVERIFY(closed);
            }
            Guarded(dog, "opening and playing the clip", [] { Kundenmanager->ShowForm(); });
            QCOMPARE(game.env->errors, QStringList());
            Guarded(
                dog, "waiting for the first picture",
                [&] { pictures = WatchPanel(Kundenmanager->Display, 1, StartLimitMs); },
                StartLimitMs / 1000 + CallLimitSeconds);
        }
        QVERIFY2(!pictures.isEmpty(),
                 qPrintable(QStringLiteral("showing %1: the player never started, twice").arg(showing)));

        Guarded(
            dog, "waiting for the clip to move",
            [&] { pictures = WatchPanel(Kundenmanager->Display, 3, PlayLimitMs, pictures); },
            PlayLimitMs / 1000 + CallLimitSeconds);
        QVERIFY2(pictures.size() >= 3,
                 qPrintable(QStringLiteral("showing %1: %2 different lit pictures").arg(showing).arg(pictures.size())));
        bool closed = false;
        Guarded(dog, "closing the clip", [&] { closed = ClickButton(Kundenmanager, QStringLiteral("Ok")); });
        QVERIFY(closed);
        QVERIFY(!Kundenmanager->isVisible());
    }
}

QTEST_MAIN(TestMediaPlayback)
#include "tst_media_playback.moc"
