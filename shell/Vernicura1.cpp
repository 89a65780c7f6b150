#include "shell/Vernicura1.h"

#include "colour/Chargenschwankungen1.h"
#include "colour/Lab1.h"
#include "colour/Mischregal1.h"
#include "colour/Spielhinweise.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Highscore1.h"
#include "dialogs/Kundenmanager1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/Rtf.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm1.h"
#include "shell/Autofarben1.h"
#include "shell/Autotypen1.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>

TVernicura* Vernicura = nullptr;

namespace {
// A small group box whose caption is a title strip at (2, 7).
TColourBox* TitleBox(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h) {
    return MakeTitleBox(parent, name, name + QStringLiteral("Titel"), caption, x, y, w, h, true, QPoint(2, 7));
}

const QString NoSelectionMessage =
    QStringLiteral("Eine Autofarbe und ein Schwierigkeitslevel müssen ausgewählt werden");
}  // namespace

TVernicura::TVernicura() : TForm(QStringLiteral("Vernicura"), QStringLiteral("Vernicura Demonstration"), 808, 601) {
    Vernicura = this;
    BuildLayout();
    ContinueArtworkToEdges(this);
    Centre();
    // A half-built form is never destroyed through its destructor: whatever
    // game object exists when a picture is missing is freed here.
    try {
        CreateGameObjects();
    } catch (...) {
        FreeGameObjects();
        throw;
    }
}

TVernicura::~TVernicura() { FreeGameObjects(); }

