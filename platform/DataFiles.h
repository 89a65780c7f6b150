#pragma once
// The game's data files, read by name from the working directory: one table
// of their names, kinds and uses. The game, the generator (tools/), the
// tests and the install rule (packaging/CMakeLists.txt reads the lines of
// PIGMENTRA_DATA_FILES below) all take their lists from here, so keep one
// entry a line, in the form X(Id, "File name", Kind, Use).
//
// Kinds: Picture (a BMP the game loads), Sound (WAV), Clip (AVI), Rules (RTF).
// Uses:  StartUp    - loaded while the screens are built; missing, it ends
//                     the start with its error.
//        InPlay     - loaded during a game; missing, its error is shown and
//                     the game goes on.
//        Decoration - artwork only; missing or broken, it is left out.
#include <QPoint>

#include <cstddef>

#define PIGMENTRA_DATA_FILES(X)                                                    \
    X(Auto, "PigmentraAuto.bmp", Picture, StartUp)                                 \
    X(Level1, "PigmentraLevel1.bmp", Picture, StartUp)                             \
    X(Level2, "PigmentraLevel2.bmp", Picture, StartUp)                             \
    X(Level3, "PigmentraLevel3.bmp", Picture, StartUp)                             \
    X(Tube, "PigmentraTube.bmp", Picture, StartUp)                                 \
    X(Strahl, "PigmentraStrahl.bmp", Picture, StartUp)                             \
    X(Topf, "PigmentraTopf.bmp", Picture, StartUp)                                 \
    X(Labor, "PigmentraLabor.bmp", Picture, InPlay)                                \
    X(Produktion, "PigmentraProduktion.bmp", Picture, InPlay)                      \
    X(Tonne, "PigmentraTonne.bmp", Picture, InPlay)                                \
    X(Rezeptok, "PigmentraRezeptok.bmp", Picture, InPlay)                          \
    X(Rezeptnio, "PigmentraRezeptnio.bmp", Picture, InPlay)                        \
    X(Banner, "PigmentraBanner.bmp", Picture, Decoration)                          \
    X(BannerLabor, "PigmentraBannerLabor.bmp", Picture, Decoration)                \
    X(BannerProduktion, "PigmentraBannerProduktion.bmp", Picture, Decoration)      \
    X(StartTitel, "PigmentraStartTitel.bmp", Picture, Decoration)                  \
    X(StartUnten, "PigmentraStartUnten.bmp", Picture, Decoration)                  \
    X(TopBar, "PigmentraTopBar.bmp", Picture, Decoration)                          \
    X(BottomBar, "PigmentraBottomBar.bmp", Picture, Decoration)                    \
    X(Autoproduktion, "PigmentraAutoproduktion.bmp", Picture, Decoration)          \
    X(NeueBasisfarbenPicture, "PigmentraNeueBasisfarben.bmp", Picture, Decoration) \
    X(Pfuetze, "PigmentraPfuetze.bmp", Picture, Decoration)                        \
    X(Fass, "PigmentraFass.bmp", Picture, Decoration)                              \
    X(LaborFillSound, "PigmentraLaborFill.wav", Sound, InPlay)                     \
    X(RezeptOKSound, "PigmentraRezeptOK.wav", Sound, InPlay)                       \
    X(RezeptNIOSound, "PigmentraRezeptNIO.wav", Sound, InPlay)                     \
    X(OKSound, "PigmentraOK.wav", Sound, InPlay)                                   \
    X(NIOSound, "PigmentraNIO.wav", Sound, InPlay)                                 \
    X(NeueBasisfarbenSound, "PigmentraNeueBasisfarben.wav", Sound, InPlay)         \
    X(UeberlaufSound, "PigmentraUeberlauf.wav", Sound, InPlay)                     \
    X(MaxBasisfarbenSound, "PigmentraMaxBasisfarben.wav", Sound, InPlay)           \
    X(KundenmanagerSound, "PigmentraKundenmanager.wav", Sound, InPlay)             \
    X(FaustClip, "PigmentraFaust.avi", Clip, InPlay)                               \
    X(RulesDocument, "Pigmentra.rtf", Rules, InPlay)

