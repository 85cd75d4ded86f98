// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/setupsheet.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "link/blockfields.h"
#include "link/frames.h"

namespace pelorin {

namespace {

// The texts of the sheet, under one translation context.
struct SetupSheet {
    Q_DECLARE_TR_FUNCTIONS(pelorin::SetupSheet)
};

constexpr int kPoints = 5;  // points of a curve
constexpr int kMixes = 3;
const QString kNoValue = QStringLiteral("\u2013");  // a channel without that setting

// ---- What the sheet says, the same for the page and the text ----

struct Table {
    QStringList headers;
    QList<QStringList> rows;
};

struct Curve {
    QString title;
    std::array<int, kPoints> nor{};
    std::array<int, kPoints> id{};
    Table values;  // the points as numbers: a row for NOR, one for ID
};

struct Content {
    QString name;
    QList<std::pair<QString, QString>> facts;  // type, stick mode, memory
    QString notes;
    bool helicopter = false;
    Table channels;
    std::array<Curve, 2> curves;  // throttle, pitch; only for helicopters
    Table mixes;
    Table switches;
    QString made;      // date and program version
    QString checksum;  // of the 65 settings bytes, as a file of them gives it
};

const BlockField* field(const std::string& name) {
    const BlockField* found = findBlockField(name);
    Q_ASSERT_X(found != nullptr, "setup sheet", name.c_str());
    return found;
}

QString valueOf(const BlockBytes& block, const std::string& name) {
    const BlockField* f = field(name);
    return f != nullptr ? QString::fromStdString(valueText(*f, fieldValue(*f, block))) : kNoValue;
}

// The value of a field that only some channels have, or a dash.
QString channelValue(const BlockBytes& block, const std::string& name) {
    return findBlockField(name) != nullptr ? valueOf(block, name) : kNoValue;
}

int numberOf(const BlockBytes& block, const std::string& name) {
    const BlockField* f = field(name);
    return f != nullptr ? fieldValue(*f, block) : 0;
}

QString pointLabel(int index) {
    return SetupSheet::tr("EP%1").arg(index);
}

Curve makeCurve(const BlockBytes& block, const std::string& prefix, const QString& title) {
    Curve curve;
    curve.title = title;
    curve.values.headers << QString();
    QStringList nor{SetupSheet::tr("NOR")};
    QStringList id{SetupSheet::tr("ID")};
    for (int i = 0; i < kPoints; ++i) {
        const std::string point = " EP" + std::to_string(i);
        const auto at = static_cast<std::size_t>(i);
        curve.nor[at] = numberOf(block, prefix + " NOR" + point);
        curve.id[at] = numberOf(block, prefix + " ID" + point);
        curve.values.headers << pointLabel(i);
        nor << QString::number(curve.nor[at]);
        id << QString::number(curve.id[at]);
    }
    curve.values.rows = {nor, id};
    return curve;
}

Content makeContent(const SheetSubject& subject) {
    const BlockBytes& b = subject.block;
    Content c;
    c.name = subject.name.trimmed().isEmpty() ? SetupSheet::tr("Unnamed model") : subject.name;
    c.facts << std::pair{SetupSheet::tr("Type"), valueOf(b, "model type")}
            << std::pair{SetupSheet::tr("Stick mode"), valueOf(b, "stick mode")};
    if (subject.memory == 0 || subject.memory == 1) {
        c.facts << std::pair{SetupSheet::tr("Memory"), subject.memory == 0
                                                           ? SetupSheet::tr("USER1")
                                                           : SetupSheet::tr("USER2")};
    }
    c.notes = subject.notes.trimmed();
    c.helicopter = curveButtonsVisible(b[block::kModelAndStick]);

    c.channels.headers = {SetupSheet::tr("Channel"),      SetupSheet::tr("End point L"),
                          SetupSheet::tr("End point R"),  SetupSheet::tr("Reverse"),
                          SetupSheet::tr("Sub trim"),     SetupSheet::tr("Dual rate ON"),
                          SetupSheet::tr("Dual rate OFF")};
    if (c.helicopter)
        c.channels.headers << SetupSheet::tr("Swash AFR");
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const std::string name = "CH" + std::to_string(ch);
        QStringList row{QString::fromStdString(name),
                        valueOf(b, "end point " + name + " L"),
                        valueOf(b, "end point " + name + " R"),
                        valueOf(b, "reverse " + name),
                        valueOf(b, "sub trim " + name),
                        channelValue(b, "dual rate " + name + " ON"),
                        channelValue(b, "dual rate " + name + " OFF")};
        if (c.helicopter)
            row << channelValue(b, "swash AFR " + name);
        c.channels.rows << row;
    }