void TVernicura::BuildLayout() {
    Image1 = new TPicture(this, QStringLiteral("Image1"), 0, 0, 816, 300);
    Image1->LoadDecoration(DataFiles::Banner);
    Image3 = new TPicture(this, QStringLiteral("Image3"), 0, 553, 816, 48);
    Image3->LoadDecoration(DataFiles::BottomBar);
    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), 0, 300, 816, 255, false);

    // The rules, hidden until "Szabály" is pressed.
    TextAnleitung = new TColourBox(Panel1, QStringLiteral("TextAnleitung"), 7, 23, 239, 203);
    InhaltAnleitung = new QTextEdit(TextAnleitung);
    InhaltAnleitung->setObjectName(QStringLiteral("InhaltAnleitung"));
    InhaltAnleitung->setGeometry(9, 14, 223, 176);
    InhaltAnleitung->setReadOnly(true);
    InhaltAnleitung->setFrameShape(QFrame::NoFrame);
    InhaltAnleitung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    InhaltAnleitung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette rulesPalette = InhaltAnleitung->palette();
    rulesPalette.setColor(QPalette::Base, ToQColor(clBtnFace));
    InhaltAnleitung->setPalette(rulesPalette);
    TitelAnleitung =
        TitleBox(Panel1, QStringLiteral("TitelAnleitung"), QStringLiteral(" Spielanleitung"), 7, 5, 239, 28);
    TextAnleitung->hide();
    TitelAnleitung->hide();

    // The car colour catalogue: three cars to a row in a box scrolled
    // vertically.
    AuswahlFarben = new TColourBox(Panel1, QStringLiteral("AuswahlFarben"), 255, 16, 236, 144);
    QFont bold = AuswahlFarben->font();
    bold.setBold(true);
    AuswahlFarben->setFont(bold);
    AutofarbenAuswahl = new QScrollArea(AuswahlFarben);
    AutofarbenAuswahl->setObjectName(QStringLiteral("AutofarbenAuswahl"));
    AutofarbenAuswahl->setGeometry(7, 24, 220, 109);
    AutofarbenAuswahl->setFrameShape(QFrame::NoFrame);
    AutofarbenAuswahl->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AutofarbenAuswahl->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Three cars of 70 leave 10 of the 220 pixels: the scroll bar takes no
    // more, so it never covers the third column.
    AutofarbenAuswahl->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: 10px; }"));
    AutofarbenAuswahl->setWidgetResizable(false);
    carCells_ = new QWidget;
    carCells_->setObjectName(QStringLiteral("AutofarbenAuswahlInhalt"));
    AutofarbenAuswahl->setWidget(carCells_);
    GroupBox1 = TitleBox(Panel1, QStringLiteral("GroupBox1"), QStringLiteral(" Válassza ki az autójának színét!"), 255,
                         5, 236, 28);

    AuswahlTypen = new TColourBox(Panel1, QStringLiteral("AuswahlTypen"), 499, 22, 295, 138);
    AuswahlTypen->setFont(bold);
    // Both pickers take the keyboard in the Tab chain: the catalogue's
    // scroll box, then the levels.
    AutofarbenAuswahl->setFocusPolicy(Qt::StrongFocus);
    AuswahlTypen->setFocusPolicy(Qt::StrongFocus);
    AutofarbenAuswahl->installEventFilter(this);
    AuswahlTypen->installEventFilter(this);
    carFrame_ = new TFocusFrame(carCells_);
    levelFrame_ = new TFocusFrame(AuswahlTypen);
    GroupBox2 = TitleBox(Panel1, QStringLiteral("GroupBox2"), QStringLiteral(" Nehézségi szint"), 499, 5, 295, 28);

    GroupBox4 = new TColourBox(Panel1, QStringLiteral("GroupBox4"), 255, 171, 237, 55);
    Spieler1Name = new QLineEdit(QStringLiteral("Spieler 1"), GroupBox4);
    Spieler1Name->setObjectName(QStringLiteral("Spieler1Name"));
    Spieler1Name->setGeometry(7, 25, 225, 24);
    Spieler1Name->setMaxLength(20);
    // The read-only rules box draws no focus of its own.
    ShowFocusFrame(InhaltAnleitung);
    GroupBox3 = TitleBox(Panel1, QStringLiteral("GroupBox3"), QStringLiteral(" Adja meg a nevét!"), 255, 161, 237, 27);

    Anleitung = MakeButton(Panel1, QStringLiteral("Anleitung"), QStringLiteral("Szabály"), 561, 168);
    BHighScore = MakeButton(Panel1, QStringLiteral("BHighScore"), QStringLiteral("Csúcsok"), 640, 168);
    // The sound switch writes its caption when it is created.
    Ton = MakeButton(Panel1, QStringLiteral("Ton"), QString(), 720, 168);
    Ende = MakeButton(Panel1, QStringLiteral("Ende"), QStringLiteral("Vége"), 641, 200);
    Ok = MakeButton(Panel1, QStringLiteral("Ok"), QStringLiteral("Játék"), 720, 200);
    SetDefaultButton(Ok);

    Logo = new TColourBox(Panel1, QStringLiteral("Logo"), 7, 226, 788, 25, false);
    Logo->SetColour(TitleStripColour());
    QLabel* credit = MakeTitleStrip(Logo, QStringLiteral("LogoText"),
                                    QStringLiteral(" Pigmentra – Spielidee, Programm und Grafik: das Pigmentra-Team"),
                                    0, 3, 788, 19);
    credit->setFont(ArialFont(12));
    Logo->hide();

    ConnectClicked(Anleitung, [this] { AnleitungClick(); });
    ConnectClicked(BHighScore, [this] { BHighScoreClick(); });
    ConnectClicked(Ton, [this] { TonClick(); });
    ConnectClicked(Ende, [this] { EndeClick(); });
    ConnectClicked(Ok, [this] { OkClick(); });
    // The menu opens with the focus in the name field, its text selected:
    // the player's first keys replace "Spieler 1", Enter still plays. The
    // sound switch asks the system before the player first sees it.
    OnShow = [this] {
        Spieler1Name->setFocus(Qt::ActiveWindowFocusReason);
        Spieler1Name->selectAll();
        if (Hardware)
            Hardware->CheckOutputs();
    };
}

