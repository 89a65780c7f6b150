#include "platform/Form.h"

#include "platform/Toolkit.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

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

bool isTrackBarKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: return true;
        default: return false;
    }
}

// Hands the keys that move a track bar to the key target of the form they
// were pressed on, wherever the focus sits there (a button after a click,
// the form itself). The target takes the focus, so Enter follows them.
class KeyRouter : public QObject {
public:
    static void Install() {
        static KeyRouter* router = nullptr;
        if (!router && qApp) {
            router = new KeyRouter(qApp);
            qApp->installEventFilter(router);
        }
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !receiver->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isTrackBarKey(key->key()) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto* widget = static_cast<QWidget*>(receiver);
        auto* form = dynamic_cast<TForm*>(widget->window());
        QWidget* target = form ? form->KeyTarget() : nullptr;
        if (!target || target == widget || !target->isVisible() || !target->isEnabled())
            return false;
        target->setFocus(Qt::OtherFocusReason);
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(target, &copy);
        return true;
    }

private:
    using QObject::QObject;
};
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
    // A dialog until made the main window: the desktop then keeps it with
    // its owner (the window it belongs to is set each time it is shown).
    Qt::WindowFlags flags = Qt::Dialog;
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

void TForm::SetOwner(TForm* owner) {
    QPointer<TForm> fixed(owner);
    owner_ = [fixed]() -> TForm* { return fixed; };
}

void TForm::MakeMainWindow() {
    owner_ = nullptr;
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
}

void TForm::SetKeyTarget(QWidget* control) {
    keyTarget_ = control;
    if (control)
        KeyRouter::Install();
}

void TForm::applyOwner() {
    QWindow* window = windowHandle();
    if (!window || windowType() == Qt::Window)
        return;
    TForm* owner = owner_ ? owner_() : nullptr;
    // Qt's modality follows the chain of owners: a form shown during a modal
    // run is usable when that chain reaches the running form.
    window->setTransientParent(owner && owner != this ? owner->windowHandle() : nullptr);
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
    // Known to the desktop as modal: switching to an owner (Alt+Tab, a click
    // on it, the task bar) brings this form to the front with the keyboard.
    setWindowModality(Qt::ApplicationModal);
    ShowForm();
    QPointer<TForm> self(this);
    if (ModalHook) {
        QTimer::singleShot(0, this, [self] {
            if (self && TForm::ModalHook)
                TForm::ModalHook(self);
        });
    }
    if (isVisible())
        loop.exec();
    for (const QPointer<QWidget>& w : disabled)
        if (w)
            w->setEnabled(true);
    if (!self)
        return;  // destroyed during its run (the program ended)
    loop_ = nullptr;
    setWindowModality(Qt::NonModal);  // hidden by now: takes effect at the next showing
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
    // Sent before the window is mapped: the desktop learns the owner in time.
    if (!event->spontaneous())
        applyOwner();
    // The focus is drawn from the start, not only after the first Tab: the
    // player may reach for the keyboard at any moment.
    setAttribute(Qt::WA_KeyboardFocusChange);
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
