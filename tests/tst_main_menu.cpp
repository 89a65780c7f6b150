// The start screen, the main menu with its car colour and level pickers, the
// rules box and the sound switch, driven through the real forms.
#include "colour/Lab1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Highscore1.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "screens/Spielschirm1.h"
#include "shell/Autofarben1.h"
#include "shell/Autotypen1.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
const QString NoSelection = QStringLiteral("Eine Autofarbe und ein Schwierigkeitslevel müssen ausgewählt werden");

// A picture with a uniform corner region around (5, 5) and, inside a black
// outline, a uniform body region around (15, 20).
void WriteStandIn(const QString& path, int w, int h, QRect body) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(200, 220, 240));
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(body);
    p.end();
    QVERIFY(img.save(path, "BMP"));
}

// A temporary run folder that the test works in: everything the real run
// folder holds (linked; the rules document copied, since tests rewrite it),
// with stand-ins for car and level pictures the generator has not made.
class RunFolder {
public:
    explicit RunFolder(const QStringList& leaveOut = {}) : previous_(QDir::currentPath()) {
        const QDir run(previous_);
        for (const QFileInfo& file : run.entryInfoList(QDir::Files)) {
            if (leaveOut.contains(file.fileName()))
                continue;
            const QString target = dir_.filePath(file.fileName());
            if (file.fileName() == QStringLiteral("Pigmentra.rtf"))
                QFile::copy(file.absoluteFilePath(), target);
            else
                QFile::link(file.absoluteFilePath(), target);
        }
        const QStringList pictures{QStringLiteral("PigmentraAuto.bmp"), QStringLiteral("PigmentraLevel1.bmp"),
                                   QStringLiteral("PigmentraLevel2.bmp"), QStringLiteral("PigmentraLevel3.bmp")};
        for (const QString& name : pictures) {
            const QString target = dir_.filePath(name);
            if (leaveOut.contains(name) || QFile::exists(target))
                continue;
            if (name == pictures[0])
                WriteStandIn(target, 70, 35, QRect(9, 13, 52, 16));
            else
                WriteStandIn(target, 80, 80, QRect(10, 15, 60, 50));
        }
        QDir::setCurrent(dir_.path());
    }
    ~RunFolder() { QDir::setCurrent(previous_); }
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

void WriteFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QRgb Corner(TPicture* picture) { return picture->Pixel(5, 5); }
QRgb Highlight() { return ToQColor(clHighlight).rgb() & 0xFFFFFF; }
constexpr QRgb White = 0xFFFFFF;

int MarkedCars() {
    int n = 0;
    for (TAutoFarben* item : AutoFarbenListe)
        n += item->Gewaehlt ? 1 : 0;
    return n;
}

[[nodiscard]] bool Press(TPicture* picture, QPoint at) { return Player::Click(picture, at); }
}  // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startScreenIsFirstWindowAndEnterOpensMenu();
    void missingCarOrLevelPictureEndsStartUpWithoutScreens();
    void programEndsByQuitButtonOrClosingStartScreen();
    void menuLayoutAndTitleStripsInFront();
    void catalogueHoldsFiftyPaintedCarsInSeventeenRows();
    void catalogueIsTheSameOnEveryRun();
    void firstCarAndLevelMarkedAndGameStartsWithoutClick();
    void pressMovesMarkAndPressOnMarkedItemClearsIt();
    void pickersWorkByKeyboardAsByClicks();
    void missingSelectionShowsMessageAfterReseedAndName();
    void enterStartsGameAndEmptyNameIsKept();
    void secondGameStartsAtZeroWithNewLevel();
    void rulesToggleAndReadFileAgainOnEachOpening();
    void missingRulesFileKeepsBoxOpenAndCreditHidden();
    void soundButtonWithoutAndWithAudioOutputs();
    void aSoundBeforeTheMenuAsksTheSystemFirst();
    void highscoreButtonShowsTable();

private:
    std::unique_ptr<RunFolder> folder_;
    std::unique_ptr<TestEnvironment> env_;
    int labRuns_ = 0;
    int pointsAtLabStart_ = -1;
};

void MainMenuTest::init() {
    folder_ = std::make_unique<RunFolder>();
    env_ = std::make_unique<TestEnvironment>();
    labRuns_ = 0;
    pointsAtLabStart_ = -1;
    // The laboratory runs modally: record that it ran and close it.
    env_->onModal = [this](TForm* form) {
        if (form == Spielschirm) {
            ++labRuns_;
            pointsAtLabStart_ = Punktestand;
            form->Close();
        }
    };
    Randomize(1);
    CreateScreens();
    // The player meets the menu after the start screen's "Start".
    Vernicura->ShowForm();
}

