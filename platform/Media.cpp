#include "platform/Media.h"

#include "platform/DataFiles.h"
#include "platform/MediaModule.h"
#include "platform/Toolkit.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
QString ModulePath() {
    const QString chosen = qEnvironmentVariable("PIGMENTRA_MEDIA_MODULE");
    if (!chosen.isEmpty())
        return chosen;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/pigmentra_media.so");
}

struct LoadedBackend {
    TMediaBackend* backend = nullptr;
    QString error;
};

// Loads the media module once; it stays loaded until the process ends.
const LoadedBackend& Backend() {
    static const LoadedBackend loaded = [] {
        LoadedBackend result;
        QLibrary library(ModulePath());
        auto entry = reinterpret_cast<TMediaBackendEntry>(library.resolve(PIGMENTRA_MEDIA_BACKEND_SYMBOL));
        if (entry)
            result.backend = entry();
        if (!result.backend)
            result.error = QStringLiteral("Ton und Video sind nicht verfügbar: %1").arg(library.errorString());
        return result;
    }();
    return loaded;
}

// A player as the screens hold it from their construction on: the module is
// asked for the real one only when a file is first opened or the clip is
// first given its panel, so that building the screens loads no media stack.
class ModulePlayer : public TMediaPlayer {
public:
    void SetFileName(const QString& fileName) override {
        fileName_ = fileName;
        if (player_)
            player_->SetFileName(fileName);
    }

    void Open() override {
        // A missing file, or a FIFO or device in its place, is refused here:
        // the player would wait on it for ever.
        CheckDataFile(fileName_);
        realPlayer().Open();
    }

    void Play() override {
        if (player_)
            player_->Play();
    }

    void Close() override {
        if (player_)
            player_->Close();
    }

    void SetDisplay(QWidget* panel) override { realPlayer().SetDisplay(panel); }

private:
    // Raises ToolkitError when the module cannot be loaded.
    TMediaPlayer& realPlayer() {
        if (!player_) {
            const LoadedBackend& loaded = Backend();
            if (!loaded.backend)
                throw ToolkitError(loaded.error);
            player_ = loaded.backend->CreatePlayer(AudioOutputCount() > 0);
            player_->SetFileName(fileName_);
        }
        return *player_;
    }

    QString fileName_;
    std::unique_ptr<TMediaPlayer> player_;
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
    return std::make_unique<ModulePlayer>();
}

void SetMediaPlayerFactory(TMediaPlayerFactory f) { factory() = std::move(f); }

int AudioOutputCount() {
    if (counter())
        return counter()();
    // Without the module the game cannot play a sound: it counts as none.
    static const int count = Backend().backend ? Backend().backend->AudioOutputCount() : 0;
    return count;
}

void SetAudioOutputCounter(std::function<int()> c) { counter() = std::move(c); }
