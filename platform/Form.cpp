#include "platform/Form.h"

#include "platform/Toolkit.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {
QSize& desktopOverride() {
    static QSize size;
    return size;
}
// The form that was active last, to tell a real change of focus from the
// return of the focus after a modal form closed.
QPointer<TForm>& lastActive() {
    static QPointer<TForm> form;
    return form;
}
}  // namespace

std::function<void(TForm*)> TForm::ModalHook;

QSize DesktopSize() {
    if (desktopOverride().isValid())
        return desktopOverride();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return {800, 600};
}

void SetDesktopSizeOverride(QSize size) { desktopOverride() = size; }

TForm::TForm(const QString& name, const QString& caption, int clientWidth, int clientHeight, bool bordered)
    : QWidget(nullptr) {
    setObjectName(name);
    setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Window;
    if (!bordered)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    setWindowFlags(flags);
    setFixedSize(clientWidth, clientHeight);
    outerSize_ = QSize(clientWidth, clientHeight);
    setAutoFillBackground(true);
    // The forms' own font: Arial (Liberation Sans here) at 12 pixels, small
    // enough for the captions of the game's narrow buttons.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

TForm::~TForm() {
    if (loop_)
        loop_->quit();
}

void TForm::Centre() {
    const QSize desktop = DesktopSize();
    // Integer division in C++ truncates toward zero, as the rule asks.
    move((desktop.width() - outerSize_.width()) / 2, (desktop.height() - outerSize_.height()) / 2);
}

void TForm::ShowForm() {
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
}

void TForm::ShowModal() {
    if (loop_)
        return;
    // The window in front before the run gets the keyboard back after it:
    // without a window manager nothing else would activate it.
    QPointer<QWidget> previous = QApplication::activeWindow();
    QList<QPointer<QWidget>> disabled;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible() && w->isEnabled()) {
            w->setEnabled(false);
            disabled.append(w);
        }
    }
    QEventLoop loop;
    loop_ = &loop;
    wasModal_ = true;
    ShowForm();
    if (ModalHook) {
        QPointer<TForm> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && TForm::ModalHook)
                TForm::ModalHook(self);
        });
    }
    if (isVisible())
        loop.exec();
    loop_ = nullptr;
    for (const QPointer<QWidget>& w : disabled)
        if (w)
            w->setEnabled(true);
    if (previous && previous != this && previous->isVisible() && previous->isEnabled())
        previous->activateWindow();
}

void TForm::keyPressEvent(QKeyEvent* event) {
    // Enter presses the form's default button and nothing else: a button
    // that merely has the focus ("Törlés" after a Tab) is pressed by Space or
    // a click, never by Enter.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (defaultButton_ && defaultButton_->isVisible() && defaultButton_->isEnabled())
            defaultButton_->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {  // no form of the game closes on Esc
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A form opens with the focus on its default button, whatever had the
    // focus when it was last shown; without one Qt picks the first control.
    if (!event->spontaneous() && defaultButton_ && defaultButton_->isEnabled())
        defaultButton_->setFocus(Qt::ActiveWindowFocusReason);
    if (OnShow && !event->spontaneous())
        Guard(OnShow);
}

void TForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (loop_ && !event->spontaneous())
        loop_->quit();
}

void TForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (loop_)
        loop_->quit();
}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        TForm* previous = lastActive();
        lastActive() = this;
        const bool returnFromModal = previous && previous != this && previous->wasModal_ && !previous->isVisible();
        if (previous && previous != this && OnActivate && !returnFromModal)
            Guard(OnActivate);
    }
    return QWidget::event(event);
}