void MainMenuTest::cleanup() {
    DestroyScreens();
    env_.reset();
    folder_.reset();
}

void MainMenuTest::startScreenIsFirstWindowAndEnterOpensMenu() {
    // Start-up shows only the start screen; Enter presses "Start", which
    // shows the main menu over it while the start screen stays open.
    DestroyScreens();
    QVERIFY(StartProgram());
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w;
    QCOMPARE(shown, QList<QWidget*>{VernicuraStart});
    QCOMPARE(VernicuraStart->size(), QSize(807, 600));
    QCOMPARE(VernicuraStart->Ok->text(), QStringLiteral("Start"));
    QCOMPARE(VernicuraStart->Ok->geometry(), QRect(720, 200, 75, 25));
    QCOMPARE(VernicuraStart->Ok->parentWidget(), static_cast<QWidget*>(VernicuraStart->Panel1));

    QTest::keyClick(VernicuraStart, Qt::Key_Return);
    QVERIFY(Vernicura->isVisible());
    QVERIFY(VernicuraStart->isVisible());
    QCOMPARE(labRuns_, 0);
}

void MainMenuTest::missingCarOrLevelPictureEndsStartUpWithoutScreens() {
    // A car or level picture that cannot be loaded is shown as the file error
    // and start-up ends: no screen, no game object left behind.
    DestroyScreens();
    for (const QString& missing : {QStringLiteral("PigmentraAuto.bmp"), QStringLiteral("PigmentraLevel3.bmp")}) {
        RunFolder without({missing});
        env_->errors.clear();
        QVERIFY(!StartProgram());
        QCOMPARE(env_->errors.size(), 1);
        QVERIFY2(env_->errors[0].contains(missing), qPrintable(env_->errors[0]));
        QVERIFY(!VernicuraStart && !Vernicura && !Spielschirm && !HighScore);
        QVERIFY(!Konfiguration && !Hardware && !Mischregal && !AktuelleTonvorlage);
        QVERIFY(AutoFarbenListe.empty() && AutoTypenListe.empty());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!dynamic_cast<TForm*>(w), qPrintable(w->objectName()));
    }
}

void MainMenuTest::programEndsByQuitButtonOrClosingStartScreen() {
    // "Vége" ends the event loop though the start screen is open; closing
    // the start screen ends it even while the main menu is open.
    const auto runUntilQuit = [](const std::function<void()>& action) {
        VernicuraStart->ShowForm();
        Vernicura->ShowForm();
        QTimer::singleShot(0, action);
        QTimer hang;  // ends a loop that fails to quit
        hang.setSingleShot(true);
        QObject::connect(&hang, &QTimer::timeout, [] { QApplication::exit(1); });
        hang.start(10000);
        return QApplication::exec();
    };
    QCOMPARE(runUntilQuit([] { QVERIFY(ClickButton(Vernicura, QStringLiteral("Ende"))); }), 0);
    QCOMPARE(runUntilQuit([] { VernicuraStart->close(); }), 0);
}

void MainMenuTest::menuLayoutAndTitleStripsInFront() {
    // The controls as the player meets them (that they fit the form, clear
    // of one another, with no text cut, is tst_layout's part); caption
    // strips lie over the boxes they title; the rules and the credit line
    // start hidden.
    QVERIFY(Vernicura->InhaltAnleitung->isReadOnly());
    QCOMPARE(Vernicura->InhaltAnleitung->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Vernicura->AutofarbenAuswahl->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(Vernicura->Spieler1Name->text(), QStringLiteral("Spieler 1"));
    QCOMPARE(Vernicura->Spieler1Name->maxLength(), 20);
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"Anleitung", "Szabály"}, {"BHighScore", "Csúcsok"}, {"Ton", "Ton aus"}, {"Ende", "Vége"}, {"Ok", "Játék"}};
    for (const auto& b : buttons) {
        auto* button = Vernicura->findChild<QPushButton*>(QString::fromLatin1(b.name));
        QVERIFY2(button, b.name);
        QCOMPARE(button->text(), QString::fromUtf8(b.caption));
    }
    QCOMPARE(Vernicura->DefaultButton(), Vernicura->Ok);

    // (300, 20) lies in both GroupBox1 and AuswahlFarben, (300, 180) in both
    // GroupBox3 and GroupBox4: the strip is what shows there.
    QWidget* top = Vernicura->Panel1->childAt(300, 20);
    QVERIFY(top && Vernicura->GroupBox1->isAncestorOf(top));
    top = Vernicura->Panel1->childAt(300, 180);
    QVERIFY(top && Vernicura->GroupBox3->isAncestorOf(top));
    auto* strip = Vernicura->GroupBox2->findChild<QLabel*>();
    QVERIFY(strip);
    QCOMPARE(strip->text(), QStringLiteral(" Nehézségi szint"));
    QCOMPARE(strip->palette().color(QPalette::Window), QColor(0, 128, 255));

    QVERIFY(Vernicura->TextAnleitung->isHidden());
    QVERIFY(Vernicura->TitelAnleitung->isHidden());
    QVERIFY(Vernicura->Logo->isHidden());
}