    if (c.helicopter) {
        c.curves = {makeCurve(b, "throttle curve", SetupSheet::tr("Throttle curve")),
                    makeCurve(b, "pitch curve", SetupSheet::tr("Pitch curve"))};
    }

    c.mixes.headers = {SetupSheet::tr("Mix"),         SetupSheet::tr("Source"),
                       SetupSheet::tr("Destination"), SetupSheet::tr("Up rate"),
                       SetupSheet::tr("Down rate"),   SetupSheet::tr("Switch")};
    for (int m = 1; m <= kMixes; ++m) {
        const std::string mix = "MIX " + std::to_string(m) + " ";
        c.mixes.rows << QStringList{QString::number(m),
                                    valueOf(b, mix + "source"),
                                    valueOf(b, mix + "destination"),
                                    valueOf(b, mix + "up rate"),
                                    valueOf(b, mix + "down rate"),
                                    valueOf(b, mix + "switch")};
    }

    c.switches.headers = {SetupSheet::tr("Switch A"), SetupSheet::tr("Switch B"),
                          SetupSheet::tr("VR A"), SetupSheet::tr("VR B")};
    c.switches.rows << QStringList{valueOf(b, "switch A function"), valueOf(b, "switch B function"),
                                   valueOf(b, "VR A function"), valueOf(b, "VR B function")};

