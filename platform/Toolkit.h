#pragma once
// A toolkit failure (a missing picture, sound, video or document) and the
// guard that keeps it from unwinding through Qt's own frames.
#include <QString>
#include <functional>
#include <stdexcept>

class QAbstractButton;
class QWidget;

class ToolkitError : public std::runtime_error {
public:
    explicit ToolkitError(const QString& message);
    QString Message() const { return message_; }

private:
    QString message_;
};

// The one way a data file's failure is raised: a ToolkitError whose text
// names the file and says what is wrong with it.
enum class FileProblem {
    Missing,      // "wurde nicht gefunden"
    Unreadable,   // not a plain file, or no read access
    NotAPicture,  // damaged, missing rows, or beyond the size of one picture
    TooLarge,
    NoRoom,  // the pictures together would go beyond their budget, or memory ran out
};
[[noreturn]] void RaiseFileError(const QString& fileName, FileProblem problem);

// Shows a toolkit failure in the standard error box (stop icon, OK, the
// application's title as caption). Tests replace the box by a recorder.
void ReportToolkitError(const QString& message);
void SetToolkitErrorReporter(std::function<void(const QString&)> reporter);

// The game's own message box: caption " ", OK only, no icon.
void ShowGameMessage(const QString& text);
void SetGameMessageReporter(std::function<void(const QString&)> reporter);

// Runs one event handler; a toolkit failure is reported and the rest of the
// handler is skipped. Returns false when the handler failed.
bool Guard(const std::function<void()>& handler);

// Wires a button's click to a guarded handler.
void ConnectClicked(QAbstractButton* button, std::function<void()> handler);
