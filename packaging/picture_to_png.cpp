// Converts a picture Qt can read (the program's XPM icon) to PNG, for the icon
// theme: picture_to_png IN OUT.png
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: picture_to_png IN OUT.png\n", stderr);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "picture_to_png: cannot convert %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
