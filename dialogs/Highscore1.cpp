#include "dialogs/Highscore1.h"

#include "platform/Controls.h"
#include "platform/HighscoreFile.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"

#include <QFile>
#include <QFileInfo>

THighScore* HighScore = nullptr;

namespace {
const QString ErrorText = QStringLiteral("Error Highscore");

}  // namespace

THighScore::THighScore() : TForm(QStringLiteral("HighScore"), QStringLiteral("#"), 810, 601) {
    HighScore = this;

    Image1 = new TPicture(this, QStringLiteral("Image1"), 0, 0, 802, 300);
    Image1->SetFixedControlSize(true);
    Image1->LoadDecoration(DataFiles::Banner);
    Image2 = new TPicture(this, QStringLiteral("Image2"), 0, 553, 800, 48);
    Image2->SetFixedControlSize(true);
    Image2->LoadDecoration(DataFiles::BottomBar);

    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("High"), 33, 242, 106, 61, 43);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Score"), 125, 242, 135, 61, 43, true);
    Label3 = MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("Wer hat mit den geringsten Kosten lackiert ?"),
                       276, 258, 501, 30, 24);

    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), 0, 300, 816, 255, false);

    GroupBox2 = new TColourBox(Panel1, QStringLiteral("GroupBox2"), 27, 14, 398, 25);
    // The column header sits at the bottom of its box.
    StaticText1 = MakeTitleStrip(GroupBox2, QStringLiteral("StaticText1"),
                                 QStringLiteral(" pont                      név"), 2, 25 - 16 - 2, 394, 16);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    GroupBox1 = new TColourBox(Panel1, QStringLiteral("GroupBox1"), 27, 30, 398, 216);
    Liste = new TStringGrid(GroupBox1, QStringLiteral("Liste"), 8, 16, 380, 193, 3, 1, 145);
    Liste->setFont(ArialFont(13, true));
    // The header overlaps the list's box and stays in front of it.
    GroupBox2->raise();

    Loeschen = MakeButton(Panel1, QStringLiteral("Loeschen"), QStringLiteral("Törlés"), 720, 160);
    Ok = MakeButton(Panel1, QStringLiteral("Ok"), QStringLiteral("Játék"), 720, 200);
    // Enter means "Játék" alone: were "Törlés" a default button too, one key
    // press could delete every stored result.
    Ok->setDefault(true);
    SetDefaultButton(Ok);
    ConnectClicked(Loeschen, [this] { LoeschenClick(); });
    ConnectClicked(Ok, [this] { OkClick(); });

    ContinueArtworkToEdges(this);
    Centre();
}

void THighScore::AddEntry(const QString& fileName, const QString& playerName, int32_t points) {
    if (!Highscore::AppendRecord(Highscore::PathBytes(fileName, true), points, playerName))
        ShowGameMessage(ErrorText);
}

void THighScore::ShowTable(const QString& fileName) {
    HighscorePath = Highscore::BuildPath(fileName);
    LoadTable();
    ShowForm();
}

void THighScore::LoadTable() {
    const Highscore::ReadResult result = Highscore::ReadLowest(Highscore::PathBytesOf(HighscorePath));
    // Whatever was read before a failure is still listed.
    if (result.Failed)
        ShowGameMessage(ErrorText);
    const auto& entries = result.Entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        const int row = int(i);
        Liste->SetCell(0, row, QString::number(entries[i].Points));
        Liste->SetCell(1, row, entries[i].Name);
        Liste->SetCell(2, row, QStringLiteral(" "));
    }
    if (entries.empty())
        blankFirstRow();  // no leftovers of an earlier showing
    Liste->SetColCount(3);
    Liste->SetRowCount(entries.empty() ? 1 : int(entries.size()));
    Liste->SetColWidth(0, 100);
    Liste->SetColWidth(1, 150);
    Liste->SetColWidth(2, 0);
    Liste->SetCol(2);
}

void THighScore::LoeschenClick() {
    // A failed delete is not reported; the table is emptied regardless.
    Highscore::RemoveFile(HighscorePath);
    blankFirstRow();
    Liste->SetRowCount(1);
    Liste->SetCol(2);
}

void THighScore::OkClick() { Close(); }

void THighScore::blankFirstRow() {
    for (int col = 0; col < 3; ++col)
        Liste->SetCell(col, 0, QStringLiteral(" "));
}
