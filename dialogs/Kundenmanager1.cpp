#include "dialogs/Kundenmanager1.h"

TKundenmanager* Kundenmanager = nullptr;

TKundenmanager::TKundenmanager() : TForm(QStringLiteral("Kundenmanager"), QStringLiteral("Kundenmanager"), 813, 601) {
    Kundenmanager = this;
    Centre();
}
