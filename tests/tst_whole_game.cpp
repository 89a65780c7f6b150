// One whole game through the real forms: start screen, main menu, laboratory,
// production decision, production, car production verdict, highscore record.
#include "support/ScreenGame.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "shell/Autofarben1.h"
#include "shell/Autotypen1.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void playedGameEndsInAHighscoreRecord_data();
    void playedGameEndsInAHighscoreRecord();
};

namespace {
// The first car colour whose target has its largest component at no more
// than half the recipe: production can dose it back to its full amount on
// the track bar's 0..5000. Returns the catalogue index, the main component's
// shelf index and its full batch amount (share of 10000 units, truncated).
// With `whole`, the main component's laboratory amount is taken truncated,
// as the laboratory's track bar holds it once its swatch is selected.
struct Choice {
    int car = -1;
    int main = -1;
    int fullAmount = 0;
};

Choice chooseCar(bool whole) {
    for (int car = 0; car < int(AutoFarbenListe.size()); ++car) {
        const TRezeptur* r = AutoFarbenListe[car]->Tonvorlage->Rezeptur.get();
        double largest = -1.0;
        int main = -1;
        for (int k = 0; k < r->Count; ++k) {
            if (r->Amounts[k] > largest) {
                largest = r->Amounts[k];
                main = r->Indices[k];
            }
        }
        if (whole)
            largest = int(largest);
        double sum = 0.0;
        for (int k = 0; k < r->Count; ++k)
            sum += r->Indices[k] == main ? largest : r->Amounts[k];
        if (sum > 0.0 && largest / sum <= 0.5)
            return {car, main, int(largest / sum * 100.0 * 100.0)};
    }
    return {};
}
}  // namespace

void WholeGameTest::playedGameEndsInAHighscoreRecord_data() {
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("total");
    // Hand-in 1000 + one production dose 700 + delivery 2000.
    QTest::newRow("no colour selected at the hand-in") << false << 3700;
    // The decision's Ok hides it in front of the laboratory, which doses once
    // more with the selected colour before production: + 100.
    QTest::newRow("main component selected at the hand-in") << true << 3800;
}

