// The foundation: the random draw, game state, colour values, the screen set,
// which window belongs to which, centring, flood fill, the guard around event
// handlers, and the keyboard on the forms.
#include "colour/Lab1.h"
#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Controls.h"
#include "platform/FloodFill.h"
#include "platform/Toolkit.h"
#include "platform/WindowSystem.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class FoundationTest : public QObject {
    Q_OBJECT

private slots:
    void randomDrawAfterSeedOne();
    void randomDrawAfterClockSeed();
    void levelTableAndPointsText();
    void colourValues();
    void setFromRgbIsExactForEveryChannel();
    void floodFillReplacesExactColourRegionOnly();
    void floodFillOfFullWindowAndNoOpCases();
    void guardReportsToolkitFailureAndSkipsRest();
    void twelveScreensWithGlobalsCaptionsAndSizes();
    void screensCentreWithTruncation();
    void modalRunsNestAndReenableWindows();
    void formsBelongToTheirOwnersAndDialogsStayUsable();
    void enterPressesDefaultButton();
    void windowSystemOnWayland();
    void trackBarKeysReachTheKeyTargetWhereverTheFocusIs();
    void everyFocusableControlShowsTheFocus();
};

void FoundationTest::randomDrawAfterSeedOne() {
    // Seeding with 1 gives the state 22695478; each draw is the upper 32 bits
    // of s × 1486058704437 + 1 without the sign bit (worked independently).
    Randomize(1);
    QCOMPARE(RandomState(), quint64(22695478));
    QCOMPARE(Zufallszahl(0), 0);  // takes no draw
    QCOMPARE(RandomState(), quint64(22695478));
    QCOMPARE(Zufallszahl(2147483647), 1410184549);
    QCOMPARE(Zufallszahl(100), 4);     // 672584604 mod 100
    QCOMPARE(Zufallszahl(6), 2);       // 1915668986 mod 6
    QCOMPARE(Zufallszahl(1000), 944);  // 576821944 mod 1000
    QCOMPARE(Zufallszahl(1), 0);
}

void FoundationTest::randomDrawAfterClockSeed() {
    // The game-start seed is the UTC time of day in milliseconds.
    TestEnvironment env;
    env.clock.Utc = QTime(12, 34, 56, 789);
    QCOMPARE(ClockSeed(), 45296789u);
    Randomize(ClockSeed());
    QCOMPARE(Zufallszahl(1000), 22);   // 622823022
    QCOMPARE(Zufallszahl(1000), 267);  // 188918267
    QCOMPARE(Zufallszahl(1000), 208);  // 1930913208
    env.clock.Utc = QTime(0, 0, 0, 0);
    QCOMPARE(ClockSeed(), 0u);
}

void FoundationTest::levelTableAndPointsText() {
    // Defaults of the record; each level copies its tolerances and scatter.
    TKonfiguration k;
    QCOMPARE(k.MaxVorlagenfarben, 6);
    QCOMPARE(k.MaxRezeptfarben, 8);
    QCOMPARE(k.AnzahlAutofarben, 50);
    QCOMPARE(k.AnzahlLevel, 3);
    QCOMPARE(k.Produktionsphase, 0);
    QCOMPARE(k.RezeptToleranz, 20.0f);
    QCOMPARE(k.ChargenToleranz, 10.0f);
    k.ApplyLevel(0);
    QCOMPARE(k.RezeptToleranz, 30.0f);
    QCOMPARE(k.ChargenToleranz, 12.5f);
    QCOMPARE(k.Farbstreuung, 0);
    k.ApplyLevel(2);
    QCOMPARE(k.Level, 2);
    QCOMPARE(k.RezeptToleranz, 20.0f);
    QCOMPARE(k.ChargenToleranz, 7.5f);
    QCOMPARE(k.Farbstreuung, 40);
    k.ApplyLevel(1);
    QCOMPARE(k.Farbstreuung, 20);
    QCOMPARE(PointsText(1300), QStringLiteral(" 1300 Punkte"));
    QCOMPARE(PointsText(0), QStringLiteral(" 0 Punkte"));
}

