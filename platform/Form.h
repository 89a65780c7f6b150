#pragma once
// The game's forms: fixed-size windows (borderless unless asked), centred once
// at creation, shown modally or not, with a default button that Enter presses
// (and that has the focus whenever the form is shown) and an activation hook.
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

    // Shows the form non-modally and brings it to the front.
    void ShowForm();
    // Shows the form modally: every other visible top-level window is
    // disabled, a local event loop runs until the form is hidden, and exactly
    // those windows are enabled again. Nested runs return inner first.
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
    QPushButton* defaultButton_ = nullptr;
    QEventLoop* loop_ = nullptr;
    QSize outerSize_;
    bool wasModal_ = false;
};
