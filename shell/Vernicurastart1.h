#pragma once
// The start screen: the title picture the player sees first. It is the main
// window: its "Start" opens the main menu, closing it ends the program.
#include "platform/Form.h"

class QPushButton;
class TColourBox;
class TPicture;

class TVernicuraStart : public TForm {
public:
    TVernicuraStart();

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    TPicture* Image3 = nullptr;
    QPushButton* Ok = nullptr;

    // Shows the main menu over the start screen, which stays open.
    void OkClick();

protected:
    // Closing the start screen ends the program, whatever else is open.
    void closeEvent(QCloseEvent* event) override;
};

extern TVernicuraStart* VernicuraStart;