void FoundationTest::colourValues() {
    // Display colour packing, the system colours, and the Euclidean difference.
    QCOMPARE(ToDisplayColour({255, 175, 0}), DisplayColour(0x0000AFFF));
    QCOMPARE(ToDisplayColour({256 + 1, 0, 0}), DisplayColour(1));  // low 8 bits only
    QCOMPARE(ToQColor(0x00FF8000), QColor(0, 128, 255));
    QCOMPARE(ToQColor(clHighlight), QApplication::palette().color(QPalette::Highlight));
    QCOMPARE(ToQColor(clBtnFace), QApplication::palette().color(QPalette::Button));

    TLab a, b;
    a.SetFromRGB({10, 20, 30});
    b.SetFromRGB({13, 24, 30});
    a.CompareWith(b);
    QCOMPARE(a.Delta[0], -3.0f);
    QCOMPARE(a.Delta[1], -4.0f);
    QCOMPARE(a.Delta[2], 0.0f);
    QCOMPARE(a.DeltaE, 5.0f);
    QCOMPARE(b.Coords[0], 13.0f);  // the reference is unchanged

    TLab black, white, never;
    white.SetFromRGB({255, 255, 255});
    black.CompareWith(white);
    QCOMPARE(black.DeltaE, float(441.6729559300637));
    white.CompareWith(white);
    QCOMPARE(white.DeltaE, 0.0f);
    TLab grey;
    grey.SetFromRGB({3, 4, 0});
    grey.CompareWith(never);  // a never-set value compares as black
    QCOMPARE(grey.DeltaE, 5.0f);
}

void FoundationTest::setFromRgbIsExactForEveryChannel() {
    // The stored coordinate equals the channel exactly, so a difference lying
    // exactly on a tolerance is judged as that tolerance.
    for (int c = 0; c <= 255; ++c) {
        TLab lab;
        lab.SetFromRGB({c, 255 - c, c / 2});
        QCOMPARE(lab.Coords[0], float(c));
        QCOMPARE(lab.Coords[1], float(255 - c));
        QCOMPARE(lab.Coords[2], float(c / 2));
    }
    TLab a, b;
    a.SetFromRGB({1, 128, 254});
    QCOMPARE(a.Coords[1], 128.0f);
    // 15 = √(9² + 12²): a difference of exactly 15 is not above 15.
    a.SetFromRGB({100, 100, 100});
    b.SetFromRGB({109, 112, 100});
    a.CompareWith(b);
    QCOMPARE(a.DeltaE, 15.0f);
    QVERIFY(!(a.DeltaE > 15.0f));
}

void FoundationTest::floodFillReplacesExactColourRegionOnly() {
    // Only the 4-connected region of exactly the start colour changes.
    QImage img(5, 5, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    // a wall of a near-identical colour splits the image
    for (int y = 0; y < 5; ++y)
        img.setPixel(2, y, qRgb(255, 255, 254));
    img.setPixel(1, 1, qRgb(0, 0, 0));  // an island inside the left half
    const long changed = FloodFill(img, 0, 0, qRgb(255, 0, 0));
    QCOMPARE(changed, 9L);  // 2 × 5 left columns minus the island
    QCOMPARE(img.pixel(0, 4), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(1, 1), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(2, 0), qRgb(255, 255, 254));
    QCOMPARE(img.pixel(3, 0), qRgb(255, 255, 255));

    // diagonal neighbours are not connected
    QImage diag(3, 3, QImage::Format_RGB32);
    diag.fill(qRgb(0, 0, 0));
    diag.setPixel(0, 0, qRgb(9, 9, 9));
    diag.setPixel(1, 1, qRgb(9, 9, 9));
    QCOMPARE(FloodFill(diag, 0, 0, qRgb(1, 2, 3)), 1L);
    QCOMPARE(diag.pixel(1, 1), qRgb(9, 9, 9));

    // a region that winds around (a spiral-like comb) is filled completely
    QImage comb(9, 7, QImage::Format_RGB32);
    comb.fill(qRgb(50, 50, 50));
    for (int x = 1; x < 9; x += 2)
        for (int y = (x % 4 == 1) ? 0 : 1; y < ((x % 4 == 1) ? 6 : 7); ++y)
            comb.setPixel(x, y, qRgb(0, 0, 0));
    const long combCells = 9 * 7 - 4 * 6;
    QCOMPARE(FloodFill(comb, 0, 0, qRgb(7, 7, 7)), combCells);
}

void FoundationTest::floodFillOfFullWindowAndNoOpCases() {
    // A whole 808 × 601 one-colour picture is filled without recursion; a
    // start pixel already of the new colour or outside changes nothing.
    QImage img(808, 601, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3));
    QCOMPARE(FloodFill(img, 400, 300, qRgb(4, 5, 6)), 808L * 601L);
    QCOMPARE(img.pixel(0, 0), qRgb(4, 5, 6));
    QCOMPARE(img.pixel(807, 600), qRgb(4, 5, 6));
    QCOMPARE(FloodFill(img, 10, 10, qRgb(4, 5, 6)), 0L);
    QCOMPARE(FloodFill(img, -1, 10, qRgb(0, 0, 0)), 0L);
    QCOMPARE(FloodFill(img, 808, 0, qRgb(0, 0, 0)), 0L);
}

