// The colour check, the production decision and the car production verdict.
#include "support/DialogGame.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Dialoghilfen.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm21.h"

#include <QTest>
#include <cmath>

namespace {
QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }
DisplayColour Packed(int r, int g, int b) { return DisplayColour(r | (g << 8) | (b << 16)); }

// A car painting with the points the verdict relies on: body (grey) around
// (230,170) and (200,300), floor stripe (beige) through (100,330), spray (pale
// blue) at (300,275) and (120,120), and one spray-coloured fleck outside the
// sprayed square at (430,50).
QImage CarStandIn() {
    QImage car(460, 416, QImage::Format_RGB32);
    car.fill(Qt::white);
    auto fill = [&](int x0, int y0, int x1, int y1, QRgb c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                car.setPixel(x, y, c);
    };
    fill(150, 150, 280, 320, qRgb(128, 128, 128));
    fill(20, 325, 440, 340, qRgb(230, 230, 200));
    fill(290, 250, 330, 300, qRgb(200, 220, 255));
    fill(110, 110, 130, 130, qRgb(200, 220, 255));
    fill(425, 45, 435, 55, qRgb(200, 220, 255));
    return car;
}
}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
    DialogGame game;

private slots:
    void initTestCase() { game.PrepareFolder(); }
    void init() { game.Start(); }
    void cleanup() { game.Stop(); }

    void colourCheckChargesPerOpeningAndNamesFollowColours();
    void colourCheckGapMovesOnlyRightField();
    void colourCheckSurroundDrawsRandomThenWhiteAndCarriesOver();
    void colourCheckOfEndedGameClosesInsteadOfRepainting();
    void decisionChargesAndAcceptsAtToleranceExactly();
    void decisionSoundOnlyWhenSwitchedOn();
    void decisionOkStartsProductionOnlyWhenAccepted();
    void decisionMissingPictureKeepsChargeAndStaysHidden();
    void verdictChargesJudgesAndSetsLabels();
    void verdictPaintsBodySprayAndFloorInLatestColours();
    void verdictOfGeneratedCarPaintingKeepsFillPoints();
    void verdictAcceptanceEntersHighscoreAndOkEndsProduction();
    void verdictSoundOnlyWhenSwitchedOn();
    void transparentPictureShowsEachNewFill();
};

void TestDialogs::colourCheckChargesPerOpeningAndNamesFollowColours() {
    // Each opening costs 200; the names under the fields name the colour above them, "Wechseln" swaps both.
    game.target->Colour = Packed(10, 20, 30);
    game.panel->Colour = Packed(200, 100, 50);
    game.panel->Name = QStringLiteral("FQ42-1234");
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QVERIFY(Farbenpruefung->isVisible());
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Button1")));
    QVERIFY(!Farbenpruefung->isVisible());
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QCOMPARE(Punktestand, 400);

    auto check = [](QRgb left, const QString& leftName, QRgb right, const QString& rightName) {
        QCOMPARE(Farbenpruefung->TVBild->Pixel(100, 80), left);
        QCOMPARE(Farbenpruefung->NFBild->Pixel(100, 80), right);
        QCOMPARE(Farbenpruefung->Label1->text(), leftName);
        QCOMPARE(Farbenpruefung->Label2->text(), rightName);
    };
    check(Rgb(10, 20, 30), "Tonvorlage", Rgb(200, 100, 50), "FQ42-1234");
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Button2")));
    check(Rgb(200, 100, 50), "FQ42-1234", Rgb(10, 20, 30), "Tonvorlage");
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Button2")));
    check(Rgb(10, 20, 30), "Tonvorlage", Rgb(200, 100, 50), "FQ42-1234");
    QCOMPARE(Punktestand, 400);
}

