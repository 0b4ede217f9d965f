#include "print/render/form_painter.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "print/barcode_plan.h"
#include "print/pdf417_symbol.h"

namespace kvz {

namespace {

// The page in millimetres.
constexpr double kLeft = 15;
constexpr double kRight = 200;
constexpr double kTop = 8;
constexpr double kTitleTop = 20;
constexpr double kContentBottom = 234;
constexpr double kSignatureTop = 237;
constexpr double kBandTop = 248;
constexpr double kBandHeight = 42;
constexpr double kCodeWidth = 10;
constexpr double kLabelX = 26;
constexpr double kLabelWidth = 78;
constexpr double kCellsX = 106;
constexpr double kCellWidth = 4.0;
constexpr double kCellHeight = 4.8;
constexpr double kCellLineGap = 0.8;
constexpr double kFieldGap = 0.9;
constexpr double kIndent = 3;
constexpr int kCellsPerLine = static_cast<int>((kRight - kCellsX) / kCellWidth);
// The narrowest bar of a symbol; smaller only when a symbol would not fit the band.
constexpr double kModule = 0.25;
constexpr double kSymbolGap = 10;

const char* const kMonoFamily = "Liberation Mono";
const char* const kSansFamily = "Liberation Sans";
const char* const kFontFolder = "/usr/share/fonts/truetype/liberation2/";

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The form's fonts come from fonts-liberation2; when the font configuration does not
// list them, the files are loaded directly.
void EnsureFonts() {
    static const bool loaded = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* file : {"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf", "LiberationSans-Regular.ttf",
                                 "LiberationSans-Bold.ttf"}) {
            const bool mono = QString::fromLatin1(file).startsWith(QStringLiteral("LiberationMono"));
            if (!families.contains(QString::fromLatin1(mono ? kMonoFamily : kSansFamily)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFolder) + QString::fromLatin1(file));
        }
        return true;
    }();
    (void)loaded;
}

QFont MakeFont(const char* family, double points, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(std::string_view(family) == kMonoFamily ? QFont::Monospace : QFont::SansSerif);
    return font;
}

struct Fonts {
    QFont Label = MakeFont(kSansFamily, 7);
    QFont Heading = MakeFont(kSansFamily, 7.5, true);
    QFont Title = MakeFont(kSansFamily, 11, true);
    QFont Subtitle = MakeFont(kSansFamily, 8);
    QFont Small = MakeFont(kSansFamily, 6.5);
    QFont Value = MakeFont(kMonoFamily, 10);
    QFont Code = MakeFont(kMonoFamily, 8, true);
};

// Drawing in millimetres on a device that counts in its own dots.
class Canvas {
public:
    explicit Canvas(QPaintDevice& device) : Device_(device), Dots_(device.logicalDpiX() / 25.4) {}

    QRectF Rect(double x, double y, double w, double h) const { return {x * Dots_, y * Dots_, w * Dots_, h * Dots_}; }

    // Height in millimetres of the text wrapped to the width.
    double TextHeight(const QFont& font, const QString& text, double width) const {
        if (text.isEmpty()) return 0;
        const QFontMetricsF metrics(font, &Device_);
        // A little narrower than drawn, so that the drawing never needs an extra line.
        const QRectF box = metrics.boundingRect(Rect(0, 0, width * 0.96, 1000), Qt::TextWordWrap, text);
        return box.height() / Dots_;
    }

    void Text(QPainter& painter, const QFont& font, double x, double y, double w, double h, const QString& text,
              int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap) const {
        painter.setFont(font);
        painter.drawText(Rect(x, y, w, h), flags, text);
    }

    // A row of cells, one character in each.
    void Cells(QPainter& painter, const QFont& font, double x, double y, const QString& text, int count) const {
        painter.setFont(font);
        for (int i = 0; i < count; ++i) {
            const QRectF cell = Rect(x + i * kCellWidth, y, kCellWidth, kCellHeight);
            painter.drawRect(cell);
            if (i < text.size()) painter.drawText(cell, Qt::AlignCenter, text.mid(i, 1));
        }
    }