void MainMenuTest::catalogueHoldsFiftyPaintedCarsInSeventeenRows() {
    // Car k sits at (70 × (k mod 3), 35 × (k div 3)) with its body painted in
    // its shade; a press anywhere in its 70 × 35 cell reaches it. Levels are
    // 80 × 80 at 10, 100, 190 in row 0.
    QCOMPARE(int(AutoFarbenListe.size()), 50);
    QWidget* cells = Vernicura->AutofarbenAuswahl->widget();
    QCOMPARE(cells->height(), 17 * 35);
    Vernicura->ShowForm();
    QCOMPARE(Vernicura->AutofarbenAuswahl->verticalScrollBar()->maximum(), 17 * 35 - 109);
    for (int k = 0; k < 50; ++k) {
        TAutoFarben* car = AutoFarbenListe[k];
        QCOMPARE(car->Zeile, k / 3);
        QCOMPARE(car->Spalte, k % 3);
        QCOMPARE(car->Bild->parentWidget(), cells);
        QCOMPARE(car->Bild->pos(), QPoint(70 * (k % 3), 35 * (k / 3)));
        QCOMPARE(car->Bild->Pixel(15, 20), ToQColor(car->Tonvorlage->Colour).rgb() & 0xFFFFFF);
        const QPoint cell(70 * (k % 3), 35 * (k / 3));
        for (QPoint corner : {QPoint(0, 0), QPoint(69, 0), QPoint(0, 34), QPoint(69, 34)})
            QCOMPARE(cells->childAt(cell + corner), static_cast<QWidget*>(car->Bild));
    }
    QCOMPARE(AutoFarbenListe[49]->Zeile, 16);  // the last row holds two cars
    QCOMPARE(AutoFarbenListe[49]->Spalte, 1);

    QCOMPARE(int(AutoTypenListe.size()), 3);
    for (int i = 0; i < 3; ++i) {
        TAutoTypen* level = AutoTypenListe[i];
        QCOMPARE(level->Zeile, 0);
        QCOMPARE(level->Spalte, i);
        QCOMPARE(level->Bild->parentWidget(), static_cast<QWidget*>(Vernicura->AuswahlTypen));
        QCOMPARE(level->Bild->geometry(), QRect(90 * i + 10, 30, 80, 80));
    }
}

void MainMenuTest::catalogueIsTheSameOnEveryRun() {
    // Seeded with 1 before the screens, two runs show the same 50 shades.
    QList<DisplayColour> first;
    for (TAutoFarben* car : AutoFarbenListe)
        first << car->Tonvorlage->Colour;
    DestroyScreens();
    Randomize(1);
    CreateScreens();
    QList<DisplayColour> second;
    for (TAutoFarben* car : AutoFarbenListe)
        second << car->Tonvorlage->Colour;
    QCOMPARE(second, first);
}

