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

void ClickButton(QWidget* root, const QString& name) {
    auto* button = root->findChild<QAbstractButton*>(name);
    QVERIFY2(button, qPrintable("no button " + name));
    Player::Click(button);
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

void Key(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* window = ActiveWindow();
    QVERIFY2(window, "no window of the game has the keyboard focus");
    QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
}

void Type(const QString& text) {
    QWidget* active = ActiveWindow();
    QVERIFY2(active, "no window of the game has the keyboard focus");
    QWindow* window = active->windowHandle();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
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
void press(QWidget* widget, QPoint at, Press how) {
    QVERIFY2(widget && widget->isVisible(), "the player cannot click what is not on screen");
    QWindow* window = windowAt(widget, at);
    QVERIFY2(window, "the widget's window has no window handle");
    activateOnPress(widget->window());
    how(window, at);
}
}  // namespace

void Click(QWidget* widget, QPoint at) {
    press(widget, at, [](QWindow* w, QPoint p) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p); });
}

void DoubleClick(QWidget* widget, QPoint at) {
    press(widget, at, [](QWindow* w, QPoint p) { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p); });
}
}  // namespace Player