void FoundationTest::guardReportsToolkitFailureAndSkipsRest() {
    // A toolkit failure inside a handler is shown once; the handler's later
    // steps are skipped and the earlier ones stay done.
    TestEnvironment env;
    int before = 0, after = 0;
    QVERIFY(!Guard([&] {
        ++before;
        throw ToolkitError(QStringLiteral("Die Datei \"x.bmp\" wurde nicht gefunden."));
        ++after;
    }));
    QCOMPARE(before, 1);
    QCOMPARE(after, 0);
    QCOMPARE(env.errors, QStringList{QStringLiteral("Die Datei \"x.bmp\" wurde nicht gefunden.")});

    QPushButton button;
    ConnectClicked(&button, [] { throw ToolkitError(QStringLiteral("kaputt")); });
    button.click();
    QCOMPARE(env.errors.size(), 2);
    QCOMPARE(env.errors.last(), QStringLiteral("kaputt"));
    QVERIFY(Guard([] {}));
}

void FoundationTest::twelveScreensWithGlobalsCaptionsAndSizes() {
    // Start-up creates the twelve screens, each reached through its global.
    TestEnvironment env;
    Randomize(1);
    CreateScreens();
    struct Expect {
        TForm* form;
        const char* name;
        const char* caption;
        int w, h;
    };
    const Expect screens[] = {
        {VernicuraStart, "VernicuraStart", "VernicuraStart", 807, 600},
        {Vernicura, "Vernicura", "Vernicura Demonstration", 808, 601},
        {Spielschirm, "Spielschirm", "Ausarbeitung von neuen Farbtönen", 808, 601},
        {Spielschirm2, "Spielschirm2", "Tönen von Lackchargen in der Produktion", 808, 601},
        {Farbenpruefung, "Farbenpruefung", "Farbenüberprüfung", 808, 601},
        {Autoproduktion, "Autoproduktion", "Autoproduktion", 808, 601},
        {Produktionsbeschluss, "Produktionsbeschluss", "Produktionsbeschluss", 808, 601},
        {NeueBasisfarben, "NeueBasisfarben", "NeueBasisfarben", 808, 601},
        {Ueberlauf, "Ueberlauf", "Ueberlauf", 808, 601},
        {MaxBasisfarben, "MaxBasisfarben", "Maximale Anzahl Basisfarben", -1, -1},
        {Kundenmanager, "Kundenmanager", "Kundenmanager", 813, 601},
        {HighScore, "HighScore", "#", 810, 601},
    };
    for (const Expect& e : screens) {
        QVERIFY2(e.form, e.name);
        QCOMPARE(e.form->objectName(), QString::fromLatin1(e.name));
        QCOMPARE(e.form->windowTitle(), QString::fromUtf8(e.caption));
        if (e.w > 0)
            QCOMPARE(e.form->size(), QSize(e.w, e.h));
        QVERIFY2(!e.form->isVisible(), e.name);
    }
    QVERIFY(Vernicura->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!(MaxBasisfarben->windowFlags() & Qt::FramelessWindowHint));
    // The start screen is the one main window; every other form is a dialog
    // of the form it belongs to.
    for (const Expect& e : screens)
        QCOMPARE(e.form->windowType(), e.form == VernicuraStart ? Qt::Window : Qt::Dialog);
    DestroyScreens();
    QVERIFY(!VernicuraStart && !Vernicura && !Spielschirm && !HighScore);
}