void MainMenuTest::firstCarAndLevelMarkedAndGameStartsWithoutClick() {
    // After start-up car 0 and level 0 are marked (corner in the highlight
    // colour) and the target is car 0's shade; "Játék" starts level 0 at
    // once: tolerances 30 / 12.5, scatter 0, phase 0, 0 points.
    QVERIFY(AutoFarbenListe[0]->Gewaehlt);
    QVERIFY(AutoTypenListe[0]->Gewaehlt);
    QCOMPARE(MarkedCars(), 1);
    QVERIFY(!AutoTypenListe[1]->Gewaehlt && !AutoTypenListe[2]->Gewaehlt);
    QCOMPARE(Corner(AutoFarbenListe[0]->Bild), Highlight());
    QCOMPARE(Corner(AutoTypenListe[0]->Bild), Highlight());
    QCOMPARE(AktuelleTonvorlage, AutoFarbenListe[0]->Tonvorlage.get());
    QVERIFY(Hardware && Mischregal && Konfiguration);

    Punktestand = 777;
    Konfiguration->Produktionsphase = 1;
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(labRuns_, 1);
    QCOMPARE(pointsAtLabStart_, 0);
    QVERIFY(env_->messages.isEmpty());
    QCOMPARE(Spielername, QStringLiteral("Spieler 1"));
    QCOMPARE(AktuelleTonvorlage, AutoFarbenListe[0]->Tonvorlage.get());
    QCOMPARE(Konfiguration->Level, 0);
    QCOMPARE(Konfiguration->RezeptToleranz, 30.0f);
    QCOMPARE(Konfiguration->ChargenToleranz, 12.5f);
    QCOMPARE(Konfiguration->Farbstreuung, 0);
    QCOMPARE(Konfiguration->Produktionsphase, 0);
    if (Spielschirm->Punkte)
        QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 0 Punkte"));
}

void MainMenuTest::pressMovesMarkAndPressOnMarkedItemClearsIt() {
    // Pressing an unmarked item moves the mark (old corner white, new one
    // highlighted); pressing the marked one leaves its picker without a mark.
    TAutoFarben* c0 = AutoFarbenListe[0];
    TAutoFarben* c4 = AutoFarbenListe[4];
    QVERIFY(Press(c4->Bild, QPoint(69, 34)));
    QVERIFY(!c0->Gewaehlt && c4->Gewaehlt);
    QCOMPARE(MarkedCars(), 1);
    QCOMPARE(Corner(c0->Bild), White);
    QCOMPARE(Corner(c4->Bild), Highlight());
    QVERIFY(Press(c4->Bild, QPoint(5, 5)));
    QCOMPARE(MarkedCars(), 0);
    QCOMPARE(Corner(c4->Bild), White);
    QVERIFY(Press(c4->Bild, QPoint(30, 20)));  // the mark still repaints after two fills
    QCOMPARE(Corner(c4->Bild), Highlight());

    TAutoTypen* l0 = AutoTypenListe[0];
    TAutoTypen* l2 = AutoTypenListe[2];
    QVERIFY(Press(l2->Bild, QPoint(79, 79)));
    QVERIFY(!l0->Gewaehlt && l2->Gewaehlt && !AutoTypenListe[1]->Gewaehlt);
    QCOMPARE(Corner(l0->Bild), White);
    QCOMPARE(Corner(l2->Bild), Highlight());
    QVERIFY(Press(l2->Bild, QPoint(40, 40)));
    QVERIFY(!l2->Gewaehlt);
    QCOMPARE(Corner(l2->Bild), White);
    QVERIFY(c4->Gewaehlt);  // the pickers are independent

    Vernicura->ClearCarMarks();
    QCOMPARE(MarkedCars(), 0);
    QCOMPARE(Corner(c4->Bild), White);
}

