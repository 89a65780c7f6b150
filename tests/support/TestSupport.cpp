#include "support/TestSupport.h"

#include "platform/Toolkit.h"

#include <QAbstractButton>
#include <QTest>

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
    button->click();
}
