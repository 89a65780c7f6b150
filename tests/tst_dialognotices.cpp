// The rule notices and the customer manager.
#include "support/DialogGame.h"

#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm21.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

class TestDialogNotices : public QObject {
    Q_OBJECT
    DialogGame game;

    // Presses the given button of the form as soon as its modal run has started.
    void PressWhenModal(TForm* expected, const QString& button, bool* seen) {
        game.env->onModal = [=](TForm* form) {
            if (form != expected)
                return;
            *seen = true;
            QVERIFY(ClickButton(form, button));
        };
    }

private slots:
    void initTestCase() { game.PrepareFolder(); }
    void init() { game.Start(); }
    void cleanup() { game.Stop(); }

    void newBaseColoursBlocksUntilOk();
    void nonModalNoticesReturnAtOnceWithTheirSounds();
    void noticesTouchNoMediaWithSoundOff();
    void overflowChargesOnlyAtOk();
    void managerChargesAndPlaysClipOnEveryShowing();
    void managerMissingClipIsReportedAfterCharge();
};

void TestDialogNotices::newBaseColoursBlocksUntilOk() {
    // The new base colours notice is modal: ShowNotice returns only after "Ok", which also closes the sound.
    bool seen = false;
    PressWhenModal(NeueBasisfarben, QStringLiteral("Ok"), &seen);
    NeueBasisfarben->ShowNotice();
    QVERIFY(seen);
    QVERIFY(!NeueBasisfarben->isVisible());
    QCOMPARE(DialogGame::CallsOf("NeueBasisfarben.MediaPlayer"),
             QStringList({"FileName=PigmentraNeueBasisfarben.wav", "Open", "Play", "Close"}));
}

void TestDialogNotices::nonModalNoticesReturnAtOnceWithTheirSounds() {
    // The too-many and overflow notices return at once, visible, their sound playing until "Ok" closes it.
    bool modal = false;
    game.env->onModal = [&](TForm*) { modal = true; };
    MaxBasisfarben->ShowNotice();
    Ueberlauf->ShowNotice();
    QVERIFY(MaxBasisfarben->isVisible() && Ueberlauf->isVisible());
    QCOMPARE(DialogGame::CallsOf("MaxBasisfarben.MediaPlayer"),
             QStringList({"FileName=PigmentraMaxBasisfarben.wav", "Open", "Play"}));
    QCOMPARE(DialogGame::CallsOf("Ueberlauf.MediaPlayer"),
             QStringList({"FileName=PigmentraUeberlauf.wav", "Open", "Play"}));
    QVERIFY(ClickButton(MaxBasisfarben, QStringLiteral("Ok")));
    QVERIFY(ClickButton(Ueberlauf, QStringLiteral("Button1")));
    QVERIFY(!MaxBasisfarben->isVisible() && !Ueberlauf->isVisible());
    QCOMPARE(DialogGame::CallsOf("MaxBasisfarben.MediaPlayer").last(), QStringLiteral("Close"));
    QCOMPARE(DialogGame::CallsOf("Ueberlauf.MediaPlayer").last(), QStringLiteral("Close"));
    QTest::qWait(0);  // a modal run would have reported by now
    QVERIFY(!modal);
}

void TestDialogNotices::noticesTouchNoMediaWithSoundOff() {
    // With sound off the three notices show and close without any media call.
    Hardware->TonAn = false;
    bool seen = false;
    PressWhenModal(NeueBasisfarben, QStringLiteral("Ok"), &seen);
    NeueBasisfarben->ShowNotice();
    MaxBasisfarben->ShowNotice();
    Ueberlauf->ShowNotice();
    QVERIFY(ClickButton(MaxBasisfarben, QStringLiteral("Ok")));
    QVERIFY(ClickButton(Ueberlauf, QStringLiteral("Button1")));
    QVERIFY(seen);
    QVERIFY(FakeMediaLog::Calls().isEmpty());
}

void TestDialogNotices::overflowChargesOnlyAtOk() {
    // The 5000 points are charged at "Ok", not at showing, and the production screen's label shows them.
    Punktestand = 300;
    Ueberlauf->ShowNotice();
    QCOMPARE(Punktestand, 300);
    QVERIFY(ClickButton(Ueberlauf, QStringLiteral("Button1")));
    QCOMPARE(Punktestand, 5300);
    if (Spielschirm2->Punkte)  // the label exists once the production screen is built
        QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 5300 Punkte"));
}

void TestDialogNotices::managerChargesAndPlaysClipOnEveryShowing() {
    // Each showing costs 500 and plays the clip into "Display" whatever the switch; the voice only with sound on.
    bool seen = false;
    PressWhenModal(Kundenmanager, QStringLiteral("Ok"), &seen);
    Hardware->TonAn = false;
    Kundenmanager->ShowModal();
    QVERIFY(seen);
    QCOMPARE(Punktestand, 500);
    const QStringList clip({"FileName=PigmentraFaust.avi", "Open", "Display=Display", "Play", "Close"});
    QCOMPARE(DialogGame::CallsOf("Kundenmanager.KundenmanagerFigur"), clip);
    QVERIFY(DialogGame::CallsOf("Kundenmanager.MediaPlayer").isEmpty());

    FakeMediaLog::Clear();
    Hardware->TonAn = true;
    Kundenmanager->ShowModal();
    QCOMPARE(Punktestand, 1000);
    QCOMPARE(DialogGame::CallsOf("Kundenmanager.KundenmanagerFigur"), clip);
    QCOMPARE(DialogGame::CallsOf("Kundenmanager.MediaPlayer"),
             QStringList({"FileName=PigmentraKundenmanager.wav", "Open", "Play", "Close"}));
    QVERIFY(!Kundenmanager->isVisible());
}

void TestDialogNotices::managerMissingClipIsReportedAfterCharge() {
    // A missing clip is reported; the 500 points stay and nothing plays.
    FakeMediaLog::MissingFiles() << QStringLiteral("PigmentraFaust.avi");
    bool seen = false;
    PressWhenModal(Kundenmanager, QStringLiteral("Ok"), &seen);
    Kundenmanager->ShowModal();
    QCOMPARE(Punktestand, 500);
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(!FakeMediaLog::Calls().contains("Kundenmanager.KundenmanagerFigur:Play"));
    QVERIFY(!FakeMediaLog::Calls().contains("Kundenmanager.MediaPlayer:Open"));
}

QTEST_MAIN(TestDialogNotices)
#include "tst_dialognotices.moc"
