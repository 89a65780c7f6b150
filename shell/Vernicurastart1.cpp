#include "shell/Vernicurastart1.h"

#include <QApplication>
#include <QCloseEvent>

TVernicuraStart* VernicuraStart = nullptr;

TVernicuraStart::TVernicuraStart() : TForm(QStringLiteral("VernicuraStart"), QStringLiteral("VernicuraStart"), 807, 600) {
    VernicuraStart = this;
    Centre();
}

void TVernicuraStart::closeEvent(QCloseEvent* event) {
    TForm::closeEvent(event);
    QApplication::quit();
}