void TVernicura::CreateGameObjects() {
    Startzeit = Clock().LocalTimeOfDay();
    Konfiguration = new TKonfiguration();
    Hardware = new THardware();
    Chargenschwankungen = new TChargenschwankungen(Startzeit);
    Mischregal = new TMischregal();
    Spiel = new TSpiel();
    // The colour model's notices are the game's dialogs, created after this
    // menu: they are looked up when a notice is due.
    Spielhinweise.NeueBasisfarben = [] {
        if (NeueBasisfarben)
            NeueBasisfarben->ShowNotice();
    };
    Spielhinweise.MaxBasisfarben = [] {
        if (MaxBasisfarben)
            MaxBasisfarben->ShowNotice();
    };
    Spielhinweise.Kundenmanager = [] {
        if (Kundenmanager)
            Kundenmanager->ShowModal();
    };

    // Each car colour draws its shade here, in catalogue order.
    const int cars = Konfiguration->AnzahlAutofarben;
    AutoFarbenListe.reserve(cars);
    for (int k = 0; k < cars; ++k)
        AutoFarbenListe.push_back(new TAutoFarben(k / 3, k % 3, Mischregal, carCells_));
    carCells_->resize(3 * TAutoFarben::CellWidth, (cars + 2) / 3 * TAutoFarben::CellHeight);

    // Levels go left to right while 70 × column + 10 fits the box's width.
    const int levels = Konfiguration->AnzahlLevel;
    AutoTypenListe.reserve(levels);
    int column = -1;
    int row = 0;
    for (int i = 0; i < levels; ++i) {
        if (70 * column + 10 <= AuswahlTypen->width()) {
            ++column;
        } else {
            ++row;
            column = 0;
        }
        AutoTypenListe.push_back(new TAutoTypen(i, row, AuswahlTypen, column));
    }

    if (!AutoTypenListe.empty())
        AutoTypenListe[0]->Gewaehlt = true;
    if (!AutoFarbenListe.empty()) {
        AutoFarbenListe[0]->Gewaehlt = true;
        AutoFarbenListe[0]->PaintMark();
    }
    if (!AutoTypenListe.empty())
        AutoTypenListe[0]->PaintMark();
    AktuelleTonvorlage = AutoFarbenListe.empty() ? nullptr : AutoFarbenListe[0]->Tonvorlage.get();
}

void TVernicura::FreeGameObjects() {
    for (TAutoTypen* item : AutoTypenListe)
        delete item;
    AutoTypenListe.clear();
    for (TAutoFarben* item : AutoFarbenListe)
        delete item;
    AutoFarbenListe.clear();
    AktuelleTonvorlage = nullptr;  // it was one of the shades just freed
    Spielhinweise = TSpielhinweise();
    delete Spiel;  // its test panel refers to the shelf
    Spiel = nullptr;
    delete Chargenschwankungen;
    Chargenschwankungen = nullptr;
    delete Mischregal;
    Mischregal = nullptr;
    delete Konfiguration;
    Konfiguration = nullptr;
    delete Hardware;
    Hardware = nullptr;
}

void TVernicura::OkClick() {
    if (!PrepareNewGame())
        return;
    // Returns when the game's screens have been closed again; then the menu
    // is the window in front, also where no window manager activates it.
    Spielschirm->FormShow();
    if (isVisible())
        ShowForm();
}

bool TVernicura::PrepareNewGame() {
    Randomize(ClockSeed());
    Spielername = Spieler1Name->text();

    TAutoFarben* car = nullptr;
    for (TAutoFarben* item : AutoFarbenListe) {
        if (item->Gewaehlt) {
            car = item;
            break;
        }
    }
    if (!car) {
        ShowGameMessage(NoSelectionMessage);
        return false;
    }
    AktuelleTonvorlage = car->Tonvorlage.get();

    int level = -1;
    for (int i = 0; i < int(AutoTypenListe.size()); ++i) {
        if (AutoTypenListe[i]->Gewaehlt) {
            level = i;
            break;
        }
    }
    if (level < 0) {
        ShowGameMessage(NoSelectionMessage);
        return false;
    }
    Konfiguration->ApplyLevel(level);
    Konfiguration->Produktionsphase = 0;

    Punktestand = 0;
    if (!Spielschirm)
        return false;
    Spiel->PunkteZeigen();
    return true;
}

void TVernicura::EndeClick() { QApplication::quit(); }

void TVernicura::AnleitungClick() {
    if (!TextAnleitung->isHidden()) {
        TextAnleitung->hide();
        TitelAnleitung->hide();
        Logo->hide();
        return;
    }
    TextAnleitung->show();
    TitelAnleitung->show();
    // Read afresh at every opening; a missing file leaves the credit line
    // hidden.
    LoadRtfFile(InhaltAnleitung, DataFiles::RulesDocument);
    InhaltAnleitung->verticalScrollBar()->setValue(0);
    Logo->show();
}

void TVernicura::TonClick() {
    if (Hardware)
        Hardware->Toggle();
}

void TVernicura::BHighScoreClick() {
    if (HighScore)
        HighScore->ShowTable(QString::fromLatin1(HighscoreFileName));
}

void TVernicura::ClearCarMarks() {
    for (TAutoFarben* item : AutoFarbenListe) {
        if (item->Gewaehlt) {
            item->Gewaehlt = false;
            item->PaintMark();
        }
    }
}

