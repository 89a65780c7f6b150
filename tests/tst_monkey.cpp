// Random play: a seeded stream of clicks, double clicks, drags on the track
// bars, key presses and Enters on the visible parts of whichever forms are
// open, with the clock jumping past the base-colour drift now and then. After
// every event the game must still be whole.
//
//   PIGMENTRA_MONKEY_EVENTS  number of events (default 3000)
//   PIGMENTRA_MONKEY_SEED    seed of the stream (default 1, whose first 3000
//                            events reach every one of the twelve forms)
#include "support/ScreenGame.h"
#include "support/TestSupport.h"

#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "screens/Dosierschritt.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheGameWhole();
    void doubleClickCannotBringInANinthBaseColour();
};

namespace {
constexpr int DefaultEvents = 3000;
constexpr quint32 DefaultSeed = 1;

QList<TForm*> GameForms() {
    return {VernicuraStart,       Vernicura,       Spielschirm, Spielschirm2,   Farbenpruefung, Autoproduktion,
            Produktionsbeschluss, NeueBasisfarben, Ueberlauf,   MaxBasisfarben, Kundenmanager,  HighScore};
}

int EnvInt(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class Monkey : public QObject {
public:
    Monkey(TestEnvironment& env, quint32 seed, int events) : env_(env), rng_(seed), events_(events) {
        env_.onModal = [this](TForm*) { schedule(); };
        qApp->installEventFilter(this);
        for (TForm* form : GameForms())
            if (form && form->isVisible()) {
                Seen.insert(form->objectName());
                front_ = form;
            }
    }
    ~Monkey() override {
        qApp->removeEventFilter(this);
        env_.onModal = nullptr;
    }

    // Plays the whole stream, then closes every form and waits until every
    // modal run has ended.
    void Run() {
        QTimer watchdog;
        watchdog.setInterval(1000);
        QObject::connect(&watchdog, &QTimer::timeout, [this] { watch(); });
        watchdog.start();
        clock_.start();
        schedule();
        loop_.exec();
    }

    QStringList Failures;
    QSet<QString> Seen;  // forms that were on screen at some point
    int Sent = 0;
    int Games = 0;
    int Drifts = 0;

private:
    // ---- the pump: one event per turn of whichever event loop runs ----
    // The next turn is posted before an event is sent, so an event that
    // starts a loop of its own (a modal form, a context menu) finds the
    // stream going on inside it. QTest delivers every event and then lets
    // the loop run once; a turn arriving there, on the same loop level as
    // the event being sent, waits until that event has been handled.
    void schedule() {
        if (scheduled_)
            return;
        scheduled_ = true;
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void step() {
        scheduled_ = false;
        const int level = QThread::currentThread()->loopLevel();
        if (sending_ && level <= sendingLevel_) {
            schedule();
            return;
        }
        progress_ = clock_.elapsed();
        check("before event");
        if (Sent >= events_ || !Failures.isEmpty()) {
            closeEverything();
            return;
        }
        ++Sent;
        if (Sent % 10000 == 0)
            qInfo("%d events, %d games, %lld s", Sent, Games, clock_.elapsed() / 1000);
        schedule();
        const bool wasSending = sending_;
        const int wasLevel = sendingLevel_;
        sending_ = true;
        sendingLevel_ = level;
        randomEvent();
        sending_ = wasSending;
        sendingLevel_ = wasLevel;
        check("after event");
    }

    void closeEverything() {
        bool open = false;
        while (QWidget* popup = QApplication::activePopupWidget()) {
            open = true;
            popup->close();
        }
        for (TForm* form : GameForms()) {
            if (form && (form->isVisible() || form->InModalRun())) {
                open = true;
                form->Close();
            }
        }
        if (open || sending_)
            schedule();  // the loops unwind; come back until all are over
        else
            loop_.quit();
    }

    // A stream that stops moving (a loop nobody feeds) fails instead of
    // hanging until the test's time runs out.
    void watch() {
        if (clock_.elapsed() - progress_ < 60000)
            return;
        fail(QStringLiteral("no event for 60 s: the stream is stuck"));
        progress_ = clock_.elapsed();
        scheduled_ = false;
        schedule();
    }

    // ---- choosing where to act ----
    TForm* pickForm() {
        QList<TForm*> candidates;
        QList<double> weights;
        for (TForm* form : GameForms()) {
            if (!form || !form->isVisible())
                continue;
            double weight = form->isEnabled() ? 2.0 : 0.2;
            if (form->isEnabled() && form == front_)
                weight = 6.0;
            candidates << form;
            weights << weight;
        }
        if (candidates.isEmpty())
            return nullptr;
        return candidates[pickWeighted(weights)];
    }

    static double componentWeight(QWidget* w) {
        if (w == Vernicura->Ende)
            return 0.0;  // quits the program: the stream would end here
        if (w->objectName() == QLatin1String("Ende") || w == Spielschirm->Ende || w == Spielschirm2->Ende)
            return 0.25;  // leaving a game: now and then, so games get long enough
        if (qobject_cast<QAbstractButton*>(w))
            return 4.0;
        if (dynamic_cast<TTrackBar*>(w))
            return 5.0;
        if (auto* picture = dynamic_cast<TPicture*>(w))
            return (picture->OnClick || picture->OnMouseDown) ? 4.0 : 0.5;
        if (dynamic_cast<TClickArea*>(w))
            return 1.5;
        if (qobject_cast<QLineEdit*>(w))
            return 1.0;
        return 0.3;
    }

    QWidget* pickComponent(TForm* form) {
        QList<QWidget*> parts;
        QList<double> weights;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            // Only what the player can see: not scrolled away, not covered.
            if (!w->isVisible() || w->isWindow() || w->visibleRegion().isEmpty())
                continue;
            const double weight = componentWeight(w);
            if (weight <= 0.0)
                continue;
            parts << w;
            weights << weight;
        }
        parts << form;
        weights << 0.3;
        return parts[pickWeighted(weights)];
    }

    int pickWeighted(const QList<double>& weights) {
        double total = 0.0;
        for (double w : weights)
            total += w;
        double r = rng_.generateDouble() * total;
        for (int i = 0; i < weights.size(); ++i) {
            if (r < weights[i])
                return i;
            r -= weights[i];
        }
        return int(weights.size()) - 1;
    }

    // A point inside the component, in its form's coordinates, kept inside
    // the window.
    QPoint pointIn(TForm* form, QWidget* w) {
        QRect area = w->rect();
        const QRegion seen = w->visibleRegion();
        if (!seen.isEmpty()) {
            const int count = int(seen.end() - seen.begin());
            area = *(seen.begin() + rng_.bounded(count));
        }
        const QPoint local(area.x() + rng_.bounded(qMax(1, area.width())),
                           area.y() + rng_.bounded(qMax(1, area.height())));
        QPoint p = w == form ? local : w->mapTo(form, local);
        p.setX(qBound(0, p.x(), form->width() - 1));
        p.setY(qBound(0, p.y(), form->height() - 1));
        return p;
    }

    static bool quitsProgram(TForm* form, QPoint p) { return form == Vernicura && form->childAt(p) == Vernicura->Ende; }

    // ---- the events ----
    void randomEvent() {
        advanceClock(0.1 + rng_.generateDouble() * 1.5);
        if (rng_.bounded(100) < 3) {
            // Past the 120 seconds after which the base colours drift.
            advanceClock(121.0 + rng_.bounded(300));
            ++Drifts;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            // A context menu of a scroll bar, the name field or the rules.
            if (rng_.bounded(10) < 7 && popup->windowHandle()) {
                usePopup(popup);
                return;
            }
        }
        TForm* form = pickForm();
        if (!form)
            return;
        QWidget* target = pickComponent(form);
        QWindow* window = form->windowHandle();
        if (!window)
            return;
        const int kind = rng_.bounded(100);
        if (kind < 42) {
            const QPoint p = pointIn(form, target);
            const Qt::MouseButton button = pickButton();
            note(QStringLiteral("click %1 on %2")
                     .arg(int(button))
                     .arg(describe(form->childAt(p) ? form->childAt(p) : form)));
            if (!quitsProgram(form, p))
                QTest::mouseClick(window, button, {}, p);
        } else if (kind < 50) {
            const QPoint p = pointIn(form, target);
            note(QStringLiteral("double click on %1").arg(describe(form->childAt(p) ? form->childAt(p) : form)));
            if (!quitsProgram(form, p))
                QTest::mouseDClick(window, Qt::LeftButton, {}, p);
        } else if (kind < 64) {
            drag(form, window);
        } else if (kind < 86) {
            keyPress(form, window, target);
        } else if (kind < 94) {
            enter(form, window);
        } else {
            activate();
        }
    }

    void usePopup(QWidget* popup) {
        QWindow* window = popup->windowHandle();
        note(QStringLiteral("popup ") + describe(popup));
        switch (rng_.bounded(4)) {
            case 0: QTest::keyClick(window, Qt::Key_Escape); break;
            case 1: QTest::keyClick(window, rng_.bounded(2) ? Qt::Key_Down : Qt::Key_Up); break;
            case 2: QTest::keyClick(window, Qt::Key_Return); break;
            default:
                QTest::mouseClick(
                    window, Qt::LeftButton, {},
                    QPoint(rng_.bounded(qMax(1, popup->width())), rng_.bounded(qMax(1, popup->height()))));
        }
    }

    Qt::MouseButton pickButton() {
        const int r = rng_.bounded(10);
        return r < 8 ? Qt::LeftButton : r < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    // Press on a track bar, move, release: a drag of the handle or a press
    // on the groove.
    void drag(TForm* form, QWindow* window) {
        QList<TTrackBar*> bars;
        for (TTrackBar* bar : form->findChildren<TTrackBar*>())
            if (bar->isVisible())
                bars << bar;
        if (bars.isEmpty()) {
            QTest::mouseClick(window, Qt::LeftButton, {}, pointIn(form, pickComponent(form)));
            return;
        }
        TTrackBar* bar = bars[rng_.bounded(int(bars.size()))];
        const QPoint from = pointIn(form, bar);
        const QPoint to = pointIn(form, bar);
        // The middle button puts the handle where it is pressed.
        const Qt::MouseButton button = rng_.bounded(5) < 3 ? Qt::LeftButton : Qt::MiddleButton;
        note(QStringLiteral("drag %1 on %2").arg(int(button)).arg(describe(bar)));
        QTest::mousePress(window, button, {}, from);
        const QPoint middle = (from + to) / 2;
        QTest::mouseMove(window, middle);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, button, {}, to);
    }

    void keyPress(TForm* form, QWindow* window, QWidget* target) {
        static const Qt::Key keys[] = {Qt::Key_Up,      Qt::Key_Down,     Qt::Key_Left,      Qt::Key_Right,
                                       Qt::Key_PageUp,  Qt::Key_PageDown, Qt::Key_Home,      Qt::Key_End,
                                       Qt::Key_Return,  Qt::Key_Enter,    Qt::Key_Escape,    Qt::Key_Tab,
                                       Qt::Key_Backtab, Qt::Key_Space,    Qt::Key_Backspace, Qt::Key_Delete,
                                       Qt::Key_A,       Qt::Key_A,        Qt::Key_0};
        Qt::Key key = keys[rng_.bounded(int(std::size(keys)))];
        if (key == Qt::Key_A)
            key = Qt::Key(Qt::Key_A + rng_.bounded(26));
        else if (key == Qt::Key_0)
            key = Qt::Key(Qt::Key_0 + rng_.bounded(10));
        const Qt::KeyboardModifiers modifiers = rng_.bounded(10) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        // Half of the keys go to one part first given the focus (as a click
        // or Tab would), the others to whatever has the focus already.
        if (rng_.bounded(2) == 0 && target != form && target->focusPolicy() != Qt::NoFocus && target->isEnabled())
            target->setFocus(Qt::OtherFocusReason);
        if (form == Vernicura && Vernicura->focusWidget() == Vernicura->Ende)
            return;
        note(QStringLiteral("key %1 to %2")
                 .arg(QKeySequence(key).toString(), describe(form->focusWidget() ? form->focusWidget() : form)));
        QTest::keyClick(window, key, modifiers);
    }

    // Enter: in a visible track bar (the dosing step) or on the form (its
    // default button).
    void enter(TForm* form, QWindow* window) {
        QList<TTrackBar*> bars;
        for (TTrackBar* bar : form->findChildren<TTrackBar*>())
            if (bar->isVisible() && bar->isEnabled())
                bars << bar;
        if (!bars.isEmpty() && rng_.bounded(3) != 0)
            bars[rng_.bounded(int(bars.size()))]->setFocus(Qt::OtherFocusReason);
        if (form == Vernicura && Vernicura->focusWidget() == Vernicura->Ende)
            return;
        note(QStringLiteral("Enter to %1").arg(describe(form->focusWidget() ? form->focusWidget() : form)));
        QTest::keyClick(window, rng_.bounded(4) == 0 ? Qt::Key_Enter : Qt::Key_Return);
    }

    // What a window manager does when the player clicks another window: it
    // becomes the active one (also a blocked one, which must ignore it).
    void activate() {
        QList<TForm*> visible;
        for (TForm* form : GameForms())
            if (form && form->isVisible() && (form->isEnabled() || rng_.bounded(4) == 0))
                visible << form;
        if (!visible.isEmpty()) {
            TForm* form = visible[rng_.bounded(int(visible.size()))];
            note(QStringLiteral("activate %1").arg(form->objectName()));
            form->activateWindow();
        }
        QCoreApplication::processEvents();
    }

    void advanceClock(double seconds) {
        FakeClock& c = env_.clock;
        c.AdvanceSeconds(seconds);
        if (c.Now >= 1.0)
            c.Now -= 1.0;  // past midnight
        c.Utc = c.Utc.addMSecs(int(seconds * 1000.0));
    }

    // ---- watching ----
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* form = dynamic_cast<TForm*>(watched)) {
                front_ = form;
                Seen.insert(form->objectName());
                if (form == Spielschirm) {
                    // A new game: "Játék" has just put the points to 0.
                    ++Games;
                    awaitingRemoval_.clear();
                    resetAllowed_ = true;
                }
            }
        } else if (event->type() == QEvent::MouseButtonDblClick && Mischregal && Spielschirm &&
                   watched->parent() == Spielschirm->AutoBasisfarben) {
            // A double click takes a base colour out of the laboratory
            // mixture; the recipe follows at the next dosing step.
            const QString name = watched->objectName();
            if (name.startsWith(QLatin1String("Swatch")))
                for (const auto& colour : Mischregal->Basisfarben)
                    if (QStringLiteral("Swatch") + colour->Code == name)
                        awaitingRemoval_.insert(colour->Index);
        }
        return QObject::eventFilter(watched, event);
    }

    void fail(const QString& what) {
        if (Failures.isEmpty())
            Failures << QStringLiteral("last events:\n  ") + recent_.join(QStringLiteral("\n  "));
        if (Failures.size() < 20)
            Failures << QStringLiteral("event %1: %2").arg(Sent).arg(what);
    }

    // The last events sent, for the report of a failure.
    void note(const QString& what) {
        recent_ << QStringLiteral("%1 [loop %2] %3").arg(Sent).arg(QThread::currentThread()->loopLevel()).arg(what);
        if (recent_.size() > 30)
            recent_.removeFirst();
    }

    static QString describe(QWidget* w) {
        QStringList path;
        for (QWidget* p = w; p; p = p->parentWidget()) {
            path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                                   : p->objectName());
            if (p->isWindow())
                break;
        }
        return path.join(QLatin1Char('/'));
    }

    void check(const char* when) {
        const QString at = QString::fromLatin1(when);
        if (!env_.errors.isEmpty()) {
            fail(at + ": toolkit failure shown: " + env_.errors.join(QStringLiteral(" | ")));
            env_.errors.clear();
        }
        if (env_.messages.contains(QStringLiteral("Error Highscore"))) {
            fail(at + ": \"Error Highscore\" shown");
            env_.messages.clear();
        }

        // Points only grow within a game; "Játék", which starts the next
        // one, alone puts them back to 0.
        if (Punktestand < lastPoints_) {
            if (Punktestand != 0 || !resetAllowed_)
                fail(QStringLiteral("%1: points fell from %2 to %3").arg(at).arg(lastPoints_).arg(Punktestand));
        }
        resetAllowed_ = false;
        lastPoints_ = Punktestand;

        if (!Mischregal || !Konfiguration) {
            fail(at + ": the game objects are gone");
            return;
        }
        const double limit = Konfiguration->Produktionsphase == 1 ? 12000.0 : 100.0;
        int used = 0;
        for (const auto& colour : Mischregal->Basisfarben) {
            if (!(colour->Amount >= 0.0 && colour->Amount <= limit) ||
                !(colour->PreviousAmount >= 0.0 && colour->PreviousAmount <= limit))
                fail(QStringLiteral("%1: base colour %2 holds %3 (before %4), outside 0..%5")
                         .arg(at, colour->Code)
                         .arg(colour->Amount)
                         .arg(colour->PreviousAmount)
                         .arg(limit));
            if (colour->Amount > 0.0) {
                ++used;
                awaitingRemoval_.remove(colour->Index);
            }
        }
        if (used > 8)
            fail(QStringLiteral("%1: %2 base colours in use").arg(at).arg(used));

        TStringGrid* grid = nullptr;
        if (Spielschirm->isVisible())
            grid = Spielschirm->Rezept;
        else if (Spielschirm2->isVisible())
            grid = Spielschirm2->Rezept;
        if (grid && grid->isVisible())
            checkRecipe(at, grid);
    }

    // The recipe lists every base colour in use in shelf order with its
    // amount as "%8.2f"; one just taken out by a double click may still be
    // listed until the next dosing step.
    void checkRecipe(const QString& at, TStringGrid* grid) {
        if (grid->Cell(0, 0) != QLatin1String("Basis.") || grid->Cell(1, 0) != QLatin1String("Menge")) {
            fail(at + ": recipe header is \"" + grid->Cell(0, 0) + "\" \"" + grid->Cell(1, 0) + "\"");
            return;
        }
        int row = 1;
        for (const auto& colour : Mischregal->Basisfarben) {
            const bool listed = row < grid->RowCount() && grid->Cell(0, row) == colour->Code;
            if (colour->Amount > 0.0) {
                const QString amount = QString::asprintf("%8.2f", colour->Amount);
                if (!listed || grid->Cell(1, row) != amount) {
                    fail(QStringLiteral("%1: recipe row %2 is \"%3\" \"%4\", the shelf has %5 at %6")
                             .arg(at)
                             .arg(row)
                             .arg(grid->Cell(0, row), grid->Cell(1, row), colour->Code, amount));
                    return;
                }
                ++row;
            } else if (listed) {
                if (!awaitingRemoval_.contains(colour->Index)) {
                    fail(QStringLiteral("%1: recipe lists %2, which is not in the mixture").arg(at, colour->Code));
                    return;
                }
                ++row;
            } else {
                awaitingRemoval_.remove(colour->Index);
            }
        }
        if (row != grid->RowCount())
            fail(QStringLiteral("%1: recipe has %2 rows, the shelf gives %3").arg(at).arg(grid->RowCount()).arg(row));
    }

    TestEnvironment& env_;
    QRandomGenerator rng_;
    int events_;
    QEventLoop loop_;
    QElapsedTimer clock_;
    qint64 progress_ = 0;
    bool scheduled_ = false;
    bool sending_ = false;  // an event is being delivered
    int sendingLevel_ = 0;  // the loop level it was sent from
    QPointer<TForm> front_;
    int lastPoints_ = 0;
    bool resetAllowed_ = false;
    QSet<int> awaitingRemoval_;
    QStringList recent_;
};
}  // namespace

