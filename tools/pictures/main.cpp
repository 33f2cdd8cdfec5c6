// Writes Addrell's pictures into the folder given: the window icon, the stamp, and the desktop
// icons for the freedesktop hicolor theme. tools/make-pictures runs it on resources/.
#include "pictures/BitmapFile.h"
#include "pictures/IconFile.h"
#include "pictures/PictureArt.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    using namespace addrell::pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool written = write(folder.filePath(QStringLiteral("addrell.ico")),
                         IconFile::encode({PictureArt::icon(32), PictureArt::icon(16)}));
    written = write(folder.filePath(QStringLiteral("stamp.bmp")),
                    BitmapFile::encode(PictureArt::stamp())) &&
              written;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        // The small ones are the very images of the window icon.
        const QImage image =
            size <= 32 ? IconFile::reduced(PictureArt::icon(size)) : PictureArt::icon(size);
        const QString path =
            folder.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/addrell.png").arg(size));
        QDir().mkpath(QFileInfo(path).path());
        written = image.save(path, "PNG") && written;
    }
    if (!written) {
        std::fprintf(stderr, "could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
