// Every form in the states a player meets, drawn offscreen and read pixel by
// pixel: no label text is cut by its own rectangle and no button caption
// comes closer than a few pixels to its button's frame at the fonts the form
// uses, no artwork shows through a label's text, and no picture or
// panel that runs across a form stops short of its right or bottom edge
// leaving a strip of another colour there; and the controls the player
// works lie on the form, clear of one another.
#include "support/DialogGame.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Controls.h"
#include "screens/Spielschirm21.h"
#include "shell/Vernicura1.h"
#include "shell/Vernicurastart1.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <map>

namespace {

int difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

QRect onForm(const QWidget* widget, const QWidget* form) {
    return QRect(widget->mapTo(form, QPoint(0, 0)), widget->size());
}

// Where a label draws its text, in its own coordinates.
QRect textRect(const QLabel* label) {
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
}

// Texts wider or taller than the rectangle that shows them.
void findClippedText(QWidget* form, const QString& state, QStringList& faults) {
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(form) || label->text().trimmed().isEmpty())
            continue;
        if (!label->contentsRect().contains(textRect(label)))
            faults << QStringLiteral("%1: text of %2 \"%3\" needs %4 x %5 in %6 x %7")
                          .arg(state, label->objectName(), label->text())
                          .arg(textRect(label).width())
                          .arg(textRect(label).height())
                          .arg(label->contentsRect().width())
                          .arg(label->contentsRect().height());
    }
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(form) || button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        // A caption keeps a few pixels clear of its button's frame on each side.
        const QFontMetrics metrics = button->fontMetrics();
        if (metrics.horizontalAdvance(button->text()) + 2 * 3 > room.width() || metrics.height() > room.height())
            faults << QStringLiteral("%1: caption of %2 \"%3\" needs %4 in %5")
                          .arg(state, button->objectName(), button->text())
                          .arg(metrics.horizontalAdvance(button->text()))
                          .arg(room.width());
    }
}

// Behind a label's text over artwork the picture must be calm: drawn without
// the label, every pixel there stays close to the most common colour.
void findArtworkUnderText(QWidget* form, const QString& state, QStringList& faults) {
    const QList<TPicture*> pictures = form->findChildren<TPicture*>();
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(form) || label->text().trimmed().isEmpty())
            continue;
        const QRect text = textRect(label).translated(label->mapTo(form, QPoint(0, 0))) & form->rect();
        bool overArtwork = false;
        for (TPicture* picture : pictures)
            overArtwork = overArtwork || (picture->isVisibleTo(form) && onForm(picture, form).intersects(text));
        if (!overArtwork || text.isEmpty())
            continue;
        label->hide();
        const QImage behind = form->grab(text).toImage().convertToFormat(QImage::Format_RGB32);
        label->show();
        std::map<QRgb, int> counts;
        for (int y = 0; y < behind.height(); ++y)
            for (int x = 0; x < behind.width(); ++x)
                ++counts[behind.pixel(x, y)];
        const QRgb common =
            std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
        int busy = 0;
        for (const auto& [colour, count] : counts)
            if (difference(colour, common) > 40)
                busy += count;
        if (busy > 0)
            faults << QStringLiteral("%1: %2 pixels of artwork under the text of %3")
                          .arg(state)
                          .arg(busy)
                          .arg(label->objectName());
    }
}

// Pictures and panels that run across the form from its left edge and stop
// up to 24 pixels short of its right or bottom edge: where the next pixel
// toward the edge differs from their own last one, a strip shows.
void findEdgeStrips(QWidget* form, const QImage& shot, const QString& state, QStringList& faults) {
    QList<QWidget*> spans;
    for (TPicture* picture : form->findChildren<TPicture*>())
        spans << picture;
    for (TColourBox* panel : form->findChildren<TColourBox*>())
        spans << panel;
    for (QWidget* span : spans) {
        const QRect place = onForm(span, form);
        if (!span->isVisibleTo(form) || place.x() > 0)
            continue;
        const QRegion seen = span->visibleRegion();
        const int right = form->width() - (place.right() + 1);
        if (right > 0 && right <= 24) {
            int rows = 0, strip = 0;
            for (int y = std::max(place.top(), 0); y <= std::min(place.bottom(), form->height() - 1); ++y) {
                if (!seen.contains(QPoint(span->width() - 1, y - place.top())))
                    continue;
                ++rows;
                strip += difference(shot.pixel(place.right(), y), shot.pixel(place.right() + 1, y)) > 12;
            }
            if (strip * 10 > rows)
                faults << QStringLiteral("%1: a strip of %2 pixels right of %3 on %4 of %5 rows")
                              .arg(state)
                              .arg(right)
                              .arg(span->objectName())
                              .arg(strip)
                              .arg(rows);
        }
        const int below = form->height() - (place.bottom() + 1);
        if (below > 0 && below <= 24) {
            int columns = 0, strip = 0;
            for (int x = 0; x <= std::min(place.right(), form->width() - 1); ++x) {
                if (!seen.contains(QPoint(x - place.left(), span->height() - 1)))
                    continue;
                ++columns;
                strip += difference(shot.pixel(x, place.bottom()), shot.pixel(x, place.bottom() + 1)) > 12;
            }
            if (strip * 10 > columns)
                faults << QStringLiteral("%1: a strip of %2 pixels below %3 on %4 of %5 columns")
                              .arg(state)
                              .arg(below)
                              .arg(span->objectName())
                              .arg(strip)
                              .arg(columns);
        }
    }
}

