// Writes the program's 32 x 32 icon as a PNG file, for installing it in the icon theme.
#include <QGuiApplication>
#include <QImage>

#include "bild/bilder.h"

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    QGuiApplication app(argc, argv);
    return lumora::Programmsymbolbild().save(argv[1], "PNG") ? 0 : 1;
}
