#pragma once
#include "platform/Form.h"
#include "platform/Media.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TColourBox;
class TPicture;

// The notice that a recipe already holds the most base colours allowed.
// Keeps its window border; shown without blocking.
class TMaxBasisfarben : public TForm {
public:
    TMaxBasisfarben();
    ~TMaxBasisfarben() override;
    void ShowNotice();
    void OkClick();

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Ok = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer;
};

extern TMaxBasisfarben* MaxBasisfarben;
