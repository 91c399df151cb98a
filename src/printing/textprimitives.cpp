#include "printing/textprimitives.h"

#include "printing/pagesurface.h"

#include <algorithm>

namespace kelvarino {

namespace {

double horizontalStart(int alignment, double left, double right, double padding, double width)
{
    if (alignment == AlignLeft)
        return left + padding;
    if (alignment == AlignRight)
        return right - padding - width;
    return (left + right) / 2 - width / 2;
}

// Drops characters from the text's end, one at a time, until its width
// passes `fits` or only `keep` characters are left. The widths of its starts
// come from one measuring pass: a long description in a narrow column would
// otherwise be measured once for every character dropped. (Halving would find
// the same start only while every longer start is wider, which a surface
// need not promise.)
template <class Fits>
void cutFromEnd(const PageSurface &surface, QString &text, Fits fits, qsizetype keep)
{
    if (text.size() <= keep || fits(surface.textWidth(text)))
        return;
    const QList<double> widths = surface.prefixWidths(text);
    qsizetype n = text.size() - 1;
    while (n > keep && !fits(widths.at(n - 1)))
        --n;
    text.truncate(n);
}

// Cuts the text from its end while, centred between left and right, it starts
// left of left + padding. Answers false when even the empty text does not fit.
bool cutToFit(const PageSurface &surface, QString &text, double left, double right, double padding)
{
    const auto fits = [&](double width) { return (left + right) / 2 - width / 2 >= left + padding; };
    cutFromEnd(surface, text, fits, 0);
    return fits(surface.textWidth(text));
}

QString trimmedBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

void setFittedStep(PageSurface &surface, int step, double magnification, const QString &fontName)
{
    const double points = (10 - 0.1 * step) * magnification;
    surface.setFontSize(points);
    surface.setFontName(fontName);
    surface.setFontSize(points);
}

} // namespace

void PrintTextInBox(QString &text, double left, double top, double right, double bottom, PageSurface &surface,
                    int alignment, bool bold, bool italic, const QColor &colour)
{
    surface.setBold(bold);
    surface.setItalic(italic);
    surface.setForeColour(colour);
    constexpr double padding = 30;
    cutToFit(surface, text, left, right, padding);
    if (text.isEmpty())
        return;
    const double width = surface.textWidth(text);
    const double height = surface.textHeight(text);
    surface.drawText(horizontalStart(alignment, left, right, padding, width), (top + bottom) / 2 - height / 2, text);
}

void PrintFittedCell(int &step, PageSurface &surface, const QString &text, double left, double top, double right,
                     double bottom, int alignment, double magnification, bool bold, bool italic,
                     const QColor &colour, const QString &fontName)
{
    QString shown = text.trimmed();
    if (shown.isEmpty())
        return;
    const double padding = 30 * magnification;
    const double roomWidth = right - left - padding;
    const double roomHeight = bottom - top - padding;
    surface.setBold(bold);
    surface.setItalic(italic);
    int s = std::clamp(step, 0, 50);
    setFittedStep(surface, s, magnification, fontName);
    double w = surface.textWidth(shown);
    double h = surface.textHeight(shown);
    bool searched = false;
    if (w < roomWidth && h < roomHeight && s > 0) {
        int result = 0;
        for (int t = s - 1; t >= 0; --t) {
            setFittedStep(surface, t, magnification, fontName);
            if (surface.textWidth(shown) > roomWidth || surface.textHeight(shown) > roomHeight) {
                result = t + 1;
                break;
            }
        }
        s = result;
        searched = true;
    } else if (s < 50 && (w > roomWidth || h > roomHeight)) {
        int result = 50;
        for (int t = s + 1; t <= 50; ++t) {
            setFittedStep(surface, t, magnification, fontName);
            if (surface.textWidth(shown) <= roomWidth && surface.textHeight(shown) <= roomHeight) {
                result = t;
                break;
            }
        }
        s = result;
        searched = true;
    }
    if (searched) {
        setFittedStep(surface, s, magnification, fontName);
        w = surface.textWidth(shown);
        h = surface.textHeight(shown);
    }
    step = s;
    cutFromEnd(surface, shown, [&](double width) { return width <= roomWidth; }, 1);
    w = surface.textWidth(shown);
    surface.setForeColour(colour);
    surface.drawText(horizontalStart(alignment, left, right, padding / 2, w), (top + bottom) / 2 - h / 2, shown);
    surface.setForeColour(Qt::black);
}

void PrintWrappedText(const QString &text, double left, double &y, double right, double lineHeight,
                      PageSurface &surface, int alignment, bool bold, bool italic, const QColor &colour)
{
    surface.setBold(bold);
    surface.setItalic(italic);
    surface.setForeColour(colour);
    const double room = right - left - 60;
    auto printLine = [&](QString line) {
        PrintTextInBox(line, left, y, right, y + lineHeight, surface, alignment, bold, italic, colour);
    };
    QString rest = trimmedBlanks(text);
    QString line;
    for (;;) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const QString word = blank < 0 ? rest : rest.left(blank);
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (blank < 0) {
            if (surface.textWidth(candidate) <= room) {
                printLine(candidate);
            } else {
                printLine(line);
                y += lineHeight;
                printLine(word);
            }
            y += lineHeight;
            return;
        }
        if (surface.textWidth(candidate) <= room) {
            line = candidate;
        } else {
            printLine(line);
            y += lineHeight;
            line = word;
        }
        rest = trimmedBlanks(rest.mid(blank + 1));
    }
}