    c.made = SetupSheet::tr("Made on %1 with Pelorin %2")
                 .arg(QDate::currentDate().toString(Qt::ISODate), QStringLiteral(PELORIN_VERSION));
    const unsigned sum = byteSum(std::span(b).first(kSettingsBlockSize));
    c.checksum = SetupSheet::tr("Settings checksum: %1")
                     .arg(QStringLiteral("0x") +
                          QString::number(sum, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    return c;
}

// ---- Plain text ----

// Columns of a monospaced font: East Asian wide characters take two.
int textColumns(const QString& text) {
    int columns = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

void appendTable(QString& out, const Table& table) {
    std::vector<int> widths(static_cast<std::size_t>(table.headers.size()), 0);
    auto measure = [&](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size() && i < table.headers.size(); ++i) {
            auto& w = widths[static_cast<std::size_t>(i)];
            w = std::max(w, textColumns(cells[i]));
        }
    };
    measure(table.headers);
    for (const QStringList& row : table.rows)
        measure(row);
    auto line = [&](const QStringList& cells) {
        QString text;
        for (qsizetype i = 0; i < cells.size() && i < table.headers.size(); ++i) {
            text += cells[i];
            if (i + 1 < cells.size())
                text += QString(widths[static_cast<std::size_t>(i)] - textColumns(cells[i]) + 2,
                                QLatin1Char(' '));
        }
        out += text.trimmed().isEmpty() ? QString() : text;
        out += QLatin1Char('\n');
    };
    line(table.headers);
    for (const QStringList& row : table.rows)
        line(row);
}

}  // namespace

QString setupSheetText(const SheetSubject& subject) {
    const Content c = makeContent(subject);
    QString out = SetupSheet::tr("Setup sheet: %1").arg(c.name) + QLatin1Char('\n');
    for (const auto& [label, value] : c.facts)
        out += SetupSheet::tr("%1: %2").arg(label, value) + QLatin1Char('\n');
    if (!c.notes.isEmpty()) {
        out += SetupSheet::tr("Notes:") + QLatin1Char('\n');
        for (const QString& line : c.notes.split(QLatin1Char('\n')))
            out += QStringLiteral("  ") + line + QLatin1Char('\n');
    }
    out += QLatin1Char('\n') + SetupSheet::tr("Channels") + QLatin1Char('\n');
    appendTable(out, c.channels);
    if (c.helicopter) {
        for (const Curve& curve : c.curves) {
            out += QLatin1Char('\n') + curve.title + QLatin1Char('\n');
            appendTable(out, curve.values);
        }
    }
    out += QLatin1Char('\n') + SetupSheet::tr("Program mixes") + QLatin1Char('\n');
    appendTable(out, c.mixes);
    out += QLatin1Char('\n') + SetupSheet::tr("Switches and knobs") + QLatin1Char('\n');
    appendTable(out, c.switches);
    out += QLatin1Char('\n') + c.made + QLatin1Char('\n') + c.checksum + QLatin1Char('\n');
    return out;
}

// ---- The page ----

namespace {

// The page is laid out on a sheet 1000 units wide, as tall as the paper's shape makes it
// (A4: 1414), then scaled to the device: the same drawing fits a window and a printer.
constexpr qreal kSheetWidth = 1000;
constexpr qreal kMargin = 60;
constexpr qreal kContentWidth = kSheetWidth - 2 * kMargin;
constexpr qreal kSectionGap = 22;
constexpr qreal kRowHeight = 26;
constexpr qreal kCellPadding = 6;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kMuted(0x60, 0x60, 0x60);
const QColor kRule(0xA0, 0xA0, 0xA0);
const QColor kShade(0xEE, 0xEE, 0xEE);
const QColor kIdColour(0x1F, 0x5F, 0xBF);

QFont sheetFont(int size, bool bold = false) {
    QFont font;
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

class PageWriter {
public:
    explicit PageWriter(QPainter& painter) : p_(painter) {}

    [[nodiscard]] qreal y() const { return y_; }
    void advance(qreal by) { y_ += by; }

    // One line of text in `rect`, shortened with an ellipsis where it does not fit.
    void text(const QRectF& rect, const QString& text, const QFont& font, int flags,
              const QColor& colour = kInk) {
        p_.setFont(font);
        p_.setPen(colour);
        const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width());
        p_.drawText(rect, flags | Qt::TextSingleLine, shown);
    }

    void heading(const QString& title) {
        text({kMargin, y_, kContentWidth, 26}, title, sheetFont(18, true),
             Qt::AlignLeft | Qt::AlignVCenter);
        y_ += 30;
    }

    // A table over the content width: the first column as wide as `firstWidth`, the others
    // sharing the rest; with `labelled` the first column names the rows. Headers may take two
    // lines.
    void table(const Table& table, qreal firstWidth, bool labelled = true, qreal left = kMargin,
               qreal width = kContentWidth) {
        const auto columns = table.headers.size();
        const auto alignment = [labelled](qsizetype i) {
            return i == 0 && labelled ? Qt::AlignLeft : Qt::AlignHCenter;
        };
        if (columns == 0)
            return;
        const qreal otherWidth = columns > 1 ? (width - firstWidth) / qreal(columns - 1) : 0;
        auto columnRect = [&](qsizetype i, qreal top, qreal h) {
            const qreal x = i == 0 ? left : left + firstWidth + qreal(i - 1) * otherWidth;
            return QRectF(x, top, i == 0 ? firstWidth : otherWidth, h);
        };
        // The headers' size: 13, or less where a word of one is wider than its column.
        QFont headerFont = sheetFont(13, true);
        for (int size = 13; size >= 9; --size) {
            headerFont = sheetFont(size, true);
            const QFontMetricsF metrics(headerFont);
            bool fits = true;
            for (qsizetype i = 0; i < columns && fits; ++i) {
                const qreal room = columnRect(i, 0, 0).width() - 2 * kCellPadding;
                for (const QString& word : table.headers[i].split(QLatin1Char(' ')))
                    fits = fits && metrics.horizontalAdvance(word) <= room;
            }
            if (fits)
                break;
        }
        const QFontMetricsF headerMetrics(headerFont);
        qreal headerHeight = kRowHeight;
        for (qsizetype i = 0; i < columns; ++i) {
            const QRectF cell = columnRect(i, 0, 1000).adjusted(kCellPadding, 0, -kCellPadding, 0);
            const QRectF needed = headerMetrics.boundingRect(
                cell, Qt::TextWordWrap | Qt::AlignHCenter, table.headers[i]);
            headerHeight = std::max(headerHeight, needed.height() + 8);
        }
        p_.setPen(Qt::NoPen);
        p_.setBrush(kShade);
        p_.drawRect(QRectF(left, y_, width, headerHeight));
        p_.setFont(headerFont);
        p_.setPen(kInk);
        for (qsizetype i = 0; i < columns; ++i) {
            const QRectF cell =
                columnRect(i, y_, headerHeight).adjusted(kCellPadding, 0, -kCellPadding, 0);
            p_.drawText(cell, Qt::TextWordWrap | Qt::AlignVCenter | alignment(i), table.headers[i]);
        }
        const qreal top = y_;
        y_ += headerHeight;
        const QFont cellFont = sheetFont(15);
        for (const QStringList& row : table.rows) {
            for (qsizetype i = 0; i < columns && i < row.size(); ++i) {
                text(columnRect(i, y_, kRowHeight).adjusted(kCellPadding, 0, -kCellPadding, 0),
                     row[i], i == 0 && labelled ? sheetFont(15, true) : cellFont,
                     Qt::AlignVCenter | alignment(i));
            }
            y_ += kRowHeight;
            p_.setPen(QPen(kRule, 0.8));
            p_.drawLine(QPointF(left, y_), QPointF(left + width, y_));
        }
        p_.setPen(QPen(kRule, 0.8));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(QRectF(left, top, width, y_ - top));
        for (qsizetype i = 1; i < columns; ++i) {
            const qreal x = columnRect(i, 0, 0).left();
            p_.drawLine(QPointF(x, top), QPointF(x, y_));
        }
    }

    // A curve as a graph: a grid in steps of 25 %, NOR solid with round points, ID dashed with
    // square ones (told apart in black and white too), under it the points as numbers.
    void curve(const Curve& curve, qreal left, qreal width) {
        const qreal top = y_;
        text({left, top, width, 24}, curve.title, sheetFont(16, true),
             Qt::AlignLeft | Qt::AlignVCenter);
        legend(left + width, top + 12);
        y_ += 30;

        constexpr qreal kAxisWidth = 40;  // the value labels left of the plot
        constexpr qreal kPlotHeight = 200;
        const QRectF plot(left + kAxisWidth, y_ + 8, width - kAxisWidth - 14, kPlotHeight);
        int low = 0;
        int high = 100;
        for (const auto* points : {&curve.nor, &curve.id}) {
            low = std::min(low, *std::min_element(points->begin(), points->end()));
            high = std::max(high, *std::max_element(points->begin(), points->end()));
        }
        // Whole steps of 25 that hold every point.
        low = low >= 0 ? 0 : -((-low + 24) / 25) * 25;
        high = ((high + 24) / 25) * 25;
        auto rowOf = [&](int value) {
            return plot.bottom() - (value - low) * plot.height() / (high - low);
        };
        auto columnOf = [&](int index) {
            return plot.left() + index * plot.width() / (kPoints - 1);
        };

        const QFont axisFont = sheetFont(12);
        for (int value = low; value <= high; value += 25) {
            const qreal row = rowOf(value);
            p_.setPen(QPen(value == 0 ? kMuted : kRule, value == 0 ? 1.2 : 0.6));
            p_.drawLine(QPointF(plot.left(), row), QPointF(plot.right(), row));
            text({left, row - 8, kAxisWidth - 6, 16}, QString::number(value), axisFont,
                 Qt::AlignRight | Qt::AlignVCenter, kMuted);
        }
        for (int i = 0; i < kPoints; ++i) {
            p_.setPen(QPen(kRule, 0.6));
            p_.drawLine(QPointF(columnOf(i), plot.top()), QPointF(columnOf(i), plot.bottom()));
        }
        p_.setPen(QPen(kMuted, 1.2));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(plot);

        line(curve.id, columnOf, rowOf, kIdColour, Qt::DashLine, false);
        line(curve.nor, columnOf, rowOf, kInk, Qt::SolidLine, true);

        y_ = plot.bottom() + 10;
        table(curve.values, 56, true, left, width);
    }

    void notes(const QString& notes, qreal bottom) {
        const QRectF box(kMargin, y_, kContentWidth, std::max<qreal>(bottom - y_, 40));
        p_.setPen(QPen(kRule, 0.8));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(box);
        const QRectF inside = box.adjusted(10, 8, -10, -8);
        // The largest size at which the notes fit; the smallest one cut off where the box ends.
        QFont font = sheetFont(10);
        for (int size = 15; size >= 10; --size) {
            font = sheetFont(size);
            if (QFontMetricsF(font)
                    .boundingRect(inside, Qt::TextWordWrap | Qt::AlignLeft, notes)
                    .height() <= inside.height())
                break;
        }
        p_.save();
        p_.setClipRect(inside);
        p_.setFont(font);
        p_.setPen(kInk);
        p_.drawText(inside, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, notes);
        p_.restore();
        y_ = box.bottom();
    }

private:
    void legend(qreal right, qreal middle) {
        const QFont font = sheetFont(12);
        const QFontMetricsF metrics(font);
        qreal x = right;
        for (const auto& [label, colour, style, round] :
             {std::tuple{SetupSheet::tr("ID"), kIdColour, Qt::DashLine, false},
              std::tuple{SetupSheet::tr("NOR"), kInk, Qt::SolidLine, true}}) {
            const qreal labelWidth = metrics.horizontalAdvance(label) + 2;
            x -= labelWidth;
            text({x, middle - 9, labelWidth, 18}, label, font, Qt::AlignLeft | Qt::AlignVCenter);
            x -= 34;
            p_.setPen(QPen(colour, 2.2, style));
            p_.drawLine(QPointF(x, middle), QPointF(x + 28, middle));
            marker({x + 14, middle}, colour, round);
            x -= 14;
        }
    }

    void marker(QPointF at, const QColor& colour, bool round) {
        p_.setPen(QPen(colour, 1.2));
        p_.setBrush(round ? QBrush(colour) : QBrush(Qt::white));
        if (round)
            p_.drawEllipse(at, 4.5, 4.5);
        else
            p_.drawRect(QRectF(at.x() - 4, at.y() - 4, 8, 8));
    }

    void line(const std::array<int, kPoints>& points, const auto& columnOf, const auto& rowOf,
              const QColor& colour, Qt::PenStyle style, bool round) {
        QPolygonF polyline;
        for (int i = 0; i < kPoints; ++i)
            polyline << QPointF(columnOf(i), rowOf(points[static_cast<std::size_t>(i)]));
        p_.setPen(QPen(colour, 2.2, style, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolyline(polyline);
        for (const QPointF& point : polyline)
            marker(point, colour, round);
    }

    QPainter& p_;
    qreal y_ = kMargin;
};

}  // namespace

void paintSetupSheet(QPainter& painter, const QRectF& page, const SheetSubject& subject) {
    if (page.width() <= 0 || page.height() <= 0)
        return;
    const Content c = makeContent(subject);
    painter.save();
    painter.translate(page.topLeft());
    const qreal scale = page.width() / kSheetWidth;
    painter.scale(scale, scale);
    const qreal height = page.height() / scale;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, kSheetWidth, height), Qt::white);

