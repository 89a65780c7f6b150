#include "shell/Vernicurastart1.h"

#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "shell/Vernicura1.h"

#include <QApplication>
#include <QCloseEvent>

TVernicuraStart* VernicuraStart = nullptr;

TVernicuraStart::TVernicuraStart()
    : TForm(QStringLiteral("VernicuraStart"), QStringLiteral("VernicuraStart"), 807, 600) {
    VernicuraStart = this;
    MakeMainWindow();
    Image1 = new TPicture(this, QStringLiteral("Image1"), 0, -1, 795, 306);
    Image1->LoadDecoration(DataFiles::StartTitel);
    Image2 = new TPicture(this, QStringLiteral("Image2"), 0, 553, 816, 45);
    Image2->LoadDecoration(DataFiles::BottomBar);
    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), 0, 300, 816, 255, false);
    Image3 = new TPicture(Panel1, QStringLiteral("Image3"), 0, 0, 816, 300);
    Image3->LoadDecoration(DataFiles::StartUnten);
    Ok = MakeButton(Panel1, QStringLiteral("Ok"), QStringLiteral("Start"), 720, 200);
    SetDefaultButton(Ok);
    ConnectClicked(Ok, [this] { OkClick(); });
    ContinueArtworkToEdges(this);
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
