#include "dialogs/Dialoghilfen.h"

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Toolkit.h"

#include <QLabel>
#include <QPainter>

void SetGrowingText(QLabel* label, const QString& text, int layoutWidth) {
    label->setText(text);
    label->resize(qMax(layoutWidth, label->sizeHint().width()), label->height());
}

void TTransparentPicture::paintEvent(QPaintEvent*) {
    const QImage& image = Image();
    if (image.isNull())
        return;
    if (image.cacheKey() != maskedKey_) {
        const QRgb key = image.pixel(0, image.height() - 1) & 0xFFFFFF;
        masked_ = image.convertToFormat(QImage::Format_ARGB32);
        if (masked_.isNull())
            return;  // no memory for the copy: nothing painted this time
        for (int y = 0; y < masked_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked_.scanLine(y));
            for (int x = 0; x < masked_.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key)
                    line[x] = 0;
        }
        maskedKey_ = image.cacheKey();
    }
    QPainter p(this);
    if (Stretch)
        p.drawImage(rect(), masked_);
    else
        p.drawImage(0, 0, masked_);
}

TNoticeFrame MakeNoticeFrame(TForm* form, const QString& bannerFile, QRect banner, QRect strip, QRect panel,
                             const QString& bannerName, const QString& stripName) {
    TNoticeFrame frame;
    frame.Banner =
        MakeDecoration(form, bannerName, bannerFile, banner.x(), banner.y(), banner.width(), banner.height());
    frame.Strip =
        MakeDecoration(form, stripName, DataFiles::BottomBar, strip.x(), strip.y(), strip.width(), strip.height());
    frame.Panel =
        new TColourBox(form, QStringLiteral("Panel1"), panel.x(), panel.y(), panel.width(), panel.height(), false);
    return frame;
}

QPushButton* MakeConfirmButton(TForm* form, QWidget* panel, const QString& name, const QString& caption, QPoint at,
                               std::function<void()> handler, bool isDefault) {
    QPushButton* button = MakeButton(panel, name, caption, at.x(), at.y());
    if (isDefault)
        form->SetDefaultButton(button);
    ConnectClicked(button, std::move(handler));
    return button;
}