// Controls the player works (everything that takes the focus: buttons,
// fields, pickers, track bars) must lie wholly on the form and clear of one
// another, or one hides part of the other.
void findCrowdedControls(QWidget* form, const QString& state, QStringList& faults) {
    QList<QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (w->isVisibleTo(form) && w->focusPolicy() != Qt::NoFocus && !w->isWindow())
            controls << w;
    for (int i = 0; i < controls.size(); ++i) {
        const QRect a = onForm(controls[i], form);
        if (!form->rect().contains(a))
            faults << QStringLiteral("%1: %2 reaches beyond the form").arg(state, controls[i]->objectName());
        for (int j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i]))
                continue;
            if (a.intersects(onForm(controls[j], form)))
                faults << QStringLiteral("%1: %2 and %3 overlap")
                              .arg(state, controls[i]->objectName(), controls[j]->objectName());
        }
    }
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { game_.PrepareFolder(); }
    void init() { game_.Start(); }
    void cleanup() { game_.Stop(); }
    void everyFormReadsCleanlyToItsEdges();

private:
    // Shows the form as it is now, checks it, and hides it again.
    void check(TForm* form, const QString& state) {
        form->show();
        const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        findClippedText(form, state, faults_);
        findArtworkUnderText(form, state, faults_);
        findEdgeStrips(form, shot, state, faults_);
        findCrowdedControls(form, state, faults_);
        form->hide();
    }

    DialogGame game_;
    QStringList faults_;
};

void LayoutTest::everyFormReadsCleanlyToItsEdges() {
    // All twelve forms, the main menu with its rules open, both decisions and
    // verdicts, the colour check with gap and swapped, the overflow after it
    // took the batch colour, the highscore with 30 results.
    check(VernicuraStart, QStringLiteral("start screen"));
    check(Vernicura, QStringLiteral("main menu"));
    Vernicura->Anleitung->click();
    check(Vernicura, QStringLiteral("main menu with rules"));
    check(Spielschirm, QStringLiteral("laboratory"));
    check(Spielschirm2, QStringLiteral("production"));

    Farbenpruefung->ShowCheck(game_.target.get(), game_.panel);
    QVERIFY(Farbenpruefung->isVisible());
    check(Farbenpruefung, QStringLiteral("colour check"));
    Farbenpruefung->Zwischenraum->click();
    check(Farbenpruefung, QStringLiteral("colour check with gap"));
    Farbenpruefung->Button2->click();
    check(Farbenpruefung, QStringLiteral("colour check with gap, swapped"));

    game_.panel->Lab.DeltaE = 0.0f;
    Produktionsbeschluss->ShowDecision(game_.panel);
    check(Produktionsbeschluss, QStringLiteral("recipe accepted"));
    game_.panel->Lab.DeltaE = 1000.0f;
    Produktionsbeschluss->ShowDecision(game_.panel);
    check(Produktionsbeschluss, QStringLiteral("recipe rejected"));
    Autoproduktion->ShowVerdict(game_.target.get(), game_.panel);
    check(Autoproduktion, QStringLiteral("batch rejected"));
    game_.panel->Lab.DeltaE = 0.0f;
    Autoproduktion->ShowVerdict(game_.target.get(), game_.panel);
    check(Autoproduktion, QStringLiteral("batch accepted"));

    Ueberlauf->Image4->FloodFill(400, 130, QColor(40, 60, 150));
    Ueberlauf->Image3->FloodFill(60, 75, QColor(40, 60, 150));
    Ueberlauf->ShowNotice();
    check(Ueberlauf, QStringLiteral("overflow"));
    MaxBasisfarben->ShowNotice();
    check(MaxBasisfarben, QStringLiteral("too many base colours"));
    check(NeueBasisfarben, QStringLiteral("new base colours"));
    check(Kundenmanager, QStringLiteral("customer manager"));

    for (int i = 0; i < 30; ++i)
        HighScore->AddEntry(QStringLiteral("Pigmentra.hsc"), QStringLiteral("Spielerin %1").arg(i), 5000 + 97 * i);
    HighScore->ShowTable(QStringLiteral("Pigmentra.hsc"));
    check(HighScore, QStringLiteral("highscore"));

    QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join(QLatin1Char('\n'))));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