    double Dots() const { return Dots_; }

private:
    QPaintDevice& Device_;
    double Dots_;
};

int CellLines(const QString& value) { return std::max<int>(1, (static_cast<int>(value.size()) + kCellsPerLine - 1) / kCellsPerLine); }

double CellsHeight(const QString& value) {
    const int lines = CellLines(value);
    return lines * kCellHeight + (lines - 1) * kCellLineGap;
}

// What a sheet of paper shows of a form page: the page, and which of its blocks and
// fields, each at its height.
struct PlacedItem {
    const FormBlock* Block = nullptr;
    const FormField* Field = nullptr;  // null: the block's heading
    double Y = 0;
};

struct Sheet {
    const FormPage* Page = nullptr;  // null: a page of barcodes only
    bool Continued = false;
    std::vector<PlacedItem> Items;
};

class FormLayout {
public:
    FormLayout(const Canvas& canvas, const Fonts& fonts) : Canvas_(canvas), Fonts_(fonts) {}

    double TitleHeight(const FormPage& page) const {
        return 7 + Canvas_.TextHeight(Fonts_.Subtitle, Q(page.Subtitle), kRight - kLeft) + 2;
    }

    double HeadingHeight(const FormBlock& block) const {
        if (block.Heading.empty()) return 0;
        return Canvas_.TextHeight(Fonts_.Heading, Q(block.Heading), kRight - kLeft - block.Depth * kIndent) + 1.2;
    }

    double FieldHeight(const FormBlock& block, const FormField& field) const {
        const double label = Canvas_.TextHeight(Fonts_.Label, Q(field.Label), kLabelWidth - block.Depth * kIndent);
        return std::max(label, CellsHeight(Q(field.Value).toUpper())) + kFieldGap;
    }

    std::vector<Sheet> Lay(const FormContent& content) const {
        std::vector<Sheet> sheets;
        for (const FormPage& page : content.Pages) {
            const double top = kTitleTop + TitleHeight(page);
            sheets.push_back({&page, false, {}});
            double y = top;
            auto room = [&](double height) {
                if (y + height <= kContentBottom || y == top) return;
                sheets.push_back({&page, true, {}});
                y = top;
            };
            for (const FormBlock& block : page.Blocks) {
                const double heading = HeadingHeight(block);
                const double first = block.Fields.empty() ? 0 : FieldHeight(block, block.Fields.front());
                if (heading > 0) {
                    room(heading + first);
                    sheets.back().Items.push_back({&block, nullptr, y});
                    y += heading;
                }
                for (const FormField& field : block.Fields) {
                    const double height = FieldHeight(block, field);
                    room(height);
                    sheets.back().Items.push_back({&block, &field, y});
                    y += height;
                }
                y += 1;
            }
        }
        return sheets;
    }

private:
    const Canvas& Canvas_;
    const Fonts& Fonts_;
};

class FormPainter {
public:
    FormPainter(QPainter& painter, const Canvas& canvas, const Fonts& fonts, const FormContent& content)
        : P_(painter), C_(canvas), F_(fonts), Content_(content) {}

