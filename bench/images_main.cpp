// Makes the JPEG pictures the benchmark serves: one picture drawn and encoded, then written
// under every name of the series (that the files are alike does not matter to a download).
//
//   quillop_bench_images --out DIR --prefix pic --digits 3 --count N --width W --height H
//                        [--target-kib K]
//
// With a target size, the JPEG quality is chosen so that the file comes as close to it as
// the quality steps allow.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>

namespace {

QString option(const QStringList &args, const char *name, const QString &fallback = {})
{
    const qsizetype at = args.indexOf(QLatin1String(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

// Gradients, shapes and a little noise: about what a photograph costs the encoder.
QImage drawPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(30, 90, 160));
    sky.setColorAt(1, QColor(230, 170, 80));
    QPainter painter(&image);
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(20240601);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate() | 0xff000000u));
        painter.setPen(Qt::NoPen);
        const int d = random.bounded(width / 20 + 1, width / 4 + 2);
        painter.drawEllipse(random.bounded(width), random.bounded(height), d, d);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random.bounded(48u)) - 24;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255),
                           qBound(0, qBlue(p) + n, 255));
        }
    }
    return image;
}

QByteArray encode(const QImage &image, int quality)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return buffer.data();
}

// The largest quality whose file stays within the target, by bisection.
QByteArray encodeNear(const QImage &image, qint64 targetBytes)
{
    int low = 1, high = 100;
    QByteArray best = encode(image, low);
    while (low <= high) {
        const int mid = (low + high) / 2;
        const QByteArray data = encode(image, mid);
        if (data.size() <= targetBytes) {
            best = data;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString out = option(args, "--out");
    const QString prefix = option(args, "--prefix", QStringLiteral("pic"));
    const int digits = option(args, "--digits", QStringLiteral("3")).toInt();
    const int count = option(args, "--count", QStringLiteral("1")).toInt();
    const QImage image = drawPicture(option(args, "--width", QStringLiteral("800")).toInt(),
                                     option(args, "--height", QStringLiteral("600")).toInt());
    const qint64 target = option(args, "--target-kib", QStringLiteral("0")).toLongLong() * 1024;
    const QByteArray data = target > 0 ? encodeNear(image, target) : encode(image, 90);
    if (out.isEmpty() || data.isEmpty() || !QDir().mkpath(out)) {
        std::fprintf(stderr, "usage: %s --out DIR [--count N --width W --height H ...]\n", argv[0]);
        return 2;
    }
    for (int i = 1; i <= count; ++i) {
        const QString name =
            QStringLiteral("%1%2.jpg").arg(prefix).arg(i, digits, 10, QLatin1Char('0'));
        QFile file(out + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    std::printf("bytes=%lld\n", static_cast<long long>(data.size()));
    return 0;
}
