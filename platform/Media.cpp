#include "platform/Media.h"

#include "platform/Toolkit.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>
#include <QWidget>

namespace {
class QtMediaPlayer : public TMediaPlayer {
public:
    ~QtMediaPlayer() override {
        if (player_)
            player_->stop();
        delete video_.data();  // made by this player inside a panel that may outlive it
    }

    void SetFileName(const QString& fileName) override { fileName_ = fileName; }

    void Open() override {
        if (!QFileInfo::exists(fileName_))
            throw ToolkitError(QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(fileName_));
        ensurePlayer();
        player_->stop();
        player_->setSource(QUrl::fromLocalFile(QFileInfo(fileName_).absoluteFilePath()));
    }

    void Play() override {
        if (player_)
            player_->play();
    }

    void Close() override {
        if (!player_)
            return;
        player_->stop();
        player_->setSource(QUrl());
    }

    void SetDisplay(QWidget* panel) override {
        ensurePlayer();
        if (!video_) {
            video_ = new QVideoWidget(panel);
            video_->setAspectRatioMode(Qt::IgnoreAspectRatio);
        }
        video_->setGeometry(0, 0, panel->width(), panel->height());
        video_->show();
        player_->setVideoOutput(video_);
    }

private:
    void ensurePlayer() {
        if (player_)
            return;
        player_ = std::make_unique<QMediaPlayer>();
        // Sound only where the system has an output: a video plays silently.
        if (AudioOutputCount() > 0) {
            audio_ = std::make_unique<QAudioOutput>();
            player_->setAudioOutput(audio_.get());
        }
    }

    QString fileName_;
    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QMediaPlayer> player_;
    QPointer<QVideoWidget> video_;
};

TMediaPlayerFactory& factory() {
    static TMediaPlayerFactory f;
    return f;
}
std::function<int()>& counter() {
    static std::function<int()> c;
    return c;
}
}  // namespace

std::unique_ptr<TMediaPlayer> CreateMediaPlayer(const QString& name) {
    if (factory())
        return factory()(name);
    return std::make_unique<QtMediaPlayer>();
}

void SetMediaPlayerFactory(TMediaPlayerFactory f) { factory() = std::move(f); }

int AudioOutputCount() {
    if (counter())
        return counter()();
    static const int count = int(QMediaDevices::audioOutputs().size());
    return count;
}

void SetAudioOutputCounter(std::function<int()> c) { counter() = std::move(c); }