void TestDialogs::colourCheckGapMovesOnlyRightField() {
    // "Zwischenraum" toggles a 50-pixel gap: the right field moves from 23+206 to 279, nothing else moves.
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QCOMPARE(Farbenpruefung->NFBild->x(), 229);
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Zwischenraum")));
    QCOMPARE(Farbenpruefung->NFBild->x(), 279);
    QCOMPARE(Farbenpruefung->TVBild->x(), 23);
    QCOMPARE(Farbenpruefung->Label1->pos(), QPoint(64, 198));
    QCOMPARE(Farbenpruefung->Label2->pos(), QPoint(277, 198));
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Zwischenraum")));
    QCOMPARE(Farbenpruefung->NFBild->x(), 229);
    // A new opening closes the gap again.
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Zwischenraum")));
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QCOMPARE(Farbenpruefung->NFBild->x(), 229);

    // Return means "Játék": on a fresh opening (the focus is on it) and with
    // the focus on "Zwischenraum" after its click.
    Farbenpruefung->Close();
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(Farbenpruefung->Button1));
    QVERIFY(Player::Key(Qt::Key_Return));
    QVERIFY(!Farbenpruefung->isVisible());
    QCOMPARE(Farbenpruefung->NFBild->x(), 229);
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Zwischenraum")));
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(Farbenpruefung->Zwischenraum));
    QVERIFY(Player::Key(Qt::Key_Return));
    QVERIFY(!Farbenpruefung->isVisible());
    QCOMPARE(Farbenpruefung->NFBild->x(), 279);
}

void TestDialogs::colourCheckSurroundDrawsRandomThenWhiteAndCarriesOver() {
    // "Umfeld" alternates three draws of Zufallszahl(255) (red, green, blue) and white; the colour survives reopening.
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QCOMPARE(Farbenpruefung->GroupBox1->Colour(), QApplication::palette().color(QPalette::Button));
    Randomize(77);
    const int r = Zufallszahl(255), g = Zufallszahl(255), b = Zufallszahl(255);
    Randomize(77);
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Umfeld")));
    QCOMPARE(Farbenpruefung->GroupBox1->Colour(), QColor(r, g, b));
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Umfeld")));
    QCOMPARE(Farbenpruefung->GroupBox1->Colour(), QColor(Qt::white));
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Umfeld")));
    const QColor carried = Farbenpruefung->GroupBox1->Colour();
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    QCOMPARE(Farbenpruefung->GroupBox1->Colour(), carried);
    // The reopened check starts with the surround off, so the next press draws again.
    const uint64_t before = RandomState();
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Umfeld")));
    QVERIFY(RandomState() != before);
    for (int i = 0; i < 400; ++i) {
        QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Umfeld")));
        const QColor c = Farbenpruefung->GroupBox1->Colour();
        if (c != QColor(Qt::white))
            QVERIFY(c.red() < 255 && c.green() < 255 && c.blue() < 255);
    }
}

void TestDialogs::colourCheckOfEndedGameClosesInsteadOfRepainting() {
    // A check left open after the game's test panel is gone must not read it: the next press closes the check.
    Farbenpruefung->ShowCheck(game.target.get(), game.panel);
    Spiel->Blech.reset();
    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Button2")));
    QVERIFY(!Farbenpruefung->isVisible());
}

void TestDialogs::decisionChargesAndAcceptsAtToleranceExactly() {
    // Every hand-in costs 1000; DeltaE equal to RezeptToleranz is accepted, anything above is not.
    Konfiguration->RezeptToleranz = 20.0f;
    Punktestand = 300;
    game.panel->Lab.DeltaE = 20.0f;
    Produktionsbeschluss->ShowDecision(game.panel);
    QCOMPARE(Punktestand, 1300);
    QCOMPARE(Produktionsbeschluss->GesamtKosten->text(), QStringLiteral(" 1300 Punkte"));
    QVERIFY(Produktionsbeschluss->RecipeAccepted);
    QVERIFY(Produktionsbeschluss->isVisible());
    QCOMPARE(Produktionsbeschluss->Bildionio->Image(),
             QImage("PigmentraRezeptok.bmp").convertToFormat(QImage::Format_RGB32));

    game.panel->Lab.DeltaE = std::nextafter(20.0f, 21.0f);
    Produktionsbeschluss->ShowDecision(game.panel);
    QCOMPARE(Punktestand, 2300);
    QVERIFY(!Produktionsbeschluss->RecipeAccepted);
    QCOMPARE(Produktionsbeschluss->Bildionio->Image(),
             QImage("PigmentraRezeptnio.bmp").convertToFormat(QImage::Format_RGB32));
}

