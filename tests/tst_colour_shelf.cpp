// The shelf on screen: swatches and their selection rules, the shade history
// with the customer manager, and the drift of the base colours over time.
#include "colour/Basisfarbe1.h"
#include "colour/Chargenschwankungen1.h"
#include "colour/Historie1.h"
#include "colour/Mischregal1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "shell/Konfiguration1.h"
#include "shell/Screens.h"
#include "support/RuleDraw.h"
#include "support/TestSupport.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
QRgb Paint(DisplayColour colour) { return ToQColor(colour).rgb() & 0xFFFFFF; }

// Swatch artwork with the regions the shelf relies on, for runs in which the
// generated pictures are not there yet.
void WriteStandInSwatches(const QString& dir) {
    const QColor frame(160, 160, 160), chip(200, 220, 240);
    QImage lab(110, 110, QImage::Format_RGB32);
    lab.fill(Qt::white);
    QPainter p(&lab);
    p.setPen(Qt::black);
    p.setBrush(frame);
    p.drawRect(21, 1, 18, 48);  // frame around (30, 10) and (30, 40)
    p.setBrush(chip);
    p.drawRect(49, 21, 52, 12);  // chip around (60, 30)
    p.end();
    lab.save(dir + "/PigmentraLabor.bmp");

    QImage production(90, 120, QImage::Format_RGB32);
    production.fill(Qt::white);
    QPainter q(&production);
    q.setPen(Qt::black);
    q.setBrush(frame);
    q.drawRect(24, 34, 12, 12);  // frame around (30, 40)
    q.setBrush(chip);
    q.drawRect(9, 69, 36, 41);  // can around (20, 80)
    q.end();
    production.save(dir + "/PigmentraProduktion.bmp");
}
}  // namespace

class ColourShelfTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TKonfiguration> ownConfig;
    std::unique_ptr<TChargenschwankungen> ownTimer;
    std::unique_ptr<TMischregal> shelf;
    QTemporaryDir standIns;
    QString runFolder;
    QStringList modalShown;  // objectName of every form run modally
    QList<RgbTriple> rgbAtNotice;

    TColourBox* box = nullptr;
    TTrackBar* slider = nullptr;
    TPicture* tube = nullptr;
    TPicture* jet = nullptr;
    TStringGrid* historyGrid = nullptr;
    TStringGrid* recipeGrid = nullptr;

    TPicture* swatch(int index) { return shelf->Basisfarben[index]->Swatch; }
    // A real click on a swatch: press and release.
    void click(int index) { QTest::mouseClick(swatch(index), Qt::LeftButton, {}, QPoint(60, 30)); }
    // A real double-click: press, release, the second press, release.
    void doubleClick(int index) {
        QTest::mouseClick(swatch(index), Qt::LeftButton, {}, QPoint(60, 30));
        QTest::mouseDClick(swatch(index), Qt::LeftButton, {}, QPoint(60, 30));
        QTest::mouseRelease(swatch(index), Qt::LeftButton, {}, QPoint(60, 30));
    }
    void layout() { shelf->Layout(QString(), box, jet, tube, historyGrid, recipeGrid, slider); }
    void putInMixture(const QList<int>& indices, double amount) {
        for (int i : indices)
            shelf->Basisfarben[i]->Amount = amount;
        shelf->CountUsed();
    }

