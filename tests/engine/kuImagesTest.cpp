#include "kuImages.h"
#include "geomPrinters.h"
#include "headlessSdl.h"
#include "kuImagesImpl.h"
#include "raises.h"
#include "tempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include <memory>
#include <string>

namespace {

const rgb blue = {0, 0, 255};
const rgb green = {0, 255, 0};

class KuImageTest : public ScreenTest {
protected:
    TempDir dir;
};

class KuImagePoolTest : public SdlTest {
protected:
    std::string bmp(const std::string& name) {
        const std::string path = dir.file(name);
        writeSolidBmp(path, 2, 2, blue);
        return path;
    }

    TempDir dir;
};

} // namespace

TEST_F(KuImageTest, LoadsAndKeepsItsSizeAfterClose) {
    writeSolidBmp(dir.file("a.bmp"), 40, 30, blue);
    kuImage image;
    EXPECT_FALSE(image.isOpen());
    image.loadBMP(dir.file("a.bmp").c_str());
    EXPECT_TRUE(image.isOpen());
    sz size;
    image.getSize(size);
    EXPECT_EQ(size, (sz{40, 30}));
    image.close();
    EXPECT_FALSE(image.isOpen());
    image.getSize(size);
    EXPECT_EQ(size, (sz{40, 30}));
}

// Every file that cannot be a picture is refused by name and reason, without blocking, and
// leaves the image empty, also when it held a picture before.
TEST_F(KuImageTest, UnloadableFilesRaiseFileLoadNamingFileAndReason) {
    writeSolidBmp(dir.file("good.bmp"), 4, 4, blue);
    std::filesystem::create_directory(dir.file("folder.bmp"));
    ASSERT_EQ(mkfifo(dir.file("fifo.bmp").c_str(), 0600), 0);
    std::filesystem::copy_file(dir.file("good.bmp"), dir.file("short.bmp"));
    std::filesystem::resize_file(dir.file("short.bmp"), 60);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"none.bmp", "No such file or directory"},
                 {"folder.bmp", "not a regular file"},
                 {"fifo.bmp", "not a regular file"},
                 {"short.bmp", ""}};
    for (const auto& c : cases) {
        kuImage image;
        image.loadBMP(dir.file("good.bmp").c_str());
        const std::string file = dir.file(c.name);
        std::unique_ptr<kuE> error = raisedBy([&] { image.loadBMP(file.c_str()); });
        ASSERT_NE(error, nullptr) << c.name;
        EXPECT_EQ(error->getKind(), kuE::generic);
        EXPECT_STREQ(error->getTypeName(), "FileLoad");
        const std::string expected = "Couldn't load " + file + ": " + c.reason;
        EXPECT_EQ(std::string(error->getMessage()).rfind(expected, 0), 0u) << error->getMessage();
        EXPECT_FALSE(image.isOpen()) << c.name;
    }
}

TEST_F(KuImageTest, LoadingAgainReplacesThePicture) {
    writeSolidBmp(dir.file("a.bmp"), 4, 4, blue);
    writeSolidBmp(dir.file("b.bmp"), 6, 2, green);
    kuImage image;
    image.loadBMP(dir.file("a.bmp").c_str());
    image.loadBMP(dir.file("b.bmp").c_str()); // the first surface is freed (LeakSanitizer)
    sz size;
    image.getSize(size);
    EXPECT_EQ(size, (sz{6, 2}));
}

TEST_F(KuImageTest, EmptyImageRefusesCloseAndSurface) {
    kuImage image;
    EXPECT_TRUE(raisesBug([&] { image.close(); }, "Image object is not open in kuImage::close"));
    EXPECT_TRUE(raisesBug([&] { image.getSDLSurface(); },
                          "Image object is not open in kuImage::getSDLSurface"));
}

TEST_F(KuImageTest, DisplayDrawsAPartOnItsScreen) {
    writeBmp(dir.file("halves.bmp"), 20, 10, [](int x, int) { return x < 10 ? blue : green; });
    kuImage image;
    image.loadBMP(dir.file("halves.bmp").c_str());
    EXPECT_TRUE(raisesBug(
        [&] {
            image.display(rect(0, 0, 20, 10), {0, 0});
        },
        "No screenobject set in kuImage::display"));
    image.setScreen(&screen);
    EXPECT_EQ(image.getScreen(), &screen);
    image.display(rect(10, 0, 10, 10), {100, 200});
    EXPECT_TRUE(areaIs(screen.getSDLSurface(), 100, 200, 10, 10, green));
    EXPECT_EQ(pixelAt(screen.getSDLSurface(), 99, 200), (rgb{0, 0, 0}));
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(100, 200, 10, 10));
}

