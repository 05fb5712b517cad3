// The asset generator: draws every picture and synthesises every sound of the game into
// GFX/ and SFX/ under the folder given on the command line, or, with --icons, the desktop's
// icons of the game into an icon theme's folders. The output is the same, byte for byte, on
// every run.
#include "bmpFile.h"
#include "characters.h"
#include "fontSheet.h"
#include "icon.h"
#include "marks.h"
#include "maze.h"
#include "props.h"
#include "screens.h"
#include "sounds.h"
#include "wavFile.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The maze, its props, the font, the marks and banners of a round, and the how-to-play screen
// that shows the props.
void writeMazePictures(const fs::path& misc, const TypeFace& face) {
    Canvas canvas(maze::widthPx, maze::heightPx);
    maze::drawMaze(canvas);
    const Picture products = props::products(), mugs = props::mugs(canvas.picture()),
                  arrow = props::arrow();
    maze::drawReadingIcons(canvas, products, mugs);
    const Picture mazePicture = canvas.picture();
    writeOpaqueBmp((misc / "Level_Map.bmp").string(), mazePicture);
    writeKeyedBmp((misc / "Products.bmp").string(), products);
    writeKeyedBmp((misc / "Mugs.bmp").string(), mugs);
    writeKeyedBmp((misc / "Arrow.bmp").string(), arrow);
    writeKeyedBmp((misc / "Gate.bmp").string(), props::gate(mazePicture));
    writeKeyedBmp((misc / "Font.bmp").string(), fontSheet::glyphs(face));
    writeKeyedBmp((misc / "Marks.bmp").string(), marks::marks(face));
    writeKeyedBmp((misc / "Banners.bmp").string(), marks::banners(face));
    const Picture gateScene = props::withGate(mazePicture, 0);
    writeOpaqueBmp((misc / "StartScreen_02.bmp").string(),
                   screens::howToPlay(face, {products, mugs, arrow, gateScene}));
}

void writeScreens(const fs::path& misc, const TypeFace& face) {
    writeOpaqueBmp((misc / "StartScreen_01.bmp").string(), screens::title(face));
    writeOpaqueBmp((misc / "StartScreen_03.bmp").string(), screens::menu(face));
    writeOpaqueBmp((misc / "GameOver.bmp").string(), screens::gameOver(face));
    writeOpaqueBmp((misc / "Congrat1.bmp").string(), screens::congratulation(face));
    writeOpaqueBmp((misc / "Congrat2.bmp").string(), screens::newRecord(face));
    writeOpaqueBmp((misc / "HighScore.bmp").string(), screens::highScores(face));
    writeOpaqueBmp((misc / "Credits.bmp").string(), screens::credits(face));
    writeKeyedBmp((misc / "RunMark.bmp").string(), screens::runMark());
}

void writeCharacters(const fs::path& quaro, const fs::path& indian) {
    using characters::who;
    writeKeyedBmp((quaro / "Quaro_Walk.bmp").string(), characters::walkSheet(who::kid));
    writeKeyedBmp((quaro / "Quaro_Drinking.bmp").string(), characters::drinkingSheet(who::kid));
    writeKeyedBmp((quaro / "Quaro_KnockOut.bmp").string(), characters::knockOutSheet(who::kid));
    writeKeyedBmp((quaro / "Quaro_SuperWalk.bmp").string(), characters::walkSheet(who::superKid));
    writeKeyedBmp((quaro / "Quaro_SuperDrinking.bmp").string(),
                  characters::drinkingSheet(who::superKid));
    writeKeyedBmp((indian / "Indian_Walk.bmp").string(), characters::walkSheet(who::outlaw));
    writeKeyedBmp((indian / "Indian_KnockOut.bmp").string(),
                  characters::knockOutSheet(who::outlaw));
    writeKeyedBmp((indian / "Indian_Frightened.bmp").string(),
                  characters::walkSheet(who::frightenedOutlaw));
}

void writeSounds(const fs::path& sfx) {
    for (const sounds::Effect& effect : sounds::all())
        writeWav((sfx / effect.file).string(), effect.samples, effect.peak);
}

void writeAssets(const fs::path& root) {
    for (const char* folder : {"GFX/Misc", "GFX/Quaro", "GFX/Indian", "SFX"})
        fs::create_directories(root / folder);
    const TypeFace face(gameFontFile);
    writeMazePictures(root / "GFX/Misc", face);
    writeScreens(root / "GFX/Misc", face);
    writeCharacters(root / "GFX/Quaro", root / "GFX/Indian");
    writeSounds(root / "SFX");
}

// The sizes the desktops ask for most and the two a web app's manifest names, as the icon
// theme lays them out, and the SVG for the rest.
void writeIcons(const std::string& name, const fs::path& theme) {
    for (int size : {48, 128, 192, 256, 512}) {
        const fs::path folder =
            theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        fs::create_directories(folder);
        icon::writePng((folder / (name + ".png")).string(), size);
    }
    fs::create_directories(theme / "scalable/apps");
    icon::writeSvg((theme / "scalable/apps" / (name + ".svg")).string(), 256);
}

} // namespace

int main(int argc, char** argv) {
    const bool icons = argc == 4 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n       %s --icons NAME THEME_FOLDER\n",
                     argv[0], argv[0]);
        return 2;
    }
    try {
        if (icons)
            writeIcons(argv[2], argv[3]);
        else
            writeAssets(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quaro_assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
