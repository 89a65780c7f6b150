// The media module: the game's players and the count of audio outputs over
// Qt Multimedia. Built as pigmentra_media.so and loaded by platform/Media.
#include "platform/MediaModule.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVideoWidget>
#include <QWidget>

namespace {
class QtMediaPlayer : public TMediaPlayer {
public:
    explicit QtMediaPlayer(bool withSound) : withSound_(withSound) {}

    ~QtMediaPlayer() override {
        if (player_)
            player_->stop();
        delete video_.data();  // made by this player inside a panel that may outlive it
    }

    void SetFileName(const QString& fileName) override { fileName_ = fileName; }

    void Open() override {
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
    // GStreamer's set-up is slow: the Qt player is made at first use.
    void ensurePlayer() {
        if (player_)
            return;
        player_ = std::make_unique<QMediaPlayer>();
        // Sound only where the system has an output: a video plays silently.
        if (withSound_) {
            audio_ = std::make_unique<QAudioOutput>();
            player_->setAudioOutput(audio_.get());
        }
    }

    bool withSound_;
    QString fileName_;
    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QMediaPlayer> player_;
    QPointer<QVideoWidget> video_;
};

class QtMediaBackend : public TMediaBackend {
public:
    int AudioOutputCount() override { return int(QMediaDevices::audioOutputs().size()); }
    std::unique_ptr<TMediaPlayer> CreatePlayer(bool withSound) override {
        return std::make_unique<QtMediaPlayer>(withSound);
    }
};
}  // namespace

extern "C" Q_DECL_EXPORT TMediaBackend* PigmentraMediaBackend() {
    static QtMediaBackend backend;
    return &backend;
}