    void Header(int number) {
        const QString form = Content_.FormName == "4-НДФЛ"
                                 ? QStringLiteral("Налоговая декларация по налогу на доходы физических лиц (форма 4-НДФЛ)")
                                 : QStringLiteral("Налоговая декларация по налогу на доходы физических лиц (форма 3-НДФЛ)");
        C_.Text(P_, F_.Small, kLeft, kTop, 80, 10, form);
        C_.Text(P_, F_.Label, 98, kTop + 1, 10, kCellHeight, QStringLiteral("ИНН"), Qt::AlignLeft | Qt::AlignVCenter);
        C_.Cells(P_, F_.Value, 106, kTop, Q(Content_.Inn), 12);
        C_.Text(P_, F_.Label, 160, kTop + 1, 10, kCellHeight, QStringLiteral("Стр."), Qt::AlignLeft | Qt::AlignVCenter);
        C_.Cells(P_, F_.Value, 168, kTop, QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')), 3);
        P_.drawLine(C_.Rect(kLeft, kTop + 9, kRight - kLeft, 0).topLeft(), C_.Rect(kLeft, kTop + 9, kRight - kLeft, 0).topRight());
    }

    void Title(const QString& title, const QString& subtitle) {
        C_.Text(P_, F_.Title, kLeft, kTitleTop, kRight - kLeft, 7, title);
        C_.Text(P_, F_.Subtitle, kLeft, kTitleTop + 7, kRight - kLeft, 30, subtitle);
    }

    void Item(const PlacedItem& item) {
        const double indent = item.Block->Depth * kIndent;
        if (!item.Field) {
            C_.Text(P_, F_.Heading, kLeft + indent, item.Y, kRight - kLeft - indent, 40, Q(item.Block->Heading));
            return;
        }
        const FormField& field = *item.Field;
        if (!field.Code.empty()) C_.Text(P_, F_.Code, kLeft, item.Y + 0.6, kCodeWidth, kCellHeight, Q(field.Code));
        C_.Text(P_, F_.Label, kLabelX + indent, item.Y, kLabelWidth - indent, 40, Q(field.Label));
        const QString value = Q(field.Value).toUpper();
        const int lines = CellLines(value);
        for (int line = 0; line < lines; ++line) {
            const QString part = value.mid(line * kCellsPerLine, kCellsPerLine);
            const int count = line + 1 < lines ? kCellsPerLine : std::max<int>(1, static_cast<int>(part.size()));
            C_.Cells(P_, F_.Value, kCellsX, item.Y + line * (kCellHeight + kCellLineGap), part, count);
        }
    }

    void Signature(bool wholeDeclaration) {
        const QString text = wholeDeclaration
                                 ? QStringLiteral("Достоверность и полноту сведений, указанных в настоящей декларации, подтверждаю:")
                                 : QStringLiteral("Достоверность и полноту сведений, указанных на данной странице, подтверждаю:");
        C_.Text(P_, F_.Label, kLeft, kSignatureTop, kRight - kLeft, 4, text);
        const double y = kSignatureTop + 8;
        P_.drawLine(C_.Rect(kLeft, y, 45, 0).topLeft(), C_.Rect(kLeft, y, 45, 0).topRight());
        C_.Text(P_, F_.Small, kLeft, y + 0.3, 45, 3, QStringLiteral("(подпись)"), Qt::AlignHCenter | Qt::AlignTop);
        C_.Text(P_, F_.Label, 80, y - 4.5, 12, kCellHeight, QStringLiteral("Дата"), Qt::AlignLeft | Qt::AlignVCenter);
        C_.Cells(P_, F_.Value, 92, y - 5.2, QString(), 2);
        C_.Text(P_, F_.Value, 100, y - 5.2, 2, kCellHeight, QStringLiteral("."), Qt::AlignCenter);
        C_.Cells(P_, F_.Value, 102, y - 5.2, QString(), 2);
        C_.Text(P_, F_.Value, 110, y - 5.2, 2, kCellHeight, QStringLiteral("."), Qt::AlignCenter);
        C_.Cells(P_, F_.Value, 112, y - 5.2, QString(), 4);
    }

    // The symbol with its top left corner at (x, y), bars of the given module size.
    void Symbol(const Pdf417Symbol& symbol, double x, double y, double module) {
        P_.setPen(Qt::NoPen);
        P_.setBrush(Qt::black);
        for (const SymbolBar& bar : symbol.Bars)
            P_.drawRect(C_.Rect(x + bar.X * module, y + bar.Y * module, bar.Width * module, bar.Height * module));
        P_.setBrush(Qt::NoBrush);
        P_.setPen(QPen(Qt::black, 0));
    }

private:
    QPainter& P_;
    const Canvas& C_;
    const Fonts& F_;
    const FormContent& Content_;
};

struct PlacedSymbol {
    Pdf417Symbol Symbol;
    BarcodeSegment Segment;
};

std::vector<PlacedSymbol> EncodePage(const std::vector<BarcodeSegment>& segments, const BarcodePlan& plan,
                                     const std::string& fileBytes) {
    std::vector<PlacedSymbol> out;
    for (const BarcodeSegment& segment : segments) {
        const MacroPdf417 macro{segment.Index, plan.SegmentCount, plan.FileId};
        out.push_back({EncodePdf417(std::string_view(fileBytes).substr(segment.Offset, segment.Size), macro), segment});
    }
    return out;
}

// Symbols in rows of up to two, centred, from the top of the area; smaller bars only
// when a symbol would not fit its place.
void DrawSymbols(FormPainter& painter, const Canvas& canvas, const Fonts& fonts, QPainter& p,
                 const std::vector<PlacedSymbol>& symbols, double top, std::size_t count) {
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const PlacedSymbol& placed = symbols[i];
        const double cellWidth = (kRight - kLeft) / 2;
        const double module = std::min({kModule, (cellWidth - kSymbolGap) / placed.Symbol.Width,
                                        (kBandHeight - 3) / placed.Symbol.Height});
        const std::size_t row = i / 2;
        const std::size_t column = symbols.size() == 1 ? 0 : i % 2;
        const double width = placed.Symbol.Width * module;
        const double x = symbols.size() == 1 ? kLeft + (kRight - kLeft - width) / 2
                                             : kLeft + column * cellWidth + (cellWidth - width) / 2;
        const double y = top + row * (kBandHeight + 4);
        canvas.Text(p, fonts.Small, x, y, width, 3,
                    QStringLiteral("PDF417 %1 из %2").arg(placed.Segment.Index + 1).arg(count),
                    Qt::AlignLeft | Qt::AlignTop);
        painter.Symbol(placed.Symbol, x, y + 3, module);
    }
}

}  // namespace