class QFile;
class QString;

namespace DataFiles {

enum class Kind { Picture, Sound, Clip, Rules };
enum class Use { StartUp, InPlay, Decoration };

struct Entry {
    const char* Name;
    Kind FileKind;
    Use FileUse;
};

// One constant per file, named by its Id: DataFiles::Auto is "PigmentraAuto.bmp".
#define PIGMENTRA_DATA_FILE_NAME(id, name, kind, use) inline constexpr char id[] = name;
PIGMENTRA_DATA_FILES(PIGMENTRA_DATA_FILE_NAME)
#undef PIGMENTRA_DATA_FILE_NAME

// Every data file, in the order above.
#define PIGMENTRA_DATA_FILE_ENTRY(id, name, kind, use) Entry{name, Kind::kind, Use::use},
inline constexpr Entry Table[] = {PIGMENTRA_DATA_FILES(PIGMENTRA_DATA_FILE_ENTRY)};
#undef PIGMENTRA_DATA_FILE_ENTRY
inline constexpr std::size_t Count = sizeof Table / sizeof Table[0];

// The level picture of a level index (0 to 2).
inline const char* LevelPicture(int level) {
    static constexpr const char* levels[] = {Level1, Level2, Level3};
    return levels[level < 0 ? 0 : level > 2 ? 2 : level];
}

}  // namespace DataFiles

// Where the game flood-fills its pictures: each fill takes the colour found
// at the point and repaints the connected region of exactly that colour.
// The generator (tools/) draws every picture so that these points keep their
// roles, and tst_assets checks that they do.
namespace FillPoints {
// Auto: the car's body, which takes the item's shade. Auto and the level
// pictures: the surround that marks the chosen item.
inline constexpr QPoint CarBody{15, 20};
inline constexpr QPoint PickerMark{5, 5};
// Labor: the chip that takes the base colour, and the frame's two parts
// that show the selection; Produktion: the can, and its frame.
inline constexpr QPoint LabChip{60, 30};
inline constexpr QPoint LabFrameTop{30, 10};
inline constexpr QPoint SwatchFrame{30, 40};
inline constexpr QPoint ProductionCan{20, 80};
// Strahl: the jet in the selected base colour. Topf: the paint in the pot.
inline constexpr QPoint Jet{50, 40};
inline constexpr QPoint PotPaint{60, 20};
// Tonne: the vessel's inside below the level line, and a point outside its
// wall in the colour of the empty inside.
inline constexpr QPoint VesselInside{10, 120};
inline constexpr QPoint VesselEmptyColour{1, 28};
// Pfuetze and Fass on the overflow notice: the spilt paint and the drum.
inline constexpr QPoint Puddle{400, 130};
inline constexpr QPoint Drum{60, 75};
// Autoproduktion, the verdict's car: the body in the upper copy and in the
// lower one, the floor stripe, and the spray cones' colour.
inline constexpr QPoint VerdictBodyUpper{230, 170};
inline constexpr QPoint VerdictBodyLower{200, 300};
inline constexpr QPoint VerdictFloor{100, 330};
inline constexpr QPoint VerdictSpray{300, 275};
}  // namespace FillPoints

// Opening a data file (platform/DataFiles.cpp; the generator and the install
// rule use only the table above).
//
// Every data file is opened through OpenDataFile: without following it into
// a wait (a FIFO or device in its place), and only when it is a plain file.
// A missing file raises the toolkit's "not found" error, anything else that
// cannot be read its "cannot be read" error (RaiseFileError, Toolkit.h).
// The file is open read-only when this returns.
void OpenDataFile(QFile& file, const QString& fileName);
// The same checks for a file another component opens by name (the media
// players): raises as OpenDataFile does, opens nothing.
void CheckDataFile(const QString& fileName);
