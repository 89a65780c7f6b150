#pragma once
// A picture control with a canvas over a QImage: pictures loaded by name from
// the working directory, pixel access, fills, lines, text and flood fill.
#include "platform/DataFiles.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

// The most pixels all pictures may hold together: the picture of every
// control, counted whole even while it shares its pixels with others, and
// every decoded file kept for reuse. The game's own artwork needs about a
// hundredth of it; one picture of the largest size (MaxPicturePixels) fits
// twice over.
constexpr qint64 MaxAllPicturePixels = qint64(64) * 1024 * 1024;
// The pixels counted against MaxAllPicturePixels now.
qint64 PicturePixelsInUse();

class TPicture : public QWidget {
public:
    TPicture(QWidget* parent, const QString& name, int x, int y, int w = 0, int h = 0);
    ~TPicture() override;

    // Loads a BMP/PNG by file name from the working directory (names in
    // DataFiles.h). A missing or unreadable file (a FIFO or device in its
    // place too, refused without waiting) raises ToolkitError naming the
    // file; so does a damaged picture (missing rows too) or one of more than
    // MaxPicturePixels, refused from its header before anything is
    // allocated, and one that does not fit into MaxAllPicturePixels or into
    // memory. The file is read with plain reads, never mapped. Without a
    // fixed size the control takes the picture's size.
    void LoadFromFile(const QString& fileName);
    // Loads artwork that only decorates: a missing or unreadable file leaves
    // the picture as it was and the game goes on. Returns whether it loaded.
    // The pixels are decoded when the picture is first painted or read; a file
    // that turns out broken only then also leaves the picture as it was.
    bool LoadDecoration(const QString& fileName);
    // Sets the picture directly (used for artwork drawn in code). Raises
    // ToolkitError when it does not fit into the budget or memory.
    void SetImage(const QImage& image);

    QImage& Image() {
        decodePending();
        return image_;
    }
    const QImage& Image() const {
        decodePending();
        return image_;
    }
    int PictureWidth() const { return Image().width(); }
    int PictureHeight() const { return Image().height(); }

    QRgb Pixel(int x, int y) const;
    QRgb Pixel(QPoint at) const { return Pixel(at.x(), at.y()); }
    void SetPixel(int x, int y, QColor colour);
    // Fills the whole canvas (the clip rectangle). An empty picture gets a
    // canvas of the control's size first.
    void FillClip(QColor colour);
    void FillRect(const QRect& rect, QColor colour);
    void Line(int x1, int y1, int x2, int y2, QColor colour);
    void Text(int x, int y, const QString& text, const QFont& font, QColor brush, QColor pen = Qt::black);
    // Replaces the 4-connected region of exactly the colour at (x, y).
    void FloodFill(int x, int y, QColor colour);
    void FloodFill(QPoint at, QColor colour) { FloodFill(at.x(), at.y(), colour); }

    // Keeps the control's size when a picture is loaded (shown unscaled).
    void SetFixedControlSize(bool fixed) { fixedSize_ = fixed; }

    // Mouse events, each run through the guard.
    std::function<void()> OnMouseDown;
    std::function<void()> OnClick;
    std::function<void()> OnDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ensureCanvas();
    // Makes the picture's pixels its own before they change: a shared
    // picture is copied, and a copy that cannot be had raises ToolkitError
    // and leaves the picture as it was.
    void makeWritable();
    // Holds `image` as the picture, counted against the budget; raises
    // ToolkitError naming `what` when it does not fit.
    void hold(const QImage& image, const QString& what) const;
    void decodePending() const;
    mutable qint64 counted_ = 0;  // pixels of image_ in PicturePixelsInUse
    // Artwork named by LoadDecoration and not decoded yet.
    mutable QString pending_;
    mutable QImage image_;
    bool fixedSize_ = false;
    bool pressed_ = false;
};