    PageWriter w(painter);
    w.text({kMargin, w.y(), kContentWidth, 18}, SetupSheet::tr("Pelorin setup sheet"),
           sheetFont(13), Qt::AlignLeft | Qt::AlignVCenter, kMuted);
    w.advance(20);
    w.text({kMargin, w.y(), kContentWidth, 46}, c.name, sheetFont(34, true),
           Qt::AlignLeft | Qt::AlignVCenter);
    w.advance(50);
    QStringList facts;
    for (const auto& [label, value] : c.facts)
        facts << SetupSheet::tr("%1: %2").arg(label, value);
    w.text({kMargin, w.y(), kContentWidth, 24}, facts.join(QStringLiteral("      ")), sheetFont(17),
           Qt::AlignLeft | Qt::AlignVCenter);
    w.advance(32);
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(QPointF(kMargin, w.y()), QPointF(kMargin + kContentWidth, w.y()));
    w.advance(kSectionGap);

    w.heading(SetupSheet::tr("Channels"));
    w.table(c.channels, 90);
    w.advance(kSectionGap);

    if (c.helicopter) {
        constexpr qreal kBetween = 40;
        const qreal half = (kContentWidth - kBetween) / 2;
        const qreal top = w.y();
        w.curve(c.curves[0], kMargin, half);
        const qreal bottom = w.y();
        w.advance(top - w.y());
        w.curve(c.curves[1], kMargin + half + kBetween, half);
        w.advance(std::max(bottom, w.y()) - w.y() + kSectionGap);
    }