void WholeGameTest::playedGameEndsInAHighscoreRecord() {
    // An accepted batch writes "%10d %-100s \r\n" of the name and the total of all costs (150 bytes).
    QFETCH(bool, selected);
    QFETCH(int, total);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QByteArray oldTemp = qgetenv("TEMP");
    qputenv("TEMP", temp.path().toLocal8Bit());
    TestEnvironment env;

    QVERIFY(StartProgram());
    QVERIFY(VernicuraStart->isVisible());
    QVERIFY(Player::Key(Qt::Key_Return));  // "Start"
    QVERIFY(Vernicura->isVisible());

    const Choice choice = chooseCar(selected);
    QVERIFY(choice.car >= 0);
    // Car colour 0 and level 0 are marked from the start; a press on a marked item unmarks it.
    if (!AutoFarbenListe[choice.car]->Gewaehlt) {
        Vernicura->AutofarbenAuswahl->ensureWidgetVisible(AutoFarbenListe[choice.car]->Bild);
        QVERIFY(Player::Click(AutoFarbenListe[choice.car]->Bild));
    }
    QVERIFY(AutoTypenListe[0]->Gewaehlt);
    auto* name = Vernicura->findChild<QLineEdit*>(QStringLiteral("Spieler1Name"));
    QVERIFY(name);
    QVERIFY(Player::Click(name));
    QVERIFY(Player::Key(Qt::Key_A, Qt::ControlModifier));
    QVERIFY(Player::Type(QStringLiteral("Kovacs Anna")));

    QStringList road;
    env.onModal = [&](TForm* form) {
        road << form->objectName();
        if (form == Spielschirm) {
            // Laboratory: the target's recipe from the hidden area, then hand it in (1000).
            QVERIFY(Player::Click(Spielschirm->Boss));
            if (selected)
                QVERIFY(ScreenGame::SelectSwatch(choice.main));
            QVERIFY(ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern")));
            if (!Produktionsbeschluss->RecipeAccepted) {
                road << QStringLiteral("rejected recipe");
                Spielschirm->Close();  // ends the run; the road check fails
                return;
            }
            road << QStringLiteral("accepted recipe");
            QVERIFY(Player::Key(Qt::Key_Return));  // the decision's Ok: runs production
        } else if (form == Spielschirm2) {
            // The laboratory's history as production found it: with a
            // selection one more row, whose amount added is the whole amount
            // of the track bar less the fractional one from the hidden area.
            const TStringGrid* labRows = Spielschirm->AnzeigeHistorie;
            road << QStringLiteral("laboratory rows %1").arg(labRows->RowCount());
            if (labRows->RowCount() == 2)
                road << labRows->Cell(2, 1);
            // Production: the main component back to its full amount by keys
            // (700), then deliver (2000).
            QVERIFY(ScreenGame::SelectSwatch(choice.main));
            for (int key = 0; key < 200 && Spielschirm2->AutoScrollBar->Position() + 50 <= choice.fullAmount; ++key)
                QVERIFY(Player::Key(Qt::Key_PageUp));
            for (int key = 0; key < 50 && Spielschirm2->AutoScrollBar->Position() < choice.fullAmount; ++key)
                QVERIFY(Player::Key(Qt::Key_Up));
            QCOMPARE(Spielschirm2->AutoScrollBar->Position(), choice.fullAmount);
            QVERIFY(Player::Key(Qt::Key_Return));
            road << QString::number(ScreenGame::Farbe(choice.main)->Amount, 'f', 2);
            QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
            if (!Autoproduktion->Accepted) {
                road << QStringLiteral("rejected batch");
                Spielschirm2->Close();
                return;
            }
            road << QStringLiteral("accepted batch");
            QVERIFY(Player::Key(Qt::Key_Return));  // the verdict's Ok: ends production
        } else {
            QVERIFY(ScreenGame::PressDefault(form));
        }
    };
    QVERIFY(Player::Key(Qt::Key_Return));  // "Játék": returns when the game is over

    QStringList expected({QStringLiteral("Spielschirm"), QStringLiteral("accepted recipe"),
                          QStringLiteral("Spielschirm2"), QStringLiteral("laboratory rows 0")});
    if (selected) {
        const TRezeptur* r = AutoFarbenListe[choice.car]->Tonvorlage->Rezeptur.get();
        double amount = 0.0;
        for (int k = 0; k < r->Count; ++k)
            if (r->Indices[k] == choice.main)
                amount = r->Amounts[k];
        expected[3] = QStringLiteral("laboratory rows 2");
        expected << QString::asprintf("%8.2f", int(amount) - amount);
    }
    expected << QString::number(choice.fullAmount) + ".00" << QStringLiteral("accepted batch");
    QCOMPARE(road, expected);
    QVERIFY(!Spielschirm->isVisible());
    QVERIFY(!Spielschirm2->isVisible());
    QVERIFY(!Autoproduktion->isVisible());
    QVERIFY(Vernicura->isVisible());
    QVERIFY(Vernicura->isEnabled());
    QCOMPARE(Player::ActiveWindow(), static_cast<QWidget*>(Vernicura));
    QCOMPARE(Konfiguration->Produktionsphase, 1);

    QCOMPARE(Punktestand, total);
    QFile file(temp.filePath(QStringLiteral("Pigmentra.hsc")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray record = file.readAll();
    QCOMPARE(record.size(), 150);
    QByteArray text = QByteArray::number(total).rightJustified(10, ' ') + ' ' +
                      QByteArray("Kovacs Anna").leftJustified(100, ' ') + " \r\n";
    QCOMPARE(record.left(114), text);
    QCOMPARE(record.at(114), '\0');

    DestroyScreens();
    qputenv("TEMP", oldTemp);
}

QTEST_MAIN(WholeGameTest)
#include "tst_whole_game.moc"