void MainMenuTest::pickersWorkByKeyboardAsByClicks() {
    // Tab reaches the car colours, then the levels. An arrow key marks the
    // neighbouring item as a press on it would (three cars to a row; the
    // mark stays at an edge), Space presses the current item, and the
    // marked car scrolls into view. Enter still means "Játék".
    QWidget* cars = Vernicura->AutofarbenAuswahl;
    const QImage unfocused = cars->grab().toImage();
    for (int tab = 0; tab < 12 && Player::FocusWidget() != cars; ++tab)
        QVERIFY(Player::Key(Qt::Key_Tab));
    QCOMPARE(Player::FocusWidget(), cars);
    QVERIFY(AutoFarbenListe[0]->Gewaehlt);
    // With the focus, a frame of black dashes goes round the item the keys
    // work on, beside its mark, which keeps the highlight colour.
    QImage focused = cars->grab().toImage();
    QCOMPARE(unfocused.pixel(0, 0) & 0xFFFFFF, AutoFarbenListe[0]->Bild->Pixel(0, 0) & 0xFFFFFF);
    QCOMPARE(focused.pixel(0, 0) & 0xFFFFFF, QRgb(0));
    QCOMPARE(focused.pixel(5, 5) & 0xFFFFFF, Highlight());
    // Right stops at the end of the row instead of running on into the
    // next; Left stops at the start of a row, also below the first.
    for (int i = 0; i < 3; ++i)
        QVERIFY(Player::Key(Qt::Key_Right));
    QVERIFY(AutoFarbenListe[2]->Gewaehlt);
    QCOMPARE(MarkedCars(), 1);
    QVERIFY(Player::Key(Qt::Key_Left));
    QVERIFY(Player::Key(Qt::Key_Left));
    QVERIFY(Player::Key(Qt::Key_Down));
    QVERIFY(AutoFarbenListe[3]->Gewaehlt);
    QVERIFY(Player::Key(Qt::Key_Left));
    QVERIFY(AutoFarbenListe[3]->Gewaehlt);
    QCOMPARE(MarkedCars(), 1);
    QVERIFY(Player::Key(Qt::Key_Right));
    QVERIFY(AutoFarbenListe[4]->Gewaehlt);
    QCOMPARE(MarkedCars(), 1);
    QCOMPARE(Corner(AutoFarbenListe[0]->Bild), White);
    QCOMPARE(Corner(AutoFarbenListe[4]->Bild), Highlight());
    focused = cars->grab().toImage();
    // The frame went with the mark.
    QCOMPARE(focused.pixel(0, 0) & 0xFFFFFF, AutoFarbenListe[0]->Bild->Pixel(0, 0) & 0xFFFFFF);
    QCOMPARE(focused.pixel(70, 35) & 0xFFFFFF, QRgb(0));
    QVERIFY(Player::Key(Qt::Key_Space));
    QCOMPARE(MarkedCars(), 0);
    QCOMPARE(Corner(AutoFarbenListe[4]->Bild), White);
    QVERIFY(Player::Key(Qt::Key_Space));
    QVERIFY(AutoFarbenListe[4]->Gewaehlt);
    for (int row = 0; row < 20; ++row)  // car 49 is the last: row 16, column 1
        QVERIFY(Player::Key(Qt::Key_Down));
    QVERIFY(AutoFarbenListe[49]->Gewaehlt);
    QCOMPARE(MarkedCars(), 1);
    auto* scroll = Vernicura->AutofarbenAuswahl;
    const QRect shown = AutoFarbenListe[49]->Bild->geometry().translated(0, -scroll->verticalScrollBar()->value());
    QVERIFY(scroll->viewport()->rect().contains(shown.topLeft()));

    QVERIFY(Player::Key(Qt::Key_Tab));
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(Vernicura->AuswahlTypen));
    const QRect level0 = AutoTypenListe[0]->Bild->geometry();
    QCOMPARE(Vernicura->AuswahlTypen->grab().toImage().pixel(level0.topLeft() - QPoint(3, 3)) & 0xFFFFFF, QRgb(0));
    QVERIFY(Player::Key(Qt::Key_Right));
    QVERIFY(Player::Key(Qt::Key_Right));
    QVERIFY(Player::Key(Qt::Key_Right));
    QVERIFY(!AutoTypenListe[0]->Gewaehlt && !AutoTypenListe[1]->Gewaehlt && AutoTypenListe[2]->Gewaehlt);
    QVERIFY(Player::Key(Qt::Key_Left));
    QVERIFY(AutoTypenListe[1]->Gewaehlt && !AutoTypenListe[2]->Gewaehlt);
    QCOMPARE(Corner(AutoTypenListe[1]->Bild), Highlight());
    QVERIFY(Player::Key(Qt::Key_Space));
    QVERIFY(!AutoTypenListe[1]->Gewaehlt);
    QVERIFY(AutoFarbenListe[49]->Gewaehlt);  // the pickers are independent

    QVERIFY(Player::Key(Qt::Key_Return));  // no level marked: the game does not start
    QCOMPARE(env_->messages, QStringList{NoSelection});
    QCOMPARE(labRuns_, 0);
}

