#include "platform/Controls.h"

#include "platform/Picture.h"
#include "platform/Toolkit.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <QtMath>

#include <cmath>

namespace {
// Paints a cell's text as the style's item delegate does (same margins,
// alignment, colour group and clip), but from text laid out once per string:
// the style lays every cell's text out and shapes it afresh at every paint,
// which was half the time of a dosing step.
class TGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty())
            return;
        QPalette::ColorGroup group = (option.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
            group = QPalette::Inactive;
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
        const QStaticText& laidOut = layout(text, option.font);
        const QSize size(qCeil(laidOut.size().width()), qCeil(laidOut.size().height()));
        const QRect place = QStyle::alignedRect(option.direction, option.displayAlignment, size, textRect);
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(option.palette.color(group, QPalette::Text));
        painter->drawStaticText(place.topLeft(), laidOut);
        painter->restore();
    }

private:
    const QStaticText& layout(const QString& text, const QFont& font) const {
        // Amounts change with every step: the cache is dropped when it has
        // grown large, and whenever the font changes.
        if (font != font_ || texts_.size() > 512) {
            texts_.clear();
            font_ = font;
        }
        auto it = texts_.find(text);
        if (it == texts_.end()) {
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), font);
            it = texts_.insert(text, laidOut);
        }
        return *it;
    }

    mutable QFont font_;
    mutable QHash<QString, QStaticText> texts_;
};
}  // namespace

QFont ArialFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont NarrowFont(int pixelSize) {
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(pixelSize);
    return font;
}

namespace {
double linearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

QColor ReadableTextColour(QColor background) {
    const double luminance = 0.2126 * linearChannel(background.red()) + 0.7152 * linearChannel(background.green()) +
                             0.0722 * linearChannel(background.blue());
    const double againstBlack = (luminance + 0.05) / 0.05;
    const double againstWhite = 1.05 / (luminance + 0.05);
    return againstWhite > againstBlack ? QColor(Qt::white) : QColor(Qt::black);
}

TColourBox::TColourBox(QWidget* parent, const QString& name, int x, int y, int w, int h, bool framed)
    : QFrame(parent), colour_(palette().color(QPalette::Button)), framed_(framed) {
    setObjectName(name);
    setGeometry(x, y, w, h);
}

void TColourBox::SetColour(QColor colour) {
    colour_ = colour;
    update();
}

namespace {
// How far short of an edge a picture or panel may stop and still be carried
// on to it.
constexpr int EdgeGap = 24;

class TArtworkContinuation : public QObject {
public:
    explicit TArtworkContinuation(QWidget* container) : QObject(container), container_(container) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Runs before the container's own painting, which for a form adds
        // nothing to the background filled beneath.
        if (watched == container_ && event->type() == QEvent::Paint) {
            QPainter p(container_);
            PaintArtworkContinuation(p, container_);
        }
        return false;
    }

private:
    QWidget* container_;
};
}  // namespace

void ContinueArtworkToEdges(QWidget* container) {
    if (auto* box = dynamic_cast<TColourBox*>(container)) {
        box->SetContinueArtwork(true);
        return;
    }
    container->installEventFilter(new TArtworkContinuation(container));
}

void PaintArtworkContinuation(QPainter& painter, QWidget* container) {
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isHidden())
            continue;
        const QRect place = child->geometry();
        const int right = container->width() - (place.x() + place.width());
        const int below = container->height() - (place.y() + place.height());
        const QRect reach =
            place.adjusted(0, 0, right > 0 && right <= EdgeGap ? right : 0, below > 0 && below <= EdgeGap ? below : 0);
        if (reach == place)
            continue;
        painter.save();
        painter.setClipRegion(QRegion(reach).subtracted(QRegion(place)));
        if (auto* picture = dynamic_cast<TPicture*>(child))
            painter.drawImage(place.topLeft(), picture->Image());
        else if (auto* box = dynamic_cast<TColourBox*>(child))
            painter.fillRect(reach, box->Colour());
        painter.restore();
    }
}

void TColourBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    if (continueArtwork_)
        PaintArtworkContinuation(p, this);
    if (framed_) {
        p.setPen(QColor(160, 160, 160));
        p.drawRect(rect().adjusted(0, 6, -1, -1));
    }
    if (!caption_.isEmpty()) {
        p.setPen(Qt::black);
        p.setFont(font());
        p.drawText(QRect(8, 0, width() - 16, 14), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    }
}

QLabel* MakeTitleStrip(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h) {
    auto* strip = new QLabel(text, parent);
    strip->setObjectName(name);
    strip->setGeometry(x, y, w, h);
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, TitleStripColour());
    pal.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(pal);
    strip->setFont(ArialFont(13));
    strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return strip;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h, int pixelSize,
                  bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(x, y, w, h);
    label->setFont(ArialFont(pixelSize, bold));
    return label;
}

namespace {
// A push button that shows the focus as a dotted rectangle inside its edge:
// the style's own focus look is the same outline as a default button's.
class TButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
};
}  // namespace

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h) {
    auto* button = new TButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    return button;
}

TTrackBar::TTrackBar(QWidget* parent, const QString& name, int x, int y, int w, int h) : QSlider(Qt::Vertical, parent) {
    setObjectName(name);
    setGeometry(x, y, w, h);
    setTickPosition(QSlider::TicksLeft);
    setSingleStep(1);
    setAutoFillBackground(true);
}

void TTrackBar::SetColour(QColor colour) {
    colour_ = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    // The ticks are drawn in the text colours: they stay visible on any
    // colour in black or white.
    const QColor ink = ReadableTextColour(colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, ink);
    setPalette(pal);
    update();
}

void TTrackBar::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (hasFocus()) {
        // The style's focus look is a thin outline of the handle, lost on a
        // blue bar: a dotted frame in the ticks' colour reads on any colour.
        QPainter p(this);
        p.setPen(QPen(ReadableTextColour(palette().color(QPalette::Window)), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (tickPosition() == QSlider::NoTicks || maximum() <= minimum())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderTickmarks;
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.height() - handle.height();
    const int interval = tickInterval() > 0 ? tickInterval() : qMax(1, pageStep());
    QPainter p(this);
    p.setPen(ReadableTextColour(palette().color(QPalette::Window)));
    const int left = 2, right = qMax(left + 3, groove.left() - 3);
    // Stepped in 64 bits: a tick interval near the range's end cannot wrap.
    for (qint64 v = minimum(); v <= maximum(); v += interval) {
        const int y = groove.top() + handle.height() / 2 +
                      QStyle::sliderPositionFromValue(minimum(), maximum(), int(v), span, option.upsideDown);
        p.drawLine(left, y, right, y);
    }
}

void TTrackBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (OnKeyPress)
            Guard([this] { OnKeyPress(13); });
        event->accept();
        return;
    }
    QSlider::keyPressEvent(event);
}

int TGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int TGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole)
        return Cell(index.column(), index.row());
    return {};
}

void TGridModel::SetCell(int col, int row, const QString& text) {
    cells_.insert(key(col, row), text);
    if (col < cols_ && row < rows_)
        emit dataChanged(index(row, col), index(row, col));
}

void TGridModel::SetSize(int cols, int rows) {
    if (cols == cols_ && rows == rows_)
        return;
    beginResetModel();
    cols_ = qMax(0, cols);
    rows_ = qMax(0, rows);
    endResetModel();
}

TStringGrid::TStringGrid(QWidget* parent, const QString& name, int x, int y, int w, int h, int cols, int rows,
                         int defaultColWidth)
    : QTableView(parent), model_(new TGridModel(this)), defaultColWidth_(defaultColWidth) {
    setObjectName(name);
    setItemDelegate(new TGridDelegate(this));
    setGeometry(x, y, w, h);
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);  // "%8.2f" amounts are shown whole, as far as the column reaches
    setFont(ArialFont(11));
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    // Disabling a grid stops input, not reading: its text keeps the normal
    // text colour.
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    setPalette(pal);
    model_->SetSize(cols, rows);
    applyWidths();
}