    w.heading(SetupSheet::tr("Program mixes"));
    w.table(c.mixes, 70);
    w.advance(kSectionGap);
    w.heading(SetupSheet::tr("Switches and knobs"));
    w.table(c.switches, kContentWidth / 4, false);
    w.advance(kSectionGap);

    // The notes take the room left above the footer; an empty box is room to write in.
    const qreal footer = height - kMargin;
    w.heading(SetupSheet::tr("Notes"));
    w.notes(c.notes, footer - 12);

    painter.setPen(QPen(kRule, 0.8));
    painter.drawLine(QPointF(kMargin, footer), QPointF(kMargin + kContentWidth, footer));
    const QRectF footerLine(kMargin, footer + 4, kContentWidth, 18);
    w.text(footerLine, c.made, sheetFont(12), Qt::AlignLeft | Qt::AlignVCenter, kMuted);
    w.text(footerLine, c.checksum, sheetFont(12), Qt::AlignRight | Qt::AlignVCenter, kMuted);
    painter.restore();
}

QPageSize::PageSizeId setupSheetPaper(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                   : QPageSize::A4;
}

QString writeSetupSheetPdf(const QString& path, const SheetSubject& subject) {
    QSaveFile file(path);
    auto failed = [&path](const QString& reason) {
        return SetupSheet::tr(
                   "Cannot write the setup sheet \u201C%1\u201D: %2. Choose a folder you may "
                   "write to, or another file name.")
            .arg(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(setupSheetPaper()));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));  // the sheet keeps its own margins
        writer.setResolution(300);
        writer.setTitle(SetupSheet::tr("Setup sheet: %1").arg(subject.name));
        writer.setCreator(QStringLiteral("Pelorin " PELORIN_VERSION));
        QPainter painter;
        if (!painter.begin(&writer))
            return failed(SetupSheet::tr("the PDF could not be started"));
        paintSetupSheet(painter, QRectF(0, 0, writer.width(), writer.height()), subject);
        painter.end();
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

}  // namespace pelorin
