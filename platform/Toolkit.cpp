#include "platform/Toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

ToolkitError::ToolkitError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

void RaiseFileError(const QString& fileName, FileProblem problem) {
    const char* text = "";
    switch (problem) {
        case FileProblem::Missing: text = "Die Datei \"%1\" wurde nicht gefunden."; break;
        case FileProblem::Unreadable: text = "Die Datei \"%1\" kann nicht gelesen werden."; break;
        case FileProblem::NotAPicture: text = "Die Datei \"%1\" ist kein gültiges Bild."; break;
        case FileProblem::TooLarge: text = "Die Datei \"%1\" ist zu groß."; break;
        case FileProblem::NoRoom: text = "Für \"%1\" ist nicht genug Speicher frei."; break;
    }
    throw ToolkitError(QString::fromUtf8(text).arg(fileName));
}

namespace {
std::function<void(const QString&)>& errorReporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}
std::function<void(const QString&)>& messageReporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}
}  // namespace

void SetToolkitErrorReporter(std::function<void(const QString&)> reporter) { errorReporter() = std::move(reporter); }

void ReportToolkitError(const QString& message) {
    if (errorReporter()) {
        errorReporter()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok);
    box.exec();
}

void SetGameMessageReporter(std::function<void(const QString&)> reporter) { messageReporter() = std::move(reporter); }

void ShowGameMessage(const QString& text) {
    if (messageReporter()) {
        messageReporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(" "), text, QMessageBox::Ok);
    box.exec();
}

bool Guard(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const ToolkitError& e) {
        ReportToolkitError(e.Message());
        return false;
    }
}

void ConnectClicked(QAbstractButton* button, std::function<void()> handler) {
    QObject::connect(button, &QAbstractButton::clicked, button, [h = std::move(handler)] { Guard(h); });
}
