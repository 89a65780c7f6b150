#pragma once
// Helpers shared by the verdict and notice dialogs: artwork that only
// decorates (a missing file leaves the place empty), labels that grow with
// their text, and a picture that lets what lies behind it show through its
// background colour.
#include "platform/Picture.h"

#include <QRect>
#include <functional>

class QLabel;
class QPushButton;
class TColourBox;
class TForm;

// Sets a label's text and widens it to the right when the text needs more
// than the label's laid-out width; it never shrinks below that width.
void SetGrowingText(QLabel* label, const QString& text, int layoutWidth);

// A transparent picture: every pixel of the colour of the bottom-left pixel
// is left out when painting, so the form or panel behind it shows. With
// Stretch the picture is scaled to the control, otherwise it is shown
// unscaled from the top-left corner. Pixels, fills and flood fills work on
// the picture itself, as with any TPicture.
class TTransparentPicture : public TPicture {
public:
    using TPicture::TPicture;
    bool Stretch = false;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture with its background cleared, made again only after the
    // picture changed (a fill changes its cache key).
    QImage masked_;
    qint64 maskedKey_ = -1;
};

// What every notice is built on, placed where its layout puts them: the
// banner artwork at the top, the bottom strip, and the panel that holds the
// notice's content (borderless, in the button colour).
struct TNoticeFrame {
    TPicture* Banner = nullptr;
    TPicture* Strip = nullptr;
    TColourBox* Panel = nullptr;
};
TNoticeFrame MakeNoticeFrame(TForm* form, const QString& bannerFile, QRect banner, QRect strip, QRect panel,
                             const QString& bannerName = QStringLiteral("Image1"),
                             const QString& stripName = QStringLiteral("Image2"));

// The notice's confirm button in its panel: 75 × 25 at `at`, running
// `handler` through the guard; the form's default button unless told.
QPushButton* MakeConfirmButton(TForm* form, QWidget* panel, const QString& name, const QString& caption, QPoint at,
                               std::function<void()> handler, bool isDefault = true);
