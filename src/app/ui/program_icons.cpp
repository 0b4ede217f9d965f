#include "app/ui/program_icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kvz {

namespace {

// Every picture is drawn on a 48 × 48 grid and scaled.
constexpr double kGrid = 48.0;

const QColor kInk(0x2b, 0x3a, 0x4a);
const QColor kPaper(0xfd, 0xfd, 0xfa);
const QColor kBlue(0x2f, 0x6f, 0xb3);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kGold(0xe0, 0xa8, 0x2e);
const QColor kBrown(0x8d, 0x5a, 0x2b);

QPen InkPen(double width = 2.0) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A sheet of paper with a folded corner.
void DrawPage(QPainter& p, const QRectF& r) {
    const double fold = r.width() * 0.3;
    QPolygonF sheet;
    sheet << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
          << r.bottomRight() << r.bottomLeft();
    p.setPen(InkPen());
    p.setBrush(kPaper);
    p.drawPolygon(sheet);
    QPolygonF corner;
    corner << QPointF(r.right() - fold, r.top()) << QPointF(r.right() - fold, r.top() + fold)
           << QPointF(r.right(), r.top() + fold);
    p.setBrush(QColor(0xdd, 0xe3, 0xea));
    p.drawPolygon(corner);
}

void DrawTextLines(QPainter& p, const QRectF& r, int lines) {
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb6), 2.0, Qt::SolidLine, Qt::RoundCap));
    const double step = r.height() / (lines + 1);
    for (int i = 1; i <= lines; ++i) {
        const double y = r.top() + step * i;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2 == 0 ? r.width() * 0.3 : 0), y));
    }
}

void DrawBadge(QPainter& p, const QPointF& centre, double radius, const QColor& colour) {
    p.setPen(QPen(Qt::white, 2.0));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void DrawGlyph(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, double pixelSize,
               bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void DrawCreate(QPainter& p) {
    DrawPage(p, QRectF(9, 4, 28, 38));
    DrawTextLines(p, QRectF(14, 14, 16, 20), 3);
    DrawBadge(p, QPointF(35, 36), 9, kGreen);
    p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 31), QPointF(35, 41));
    p.drawLine(QPointF(30, 36), QPointF(40, 36));
}

void DrawOpen(QPainter& p) {
    p.setPen(InkPen());
    p.setBrush(QColor(0xd9, 0xa4, 0x41));
    QPolygonF back;
    back << QPointF(5, 12) << QPointF(17, 12) << QPointF(21, 16) << QPointF(41, 16) << QPointF(41, 39)
         << QPointF(5, 39);
    p.drawPolygon(back);
    p.setBrush(QColor(0xf3, 0xc7, 0x62));
    QPolygonF front;
    front << QPointF(5, 39) << QPointF(11, 22) << QPointF(45, 22) << QPointF(41, 39);
    p.drawPolygon(front);
}

void DrawSave(QPainter& p) {
    p.setPen(InkPen());
    p.setBrush(kBlue);
    QPainterPath body;
    body.moveTo(6, 6);
    body.lineTo(36, 6);
    body.lineTo(42, 12);
    body.lineTo(42, 42);
    body.lineTo(6, 42);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kPaper);
    p.drawRect(QRectF(13, 6, 20, 13));
    p.setBrush(QColor(0xcf, 0xdb, 0xe8));
    p.drawRect(QRectF(12, 26, 24, 16));
    p.setBrush(kInk);
    p.drawRect(QRectF(26, 9, 4, 7));
}

void DrawPreview(QPainter& p) {
    DrawPage(p, QRectF(6, 4, 28, 38));
    DrawTextLines(p, QRectF(11, 12, 16, 24), 4);
    p.setPen(QPen(kInk, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 36), QPointF(44, 44));
    p.setPen(InkPen(2.5));
    p.setBrush(QColor(0xcc, 0xe4, 0xf7, 220));
    p.drawEllipse(QPointF(30, 30), 9, 9);
}

void DrawPrint(QPainter& p) {
    DrawPage(p, QRectF(13, 4, 22, 18));
    p.setPen(InkPen());
    p.setBrush(QColor(0x8e, 0x9b, 0xa8));
    p.drawRoundedRect(QRectF(4, 18, 40, 18), 4, 4);
    p.setBrush(kPaper);
    p.drawRect(QRectF(12, 30, 24, 14));
    DrawTextLines(p, QRectF(15, 31, 18, 12), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(38, 24), 2, 2);
}

void DrawExport(QPainter& p) {
    DrawPage(p, QRectF(7, 4, 30, 40));
    DrawGlyph(p, QRectF(7, 17, 30, 14), QStringLiteral("XML"), kBlue, 10);
    DrawBadge(p, QPointF(36, 36), 9, kBlue);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(31, 36), QPointF(41, 36));
    p.drawLine(QPointF(37, 32), QPointF(41, 36));
    p.drawLine(QPointF(37, 40), QPointF(41, 36));
}

void DrawCheck(QPainter& p) {
    DrawPage(p, QRectF(7, 4, 30, 40));
    DrawTextLines(p, QRectF(12, 12, 18, 18), 3);
    DrawBadge(p, QPointF(35, 35), 10, kGreen);
    p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF() << QPointF(30, 35) << QPointF(34, 39) << QPointF(40, 31));
}