void TStringGrid::SetRowCount(int rows) {
    model_->SetSize(model_->Cols(), rows);
    applyWidths();
}

void TStringGrid::SetColCount(int cols) {
    model_->SetSize(cols, model_->Rows());
    applyWidths();
}

int TStringGrid::ColWidth(int col) const { return widths_.value(col, defaultColWidth_); }

void TStringGrid::SetColWidth(int col, int width) {
    widths_.insert(col, width);
    applyWidths();
}

void TStringGrid::applyWidths() {
    for (int c = 0; c < model_->Cols(); ++c) {
        const int w = ColWidth(c);
        setColumnHidden(c, w <= 0);
        if (w > 0)
            setColumnWidth(c, w);
    }
}

void TStringGrid::updateGeometries() {
    QTableView::updateGeometries();
    // Rows scroll whole. At the end of its range the view lines the last row
    // up with the bottom edge, which cuts the first row in view when the
    // height is no whole number of rows: the rows are shown in the largest
    // whole number of rows that fits, and the rest stays below them.
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const int spare = (viewport()->height() + viewportMargins().bottom()) % rowHeight;
    if (spare != viewportMargins().bottom())
        setViewportMargins(0, 0, 0, spare);
}

void TStringGrid::SetCol(int col) { col_ = col; }
void TStringGrid::SetRow(int row) {
    row_ = row;
    if (row >= 0 && row < model_->Rows()) {
        // The row count may just have grown: the scroll range must know the
        // new rows before the row can be brought wholly into view.
        updateGeometries();
        scrollTo(model_->index(row, 0));
    }
}

TColourBox* MakeGroupBox(QWidget* parent, const QString& name, int x, int y, int w, int h) {
    return new TColourBox(parent, name, x, y, w, h);
}

TColourBox* MakeTitleBox(QWidget* parent, const QString& boxName, const QString& stripName, const QString& text, int x,
                         int y, int w, int h, bool framed, QPoint strip) {
    auto* box = new TColourBox(parent, boxName, x, y, w, h, framed);
    MakeTitleStrip(box, stripName, text, strip.x(), strip.y(), w - 2 * strip.x());
    return box;
}

TPicture* MakeArtwork(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h) {
    auto* picture = new TPicture(parent, name, x, y, w, h);
    picture->LoadFromFile(file);
    return picture;
}

TPicture* MakeDecoration(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h) {
    auto* picture = new TPicture(parent, name, x, y, w, h);
    picture->LoadDecoration(file);
    return picture;
}

TClickArea::TClickArea(QWidget* parent, const QString& name, int x, int y, int w, int h) : QLabel(parent) {
    setObjectName(name);
    setGeometry(x, y, w, h);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void TClickArea::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void TClickArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick)
        Guard(OnClick);
}

TFocusFrame::TFocusFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Fokusrahmen"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TFocusFrame::Frame(QRect place) {
    setGeometry(place);
    raise();
    show();
    update();
}

void TFocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(Qt::black, 2, Qt::DashLine);
    p.setPen(pen);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

namespace {
// Keeps a focus frame around its control while the control has the focus.
class TFocusFollower : public QObject {
public:
    TFocusFollower(QWidget* control, TFocusFrame* frame) : QObject(control), control_(control), frame_(frame) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::Move:
            case QEvent::Resize:
                if (control_->hasFocus() && control_->isVisible())
                    frame_->Frame(control_->geometry().adjusted(-2, -2, 2, 2));
                else
                    frame_->hide();
                break;
            default: break;
        }
        return false;
    }

private:
    QWidget* control_;
    TFocusFrame* frame_;
};
}  // namespace

void ShowFocusFrame(QWidget* control) {
    if (!control || !control->parentWidget())
        return;
    new TFocusFollower(control, new TFocusFrame(control->parentWidget()));
}