void FoundationTest::screensCentreWithTruncation() {
    // left = (desktop − width) / 2 and top likewise, truncated toward zero,
    // negative on a desktop smaller than the window.
    TestEnvironment env;  // desktop 1024 × 768
    TForm big(QStringLiteral("big"), QStringLiteral("big"), 808, 601);
    big.Centre();
    QCOMPARE(big.pos(), QPoint(108, 83));  // 216 / 2, 167 / 2 = 83.5 → 83
    SetDesktopSizeOverride(QSize(640, 480));
    big.Centre();
    QCOMPARE(big.pos(), QPoint(-84, -60));  // −168 / 2, −121 / 2 = −60.5 → −60
    TForm bordered(QStringLiteral("b"), QStringLiteral("b"), 812, 601, true);
    bordered.SetOuterSize(QSize(820, 632));
    bordered.Centre();
    QCOMPARE(bordered.pos(), QPoint(-90, -76));
}

void FoundationTest::modalRunsNestAndReenableWindows() {
    // A modal run disables the windows visible when it starts, returns when
    // its form is hidden, and an outer run closed meanwhile ends after the
    // inner one.
    TestEnvironment env;
    TForm menu(QStringLiteral("menu"), QStringLiteral("menu"), 100, 100);
    TForm outer(QStringLiteral("outer"), QStringLiteral("outer"), 100, 100);
    TForm inner(QStringLiteral("inner"), QStringLiteral("inner"), 100, 100);
    TForm later(QStringLiteral("later"), QStringLiteral("later"), 100, 100);
    menu.ShowForm();
    QStringList order;
    bool laterEnabled = false;
    env.onModal = [&](TForm* f) {
        if (f == &outer) {
            QVERIFY(!menu.isEnabled());
            later.ShowForm();  // shown during the run: stays usable
            laterEnabled = later.isEnabled();
            inner.ShowModal();
            order << QStringLiteral("inner returned");
        } else if (f == &inner) {
            QVERIFY(!outer.isEnabled());
            outer.Close();  // the outer run is ended from inside the inner one
            inner.Close();
        }
    };
    outer.ShowModal();
    order << QStringLiteral("outer returned");
    QCOMPARE(order, (QStringList{QStringLiteral("inner returned"), QStringLiteral("outer returned")}));
    QVERIFY(laterEnabled);
    QVERIFY(menu.isEnabled());
    QVERIFY(outer.isEnabled());
}

namespace {
QWindow* ownerOf(TForm* form) { return form->windowHandle() ? form->windowHandle()->transientParent() : nullptr; }
}  // namespace

void FoundationTest::formsBelongToTheirOwnersAndDialogsStayUsable() {
    // The main menu belongs to the start screen, the game's screens and the
    // highscore table to the main menu, each dialog to the game screen that
    // shows it: production once the laboratory has handed over. A modal run
    // is modal for the window system too (and is no more once it ends),
    // while a dialog shown during it takes a real click.
    TestEnvironment env;
    Randomize(1);
    CreateScreens();
    VernicuraStart->ShowForm();
    Vernicura->ShowForm();
    QCOMPARE(ownerOf(VernicuraStart), nullptr);
    QCOMPARE(ownerOf(Vernicura), VernicuraStart->windowHandle());
    HighScore->ShowForm();
    QCOMPARE(ownerOf(HighScore), Vernicura->windowHandle());
    HighScore->Close();

    QStringList seen;
    env.onModal = [&](TForm* form) {
        if (form == Spielschirm) {
            QCOMPARE(ownerOf(Spielschirm), Vernicura->windowHandle());
            QCOMPARE(Spielschirm->windowHandle()->modality(), Qt::ApplicationModal);
            Farbenpruefung->ShowForm();
            QCOMPARE(ownerOf(Farbenpruefung), Spielschirm->windowHandle());
            QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Button1")));  // through the window: not blocked
            if (!Farbenpruefung->isVisible())
                seen << QStringLiteral("check closed by a click");
            Kundenmanager->ShowModal();
            seen << QStringLiteral("manager returned");
            Spielschirm->Close();
            Spielschirm2->ShowModal();
        } else if (form == Kundenmanager) {
            QCOMPARE(ownerOf(Kundenmanager), Spielschirm->windowHandle());
            Kundenmanager->Close();
        } else if (form == Spielschirm2) {
            QCOMPARE(ownerOf(Spielschirm2), Vernicura->windowHandle());
            Ueberlauf->ShowForm();
            QCOMPARE(ownerOf(Ueberlauf), Spielschirm2->windowHandle());
            Ueberlauf->Close();
            Spielschirm2->Close();
        }
    };
    Spielschirm->ShowModal();
    QCOMPARE(seen, (QStringList{QStringLiteral("check closed by a click"), QStringLiteral("manager returned")}));
    QCOMPARE(Spielschirm->windowModality(), Qt::NonModal);
    QCOMPARE(Spielschirm2->windowModality(), Qt::NonModal);
    DestroyScreens();
}

