// The string grid paints its cells' text itself, from text laid out once per
// string; on screen it must not differ from the style's own item painting.
#include "platform/Controls.h"

#include <QApplication>
#include <QStyledItemDelegate>
#include <QTest>

class GridPaintingTest : public QObject {
    Q_OBJECT

private slots:
    void cellsLookAsTheStylePaintsThem();
};

namespace {
QImage Shot(TStringGrid* grid) { return grid->grab().toImage().convertToFormat(QImage::Format_RGB32); }
}  // namespace

void GridPaintingTest::cellsLookAsTheStylePaintsThem() {
    // Same pixels as the style's delegate: enabled and disabled, amounts
    // wider than their column (cut at the cell's edge, never elided), a
    // hidden column, and the same text painted again after it changed; a
    // disabled grid keeps its text readable.
    QWidget window;
    window.resize(300, 200);
    auto* grid = new TStringGrid(&window, QStringLiteral("Rezept"), 5, 5, 260, 180, 4, 6, 50);
    grid->SetColWidth(0, 20);
    grid->SetColWidth(1, 40);
    grid->SetColWidth(3, 0);
    const QStringList codes = {QStringLiteral("#"),      QStringLiteral("RAL 3000"), QStringLiteral("W"),
                               QStringLiteral("Basis."), QStringLiteral("Menge"),    QString()};
    for (int row = 0; row < 6; ++row) {
        grid->SetCell(0, row, QString::number(row + 1));
        grid->SetCell(1, row, codes[row]);
        grid->SetCell(2, row, QString::asprintf("%8.2f", 12345.678 / (row + 1)));
        grid->SetCell(3, row, QStringLiteral("hidden"));
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto compareWithStyle = [grid]() {
        const QImage ours = Shot(grid);
        QAbstractItemDelegate* own = grid->itemDelegate();
        QStyledItemDelegate styled;
        grid->setItemDelegate(&styled);
        const QImage theirs = Shot(grid);
        grid->setItemDelegate(own);
        return ours == theirs;
    };
    QVERIFY(compareWithStyle());
    grid->SetCell(2, 1, QStringLiteral("    0.50"));
    grid->SetCell(2, 1, QString::asprintf("%8.2f", 6172.839));
    QVERIFY(compareWithStyle());
    // Disabled, the text is still drawn in the normal text colour.
    const QImage enabled = Shot(grid);
    window.setEnabled(false);
    QVERIFY(compareWithStyle());
    QVERIFY(Shot(grid) == enabled);
}

QTEST_MAIN(GridPaintingTest)
#include "tst_grid_painting.moc"
