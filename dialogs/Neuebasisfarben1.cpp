#include "dialogs/Neuebasisfarben1.h"

TNeueBasisfarben* NeueBasisfarben = nullptr;

TNeueBasisfarben::TNeueBasisfarben() : TForm(QStringLiteral("NeueBasisfarben"), QStringLiteral("NeueBasisfarben"), 808, 601) {
    NeueBasisfarben = this;
    Centre();
}

// Scaffolding until the notice is built.
void TNeueBasisfarben::ShowNotice() { ShowModal(); }