int PaintDeclarationForm(QPagedPaintDevice& device, const FormContent& content, const std::string& fileBytes) {
    EnsureFonts();
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const Fonts fonts;
    const Canvas canvas(device);
    const std::vector<Sheet> sheets = FormLayout(canvas, fonts).Lay(content);
    const BarcodePlan plan = PlanBarcodes(fileBytes, sheets.size());
    // Every symbol is built before the first page is drawn: a failure leaves no
    // half-drawn printout.
    std::vector<std::vector<PlacedSymbol>> symbols;
    for (const auto& page : plan.Pages) symbols.push_back(EncodePage(page, plan, fileBytes));

    QPainter p(&device);
    if (!p.isActive()) throw std::runtime_error("Не удалось начать вывод печатной формы на устройство.");
    p.setPen(QPen(Qt::black, 0));
    FormPainter painter(p, canvas, fonts, content);
    for (std::size_t index = 0; index < plan.Pages.size(); ++index) {
        if (index > 0) device.newPage();
        painter.Header(static_cast<int>(index + 1));
        if (index < sheets.size()) {
            const Sheet& sheet = sheets[index];
            QString title = Q(sheet.Page->Title);
            if (sheet.Continued) title += QStringLiteral(" (продолжение)");
            painter.Title(title, sheet.Continued ? QString() : Q(sheet.Page->Subtitle));
            for (const PlacedItem& item : sheet.Items) painter.Item(item);
            painter.Signature(index == 0);
            DrawSymbols(painter, canvas, fonts, p, symbols[index], kBandTop, plan.SegmentCount);
        } else {
            painter.Title(QStringLiteral("Двумерный штрихкод (продолжение)"),
                          QStringLiteral("Символы PDF417 с окончанием файла декларации"));
            DrawSymbols(painter, canvas, fonts, p, symbols[index], kTitleTop + 16, plan.SegmentCount);
        }
    }
    p.end();
    return static_cast<int>(plan.Pages.size());
}

}  // namespace kvz