void FoundationTest::enterPressesDefaultButton() {
    // A form opens with the focus on its default button, even when another
    // button comes first or had the focus at the last showing. Enter presses
    // the default button alone; the button that has the focus is pressed by
    // Space. A form without a default button ignores Enter.
    TForm form(QStringLiteral("f"), QStringLiteral("f"), 200, 100);
    auto* other = new QPushButton(QStringLiteral("Other"), &form);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &form);
    int okClicks = 0, otherClicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++okClicks; });
    QObject::connect(other, &QPushButton::clicked, [&] { ++otherClicks; });
    form.SetDefaultButton(ok);
    for (int showing = 0; showing < 2; ++showing) {
        form.ShowForm();
        QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(ok));
        QVERIFY(Player::Key(Qt::Key_Return));
        QCOMPARE(okClicks, 2 * showing + 1);
        QVERIFY(Player::Key(Qt::Key_Tab));
        QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(other));
        QVERIFY(Player::Key(Qt::Key_Enter));
        QCOMPARE(otherClicks, showing);
        QCOMPARE(okClicks, 2 * showing + 2);
        QVERIFY(Player::Key(Qt::Key_Space));
        QCOMPARE(otherClicks, showing + 1);
        form.Close();
    }
    form.ShowForm();
    QVERIFY(Player::Key(Qt::Key_Escape));  // no form closes on Esc
    QVERIFY(form.isVisible());

    TForm plain(QStringLiteral("g"), QStringLiteral("g"), 200, 100);
    auto* only = new QPushButton(QStringLiteral("Only"), &plain);
    int onlyClicks = 0;
    QObject::connect(only, &QPushButton::clicked, [&] { ++onlyClicks; });
    plain.ShowForm();
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(only));
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(onlyClicks, 0);
}

void FoundationTest::windowSystemOnWayland() {
    // On a Wayland session the game asks for X11 (XWayland) first and keeps
    // Wayland as the fallback; a platform the user names always stands.
    const QByteArray x11First = "xcb;wayland";
    struct Case {
        const char* what;
        SessionEnvironment env;
        QByteArray expected;
    };
    const Case cases[] = {
        {"X11 session", {"", "", "x11"}, ""},
        {"no session hints", {"", "", ""}, ""},
        {"WAYLAND_DISPLAY", {"", "wayland-0", ""}, x11First},
        {"WAYLAND_DISPLAY as a path", {"", "/run/user/1000/wayland-1", "wayland"}, x11First},
        {"session type only", {"", "", "wayland"}, x11First},
        {"user names wayland", {"wayland", "wayland-0", "wayland"}, ""},
        {"user names xcb", {"xcb", "wayland-0", ""}, ""},
        {"user names offscreen", {"offscreen", "wayland-0", ""}, ""},
    };
    for (const Case& c : cases)
        QVERIFY2(PreferredPlatform(c.env) == c.expected, c.what);

    // The environment: this test runs with QT_QPA_PLATFORM set, which the
    // game leaves alone even on a Wayland session.
    const QByteArray before = qgetenv("QT_QPA_PLATFORM");
    QVERIFY(!before.isEmpty());
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    ChooseWindowSystem();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), before);
    // An empty QT_QPA_PLATFORM counts as unset.
    qputenv("QT_QPA_PLATFORM", "");
    ChooseWindowSystem();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), x11First);
    qputenv("QT_QPA_PLATFORM", before);
    qunsetenv("WAYLAND_DISPLAY");

    // No OpenGL on X11 (the clip's frames are converted on the CPU), unless
    // the user asks for an integration.
    qunsetenv("QT_XCB_GL_INTEGRATION");
    ChooseWindowSystem();
    QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), QByteArray("none"));
    qputenv("QT_XCB_GL_INTEGRATION", "xcb_egl");
    ChooseWindowSystem();
    QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), QByteArray("xcb_egl"));
    qunsetenv("QT_XCB_GL_INTEGRATION");
}