// A 24-bit picture drawn on the 32-bit screen would be converted at every drawing.
TEST_F(KuImageTest, PicturesTakeTheScreensFormatOnceWhenLoaded) {
    const std::string path = dir.file("a.bmp");
    writeSolidBmp(path, 4, 4, blue);
    const SDL_PixelFormat* screenFormat = screen.getSDLSurface()->format;
    kuImage image;
    image.loadBMP(path.c_str());
    SDL_Surface* pooled = globalPool->loadBMP(path.c_str());
    for (SDL_Surface* surface : {image.getSDLSurface(), pooled}) {
        EXPECT_TRUE(surface->format->BitsPerPixel == screenFormat->BitsPerPixel &&
                    surface->format->Rmask == screenFormat->Rmask);
        EXPECT_EQ(pixelAt(surface, 3, 3), blue);
    }
    globalPool->freeSurface(pooled);
}

TEST_F(KuImagePoolTest, SameNameSharesOneSurfaceUntilTheLastReference) {
    kuImagePool pool;
    const std::string path = bmp("x.bmp");
    SDL_Surface* first = pool.loadBMP(path.c_str());
    SDL_Surface* second = pool.loadBMP(path.c_str());
    EXPECT_EQ(first, second);
    pool.freeSurface(first); // one reference left
    pool.freeSurface(first); // the last one frees the slot
    EXPECT_TRUE(raisesBug([&] { pool.freeSurface(first); },
                          "Trying to free unallocated surface in kuImagePool!"));
}

TEST_F(KuImagePoolTest, NamesDifferingInCaseTakeTwoSlots) {
    kuImagePool pool;
    SDL_Surface* lower = pool.loadBMP(bmp("a.bmp").c_str());
    SDL_Surface* upper = pool.loadBMP(bmp("A.bmp").c_str());
    EXPECT_NE(lower, upper);
    pool.freeSurface(lower);
    pool.freeSurface(upper);
}

TEST_F(KuImagePoolTest, FullPoolRefusesNewNamesButSharesKnownOnes) {
    kuImagePool pool;
    std::vector<SDL_Surface*> surfaces;
    for (int i = 0; i < kuImagePool::slotCount; ++i)
        surfaces.push_back(pool.loadBMP(bmp("p" + std::to_string(i) + ".bmp").c_str()));
    const std::string extra = bmp("extra.bmp");
    EXPECT_TRUE(raises([&] { pool.loadBMP(extra.c_str()); }, kuE::generic,
                       "No more imageslots available for a new image in kuImagePool!",
                       "IMAGEPOOL"));
    EXPECT_EQ(pool.loadBMP(dir.file("p7.bmp").c_str()), surfaces[7]);
    pool.freeSurface(surfaces[7]);
    for (SDL_Surface* surface : surfaces)
        pool.freeSurface(surface);
}

TEST_F(KuImagePoolTest, FreedSlotIsReusedFirstAndLeftoversAreReportedInSlotOrder) {
    StdoutCapture capture;
    {
        kuImagePool pool;
        pool.loadBMP(bmp("a.bmp").c_str());
        SDL_Surface* b = pool.loadBMP(bmp("b.bmp").c_str());
        pool.loadBMP(bmp("c.bmp").c_str());
        pool.loadBMP(dir.file("c.bmp").c_str());
        pool.freeSurface(b);
        pool.loadBMP(bmp("d.bmp").c_str()); // takes b's slot, before c's
    }
    EXPECT_EQ(capture.text(), "File named " + dir.file("a.bmp") + " not freed. References: 1\n" +
                                  "File named " + dir.file("d.bmp") +
                                  " not freed. References: 1\n" + "File named " +
                                  dir.file("c.bmp") + " not freed. References: 2\n");
}

TEST_F(KuImagePoolTest, MissingFileRaisesAndHoldsNothing) {
    StdoutCapture capture;
    {
        kuImagePool pool;
        std::unique_ptr<kuE> error = raisedBy([&] { pool.loadBMP(dir.file("none.bmp").c_str()); });
        ASSERT_NE(error, nullptr);
        EXPECT_STREQ(error->getTypeName(), "FileLoad");
        pool.loadBMP(bmp("z.bmp").c_str());
    }
    EXPECT_EQ(capture.text(), "File named " + dir.file("z.bmp") + " not freed. References: 1\n");
}

TEST_F(KuImagePoolTest, FreeingNullOrUnknownSurfacesIsABug) {
    kuImagePool pool;
    EXPECT_TRUE(raisesBug([&] { pool.freeSurface(nullptr); },
                          "Trying to free NULL surface in kuImagePool!"));
    SDL_Surface* stranger = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0, 0, 0, 0);
    EXPECT_TRUE(raisesBug([&] { pool.freeSurface(stranger); },
                          "Trying to free unallocated surface in kuImagePool!"));
    SDL_FreeSurface(stranger);
}
