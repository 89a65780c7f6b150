#pragma once
#include "platform/Form.h"

#include <cstdint>

class THighScore : public TForm {
public:
    THighScore();
    void AddEntry(const QString& fileName, const QString& playerName, int32_t points);
    void ShowTable(const QString& fileName);
    void LoadTable();
    QString HighscorePath;
};

extern THighScore* HighScore;