void MainMenuTest::missingSelectionShowsMessageAfterReseedAndName() {
    // Without a marked car colour: the message, after the reseed from the
    // clock (UTC 01:02:03.004 = 3723004 ms → low word 3723004 × 22695477 + 1
    // mod 2^32 = 460038701) and with the name taken. Without a level: the
    // message, with the target already moved to the marked car.
    env_->clock.Utc = QTime(1, 2, 3, 4);
    Vernicura->Spieler1Name->setText(QStringLiteral("Anna"));
    QVERIFY(Press(AutoFarbenListe[0]->Bild, QPoint(10, 10)));  // unmarks car 0
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(env_->messages, QStringList{NoSelection});
    QCOMPARE(RandomState(), quint64(460038701));
    QCOMPARE(Spielername, QStringLiteral("Anna"));
    QCOMPARE(labRuns_, 0);

    QVERIFY(Press(AutoFarbenListe[7]->Bild, QPoint(10, 10)));
    QVERIFY(Press(AutoTypenListe[0]->Bild, QPoint(10, 10)));  // unmarks level 0
    Vernicura->Spieler1Name->setText(QStringLiteral("Bea"));
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(env_->messages, (QStringList{NoSelection, NoSelection}));
    QCOMPARE(AktuelleTonvorlage, AutoFarbenListe[7]->Tonvorlage.get());
    QCOMPARE(Spielername, QStringLiteral("Bea"));
    QCOMPARE(Konfiguration->RezeptToleranz, 20.0f);  // no level was applied
    QCOMPARE(labRuns_, 0);
}

void MainMenuTest::enterStartsGameAndEmptyNameIsKept() {
    // The freshly opened main menu has the focus in the name field with its
    // text selected: the first keys replace "Spieler 1", and Enter there
    // presses "Játék". An empty name is a name.
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(Vernicura->Spieler1Name));
    QCOMPARE(Vernicura->Spieler1Name->selectedText(), QStringLiteral("Spieler 1"));
    QVERIFY(Player::Type(QStringLiteral("Dóra")));
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(labRuns_, 1);
    QCOMPARE(Spielername, QStringLiteral("Dóra"));

    // Shown again after a button had the focus: the name field again.
    QVERIFY(Player::Key(Qt::Key_Tab));
    Vernicura->Close();
    Vernicura->ShowForm();
    QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(Vernicura->Spieler1Name));
    QVERIFY(Player::Key(Qt::Key_Backspace));
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(labRuns_, 2);
    QCOMPARE(Spielername, QString());
    QVERIFY(env_->messages.isEmpty());
}

void MainMenuTest::secondGameStartsAtZeroWithNewLevel() {
    // A second game starts at 0 points with the parameters of the level now
    // marked (level 3: tolerances 20 / 7.5, scatter 40) and its car's shade.
    env_->onModal = [this](TForm* form) {
        if (form != Spielschirm)
            return;
        ++labRuns_;
        pointsAtLabStart_ = Punktestand;
        Punktestand = pointsAtLabStart_ + 1234;  // what the game cost
        Konfiguration->Produktionsphase = 1;
        form->Close();
    };
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(labRuns_, 1);
    QCOMPARE(Punktestand, 1234);

    QVERIFY(Press(AutoTypenListe[2]->Bild, QPoint(10, 10)));
    Vernicura->AutofarbenAuswahl->ensureWidgetVisible(AutoFarbenListe[49]->Bild);  // scrolled down
    QVERIFY(Press(AutoFarbenListe[49]->Bild, QPoint(10, 10)));
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ok")));
    QCOMPARE(labRuns_, 2);
    QCOMPARE(pointsAtLabStart_, 0);
    QCOMPARE(Konfiguration->Level, 2);
    QCOMPARE(Konfiguration->RezeptToleranz, 20.0f);
    QCOMPARE(Konfiguration->ChargenToleranz, 7.5f);
    QCOMPARE(Konfiguration->Farbstreuung, 40);
    QCOMPARE(Konfiguration->Produktionsphase, 1);  // set by the game, reset at the next start
    QCOMPARE(AktuelleTonvorlage, AutoFarbenListe[49]->Tonvorlage.get());
    QVERIFY(AutoFarbenListe[49]->Gewaehlt && AutoTypenListe[2]->Gewaehlt);  // marks survive the game
}

