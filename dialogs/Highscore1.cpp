#include "dialogs/Highscore1.h"

THighScore* HighScore = nullptr;

THighScore::THighScore() : TForm(QStringLiteral("HighScore"), QStringLiteral("#"), 810, 601) {
    HighScore = this;
    Centre();
}

// Scaffolding until the highscore is built.
void THighScore::AddEntry(const QString&, const QString&, int32_t) {}
void THighScore::ShowTable(const QString& fileName) { HighscorePath = fileName; ShowForm(); }
void THighScore::LoadTable() {}