namespace {
// The item a picker's keys start from: the marked one, else the cursor.
template <class Item>
int currentItem(const std::vector<Item*>& items, int cursor) {
    for (int i = 0; i < int(items.size()); ++i)
        if (items[i]->Gewaehlt)
            return i;
    return qBound(0, cursor, int(items.size()) - 1);
}

// Where an arrow key leads in a grid of `columns` items a row, or -1.
int neighbour(int index, int key, int columns, int count) {
    int next = -1;
    switch (key) {
        case Qt::Key_Left: next = index % columns > 0 ? index - 1 : -1; break;
        case Qt::Key_Right: next = index % columns < columns - 1 ? index + 1 : -1; break;
        case Qt::Key_Up: next = index - columns; break;
        case Qt::Key_Down: next = index + columns; break;
        default: return -1;
    }
    return next >= 0 && next < count ? next : -1;
}

bool isPickerKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
           key == Qt::Key_Space;
}

// One key in a picker of `columns` items a row. Returns the item pressed,
// or null when the key changes nothing (an edge, or the item is marked).
template <class Item>
Item* pickerKey(const std::vector<Item*>& items, int& cursor, int key, int columns) {
    int index = currentItem(items, cursor);
    if (key != Qt::Key_Space) {
        index = neighbour(index, key, columns, int(items.size()));
        if (index < 0 || items[size_t(index)]->Gewaehlt)
            return nullptr;
    }
    cursor = index;
    items[size_t(index)]->BildMouseDown();  // as a press on the item
    return items[size_t(index)];
}

// After a press on an item the keys go on from it.
template <class Item>
void moveCursorTo(const std::vector<Item*>& items, const Item* item, int& cursor) {
    const auto at = std::find(items.begin(), items.end(), item);
    if (at != items.end())
        cursor = int(at - items.begin());
}
}  // namespace

bool TVernicura::CarPickerKey(int key) {
    if (!isPickerKey(key) || AutoFarbenListe.empty())
        return false;
    if (TAutoFarben* item = pickerKey(AutoFarbenListe, carCursor_, key, 3))
        AutofarbenAuswahl->ensureWidgetVisible(item->Bild, 0, 0);
    ShowPickerFocus();
    return true;
}

void TVernicura::ItemPressed(const TAutoFarben* item) {
    moveCursorTo(AutoFarbenListe, item, carCursor_);
    ShowPickerFocus();
}

void TVernicura::ItemPressed(const TAutoTypen* item) {
    moveCursorTo(AutoTypenListe, item, levelCursor_);
    ShowPickerFocus();
}

void TVernicura::ShowPickerFocus() {
    // The frame goes round the item's whole cell, outside the corner that
    // carries the mark.
    if (AutofarbenAuswahl->hasFocus() && !AutoFarbenListe.empty()) {
        const TAutoFarben* car = AutoFarbenListe[size_t(currentItem(AutoFarbenListe, carCursor_))];
        carFrame_->Frame(QRect(car->Spalte * TAutoFarben::CellWidth, car->Zeile * TAutoFarben::CellHeight,
                               TAutoFarben::CellWidth, TAutoFarben::CellHeight));
    } else {
        carFrame_->hide();
    }
    if (AuswahlTypen->hasFocus() && !AutoTypenListe.empty()) {
        const TAutoTypen* level = AutoTypenListe[size_t(currentItem(AutoTypenListe, levelCursor_))];
        levelFrame_->Frame(level->Bild->geometry().adjusted(-3, -3, 3, 3));
    } else {
        levelFrame_->hide();
    }
}

bool TVernicura::LevelPickerKey(int key) {
    if (!isPickerKey(key) || AutoTypenListe.empty())
        return false;
    // The levels stand in one row: up and down step like left and right.
    if (key == Qt::Key_Up)
        key = Qt::Key_Left;
    else if (key == Qt::Key_Down)
        key = Qt::Key_Right;
    pickerKey(AutoTypenListe, levelCursor_, key, int(AutoTypenListe.size()));
    ShowPickerFocus();
    return true;
}

bool TVernicura::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
        (watched == AutofarbenAuswahl || watched == AuswahlTypen))
        ShowPickerFocus();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool used = false;
        if (watched == AutofarbenAuswahl)
            Guard([&] { used = CarPickerKey(key); });
        else if (watched == AuswahlTypen)
            Guard([&] { used = LevelPickerKey(key); });
        if (used)
            return true;
    }
    return TForm::eventFilter(watched, event);
}

void TVernicura::ClearLevelMarks() {
    for (TAutoTypen* item : AutoTypenListe) {
        if (item->Gewaehlt) {
            item->Gewaehlt = false;
            item->PaintMark();
        }
    }
}
