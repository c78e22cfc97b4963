// SPDX-License-Identifier: MIT
#include "EmbeddedAssets.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

// The resources live in a static library; naming their initialiser keeps
// the linker from dropping them.
static void ensureLinked()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)done;
}

namespace zembra {

namespace {

// Every embedded picture is decoded by the handler its format names. Left to
// guess, the reader would first load each image plugin installed to ask
// whether it knows the data, and delay the first frame.
QImage decode(QIODevice* device, const char* format)
{
    QImageReader reader(device, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap picture(const QString& path, const char* format)
{
    QFile file(path);
    return QPixmap::fromImage(decode(&file, format));
}

// Cell pictures are stored as bare device-independent bitmaps, the form a
// Windows bitmap resource takes; a 14-byte file header makes them BMP files.
QImage decodeDib(const QByteArray& dib)
{
    if (dib.size() < 40)
        return {};
    const auto* header = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(header);
    const quint16 bits = qFromLittleEndian<quint16>(header + 14);
    quint32 colours = qFromLittleEndian<quint32>(header + 32);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    const quint32 pixelOffset = 14 + headerSize + colours * 4;

    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(pixelOffset, file.data() + 10);
    file += dib;
    QBuffer buffer(&file);
    return decode(&buffer, "BMP");
}

}  // namespace

QByteArray EmbeddedAssets::bytes(const QString& path)
{
    ensureLinked();
    QFile file(QStringLiteral(":/") + path.toLower());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

const QPixmap* EmbeddedAssets::cellPicture(const QString& name)
{
    static QHash<QString, QPixmap> cache;
    const QString key = name.toLower();
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QByteArray dib = bytes(QStringLiteral("pictures/") + key);
        if (dib.isEmpty())
            return nullptr;
        it = cache.insert(key, QPixmap::fromImage(decodeDib(dib)));
    }
    return &it.value();
}

QByteArray EmbeddedAssets::sound(const QString& name)
{
    // QByteArray shares the data; the cache keeps it alive for playback.
    static QHash<QString, QByteArray> cache;
    const QString key = name.toLower();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, bytes(QStringLiteral("sounds/") + key));
    return it.value();
}

QPixmap EmbeddedAssets::background()
{
    ensureLinked();
    return picture(QStringLiteral(":/pictures/mainback"), "BMP");
}

QIcon EmbeddedAssets::toolbarImage(int index)
{
    ensureLinked();
    return QIcon(picture(QStringLiteral(":/toolbar/%1").arg(index), "PNG"));
}

QIcon EmbeddedAssets::applicationIcon()
{
    ensureLinked();
    QIcon icon;
#ifdef Q_OS_WIN
    // The program's own icon file, every size of it, as Explorer shows the
    // program: sharp in the task bar and on scaled screens. The ICO reader
    // is linked into the program there.
    QFile file(QStringLiteral(":/icons/zembra"));
    QImageReader reader(&file, "ICO");
    reader.setAutoDetectImageFormat(false);
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        icon.addPixmap(QPixmap::fromImage(reader.read()));
#else
    // The PNG renderings, at the sizes desktops show: PNG is read without
    // the plugin that icon files need, which would delay the first frame.
    for (int size : {32, 64, 128})
        icon.addPixmap(picture(QStringLiteral(":/icons/zembra-%1").arg(size), "PNG"));
#endif
    return icon;
}

QIcon EmbeddedAssets::informationIcon()
{
    ensureLinked();
    return QIcon(picture(QStringLiteral(":/icons/information"), "PNG"));
}

QPixmap EmbeddedAssets::applicationIconImage()
{
    ensureLinked();
    return picture(QStringLiteral(":/icons/mainicon"), "ICO");
}

}  // namespace zembra