void TestDialogs::decisionSoundOnlyWhenSwitchedOn() {
    // With sound on the outcome's sound is loaded, opened, played and closed at "Ok"; with sound off nothing is
    // touched.
    const QString player = QStringLiteral("Produktionsbeschluss.MediaPlayer");
    game.panel->Lab.DeltaE = 1000.0f;
    Produktionsbeschluss->ShowDecision(game.panel);
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QCOMPARE(DialogGame::CallsOf(player), QStringList({"FileName=PigmentraRezeptNIO.wav", "Open", "Play", "Close"}));
    FakeMediaLog::Clear();
    game.panel->Lab.DeltaE = 0.0f;
    Produktionsbeschluss->ShowDecision(game.panel);
    QCOMPARE(DialogGame::CallsOf(player), QStringList({"FileName=PigmentraRezeptOK.wav", "Open", "Play"}));

    FakeMediaLog::Clear();
    Hardware->TonAn = false;
    Produktionsbeschluss->ShowDecision(game.panel);
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QVERIFY(DialogGame::CallsOf(player).isEmpty());
}

void TestDialogs::decisionOkStartsProductionOnlyWhenAccepted() {
    // "Ok" of a rejection keeps the laboratory; of an acceptance sets Produktionsphase 1 and starts production,
    // but not once the laboratory's game has been left.
    int productionRuns = 0;
    game.env->onModal = [&](TForm* form) {
        if (form == Spielschirm2) {
            ++productionRuns;
            Spielschirm2->Close();
        }
    };
    Spielschirm->ShowForm();
    game.panel->Lab.DeltaE = 1000.0f;
    Produktionsbeschluss->ShowDecision(game.panel);
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QVERIFY(!Produktionsbeschluss->isVisible());
    QCOMPARE(Konfiguration->Produktionsphase, 0);
    QCOMPARE(productionRuns, 0);
    QVERIFY(Spielschirm->isVisible());

    game.panel->Lab.DeltaE = 0.0f;
    Produktionsbeschluss->ShowDecision(game.panel);
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QCOMPARE(Konfiguration->Produktionsphase, 1);
    QCOMPARE(productionRuns, 1);

    Konfiguration->Produktionsphase = 0;
    Produktionsbeschluss->ShowDecision(game.panel);
    Spielschirm->Close();  // "Vissza": the game is over, its panel gone
    Spiel->Blech.reset();
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QCOMPARE(Konfiguration->Produktionsphase, 0);
    QCOMPARE(productionRuns, 1);
    QVERIFY(!Produktionsbeschluss->isVisible());
}

void TestDialogs::decisionMissingPictureKeepsChargeAndStaysHidden() {
    // A missing decision picture is reported; the 1000 points stay, no sound, the dialog stays hidden.
    Produktionsbeschluss->RecipeAccepted = true;
    game.panel->Lab.DeltaE = 1000.0f;
    HiddenFile away(QStringLiteral("PigmentraRezeptnio.bmp"));
    QVERIFY(!Guard([&] { Produktionsbeschluss->ShowDecision(game.panel); }));
    QCOMPARE(game.env->errors.size(), 1);
    QVERIFY(game.env->errors.first().contains("PigmentraRezeptnio.bmp"));
    QCOMPARE(Punktestand, 1000);
    QVERIFY(Produktionsbeschluss->RecipeAccepted);
    QVERIFY(!Produktionsbeschluss->isVisible());
    QVERIFY(DialogGame::CallsOf("Produktionsbeschluss.MediaPlayer").isEmpty());
}