void MonkeyTest::randomPlayKeepsTheGameWhole() {
    // Whatever the player clicks, drags or types: no failure, points never fall within a game, amounts stay in range,
    // at most 8 base colours, the recipe grid matches the shelf.
    const int events = EnvInt("PIGMENTRA_MONKEY_EVENTS", DefaultEvents);
    const quint32 seed = quint32(EnvInt("PIGMENTRA_MONKEY_SEED", int(DefaultSeed)));
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QByteArray oldTemp = qgetenv("TEMP");
    qputenv("TEMP", temp.path().toLocal8Bit());

    {
        TestEnvironment env;
        QVERIFY(StartProgram());
        QElapsedTimer timer;
        timer.start();
        Monkey monkey(env, seed, events);
        monkey.Run();
        QStringList seen(monkey.Seen.begin(), monkey.Seen.end());
        seen.sort();
        qInfo("seed %u: %d events, %d games, %d drifts in %.1f s; forms seen: %s", seed, monkey.Sent, monkey.Games,
              monkey.Drifts, timer.elapsed() / 1000.0, qPrintable(seen.join(QLatin1Char(' '))));

        int objects = 0;
        for (TForm* form : GameForms())
            objects += int(form->findChildren<QObject*>().size());
        qInfo("objects under the forms: %d, top-level widgets: %d", objects,
              int(QApplication::topLevelWidgets().size()));
        for (TForm* form : GameForms())
            QVERIFY2(!form->isVisible() && !form->InModalRun(), qPrintable(form->objectName()));
        DestroyScreens();
        for (const QString& failure : monkey.Failures)
            qWarning("%s", qPrintable(failure));
        QVERIFY2(monkey.Failures.isEmpty(), "the game broke (see the warnings above)");
        QCOMPARE(monkey.Sent, events);
        // With the standard stream every one of the twelve forms is reached.
        if (seed == DefaultSeed && events >= DefaultEvents)
            QCOMPARE(monkey.Seen.size(), 12);
    }
    qputenv("TEMP", oldTemp);
}

