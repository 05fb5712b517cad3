// The asset generator: draws every picture and synthesises every sound of the game into
// GFX/ and SFX/ under the folder given on the command line. The output is the same, byte for
// byte, on every run.
#include "bmpFile.h"
#include "characters.h"
#include "fontSheet.h"
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

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const fs::path root = argv[1];
        for (const char* folder : {"GFX/Misc", "GFX/Quaro", "GFX/Indian", "SFX"})
            fs::create_directories(root / folder);
        Canvas canvas(maze::widthPx, maze::heightPx);
        maze::drawMaze(canvas);
        const Picture mazePicture = canvas.picture();
        auto misc = [&root](const char* name) { return (root / "GFX/Misc" / name).string(); };
        writeOpaqueBmp(misc("Level_Map.bmp"), mazePicture);
        const Picture products = props::products(), mugs = props::mugs(mazePicture),
                      arrow = props::arrow();
        writeKeyedBmp(misc("Products.bmp"), products);
        writeKeyedBmp(misc("Mugs.bmp"), mugs);
        writeKeyedBmp(misc("Arrow.bmp"), arrow);
        const TypeFace face(gameFontFile);
        writeKeyedBmp(misc("Font.bmp"), fontSheet::glyphs(face));
        writeOpaqueBmp(misc("StartScreen_01.bmp"), screens::title(face));
        writeOpaqueBmp(
            misc("StartScreen_02.bmp"),
            screens::howToPlay(face, {products, mugs, arrow, props::withGate(mazePicture, 0)}));
        writeOpaqueBmp(misc("StartScreen_03.bmp"), screens::menu(face));
        writeOpaqueBmp(misc("GameOver.bmp"), screens::gameOver(face));
        writeOpaqueBmp(misc("Congrat1.bmp"), screens::congratulation(face));
        writeOpaqueBmp(misc("Congrat2.bmp"), screens::newRecord(face));
        writeOpaqueBmp(misc("HighScore.bmp"), screens::highScores(face));
        writeOpaqueBmp(misc("Credits.bmp"), screens::credits(face));
        for (const sounds::Effect& effect : sounds::all())
            writeWav((root / "SFX" / effect.file).string(), effect.samples, effect.peak);
        writeKeyedBmp(misc("Gate.bmp"), props::gate(mazePicture));
        using characters::who;
        auto quaro = [&root](const char* name) { return (root / "GFX/Quaro" / name).string(); };
        auto indian = [&root](const char* name) { return (root / "GFX/Indian" / name).string(); };
        writeKeyedBmp(quaro("Quaro_Walk.bmp"), characters::walkSheet(who::kid));
        writeKeyedBmp(quaro("Quaro_Drinking.bmp"), characters::drinkingSheet(who::kid));
        writeKeyedBmp(quaro("Quaro_KnockOut.bmp"), characters::knockOutSheet(who::kid));
        writeKeyedBmp(quaro("Quaro_SuperWalk.bmp"), characters::walkSheet(who::superKid));
        writeKeyedBmp(quaro("Quaro_SuperDrinking.bmp"), characters::drinkingSheet(who::superKid));
        writeKeyedBmp(indian("Indian_Walk.bmp"), characters::walkSheet(who::outlaw));
        writeKeyedBmp(indian("Indian_KnockOut.bmp"), characters::knockOutSheet(who::outlaw));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quaro_assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
