#pragma once
// The game's forms: fixed-size windows (borderless unless asked), centred once
// at creation, shown modally or not, with a default button that Enter presses
// (and that has the focus whenever the form is shown) and an activation hook.
// One form is the program's main window; every other is a dialog of the form
// it belongs to, so the desktop lists the program once and keeps each form
// above its owner.
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>

class QEventLoop;

// The desktop's size, from the primary screen; tests may override it.
QSize DesktopSize();
void SetDesktopSizeOverride(QSize size);  // an empty size removes the override

class TForm : public QWidget {
public:
    TForm(const QString& name, const QString& caption, int clientWidth, int clientHeight, bool bordered = false);
    ~TForm() override;

    // Centres the window on the desktop: (desktop − outer size) / 2, truncated
    // toward zero; negative when the desktop is smaller. Done once, by each
    // screen's constructor.
    void Centre();
    // Outer size used by the centring rule (the client size unless the form
    // keeps its border).
    void SetOuterSize(QSize size) { outerSize_ = size; }

    // The form this one belongs to, asked each time the form is shown (a
    // dialog belongs to whichever screen shows it). Without an owner, or
    // while the owner has no window yet, the form belongs to the program as
    // a whole.
    void SetOwner(std::function<TForm*()> owner) { owner_ = std::move(owner); }
    void SetOwner(TForm* owner);
    // Makes this form the program's main window: owned by no other form, the
    // program's one entry on the desktop's task bar. Call before it is shown.
    void MakeMainWindow();

    // The arrow, page, Home and End keys pressed anywhere on this form move
    // this control while it is shown; it takes the focus with the first of
    // them, so Enter reaches it too. Tab still moves between the controls.
    void SetKeyTarget(QWidget* control);
    QWidget* KeyTarget() const { return keyTarget_; }

    // Shows the form non-modally and brings it to the front.
    void ShowForm();
    // Shows the form modally: every other visible top-level window is
    // disabled, a local event loop runs until the form is hidden, and exactly
    // those windows are enabled again. Nested runs return inner first. The
    // desktop knows the form as modal: it keeps the keyboard on it when the
    // player switches to one of its owners. Forms shown during the run stay
    // usable as long as they belong to it (its dialogs).
    void ShowModal();
    bool InModalRun() const { return loop_ != nullptr; }
    // Hides the form, which ends its modal run if it has one.
    void Close() { hide(); }

    void SetDefaultButton(QPushButton* button) { defaultButton_ = button; }
    QPushButton* DefaultButton() const { return defaultButton_; }

    // Runs (guarded) whenever the window becomes the active window because
    // the focus came from another window of the game; not when a modal form
    // that this form waited for has just closed.
    std::function<void()> OnActivate;
    // Runs (guarded) every time the form is shown.
    std::function<void()> OnShow;

    // Test seam: called (queued) each time a form's modal run has started.
    static std::function<void(TForm*)> ModalHook;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void applyOwner();

    QPushButton* defaultButton_ = nullptr;
    std::function<TForm*()> owner_;
    QPointer<QWidget> keyTarget_;
    QEventLoop* loop_ = nullptr;
    QSize outerSize_;
    bool wasModal_ = false;
};