void MonkeyTest::doubleClickCannotBringInANinthBaseColour() {
    // With 8 base colours in use, double-clicking a ninth selects nothing: the next dosing step still doses the one
    // selected before.
    ScreenGame game;
    game.Start();
    QVERIFY(game.StartLab());
    for (int i = 0; i < 8; ++i)
        QVERIFY(ScreenGame::LabDose(i, 10));
    QCOMPARE(Mischregal->UsedCount, 8);
    QCOMPARE(Mischregal->SelectedIndex, 7);

    QTest::mouseDClick(ScreenGame::Farbe(8)->Swatch, Qt::LeftButton);
    QCOMPARE(Mischregal->SelectedIndex, 7);
    Spielschirm->AutoScrollBar->SetPosition(40);
    QTest::mouseClick(Spielschirm->AuswahlTopf, Qt::LeftButton);
    QCOMPARE(ScreenGame::Farbe(8)->Amount, 0.0);
    QCOMPARE(ScreenGame::Farbe(7)->Amount, 40.0);
    QCOMPARE(Mischregal->UsedCount, 8);

    // A double click on one of the eight still takes it out at the next step.
    QTest::mouseDClick(ScreenGame::Farbe(3)->Swatch, Qt::LeftButton);
    QCOMPARE(Mischregal->SelectedIndex, 3);
    QTest::mouseClick(Spielschirm->AuswahlTopf, Qt::LeftButton);
    QCOMPARE(ScreenGame::Farbe(3)->Amount, 0.0);
    QCOMPARE(Mischregal->UsedCount, 7);
    game.Stop();
}

// A long stream runs for longer than QtTest's usual five minutes a test.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        const qint64 events = EnvInt("PIGMENTRA_MONKEY_EVENTS", DefaultEvents);
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(qMax<qint64>(300000, events * 100)));
    }
    MonkeyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_monkey.moc"
