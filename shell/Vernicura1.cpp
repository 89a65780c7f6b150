#include "shell/Vernicura1.h"

TVernicura* Vernicura = nullptr;

TVernicura::TVernicura() : TForm(QStringLiteral("Vernicura"), QStringLiteral("Vernicura Demonstration"), 808, 601) {
    Vernicura = this;
    Centre();
}

// Scaffolding until the main menu is built.
void TVernicura::ClearCarMarks() {}
void TVernicura::ClearLevelMarks() {}
