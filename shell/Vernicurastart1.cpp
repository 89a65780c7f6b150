#include "shell/Vernicurastart1.h"

#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "shell/Vernicura1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>

TVernicuraStart* VernicuraStart = nullptr;

namespace {
// The start screen's pictures only decorate: without them it still works.
void LoadArtwork(TPicture* picture, const QString& fileName) {
    if (!QFileInfo::exists(fileName))
        return;
    try {
        picture->LoadFromFile(fileName);
    } catch (const ToolkitError&) {
    }
}
}  // namespace

TVernicuraStart::TVernicuraStart() : TForm(QStringLiteral("VernicuraStart"), QStringLiteral("VernicuraStart"), 807, 600) {
    VernicuraStart = this;
    Image1 = new TPicture(this, QStringLiteral("Image1"), 0, -1, 795, 306);
    LoadArtwork(Image1, QStringLiteral("PigmentraStartTitel.png"));
    Image2 = new TPicture(this, QStringLiteral("Image2"), 0, 553, 816, 45);
    LoadArtwork(Image2, QStringLiteral("PigmentraBottomBar.png"));
    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), 0, 300, 816, 255, false);
    Image3 = new TPicture(Panel1, QStringLiteral("Image3"), 0, 0, 816, 300);
    LoadArtwork(Image3, QStringLiteral("PigmentraStartUnten.png"));
    Ok = MakeButton(Panel1, QStringLiteral("Ok"), QStringLiteral("Start"), 720, 200);
    SetDefaultButton(Ok);
    ConnectClicked(Ok, [this] { OkClick(); });
    Centre();
}

void TVernicuraStart::OkClick() {
    if (Vernicura)
        Vernicura->ShowForm();
}

void TVernicuraStart::closeEvent(QCloseEvent* event) {
    TForm::closeEvent(event);
    QApplication::quit();
}