void MainMenuTest::rulesToggleAndReadFileAgainOnEachOpening() {
    // "Szabály" opens the rules with the credit line, the second press hides
    // both, the third reads "Pigmentra.rtf" again.
    WriteFile(folder_->Path(QStringLiteral("Pigmentra.rtf")), "{\\rtf1\\ansi Erste Fassung\\par}");
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QVERIFY(!Vernicura->TextAnleitung->isHidden());
    QVERIFY(!Vernicura->TitelAnleitung->isHidden());
    QVERIFY(!Vernicura->Logo->isHidden());
    QCOMPARE(Vernicura->InhaltAnleitung->toPlainText().trimmed(), QStringLiteral("Erste Fassung"));

    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QVERIFY(Vernicura->TextAnleitung->isHidden());
    QVERIFY(Vernicura->TitelAnleitung->isHidden());
    QVERIFY(Vernicura->Logo->isHidden());

    WriteFile(folder_->Path(QStringLiteral("Pigmentra.rtf")), "{\\rtf1\\ansi Zweite Fassung mit J\\'e1t\\'e9k\\par}");
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QCOMPARE(Vernicura->InhaltAnleitung->toPlainText().trimmed(), QStringLiteral("Zweite Fassung mit Játék"));
    QVERIFY(env_->errors.isEmpty());
}

void MainMenuTest::missingRulesFileKeepsBoxOpenAndCreditHidden() {
    // Without "Pigmentra.rtf" the file error is shown, the box stays open and
    // the credit line stays hidden; the next press closes the box.
    QFile::remove(folder_->Path(QStringLiteral("Pigmentra.rtf")));
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QCOMPARE(env_->errors.size(), 1);
    QVERIFY(env_->errors[0].contains(QStringLiteral("Pigmentra.rtf")));
    QVERIFY(!Vernicura->TextAnleitung->isHidden());
    QVERIFY(Vernicura->Logo->isHidden());
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Anleitung")));
    QVERIFY(Vernicura->TextAnleitung->isHidden());
    QCOMPARE(env_->errors.size(), 1);
}

void MainMenuTest::soundButtonWithoutAndWithAudioOutputs() {
    // No audio output: "Ton ein", disabled, silent. With one: "Ton aus", and
    // two presses come back to "Ton aus" with sound on. The system is asked
    // once, when the main menu is first shown, not while the screens are built.
    DestroyScreens();
    env_->audioOutputs = 0;
    env_->audioOutputQueries = 0;
    Randomize(1);
    CreateScreens();
    QCOMPARE(env_->audioOutputQueries, 0);
    Vernicura->ShowForm();
    QCOMPARE(env_->audioOutputQueries, 1);
    QCOMPARE(Vernicura->Ton->text(), QStringLiteral("Ton ein"));
    QVERIFY(!Vernicura->Ton->isEnabled());
    QVERIFY(!Hardware->TonAn);
    QVERIFY(!SoundOn());
    Vernicura->hide();
    Vernicura->ShowForm();
    QCOMPARE(env_->audioOutputQueries, 1);

    DestroyScreens();
    env_->audioOutputs = 1;
    Randomize(1);
    CreateScreens();
    Vernicura->ShowForm();
    QCOMPARE(Vernicura->Ton->text(), QStringLiteral("Ton aus"));
    QVERIFY(Vernicura->Ton->isEnabled());
    QVERIFY(SoundOn());
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ton")));
    QCOMPARE(Vernicura->Ton->text(), QStringLiteral("Ton ein"));
    QVERIFY(!SoundOn());
    QVERIFY(ClickButton(Vernicura, QStringLiteral("Ton")));
    QCOMPARE(Vernicura->Ton->text(), QStringLiteral("Ton aus"));
    QVERIFY(SoundOn());
    Vernicura->hide();
}

void MainMenuTest::aSoundBeforeTheMenuAsksTheSystemFirst() {
    // A sound about to start before the main menu was ever shown (a screen
    // driven on its own) still finds the switch off on a silent system.
    DestroyScreens();
    env_->audioOutputs = 0;
    env_->audioOutputQueries = 0;
    Randomize(1);
    CreateScreens();
    FakeMediaLog::Clear();
    PlaySound(Spielschirm->MediaPlayer.get(), QStringLiteral("PigmentraLaborFill.wav"));
    QCOMPARE(env_->audioOutputQueries, 1);
    QCOMPARE(FakeMediaLog::Calls(), QStringList());
    QCOMPARE(Vernicura->Ton->text(), QStringLiteral("Ton ein"));
    QVERIFY(!Vernicura->Ton->isEnabled());
}

void MainMenuTest::highscoreButtonShowsTable() {
    // "Csúcsok" shows the highscore table without blocking the menu.
    QVERIFY(ClickButton(Vernicura, QStringLiteral("BHighScore")));
    QVERIFY(HighScore->isVisible());
    QVERIFY(!HighScore->InModalRun());
}

QTEST_MAIN(MainMenuTest)
#include "tst_main_menu.moc"