void draw1(PageSurface &surface, const QString &text, double x1, double y1, double x2, double y2, int alignment,
           double scale)
{
    const double padding = PadUnit * scale / 2;
    QString shown = text;
    if (!cutToFit(surface, shown, x1, x2, padding) || shown.isEmpty())
        return;
    const double width = surface.textWidth(shown);
    const double height = surface.textHeight(shown);
    surface.drawText(horizontalStart(alignment, x1, x2, padding, width), (y1 + y2) / 2 - height / 2, shown);
}

void draw2(PageSurface &surface, const QString &text1, const QString &text2, double x1, double y1, double x2,
           double y2, int alignment, double scale)
{
    const double padding = PadUnit * scale / 2;
    const double a = y1 + 2 * padding;
    const double b = y2 - 2 * padding;
    const double centres[2] = {(3 * a + b) / 4, (a + 3 * b) / 4};
    const QString texts[2] = {text1, text2};
    for (int i = 0; i < 2; ++i) {
        QString shown = texts[i];
        if (!cutToFit(surface, shown, x1, x2, padding) || shown.isEmpty())
            continue;
        const double width = surface.textWidth(shown);
        const double height = surface.textHeight(shown);
        surface.drawText(horizontalStart(alignment, x1, x2, 2 * padding, width), centres[i] - height / 2, shown);
    }
}

void FitTextInCell(double size, PageSurface &surface, const QString &text, double x1, double y1, double x2,
                   double y2, int alignment, double scale, bool bold, bool italic, const QColor &colour)
{
    QString shown = text.trimmed();
    if (shown.isEmpty())
        return;
    const double f = 30 * scale;
    const double roomWidth = x2 - x1 - f;
    const double roomHeight = y2 - y1 - f;
    surface.setBold(bold);
    surface.setItalic(italic);
    surface.setFontSize(size * scale);
    if (surface.textWidth(shown) > roomWidth || surface.textHeight(shown) > roomHeight) {
        int i = 1;
        for (; i <= 50; ++i) {
            surface.setFontSize((size - 0.1 * i) * scale);
            if (surface.textWidth(shown) <= roomWidth && surface.textHeight(shown) <= roomHeight)
                break;
        }
        if (i > 50)
            surface.setFontSize((size - 5) * scale);
    }
    cutFromEnd(surface, shown, [&](double width) { return width <= roomWidth; }, 1);
    const double width = surface.textWidth(shown);
    const double height = surface.textHeight(shown);
    surface.setForeColour(colour);
    surface.drawText(horizontalStart(alignment, x1, x2, f / 2, width), (y1 + y2) / 2 - height / 2, shown);
    surface.setForeColour(Qt::black);
    surface.setFontSize(size * scale);
}

void DrawWrappedTitle(PageSurface &surface, const QString &text, double x1, double y1, double x2, double y2,
                      int alignment, double scale)
{
    QString lines[3];
    int n = 0;
    const double room = x2 - x1 - 15;
    QString rest = text.trimmed();
    while (!rest.isEmpty()) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const QString word = blank < 0 ? rest : rest.left(blank);
        rest = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
        const QString candidate = lines[n].isEmpty() ? word : lines[n] + QLatin1Char(' ') + word;
        if (lines[n].isEmpty() || surface.textWidth(candidate) <= room) {
            // A word that starts a line stays on it even when too wide: it is cut.
            lines[n] = candidate;
        } else if (n == 2) {
            lines[n] = candidate;
            break;
        } else {
            ++n;
            lines[n] = word;
        }
    }
    const int count = n + 1;
    if (count == 1) {
        draw1(surface, lines[0], x1, y1, x2, y2, alignment, scale);
    } else if (count == 2) {
        const double middle = (y1 + y2) / 2;
        draw1(surface, lines[0], x1, y1, x2, middle, alignment, scale);
        draw1(surface, lines[1], x1, middle, x2, y2, alignment, scale);
    } else {
        const double t = (y2 - y1) / 3;
        draw1(surface, lines[0], x1, y1, x2, y1 + t, alignment, scale);
        draw1(surface, lines[1], x1, y1 + t, x2, y2 - t, alignment, scale);
        draw1(surface, lines[2], x1, y2 - t, x2, y2, alignment, scale);
    }
}

} // namespace kelvarino
