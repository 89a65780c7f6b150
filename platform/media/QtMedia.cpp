// The media module: the game's players and the count of audio outputs over
// Qt Multimedia. Built as pigmentra_media.so and loaded by platform/Media.
#include "platform/MediaModule.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPainter>
#include <QPointer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

namespace {
// The clip's picture: the latest frame, scaled to fill the panel, painted by
// the form like any other control. (Qt's video widget draws through a native
// window with an OpenGL renderer of its own, which it hands to the video sink
// when that window is first exposed; under X11 the first clip of a run then
// often stalled before its first frame and the panel stayed black.)
class ClipView : public QWidget {
public:
    explicit ClipView(QWidget* panel) : QWidget(panel) {
        setObjectName(QStringLiteral("Clip"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void Show(const QVideoFrame& frame) {
        frame_ = frame;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (frame_.isValid())
            frame_.paint(&painter, rect(), {Qt::black, Qt::IgnoreAspectRatio, {}});
        else
            painter.fillRect(rect(), Qt::black);
    }

private:
    QVideoFrame frame_;
};

class QtMediaPlayer : public TMediaPlayer {
public:
    explicit QtMediaPlayer(bool withSound) : withSound_(withSound) {}

    ~QtMediaPlayer() override {
        if (player_) {
            player_->stop();
            player_->setVideoSink(nullptr);
        }
        delete view_.data();  // made by this player inside a panel that may outlive it
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
        if (view_)
            view_->Show(QVideoFrame());  // the next showing starts from black, not from the old last frame
    }

    void SetDisplay(QWidget* panel) override {
        ensurePlayer();
        if (!sink_) {
            sink_ = std::make_unique<QVideoSink>();
            QObject::connect(sink_.get(), &QVideoSink::videoFrameChanged, sink_.get(),
                             [this](const QVideoFrame& frame) {
                                 if (view_)
                                     view_->Show(frame);
                             });
            player_->setVideoSink(sink_.get());
        }
        if (!view_)
            view_ = new ClipView(panel);
        view_->setGeometry(0, 0, panel->width(), panel->height());
        view_->show();
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
    // The sink outlives the player that feeds it (members go in reverse order).
    std::unique_ptr<QVideoSink> sink_;
    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QMediaPlayer> player_;
    QPointer<ClipView> view_;
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
