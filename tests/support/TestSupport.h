#pragma once
// Test doubles for the game: a clock whose time and pauses the test sets and
// records, media players that record their calls, recorders for the error and
// message boxes, and a responder for modal forms.
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/Media.h"

#include <QStringList>
#include <functional>
#include <map>

class FakeClock : public TClock {
public:
    double Now = 0.5;          // local time of day, fraction of a day
    QTime Utc = QTime(12, 0);  // UTC time of day
    QList<int> Sleeps;         // every pause asked for, in milliseconds

    double LocalTimeOfDay() override { return Now; }
    QTime UtcTime() override { return Utc; }
    void Sleep(int milliseconds) override { Sleeps.append(milliseconds); }

    void SetLocal(int h, int m, int s, int ms = 0) { Now = TimeOfDayFraction(QTime(h, m, s, ms)); }
    void AdvanceSeconds(double seconds) { Now += seconds / 86400.0; }
};

// Every call of every fake player lands in one log, as
// "<player name>:<call>" ("Spielschirm.MediaPlayer:Open").
class FakeMediaLog {
public:
    static QStringList& Calls();
    static void Clear() { Calls().clear(); }
    // Names of files that Open() reports as missing.
    static QStringList& MissingFiles();
    static int Count(const QString& entry) { return int(Calls().count(entry)); }
};

// Installs the fake clock, fake media players, an audio output count, the
// error/message recorders and a desktop of 1024 x 768 for the lifetime of the
// object; restores the real ones afterwards.
class TestEnvironment {
public:
    explicit TestEnvironment(int audioOutputs = 1);
    ~TestEnvironment();

    FakeClock clock;
    QStringList errors;    // toolkit failures shown
    QStringList messages;  // the game's own message boxes shown
    int audioOutputs;
    int audioOutputQueries = 0;  // how often the game asked for the count

    // Called whenever a form starts a modal run (e.g. press its Ok).
    std::function<void(TForm*)> onModal;
};

// The driver's steps return whether the player could take them and say why
// not on the test's log; check each with QVERIFY, so that a failed step ends
// the test instead of letting it run on against a game that never got the
// key or click:
//     QVERIFY(Player::Key(Qt::Key_Return));
// Inside a modal form's responder a failed step ends the responder; the
// environment then closes the form, so the modal run cannot wait for ever.

// Clicks a button found by objectName inside a widget, the way the player
// does (Player::Click).
[[nodiscard]] bool ClickButton(QWidget* root, const QString& name);

// The player's hands. Keys go to the focus widget of the active window, as
// the keyboard delivers them; clicks go through the window system at a point
// of the widget's window, so focus, default buttons, stacking and disabled
// (blocked) windows all take part. A key sent straight to a widget cannot
// see where the focus really is: that style is only for tests of one widget.
namespace Player {
// The window that has the keyboard focus, once pending window events are
// delivered; null when none has.
QWidget* ActiveWindow();
// The widget that the next key reaches.
QWidget* FocusWidget();
[[nodiscard]] bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
[[nodiscard]] bool Type(const QString& text);
// A click at a point of the widget (its centre by default), delivered to the
// widget's window: whatever lies on top at that point receives it.
[[nodiscard]] bool Click(QWidget* widget, QPoint at = QPoint(-1, -1));
[[nodiscard]] bool DoubleClick(QWidget* widget, QPoint at = QPoint(-1, -1));
}  // namespace Player
