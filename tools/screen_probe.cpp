// Reads the X screen for the end-to-end tests.
//
//   screen_probe save FILE.png     writes a screenshot of the whole screen
//   screen_probe region-hash X Y W H   prints a checksum of the pixels of that screen rectangle
//   screen_probe board-box         prints the box around the board photograph's green solder mask
//                                  as "LEFT TOP WIDTH HEIGHT", or nothing when there is none
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
bool IsSolderMask(QRgb p) { return qGreen(p) > qRed(p) + 30 && qGreen(p) > qBlue(p) + 15 && qGreen(p) > 50; }

// The box holding most of the mask: rows and columns where at least a quarter of the pixels are mask.
void PrintBoardBox(const QImage& img) {
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = 0; x < img.width(); ++x) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) n += IsSolderMask(img.pixel(x, y));
        if (n * 4 >= 100 && n > 40) {
            if (left < 0) left = x;
            right = x;
        }
    }
    for (int y = 0; y < img.height(); ++y) {
        int n = 0;
        for (int x = 0; x < img.width(); ++x) n += IsSolderMask(img.pixel(x, y));
        if (n > 40) {
            if (top < 0) top = y;
            bottom = y;
        }
    }
    if (left >= 0 && top >= 0) std::printf("%d %d %d %d\n", left, top, right - left + 1, bottom - top + 1);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_probe save FILE.png | board-box\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    if (std::strcmp(argv[1], "save") == 0 && argc == 3) return shot.save(argv[2], "PNG") ? 0 : 1;
    if (std::strcmp(argv[1], "region-hash") == 0 && argc == 6) {
        QImage region = shot.copy(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
        unsigned long long hash = 1469598103934665603ull;
        for (int y = 0; y < region.height(); ++y)
            for (int x = 0; x < region.width(); ++x) hash = (hash ^ (region.pixel(x, y) & 0xFFFFFF)) * 1099511628211ull;
        std::printf("%016llx\n", hash);
        return 0;
    }
    if (std::strcmp(argv[1], "board-box") == 0) {
        PrintBoardBox(shot);
        return 0;
    }
    std::fprintf(stderr, "screen_probe: unknown command %s\n", argv[1]);
    return 2;
}
