#include "support/TestSupport.h"

#include "platform/Toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWindow>

namespace {
class FakeMediaPlayer : public TMediaPlayer {
public:
    explicit FakeMediaPlayer(QString name) : name_(std::move(name)) {}
    void SetFileName(const QString& fileName) override {
        file_ = fileName;
        log("FileName=" + fileName);
    }
    void Open() override {
        log("Open");
        if (FakeMediaLog::MissingFiles().contains(file_))
            throw ToolkitError(QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(file_));
    }
    void Play() override { log("Play"); }
    void Close() override { log("Close"); }
    void SetDisplay(QWidget* panel) override { log("Display=" + panel->objectName()); }

private:
    void log(const QString& what) { FakeMediaLog::Calls().append(name_ + ":" + what); }
    QString name_;
    QString file_;
};
}  // namespace

QStringList& FakeMediaLog::Calls() {
    static QStringList calls;
    return calls;
}

QStringList& FakeMediaLog::MissingFiles() {
    static QStringList files;
    return files;
}

TestEnvironment::TestEnvironment(int outputs) : audioOutputs(outputs) {
    SetClock(&clock);
    SetMediaPlayerFactory([](const QString& name) { return std::make_unique<FakeMediaPlayer>(name); });
    SetAudioOutputCounter([this] {
        ++audioOutputQueries;
        return audioOutputs;
    });
    SetToolkitErrorReporter([this](const QString& m) { errors.append(m); });
    SetGameMessageReporter([this](const QString& m) { messages.append(m); });
    SetDesktopSizeOverride(QSize(1024, 768));
    TForm::ModalHook = [this](TForm* form) {
        if (onModal)
            onModal(form);
        // A responder that failed half-way may have left its form open: the
        // modal run would wait for a click that never comes.
        if (QTest::currentTestFailed() && form->isVisible())
            form->Close();
    };
    FakeMediaLog::Clear();
    FakeMediaLog::MissingFiles().clear();
}

TestEnvironment::~TestEnvironment() {
    SetClock(nullptr);
    SetMediaPlayerFactory({});
    SetAudioOutputCounter({});
    SetToolkitErrorReporter({});
    SetGameMessageReporter({});
    SetDesktopSizeOverride(QSize());
    TForm::ModalHook = {};
}

namespace {
// A step the player cannot take: why, on the test's log.
bool refused(const QString& why) {
    qWarning("%s", qPrintable(why));
    return false;
}
}  // namespace

bool ClickButton(QWidget* root, const QString& name) {
    auto* button = root->findChild<QAbstractButton*>(name);
    if (!button)
        return refused(QStringLiteral("%1 has no button %2").arg(root->objectName(), name));
    return Player::Click(button);
}

namespace Player {
namespace {
// Where a point of a widget lies in its window, and that window's handle.
QWindow* windowAt(QWidget* widget, QPoint& at) {
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QWidget* top = widget->window();
    at = widget->mapTo(top, at);
    return top->windowHandle();
}
}  // namespace

// The window system's focus window is where the keyboard's keys go. (The
// offscreen platform does not tell the widgets when a window that was
// hidden comes back with the focus, so QApplication::activeWindow() may lag.)
QWidget* ActiveWindow() {
    QCoreApplication::processEvents();
    QWindow* window = QGuiApplication::focusWindow();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (window && w->windowHandle() == window && w->isVisible())
            return w;
    return nullptr;
}

QWidget* FocusWidget() {
    QWidget* window = ActiveWindow();
    if (!window)
        return nullptr;
    return window->focusWidget() ? window->focusWidget() : window;
}

bool Key(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* window = ActiveWindow();
    if (!window)
        return refused(QStringLiteral("no window of the game has the keyboard focus"));
    QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
    return true;
}

bool Type(const QString& text) {
    QWidget* active = ActiveWindow();
    if (!active)
        return refused(QStringLiteral("no window of the game has the keyboard focus"));
    QWindow* window = active->windowHandle();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
    return true;
}

namespace {
// A press on a window that is not the active one activates it first, as
// the X11 platform does with or without a window manager. A disabled window
// (one that waits for a modal form) is not activated.
void activateOnPress(QWidget* top) {
    if (top->isEnabled() && ActiveWindow() != top) {
        top->activateWindow();
        QCoreApplication::processEvents();
    }
}
}  // namespace

namespace {
template <class Press>
bool press(QWidget* widget, QPoint at, Press how) {
    if (!widget || !widget->isVisible())
        return refused(QStringLiteral("the player cannot click %1: it is not on screen")
                           .arg(widget ? widget->objectName() : QStringLiteral("nothing")));
    QWindow* window = windowAt(widget, at);
    if (!window)
        return refused(QStringLiteral("the window of %1 has no window handle").arg(widget->objectName()));
    activateOnPress(widget->window());
    how(window, at);
    return true;
}
}  // namespace

bool Click(QWidget* widget, QPoint at) {
    return press(widget, at, [](QWindow* w, QPoint p) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p); });
}

bool DoubleClick(QWidget* widget, QPoint at) {
    return press(widget, at, [](QWindow* w, QPoint p) { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p); });
}
}  // namespace Player
