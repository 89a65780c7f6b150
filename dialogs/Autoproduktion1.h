#pragma once
#include "platform/Form.h"
#include "platform/Media.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TTonvorlage;
class TChargenblech;
class TColourBox;
class TPicture;

// Quality control's verdict on a delivered production batch: charges 2000
// points, paints the car in the batch colour, accepts or rejects against the
// batch tolerance and, on acceptance, enters the game into the highscore.
// Shown without blocking; its "Ok" of an accepted batch ends production.
class TAutoproduktion : public TForm {
public:
    TAutoproduktion();
    ~TAutoproduktion() override;
    void ShowVerdict(TTonvorlage* target, TChargenblech* panel);
    void OkClick();
    bool Accepted = false;

    TPicture* Image2 = nullptr;
    TPicture* Image1 = nullptr;  // the car painting, upper half
    TPicture* Image3 = nullptr;
    TColourBox* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Autoakzeptiert = nullptr;
    QLabel* AutoNichtakzeptiert = nullptr;
    QLabel* Ablehnung = nullptr;
    TPicture* Image4 = nullptr;  // the car painting, lower half
    QLabel* Label2 = nullptr;
    QLabel* GesamtKosten = nullptr;
    QPushButton* Ok = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer;

private:
    void PaintCar(QColor batch, QColor target);
};

extern TAutoproduktion* Autoproduktion;
