#include "screens/Dosierschritt.h"

#include "colour/Basisfarbe1.h"
#include "colour/Historie1.h"
#include "colour/Lab1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "platform/Controls.h"
#include "platform/Media.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"

#include <QFileInfo>
#include <QMouseEvent>

int DosingPause(double added) {
    if (added <= 0.0)
        return 0;
    const double ms = added * 10.0;
    // Compared before truncating, so an absurd amount cannot overflow the int.
    return ms >= 500.0 ? 500 : int(ms);
}

void RefreshPanel(TChargenblech* panel, TPicture* picture) {
    panel->Colour = Mischregal->Mix(panel->Rgb);
    picture->FillClip(ToQColor(panel->Colour));
    panel->Rezeptur->FillFromShelf(Mischregal);
    panel->Lab.SetFromRGB(panel->Rgb);
    panel->Lab.CompareWith(AktuelleTonvorlage->Lab);
}

void TakeAddition(TChargenblech* panel, TPicture* picture) {
    Mischregal->TakeAmountFromSlider(Mischregal->SelectedIndex);
    Mischregal->CountUsed();
    RefreshPanel(panel, picture);
}

void BookAddition(TMediaPlayer* player, int cost, THistorie* history) {
    PlaySound(player, DataFiles::LaborFillSound);
    Punktestand += cost;
    history->AddRow(Mischregal, Mischregal->SelectedIndex);
}

void ShowJet(TPicture* jet) {
    jet->show();
    jet->repaint();
}

TColourBox* MakeGroupBox(QWidget* parent, const QString& name, int x, int y, int w, int h) {
    return new TColourBox(parent, name, x, y, w, h);
}

TColourBox* MakeTitleBox(QWidget* parent, const QString& boxName, const QString& stripName, const QString& text,
                         int x, int y, int w, int h) {
    auto* box = new TColourBox(parent, boxName, x, y, w, h, false);
    MakeTitleStrip(box, stripName, text, 0, 0, w);
    return box;
}

TPicture* MakeArtwork(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h) {
    auto* picture = new TPicture(parent, name, x, y, w, h);
    picture->LoadFromFile(file);
    return picture;
}

TPicture* MakeDecoration(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h) {
    auto* picture = new TPicture(parent, name, x, y, w, h);
    picture->LoadDecoration(file);
    return picture;
}

TClickArea::TClickArea(QWidget* parent, const QString& name, int x, int y, int w, int h) : QLabel(parent) {
    setObjectName(name);
    setGeometry(x, y, w, h);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void TClickArea::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void TClickArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick)
        Guard(OnClick);
}