private slots:
    void initTestCase() {
        env = std::make_unique<TestEnvironment>();
        env->onModal = [this](TForm* form) {
            modalShown.append(form->objectName());
            if (form == NeueBasisfarben && shelf)
                rgbAtNotice.append(shelf->Basisfarben[0]->Rgb);
            form->Close();
        };
        Randomize(1);
        CreateScreens();
        if (!Konfiguration) {
            ownConfig = std::make_unique<TKonfiguration>();
            Konfiguration = ownConfig.get();
        }
        if (!Chargenschwankungen) {
            ownTimer = std::make_unique<TChargenschwankungen>(env->clock.Now);
            Chargenschwankungen = ownTimer.get();
        }
        runFolder = QDir::currentPath();
        if (!QFileInfo::exists("PigmentraLabor.bmp") || !QFileInfo::exists("PigmentraProduktion.bmp")) {
            QVERIFY(standIns.isValid());
            WriteStandInSwatches(standIns.path());
            QDir::setCurrent(standIns.path());
        }

        box = new TColourBox(nullptr, QStringLiteral("Basisfarben"), 0, 0, 440, 480);
        slider = new TTrackBar(nullptr, QStringLiteral("Regler"), 0, 0, 40, 300);
        tube = new TPicture(nullptr, QStringLiteral("Tube"), 0, 0, 60, 120);
        jet = new TPicture(nullptr, QStringLiteral("Strahl"), 0, 0, 100, 100);
        jet->FillClip(Qt::white);
        historyGrid = new TStringGrid(nullptr, QStringLiteral("Historie"), 0, 0, 140, 300, 4, 1, 40);
        recipeGrid = new TStringGrid(nullptr, QStringLiteral("Rezept"), 0, 0, 120, 300, 3, 1, 40);
        box->show();
        shelf = std::make_unique<TMischregal>();
    }

    void cleanupTestCase() {
        delete box;  // the swatches go with their box, before the shelf
        delete slider;
        delete tube;
        delete jet;
        delete historyGrid;
        delete recipeGrid;
        shelf.reset();
        QDir::setCurrent(runFolder);
        if (ownTimer && Chargenschwankungen == ownTimer.get())
            Chargenschwankungen = nullptr;
        if (ownConfig && Konfiguration == ownConfig.get())
            Konfiguration = nullptr;
        DestroyScreens();
        env.reset();
    }

    void init() {
        env->clock.SetLocal(10, 0, 0);
        Chargenschwankungen->LastChange = env->clock.Now;
        Konfiguration->Produktionsphase = 0;
        slider->SetMin(0);
        slider->SetMax(100);
        slider->SetPosition(0);
        layout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (MaxBasisfarben)
            MaxBasisfarben->hide();
        modalShown.clear();
        rgbAtNotice.clear();
    }

    void layoutPlacesSixteenLabSwatches() {
        // Lab cell = picture − (10, 40); left = column × width + 10, top = row × height + 20; chip in Colour.
        QCOMPARE(shelf->SelectedIndex, -1);
        QCOMPARE(shelf->UsedCount, 0);
        QCOMPARE(shelf->Slider, slider);
        QCOMPARE(shelf->HistoryGrid, historyGrid);
        QCOMPARE(shelf->RecipeGrid, recipeGrid);
        for (int i = 0; i < 16; ++i) {
            const TBasisfarbe& colour = *shelf->Basisfarben[i];
            TPicture* sw = swatch(i);
            QVERIFY(sw);
            QCOMPARE(sw->parentWidget(), box);
            QCOMPARE(sw->objectName(), "Swatch" + colour.Code);
            QVERIFY(sw->isVisible());
            const int w = sw->PictureWidth() - 10, h = sw->PictureHeight() - 40;
            QCOMPARE(sw->pos(), QPoint((i % 4) * w + 10, (i / 4) * h + 20));
            QCOMPARE(sw->Pixel(60, 30), Paint(colour.Colour));
            QCOMPARE(sw->Pixel(30, 40), Paint(clBtnFace));
            QCOMPARE(sw->Pixel(30, 10), Paint(clBtnFace));
            QCOMPARE(colour.Amount, 0.0);
            QCOMPARE(colour.Selected, 0);
        }
        // The code at (60, 35) is written in black or white, whichever has
        // the higher contrast ratio with the chip: white on blue 804 (8.6 to
        // 2.4), violet 808 (5.6 to 3.7) and black 815, black on yellow 712,
        // red 744 (5.3 to 4.0) and white 019.
        const std::pair<const char*, QRgb> codes[] = {{"804", 0xFFFFFF}, {"808", 0xFFFFFF}, {"815", 0xFFFFFF},
                                                      {"712", 0x000000}, {"744", 0x000000}, {"019", 0x000000}};
        for (const auto& [code, ink] : codes) {
            TPicture* sw = box->findChild<TPicture*>(QStringLiteral("Swatch") + code);
            QVERIFY(sw);
            const QRgb chip = sw->Pixel(60, 30) & 0xFFFFFF, other = ink ^ 0xFFFFFF;
            // Smoothed glyphs: a stem comes within 48 of its ink on every
            // channel.
            const auto near = [](QRgb a, QRgb b) {
                return std::abs(qRed(a) - qRed(b)) <= 48 && std::abs(qGreen(a) - qGreen(b)) <= 48 &&
                       std::abs(qBlue(a) - qBlue(b)) <= 48;
            };
            bool inked = false, wrong = false;
            for (int y = 35; y < 50; ++y)  // inside the code's own box
                for (int x = 60; x < 80; ++x) {
                    inked = inked || near(sw->Pixel(x, y), ink);
                    wrong = wrong || (near(sw->Pixel(x, y), other) && !near(chip, other));
                }
            QVERIFY2(inked && !wrong, code);
        }
        // A new showing replaces the swatches instead of piling them up.
        layout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(box->findChildren<TPicture*>("Swatch712").size(), 1);
        QCOMPARE(box->findChildren<TPicture*>().size(), 16);
    }

    void layoutEmptiesTheMixture() {
        // Every showing starts from an empty mixture, unselected.
        putInMixture({2, 5}, 30);
        shelf->Basisfarben[5]->PreviousAmount = 20;
        click(5);
        layout();
        QCOMPARE(shelf->Basisfarben[5]->Amount, 0.0);
        QCOMPARE(shelf->Basisfarben[5]->PreviousAmount, 0.0);
        QCOMPARE(shelf->Basisfarben[5]->Selected, 0);
        QCOMPARE(shelf->UsedCount, 0);
        QCOMPARE(shelf->SelectedIndex, -1);
    }

    void clickSelectsShowsSliderAndMovesHighlight() {
        // A click selects, puts the slider at the amount in the colour, colours the jet and frames the swatch.
        putInMixture({5}, 40);
        click(5);
        const TBasisfarbe& colour = *shelf->Basisfarben[5];
        QCOMPARE(shelf->SelectedIndex, 5);
        QCOMPARE(colour.Selected, 1);
        QCOMPARE(slider->Position(), 40);
        QCOMPARE(slider->Min(), 0);
        QCOMPARE(slider->Colour().rgb() & 0xFFFFFF, Paint(colour.Colour));
        QCOMPARE(jet->Pixel(50, 40), Paint(colour.Colour));
        QVERIFY(!slider->isHidden());
        QVERIFY(!tube->isHidden());
        QCOMPARE(swatch(5)->Pixel(30, 40), Paint(clHighlight));
        QCOMPARE(swatch(5)->Pixel(30, 10), Paint(clHighlight));

        click(6);
        QCOMPARE(shelf->SelectedIndex, 6);
        QCOMPARE(colour.Selected, 0);
        QCOMPARE(slider->Position(), 0);
        QCOMPARE(swatch(5)->Pixel(30, 40), Paint(clBtnFace));
        QCOMPARE(swatch(5)->Pixel(30, 10), Paint(clBtnFace));
        QCOMPARE(swatch(6)->Pixel(30, 40), Paint(clHighlight));
        QCOMPARE(jet->Pixel(50, 40), Paint(shelf->Basisfarben[6]->Colour));
        QVERIFY(modalShown.isEmpty());
    }

    void ninthColourIsRefusedWhileEightAreInUse() {
        // UsedCount ≥ 8 and amount 0: the notice is shown and nothing else changes.
        putInMixture({0, 1, 2, 3, 4, 5, 6, 7}, 10);
        click(0);
        click(8);
        QVERIFY(MaxBasisfarben && MaxBasisfarben->isVisible());
        QCOMPARE(shelf->SelectedIndex, 0);
        QCOMPARE(shelf->Basisfarben[8]->Selected, 0);
        QCOMPARE(slider->Position(), 10);
        QCOMPARE(swatch(0)->Pixel(30, 40), Paint(clHighlight));
        QCOMPARE(swatch(8)->Pixel(30, 40), Paint(clBtnFace));

        // One of the eight can still be picked.
        MaxBasisfarben->hide();
        click(3);
        QVERIFY(!MaxBasisfarben->isVisible());
        QCOMPARE(shelf->SelectedIndex, 3);

        // A colour taken out counts only once the shelf has recounted.
        shelf->Basisfarben[3]->Amount = 0;
        click(8);
        QVERIFY(MaxBasisfarben->isVisible());
        QCOMPARE(shelf->SelectedIndex, 3);
        MaxBasisfarben->hide();
        shelf->CountUsed();
        QCOMPARE(shelf->UsedCount, 7);
        click(8);
        QVERIFY(!MaxBasisfarben->isVisible());
        QCOMPARE(shelf->SelectedIndex, 8);
        QCOMPARE(shelf->Basisfarben[8]->Selected, 1);
    }

    void doubleClickEmptiesTheColourWithoutAnotherClick() {
        // Lab double-click: amount 0, selected index, slider 0; its second release is no new click.
        putInMixture({0, 1, 2, 3, 4, 5, 6, 7}, 25);
        doubleClick(3);
        QCOMPARE(shelf->Basisfarben[3]->Amount, 0.0);
        QCOMPARE(shelf->SelectedIndex, 3);
        QCOMPARE(slider->Position(), 0);
        QVERIFY(!MaxBasisfarben->isVisible());
        // The next plain click is a click again.
        click(8);
        QVERIFY(MaxBasisfarben->isVisible());
    }

    void productionSwatchesKeepAmountsFromShrinking() {
        // Production: cell = picture − (30, 0), can at (20, 80); a click sets slider minimum and position to
        // trunc(amount).
        Konfiguration->Produktionsphase = 1;
        slider->SetMax(20000);
        layout();
        for (int i = 0; i < 16; ++i) {
            TPicture* sw = swatch(i);
            const int w = sw->PictureWidth() - 30, h = sw->PictureHeight();
            QCOMPARE(sw->pos(), QPoint((i % 4) * w + 10, (i / 4) * h + 20));
            QCOMPARE(sw->Pixel(20, 80), Paint(shelf->Basisfarben[i]->Colour));
        }
        shelf->Basisfarben[2]->Amount = 1234.5;
        shelf->CountUsed();
        click(2);
        QCOMPARE(slider->Min(), 1234);
        QCOMPARE(slider->Position(), 1234);
        QCOMPARE(shelf->SelectedIndex, 2);
        QCOMPARE(swatch(2)->Pixel(30, 40), Paint(clHighlight));
        // No double-click here: a second press is just another click.
        doubleClick(2);
        QCOMPARE(shelf->Basisfarben[2]->Amount, 1234.5);
        click(9);
        QCOMPARE(slider->Min(), 0);
        QCOMPARE(swatch(2)->Pixel(30, 40), Paint(clBtnFace));
    }

    void historyNumbersRowsWithTheAddedQuantity() {
        // One row per addition: number, code, Amount − PreviousAmount as "%8.2f".
        THistorie history(shelf.get());
        QCOMPARE(historyGrid->ColCount(), 0);
        QCOMPARE(historyGrid->RowCount(), 0);
        TBasisfarbe& red = *shelf->Basisfarben[4];
        red.Amount = 40;
        history.AddRow(shelf.get(), 4);
        QCOMPARE(history.Count, 1);
        QCOMPARE(historyGrid->Cell(0, 0), QStringLiteral("#"));
        QCOMPARE(historyGrid->Cell(1, 0), QStringLiteral("Basis."));
        QCOMPARE(historyGrid->Cell(2, 0), QStringLiteral("Menge"));
        QCOMPARE(historyGrid->Cell(0, 1), QStringLiteral("1"));
        QCOMPARE(historyGrid->Cell(1, 1), QStringLiteral("744"));
        QCOMPARE(historyGrid->Cell(2, 1), QStringLiteral("   40.00"));
        QCOMPARE(historyGrid->ColCount(), 4);
        QCOMPARE(historyGrid->RowCount(), 2);
        QCOMPARE(historyGrid->ColWidth(0), 20);
        QCOMPARE(historyGrid->ColWidth(1), 40);
        QCOMPARE(historyGrid->ColWidth(2), 50);
        QCOMPARE(historyGrid->ColWidth(3), 0);
        QCOMPARE(historyGrid->Col(), 3);
        QCOMPARE(historyGrid->Row(), 1);

        red.PreviousAmount = 40;
        red.Amount = 30;
        history.AddRow(shelf.get(), 4);
        QCOMPARE(historyGrid->Cell(0, 2), QStringLiteral("2"));
        QCOMPARE(historyGrid->Cell(2, 2), QStringLiteral("  -10.00"));
        QCOMPARE(historyGrid->RowCount(), 3);

        // Index −1: nothing at all, not even a draw.
        const uint64_t state = RandomState();
        history.AddRow(shelf.get(), -1);
        QCOMPARE(history.Count, 2);
        QCOMPARE(historyGrid->RowCount(), 3);
        QCOMPARE(RandomState(), state);

        history.Clear(shelf.get());
        QCOMPARE(history.Count, 0);
        QCOMPARE(historyGrid->RowCount(), 0);
        QCOMPARE(historyGrid->ColCount(), 0);
        shelf->Basisfarben[15]->Amount = 5;
        history.AddRow(shelf.get(), 15);
        QCOMPARE(historyGrid->Cell(0, 1), QStringLiteral("1"));
        QCOMPARE(historyGrid->Cell(1, 1), QStringLiteral("019"));
        QCOMPARE(historyGrid->RowCount(), 2);
        QVERIFY(modalShown.isEmpty());
    }

    void customerManagerComesWhenTheCountIsAMultipleOfTheDraw() {
        // Each addition draws r of 15, divisor max(r, 5); a multiple brings the manager modally.
        QVERIFY(Kundenmanager);
        THistorie history(shelf.get());
        shelf->Basisfarben[0]->Amount = 1;
        Randomize(99);
        RuleDraw draw(99);
        QList<int> expected, shown;
        for (int n = 1; n <= 60; ++n) {
            const int r = draw(15);
            if (n % (r >= 5 ? r : 5) == 0)
                expected.append(n);
            const int before = int(modalShown.count(QStringLiteral("Kundenmanager")));
            history.AddRow(shelf.get(), 0);
            if (modalShown.count(QStringLiteral("Kundenmanager")) > before)
                shown.append(n);
        }
        QVERIFY(!expected.isEmpty());
        QVERIFY(expected.first() >= 5);
        QCOMPARE(shown, expected);
        QCOMPARE(history.Count, 60);
        QCOMPARE(historyGrid->RowCount(), 61);
    }

    void driftComesOnlyAfterMoreThanTheInterval() {
        // Whole seconds since the last change, > 120: notice first, then LastChange = now and Fluctuate(20).
        TChargenschwankungen timer(env->clock.Now);
        QCOMPARE(timer.Range, 20);
        QCOMPARE(timer.Interval, 120.0);
        const RgbTriple nominal = shelf->Basisfarben[0]->Rgb;
        const double start = env->clock.Now;
        env->clock.AdvanceSeconds(120);
        timer.Check(shelf.get());
        env->clock.SetLocal(10, 2, 0, 900);  // 120.9 s: the milliseconds do not count
        timer.Check(shelf.get());
        QVERIFY(modalShown.isEmpty());
        QCOMPARE(timer.LastChange, start);
        QCOMPARE(shelf->Basisfarben[0]->Rgb, nominal);

        Randomize(4);
        RuleDraw draw(4);
        RgbTriple expected;
        for (int c = 0; c < 3; ++c)
            expected[c] = qBound(0, nominal[c] + draw(20) - 10, 255);
        env->clock.SetLocal(10, 2, 1);
        timer.Check(shelf.get());
        QCOMPARE(modalShown, QStringList{QStringLiteral("NeueBasisfarben")});
        QCOMPARE(rgbAtNotice, QList<RgbTriple>{nominal});
        QCOMPARE(timer.LastChange, env->clock.Now);
        QCOMPARE(shelf->Basisfarben[0]->Rgb, expected);
        QCOMPARE(shelf->Basisfarben[0]->Colour, DisplayColour(0x0000FFFF));

        // The next interval counts from the change.
        env->clock.AdvanceSeconds(60);
        timer.Check(shelf.get());
        QCOMPARE(modalShown.size(), 1);
    }

    void driftAcrossMidnightIsDue() {
        // 23:59:00 → 00:01:00 gives −23 h 58 min, whose magnitude is due; 30 s before midnight is not.
        env->clock.SetLocal(23, 59, 0);
        TChargenschwankungen timer(env->clock.Now);
        env->clock.SetLocal(23, 59, 30);
        timer.Check(shelf.get());
        QVERIFY(modalShown.isEmpty());
        env->clock.SetLocal(0, 1, 0);
        timer.Check(shelf.get());
        QCOMPARE(modalShown, QStringList{QStringLiteral("NeueBasisfarben")});
        QCOMPARE(timer.LastChange, env->clock.Now);
    }

    void swatchClickChecksTheDriftFirst() {
        // A swatch click runs the drift check before selecting.
        env->clock.AdvanceSeconds(121);
        click(9);
        QCOMPARE(modalShown, QStringList{QStringLiteral("NeueBasisfarben")});
        QCOMPARE(Chargenschwankungen->LastChange, env->clock.Now);
        QCOMPARE(shelf->SelectedIndex, 9);
        // The swatch and the slider keep the nominal colour after the drift.
        QCOMPARE(swatch(9)->Pixel(60, 30), Paint(shelf->Basisfarben[9]->Colour));
        QCOMPARE(slider->Colour().rgb() & 0xFFFFFF, QRgb(0x00FF00));
    }
};

QTEST_MAIN(ColourShelfTest)
#include "tst_colour_shelf.moc"