void FoundationTest::trackBarKeysReachTheKeyTargetWhereverTheFocusIs() {
    // The arrow, page, Home and End keys move the form's track bar from any
    // control, and it takes the focus: after a click on a button "Up Up
    // Return" enters 2. Tab still moves the focus on. A hidden track bar
    // takes no keys.
    TestEnvironment env;
    TForm form(QStringLiteral("f"), QStringLiteral("f"), 300, 200);
    auto* button = MakeButton(&form, QStringLiteral("B"), QStringLiteral("B"), 10, 10);
    MakeButton(&form, QStringLiteral("C"), QStringLiteral("C"), 10, 50);
    auto* bar = new TTrackBar(&form, QStringLiteral("bar"), 200, 10, 36, 150);
    bar->SetMax(100);
    bar->setPageStep(10);
    QList<int> entered;
    bar->OnKeyPress = [&](int) { entered << bar->Position(); };
    form.SetKeyTarget(bar);
    form.ShowForm();
    QVERIFY(Player::Click(button));
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(button));
    QVERIFY(Player::Key(Qt::Key_Up));
    QVERIFY(Player::Key(Qt::Key_Up));
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(entered, QList<int>{2});
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(bar));

    QVERIFY(Player::Key(Qt::Key_Tab));
    QVERIFY(Player::FocusWidget() != bar);
    QVERIFY(Player::Key(Qt::Key_End));
    QCOMPARE(bar->Position(), 100);
    QVERIFY(Player::Key(Qt::Key_Tab));
    QVERIFY(Player::Key(Qt::Key_PageDown));
    QCOMPARE(bar->Position(), 90);
    QVERIFY(Player::Key(Qt::Key_Tab));
    QVERIFY(Player::Key(Qt::Key_Home));
    QCOMPARE(bar->Position(), 0);
    QVERIFY(Player::Key(Qt::Key_Tab));
    QVERIFY(Player::Key(Qt::Key_Down));  // at the end of its range: stays
    QCOMPARE(bar->Position(), 0);

    bar->hide();
    button->setFocus();
    QVERIFY(Player::Key(Qt::Key_Up));
    QCOMPARE(bar->Position(), 0);
    QVERIFY(Player::FocusWidget() != bar);
}

void FoundationTest::everyFocusableControlShowsTheFocus() {
    // On every form, every control that Tab can reach looks different with
    // the focus than without it (the pickers and the rules box draw a frame
    // of their own); hidden controls are shown for the look.
    TestEnvironment env;
    Randomize(1);
    CreateScreens();
    const QList<TForm*> forms = {VernicuraStart, Vernicura,      Spielschirm,          Spielschirm2,
                                 Farbenpruefung, Autoproduktion, Produktionsbeschluss, NeueBasisfarben,
                                 Ueberlauf,      MaxBasisfarben, Kundenmanager,        HighScore};
    QStringList checked;
    for (TForm* form : forms) {
        form->ShowForm();
        QVERIFY(QTest::qWaitForWindowActive(form));
        // The offscreen platform may leave the widgets' active window behind
        // the focus window after the last one was hidden.
        QApplication::setActiveWindow(form);
        for (QWidget* control : form->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isEnabled())
                continue;
            QList<QWidget*> shown;
            for (QWidget* w = control; w != form; w = w->parentWidget())
                if (w->isHidden())
                    shown << w;
            for (QWidget* w : shown)
                w->show();
            const QRect around(control->mapTo(form, QPoint(-4, -4)), control->size() + QSize(8, 8));
            form->setFocus();
            const QImage without = form->grab(around).toImage();
            control->setFocus(Qt::TabFocusReason);
            QVERIFY2(control->hasFocus(), qPrintable(control->objectName()));
            const QImage with = form->grab(around).toImage();
            QVERIFY2(with != without, qPrintable(form->objectName() + "." + control->objectName()));
            for (QWidget* w : shown)
                w->hide();
            checked << form->objectName() + "." + control->objectName();
        }
        form->Close();
    }
    for (const char* control : {"Vernicura.AutofarbenAuswahl", "Vernicura.AuswahlTypen", "Vernicura.Spieler1Name",
                                "Vernicura.InhaltAnleitung", "Vernicura.Ok", "Spielschirm.AutoScrollBar",
                                "Spielschirm2.AutoScrollBar", "HighScore.Ok"})
        QVERIFY2(checked.contains(QLatin1String(control)), control);
    DestroyScreens();
}

QTEST_MAIN(FoundationTest)
#include "tst_foundation.moc"