void TestDialogs::verdictChargesJudgesAndSetsLabels() {
    // Every delivery costs 2000; DeltaE equal to ChargenToleranz is accepted; the labels tell the outcome.
    Konfiguration->ChargenToleranz = 7.5f;
    game.panel->Lab.DeltaE = std::nextafter(7.5f, 8.0f);
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QVERIFY(!Autoproduktion->Accepted);
    QVERIFY(Autoproduktion->isVisible());
    QVERIFY(Autoproduktion->Autoakzeptiert->isHidden());
    QVERIFY(!Autoproduktion->AutoNichtakzeptiert->isHidden() && !Autoproduktion->Ablehnung->isHidden());
    game.panel->Lab.DeltaE = 7.5f;
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QVERIFY(Autoproduktion->Accepted);
    QVERIFY(!Autoproduktion->Autoakzeptiert->isHidden());
    QVERIFY(Autoproduktion->AutoNichtakzeptiert->isHidden() && Autoproduktion->Ablehnung->isHidden());
    // An accepted verdict shows its layout's components and nothing more.
    QStringList shown;
    for (QWidget* w : Autoproduktion->Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            shown << w->objectName();
    shown.sort();
    QCOMPARE(shown,
             QStringList({QStringLiteral("Autoakzeptiert"), QStringLiteral("GesamtKosten"), QStringLiteral("Image4"),
                          QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Ok")}));
    QCOMPARE(Punktestand, 4000);
    QCOMPARE(Autoproduktion->GesamtKosten->text(), QStringLiteral(" 4000 Punkte"));
}

void TestDialogs::verdictPaintsBodySprayAndFloorInLatestColours() {
    // Body and spray (inside 100..399 only) take the batch colour, Image4's floor stripe the target colour.
    Autoproduktion->Image1->SetImage(CarStandIn());
    Autoproduktion->Image4->SetImage(CarStandIn());
    game.panel->Colour = Packed(200, 30, 40);
    game.target->Colour = Packed(20, 180, 60);
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    for (TPicture* pic : {Autoproduktion->Image1, Autoproduktion->Image4}) {
        for (QPoint p : {QPoint(230, 170), QPoint(200, 300), QPoint(300, 275), QPoint(120, 120)})
            QCOMPARE(pic->Pixel(p.x(), p.y()), Rgb(200, 30, 40));
        QCOMPARE(pic->Pixel(430, 50), Rgb(200, 220, 255));
    }
    QCOMPARE(Autoproduktion->Image4->Pixel(100, 330), Rgb(20, 180, 60));
    QCOMPARE(Autoproduktion->Image1->Pixel(100, 330), Rgb(230, 230, 200));

    game.panel->Colour = Packed(10, 10, 200);
    game.target->Colour = Packed(250, 250, 0);
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    for (TPicture* pic : {Autoproduktion->Image1, Autoproduktion->Image4})
        for (QPoint p : {QPoint(230, 170), QPoint(300, 275), QPoint(120, 120)})
            QCOMPARE(pic->Pixel(p.x(), p.y()), Rgb(10, 10, 200));
    QCOMPARE(Autoproduktion->Image4->Pixel(100, 330), Rgb(250, 250, 0));
}

void TestDialogs::verdictOfGeneratedCarPaintingKeepsFillPoints() {
    // The generated car painting keeps the fill points: body, spray and stripe take their colours.
    if (!QFileInfo::exists("PigmentraAutoproduktion.bmp"))
        QSKIP("the car painting has not been generated yet");
    game.panel->Colour = Packed(1, 2, 3);
    game.target->Colour = Packed(250, 1, 2);
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QCOMPARE(Autoproduktion->Image1->Pixel(230, 170), Rgb(1, 2, 3));
    QCOMPARE(Autoproduktion->Image4->Pixel(200, 300), Rgb(1, 2, 3));
    QCOMPARE(Autoproduktion->Image1->Pixel(300, 275), Rgb(1, 2, 3));
    QCOMPARE(Autoproduktion->Image4->Pixel(100, 330), Rgb(250, 1, 2));
}

void TestDialogs::verdictAcceptanceEntersHighscoreAndOkEndsProduction() {
    // A rejected batch's "Ok" leaves production open; an accepted one enters the total and closes production.
    Spielschirm2->ShowForm();
    Punktestand = 5300;
    game.panel->Lab.DeltaE = 1000.0f;
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QVERIFY(ClickButton(Autoproduktion, QStringLiteral("Ok")));
    QVERIFY(!Autoproduktion->isVisible());
    QVERIFY(Spielschirm2->isVisible());
    QVERIFY(!QFileInfo::exists(game.HighscoreFile()));

    game.panel->Lab.DeltaE = 0.0f;
    Hardware->TonAn = false;  // the entry does not depend on sound
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QVERIFY(Autoproduktion->Accepted);
    QFile file(game.HighscoreFile());
    if (file.open(QIODevice::ReadOnly)) {  // written once the highscore file is in place
        const QByteArray records = file.readAll();
        QVERIFY(records.contains("9300"));
        QVERIFY(records.contains("Tester"));
    }
    QVERIFY(ClickButton(Autoproduktion, QStringLiteral("Ok")));
    QVERIFY(!Autoproduktion->isVisible());
    QVERIFY(!Spielschirm2->isVisible());
}

void TestDialogs::verdictSoundOnlyWhenSwitchedOn() {
    // With sound on the outcome's sound plays until "Ok" closes it; a missing sound is reported after charge and entry.
    const QString player = QStringLiteral("Autoproduktion.MediaPlayer");
    game.panel->Lab.DeltaE = 0.0f;
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QVERIFY(ClickButton(Autoproduktion, QStringLiteral("Ok")));
    QCOMPARE(DialogGame::CallsOf(player), QStringList({"FileName=PigmentraOK.wav", "Open", "Play", "Close"}));
    QVERIFY(!Spiel->Blech);  // the accepted batch ended the game
    game.NewGame();

    FakeMediaLog::Clear();
    FakeMediaLog::MissingFiles() << QStringLiteral("PigmentraNIO.wav");
    game.panel->Lab.DeltaE = 1000.0f;
    QVERIFY(!Guard([&] { Autoproduktion->ShowVerdict(game.target.get(), game.panel); }));
    QCOMPARE(game.env->errors.size(), 1);
    QCOMPARE(Punktestand, 4000);
    QVERIFY(!Autoproduktion->isVisible());
    QCOMPARE(DialogGame::CallsOf(player), QStringList({"FileName=PigmentraNIO.wav", "Open"}));

    FakeMediaLog::Clear();
    Hardware->TonAn = false;
    Autoproduktion->ShowVerdict(game.target.get(), game.panel);
    QVERIFY(ClickButton(Autoproduktion, QStringLiteral("Ok")));
    QVERIFY(DialogGame::CallsOf(player).isEmpty());
}

void TestDialogs::transparentPictureShowsEachNewFill() {
    // A transparent picture shows what was last filled into it, and its
    // background colour (the bottom-left pixel's) lets the form show through.
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette pal = host.palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    host.setPalette(pal);
    host.resize(4, 4);
    auto* picture = new TTransparentPicture(&host, QStringLiteral("p"), 0, 0, 4, 4);
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));  // background
    image.setPixel(1, 1, qRgb(10, 20, 30));
    picture->SetImage(image);
    QCOMPARE(host.grab().toImage().pixel(1, 1), qRgb(10, 20, 30));
    QCOMPARE(host.grab().toImage().pixel(3, 3), qRgb(0, 0, 255));
    picture->FloodFill(1, 1, QColor(200, 0, 0));
    QCOMPARE(host.grab().toImage().pixel(1, 1), qRgb(200, 0, 0));
    picture->FloodFill(1, 1, QColor(0, 200, 0));
    QCOMPARE(host.grab().toImage().pixel(1, 1), qRgb(0, 200, 0));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
