// Lets the real-window tests look at the screen:
//   screen_colours save FILE        the whole screen as an image file
//   screen_colours count X Y W H    "rrggbb n" for every colour in the rectangle
//   screen_colours column X Y H     the runs of colour down one column, top first:
//                                   "rrggbb n", one run a line
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include <vector>

namespace {

QImage grab(int x, int y, int w, int h)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0, x, y, w, h).toImage().convertToFormat(QImage::Format_RGB32);
}

QString hex(QRgb colour)
{
    return QString::asprintf("%06x", colour & 0xffffffu);
}

int usage()
{
    QTextStream(stderr) << "usage: screen_colours save FILE | count X Y W H | column X Y H\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("save") && args.size() == 2)
        return grab(0, 0, -1, -1).save(args[1]) ? 0 : 1;

    std::vector<int> n;
    for (const QString& arg : args.mid(1)) {
        bool ok = false;
        n.push_back(arg.toInt(&ok));
        if (!ok)
            return usage();
    }
    QTextStream out(stdout);
    if (mode == QLatin1String("count") && n.size() == 4) {
        const QImage image = grab(n[0], n[1], n[2], n[3]);
        QMap<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y)];
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            out << hex(it.key()) << ' ' << it.value() << '\n';
        return 0;
    }
    if (mode == QLatin1String("column") && n.size() == 3) {
        const QImage image = grab(n[0], n[1], 1, n[2]);
        for (int y = 0; y < image.height();) {
            const QRgb colour = image.pixel(0, y);
            int run = 0;
            for (; y < image.height() && image.pixel(0, y) == colour; ++y)
                ++run;
            out << hex(colour) << ' ' << run << '\n';
        }
        return 0;
    }
    return usage();
}
