#pragma once
// The plain controls the screens are built from, each placed by position and
// carrying its component name as objectName.
#include <QAbstractTableModel>
#include <QColor>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <functional>

class QPainter;

// The blue of every title strip: red 0, green 128, blue 255 (16744448).
inline QColor TitleStripColour() { return QColor(0, 128, 255); }

QFont ArialFont(int pixelSize, bool bold = false);
// Arial Narrow (Liberation Sans Narrow) for captions longer than their button.
QFont NarrowFont(int pixelSize);

// Black or white, whichever contrasts more with the background by the WCAG
// contrast ratio (relative luminances of the sRGB colours); black on a tie.
QColor ReadableTextColour(QColor background);

// Artwork and panels that stop a few pixels short of the right or bottom
// edge of the form or panel they lie on go on to that edge: the container
// paints the rest of each picture (and a panel's colour) into the gap, so no
// strip of its bare background shows beside them.
void ContinueArtworkToEdges(QWidget* container);
// The painting behind it, for containers that paint themselves.
void PaintArtworkContinuation(QPainter& painter, QWidget* container);

// A panel or group box whose background colour can be set; painted by
// ourselves so no style tints it.
class TColourBox : public QFrame {
public:
    TColourBox(QWidget* parent, const QString& name, int x, int y, int w, int h, bool framed = true);
    void SetColour(QColor colour);
    void SetContinueArtwork(bool on) {
        continueArtwork_ = on;
        update();
    }
    QColor Colour() const { return colour_; }
    void SetCaption(const QString& caption) {
        caption_ = caption;
        update();
    }
    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    QString caption_;
    bool framed_;
    bool continueArtwork_ = false;
};

// White 13-pixel text on the title blue, as wide as the box it titles.
QLabel* MakeTitleStrip(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h = 19);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h,
                  int pixelSize = 13, bool bold = false);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w = 75,
                        int h = 25);

// A vertical track bar: settable range, position, page size, tick spacing
// and background colour. Enter (character 13) goes to OnKeyPress; the arrow
// and page keys move it as usual. The handler runs through the guard.
class TTrackBar : public QSlider {
public:
    TTrackBar(QWidget* parent, const QString& name, int x, int y, int w, int h);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return value(); }
    void SetMin(int v) { setMinimum(v); }
    void SetMax(int v) { setMaximum(v); }
    void SetPosition(int v) { setValue(v); }
    void SetColour(QColor colour);
    QColor Colour() const { return colour_; }
    std::function<void(int)> OnKeyPress;
    // The character OnKeyPress gets for Enter.
    static constexpr int EnterKey = 13;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The style's groove and handle, then the ticks in black or white,
    // whichever reads on the bar's colour.
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// A string grid with sparse cells: writing a cell beyond the row count is
// kept and shows once the row count grows, like the grids the game's
// history relies on.
class TGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QString Cell(int col, int row) const { return cells_.value(key(col, row)); }
    void SetCell(int col, int row, const QString& text);
    void SetSize(int cols, int rows);
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

private:
    static quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }
    QHash<quint64, QString> cells_;
    int rows_ = 0;
    int cols_ = 0;
};

class TStringGrid : public QTableView {
public:
    TStringGrid(QWidget* parent, const QString& name, int x, int y, int w, int h, int cols, int rows,
                int defaultColWidth);
    QString Cell(int col, int row) const { return model_->Cell(col, row); }
    void SetCell(int col, int row, const QString& text) { model_->SetCell(col, row, text); }
    int RowCount() const { return model_->Rows(); }
    int ColCount() const { return model_->Cols(); }
    void SetRowCount(int rows);
    void SetColCount(int cols);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col);
    void SetRow(int row);

protected:
    void updateGeometries() override;

private:
    void applyWidths();
    TGridModel* model_;
    int defaultColWidth_;
    QHash<int, int> widths_;
    int col_ = 0;
    int row_ = 0;
};

// Layout helpers of the screens.
class TPicture;
TColourBox* MakeGroupBox(QWidget* parent, const QString& name, int x, int y, int w, int h);
// A box carrying a title strip: the strip at `strip` inside the box, as wide
// as the box less twice its left offset (the screens' boxes: unframed, the
// strip at the top-left corner; the main menu's: framed, at (2, 7)).
TColourBox* MakeTitleBox(QWidget* parent, const QString& boxName, const QString& stripName, const QString& text, int x,
                         int y, int w, int h, bool framed = false, QPoint strip = QPoint(0, 0));
// A picture with artwork the game needs: a missing file stops the caller.
TPicture* MakeArtwork(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h);
// A picture with decorative artwork: drawn when the file is there.
TPicture* MakeDecoration(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h);

// The keyboard focus drawn for controls whose own drawing shows none: a
// dashed black line, two pixels wide, around a rectangle of its parent (the
// part of the control the keys work on). It lies over its siblings and lets
// the mouse through to them.
class TFocusFrame : public QWidget {
public:
    explicit TFocusFrame(QWidget* parent);
    // Frames `place` (in the parent's coordinates) and shows the frame.
    void Frame(QRect place);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Draws the focus frame around a control (in its parent) while the control
// has the keyboard focus.
void ShowFocusFrame(QWidget* control);

// An invisible area that reacts to a click.
class TClickArea : public QLabel {
public:
    TClickArea(QWidget* parent, const QString& name, int x, int y, int w, int h);
    std::function<void()> OnClick;  // run through the guard

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