void DrawConditions(QPainter& p) {
    p.setPen(InkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(5, 5, 38, 38), 5, 5);
    const double rows[] = {15, 24, 33};
    const double knobs[] = {30, 16, 24};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0x9a, 0xa8, 0xb6), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, rows[i]), QPointF(37, rows[i]));
        p.setPen(InkPen(1.5));
        p.setBrush(i == 1 ? kRed : kBlue);
        p.drawEllipse(QPointF(knobs[i], rows[i]), 4, 4);
    }
}

void DrawPerson(QPainter& p) {
    p.setPen(InkPen());
    p.setBrush(QColor(0x5d, 0x8c, 0xc0));
    QPainterPath shoulders;
    shoulders.moveTo(8, 43);
    shoulders.cubicTo(8, 28, 40, 28, 40, 43);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setBrush(QColor(0xf2, 0xd0, 0xb0));
    p.drawEllipse(QPointF(24, 16), 9, 10);
}

void DrawRussianIncome(QPainter& p) {
    p.setPen(InkPen());
    for (int i = 0; i < 3; ++i) {
        p.setBrush(kGold);
        p.drawEllipse(QRectF(6, 32 - i * 7, 26, 10));
    }
    DrawBadge(p, QPointF(32, 17), 12, kGreen);
    DrawGlyph(p, QRectF(20, 5, 24, 24), QString(QChar(0x20BD)), Qt::white, 16);
}

void DrawForeignIncome(QPainter& p) {
    p.setPen(InkPen());
    p.setBrush(QColor(0x7f, 0xb8, 0xe6));
    p.drawEllipse(QPointF(24, 24), 18, 18);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(16, 6, 16, 36));
    p.drawLine(QPointF(6, 24), QPointF(42, 24));
    p.drawLine(QPointF(24, 6), QPointF(24, 42));
    p.drawArc(QRectF(9, 8, 30, 10), 180 * 16, 180 * 16);
    p.drawArc(QRectF(9, 30, 30, 10), 0, 180 * 16);
}

void DrawBusiness(QPainter& p) {
    p.setPen(InkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(17, 8, 14, 8), 2, 2);
    p.setBrush(kBrown);
    p.drawRoundedRect(QRectF(5, 14, 38, 27), 4, 4);
    p.drawLine(QPointF(5, 25), QPointF(43, 25));
    p.setBrush(kGold);
    p.drawRect(QRectF(21, 22, 6, 6));
}

void DrawDeductions(QPainter& p) {
    DrawPage(p, QRectF(7, 4, 30, 40));
    DrawGlyph(p, QRectF(7, 9, 30, 30), QStringLiteral("%"), kRed, 22);
}

void DrawInvestTov(QPainter& p) {
    p.setPen(InkPen());
    p.drawLine(QPointF(6, 6), QPointF(6, 42));
    p.drawLine(QPointF(6, 42), QPointF(43, 42));
    const double heights[] = {10, 18, 14, 26};
    const QColor colours[] = {kBlue, kGreen, kBlue, kGreen};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(10 + i * 8.5, 40 - heights[i], 6, heights[i]));
    }
    p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF() << QPointF(10, 28) << QPointF(22, 20) << QPointF(30, 24) << QPointF(42, 8));
}

void DrawProgram(QPainter& p) {
    QLinearGradient fill(0, 0, 0, kGrid);
    fill.setColorAt(0, QColor(0x3c, 0x7d, 0xc4));
    fill.setColorAt(1, QColor(0x1f, 0x4e, 0x86));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
    DrawPage(p, QRectF(12, 7, 24, 32));
    DrawGlyph(p, QRectF(12, 13, 24, 22), QStringLiteral("15"), kBlue, 13);
    DrawBadge(p, QPointF(36, 37), 8, kGreen);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF() << QPointF(32, 37) << QPointF(35, 40) << QPointF(40, 34));
}

void Draw(QPainter& p, ProgramPicture picture) {
    switch (picture) {
        case ProgramPicture::Program:
            return DrawProgram(p);
        case ProgramPicture::Create:
            return DrawCreate(p);
        case ProgramPicture::Open:
            return DrawOpen(p);
        case ProgramPicture::Save:
            return DrawSave(p);
        case ProgramPicture::Preview:
            return DrawPreview(p);
        case ProgramPicture::Print:
            return DrawPrint(p);
        case ProgramPicture::Export:
            return DrawExport(p);
        case ProgramPicture::Check:
            return DrawCheck(p);
        case ProgramPicture::Conditions:
            return DrawConditions(p);
        case ProgramPicture::Person:
            return DrawPerson(p);
        case ProgramPicture::RussianIncome:
            return DrawRussianIncome(p);
        case ProgramPicture::ForeignIncome:
            return DrawForeignIncome(p);
        case ProgramPicture::Business:
            return DrawBusiness(p);
        case ProgramPicture::Deductions:
            return DrawDeductions(p);
        case ProgramPicture::InvestTov:
            return DrawInvestTov(p);
    }
}

}  // namespace

QPixmap PicturePixmap(ProgramPicture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / kGrid, size / kGrid);
    Draw(painter, picture);
    return pixmap;
}

QIcon PictureIcon(ProgramPicture picture) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(PicturePixmap(picture, size));
    return icon;
}

}  // namespace kvz
